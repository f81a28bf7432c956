#include "Pictures.h"

#include <QPixmap>

#include <array>
#include <string_view>

// The program icon: a miniature of the political map. The diamond is blue with its top
// (Libertarian) zone in aqua; its outline, the inner square and the four dividing lines are black.

namespace content {
namespace {

constexpr int IconSize = 32;

// One character per pixel. Letters name the standard 16 colours (see Palette); '.' is transparent.
// clang-format off
constexpr std::array<std::string_view, IconSize> IconArt{
    "...............KK...............",
    "..............KAAK..............",
    ".............KAAAAK.............",
    "............KAAAAAAK............",
    "...........KAAAAAAAAK...........",
    "..........KAAAAAAAAAAK..........",
    ".........KAAAAAAAAAAAAK.........",
    "........KAAAAAAAAAAAAAAK........",
    ".......KKAAAAAAAAAAAAAAKK.......",
    "......KBBKAAAAAAAAAAAAKBBK......",
    ".....KBBBBKAAAAAAAAAAKBBBBK.....",
    "....KBBBBBBKKKKKKKKKKBBBBBBK....",
    "...KBBBBBBBKBBBBBBBBKBBBBBBBK...",
    "..KBBBBBBBBKBBBBBBBBKBBBBBBBBK..",
    ".KBBBBBBBBBKBBBBBBBBKBBBBBBBBBK.",
    "KBBBBBBBBBBKBBBBBBBBKBBBBBBBBBBK",
    "KBBBBBBBBBBKBBBBBBBBKBBBBBBBBBBK",
    ".KBBBBBBBBBKBBBBBBBBKBBBBBBBBBK.",
    "..KBBBBBBBBKBBBBBBBBKBBBBBBBBK..",
    "...KBBBBBBBKBBBBBBBBKBBBBBBBK...",
    "....KBBBBBBKKKKKKKKKKBBBBBBK....",
    ".....KBBBBKBBBBBBBBBBKBBBBK.....",
    "......KBBKBBBBBBBBBBBBKBBK......",
    ".......KKBBBBBBBBBBBBBBKK.......",
    "........KBBBBBBBBBBBBBBK........",
    ".........KBBBBBBBBBBBBK.........",
    "..........KBBBBBBBBBBK..........",
    "...........KBBBBBBBBK...........",
    "............KBBBBBBK............",
    ".............KBBBBK.............",
    "..............KBBK..............",
    "...............KK...............",
};
// clang-format on

struct PaletteEntry {
    char code;
    QRgb colour;
};

// The standard 16 colours in their usual order, then the transparent entry.
constexpr std::array<PaletteEntry, 17> Palette{{
    {'K', qRgb(0, 0, 0)},       // black
    {'M', qRgb(128, 0, 0)},     // maroon
    {'G', qRgb(0, 128, 0)},     // green
    {'O', qRgb(128, 128, 0)},   // olive
    {'N', qRgb(0, 0, 128)},     // navy
    {'P', qRgb(128, 0, 128)},   // purple
    {'T', qRgb(0, 128, 128)},   // teal
    {'S', qRgb(192, 192, 192)}, // silver
    {'D', qRgb(128, 128, 128)}, // dark grey
    {'R', qRgb(255, 0, 0)},     // red
    {'L', qRgb(0, 255, 0)},     // lime
    {'Y', qRgb(255, 255, 0)},   // yellow
    {'B', qRgb(0, 0, 255)},     // blue
    {'F', qRgb(255, 0, 255)},   // fuchsia
    {'A', qRgb(0, 255, 255)},   // aqua
    {'W', qRgb(255, 255, 255)}, // white
    {'.', qRgba(0, 0, 0, 0)},   // transparent
}};

// The palette index of a pixel character; an unknown character (a typing slip) is transparent.
int PaletteIndex(char code) {
    for (std::size_t i = 0; i < Palette.size(); ++i)
        if (Palette[i].code == code)
            return static_cast<int>(i);
    Q_ASSERT_X(false, "ProgramIcon", "unknown pixel character");
    return static_cast<int>(Palette.size()) - 1;
}

QImage BuildIcon() {
    QImage image(IconSize, IconSize, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (const PaletteEntry& entry : Palette)
        colours.append(entry.colour);
    image.setColorTable(colours);

    for (int y = 0; y < IconSize; ++y) {
        const std::string_view row = IconArt[static_cast<std::size_t>(y)];
        Q_ASSERT(row.size() == IconSize);
        for (int x = 0; x < IconSize; ++x)
            image.setPixel(x, y, static_cast<uint>(PaletteIndex(row[static_cast<std::size_t>(x)])));
    }
    return image;
}

} // namespace

QImage ProgramIconImage() {
    static const QImage icon = BuildIcon();
    return icon;
}

QIcon ProgramIcon() {
    return QIcon(QPixmap::fromImage(ProgramIconImage()));
}

} // namespace content
