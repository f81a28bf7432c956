#include "Pictures.h"

#include <QPixmap>

#include <array>
#include <string_view>

// The question-mark cursor shown over everything that can be clicked for more information: a white
// question mark outlined in black, the hook above and a square dot below. The hot spot is the
// middle of the hook's opening.

namespace content {
namespace {

constexpr int CursorSize = 32;
constexpr QPoint HotSpot(16, 9);

// One character per pixel: 'K' black, 'W' white, '.' transparent.
// clang-format off
constexpr std::array<std::string_view, CursorSize> CursorArt{
    "................................",
    "................................",
    "..........KKKKKKKKKKKK..........",
    "........KKKWWWWWWWWWWKKK........",
    ".......KKWWWWWWWWWWWWWWKK.......",
    ".......KWWWWWWWWWWWWWWWWK.......",
    ".......KWWWWWKKKKKKWWWWWK.......",
    ".......KWWWWKK....KKWWWWK.......",
    ".......KWWWWK......KWWWWK.......",
    ".......KWWWWK......KWWWWK.......",
    ".......KKKKKK.....KKWWWWK.......",
    ".................KKWWWWWK.......",
    "................KKWWWWWKK.......",
    "...............KKWWWWWKK........",
    "..............KKWWWWWKK.........",
    ".............KKWWWWWKK..........",
    ".............KWWWWWKK...........",
    ".............KWWWWKK............",
    ".............KWWWWK.............",
    ".............KWWWWK.............",
    ".............KWWWWK.............",
    ".............KKKKKK.............",
    "................................",
    ".............KKKKKK.............",
    ".............KWWWWK.............",
    ".............KWWWWK.............",
    ".............KWWWWK.............",
    ".............KWWWWK.............",
    ".............KKKKKK.............",
    "................................",
    "................................",
    "................................",
};
// clang-format on

QRgb PixelColour(char code) {
    switch (code) {
    case 'K':
        return qRgb(0, 0, 0);
    case 'W':
        return qRgb(255, 255, 255);
    default:
        Q_ASSERT_X(code == '.', "QuestionCursor", "unknown pixel character");
        return qRgba(0, 0, 0, 0);
    }
}

QImage BuildCursorImage() {
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32);
    for (int y = 0; y < CursorSize; ++y) {
        const std::string_view row = CursorArt[static_cast<std::size_t>(y)];
        Q_ASSERT(row.size() == CursorSize);
        for (int x = 0; x < CursorSize; ++x)
            image.setPixel(x, y, PixelColour(row[static_cast<std::size_t>(x)]));
    }
    return image;
}

} // namespace

QImage QuestionCursorImage() {
    static const QImage image = BuildCursorImage();
    return image;
}

QPoint QuestionCursorHotSpot() {
    return HotSpot;
}

QCursor QuestionCursor() {
    return QCursor(QPixmap::fromImage(QuestionCursorImage()), HotSpot.x(), HotSpot.y());
}

} // namespace content
