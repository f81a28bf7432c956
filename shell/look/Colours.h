#pragma once

#include <QColor>
#include <QPalette>

#include <iterator>

// Every colour the program draws in, named once, with what becomes of it in high contrast. The
// program's icon and the question-mark cursor, which the desktop shows, keep their own.
//
// To change a colour: change its row here. To make one follow high contrast, or stop following
// it: change its last column. Nothing else in the program writes a colour.
namespace quiz {

// The colours the windows are drawn in: their own, or one of the program's two high-contrast
// palettes, black text on white or light text on black.
enum class Look { Design, HighContrast, HighContrastInverse };

// The look of this run: decided once at start-up, before any window exists (InstallStyle), and
// asked by everything that draws in a colour of its own.
Look CurrentLook();
void SetLook(Look look);
inline bool IsHighContrast() {
    return CurrentLook() != Look::Design;
}

// The design's colours for the windows' surfaces and texts. In high contrast every surface takes
// the palette's background and every text its text colour (SurfaceColour, TextColour).
inline constexpr QRgb DesignWhite = 0xffffffff;
inline constexpr QRgb DesignBlack = 0xff000000;
inline constexpr QRgb DesignAqua = 0xff00ffff;
inline constexpr QRgb DesignNavy = 0xff000080;

// A grey that stands out 3:1 and more against white, the button face, aqua, navy and black.
inline constexpr QRgb MutedGrey = 0xff767676;

// What each colour of the pictures and marks is for.
enum class Role {
    FocusMark,      // the frame round the control that has the focus
    ControlOutline, // radio buttons' rings; in high contrast also frames of buttons and boxes
    ChartZones,     // the political map: the diamond's fill behind every region
    ChartOutline,   //   round the diamond (none in the design)
    ChartGrid,      //   the lines between the cells of 10 points
    ChartNames,     //   the region names, on the zones
    ChartBorders,   //   the bars between the regions
    ChartLettering, //   tick numbers and axis titles, beside the diamond
    ChartHalo, //   a rim round every lettering, so no line runs through it (none in the design)
    ChartDot,  //   the result
    ChartDotOutline,
    SmallMapPaper,     // the small profile maps: round the diamond
    SmallMapInk,       //   outlines and dividing lines
    SmallMapZones,     //   the zones not highlighted
    SmallMapHighlight, //   the philosophy's own zone, an outer one
    SmallMapCentre,    //   the Centrists' square highlighted, a hair brighter
    LogoInk,           // the organisations' logos, drawn from black and white
    LogoPaper,
    CheckMark, // the green tick of the OK buttons
    CheckMarkDisabled,
    Veil, // over a window that waits for one buried beneath it (Wayland)
};

// What a colour becomes in high contrast: the design's own, or a colour of the palette.
enum class InHighContrast { Kept, Background, Text, Muted, Highlight };

struct RoleColour {
    Role role;
    QRgb design;
    InHighContrast highContrast;
};

// In the order of Role.
// clang-format off
inline constexpr RoleColour RoleColours[] = {
    // role                    design       in high contrast
    {Role::FocusMark,          0xff1f6fd0,  InHighContrast::Highlight},
    {Role::ControlOutline,     MutedGrey,   InHighContrast::Text},
    {Role::ChartZones,         0xff0000ff,  InHighContrast::Background},
    {Role::ChartOutline,       0x00000000,  InHighContrast::Text},
    {Role::ChartGrid,          DesignWhite, InHighContrast::Muted},
    {Role::ChartNames,         DesignWhite, InHighContrast::Text},
    {Role::ChartBorders,       DesignWhite, InHighContrast::Text},
    {Role::ChartLettering,     DesignBlack, InHighContrast::Text},
    {Role::ChartHalo,          0x00000000,  InHighContrast::Background},
    {Role::ChartDot,           0xffff0000,  InHighContrast::Kept},
    {Role::ChartDotOutline,    DesignBlack, InHighContrast::Text},
    {Role::SmallMapPaper,      DesignWhite, InHighContrast::Background},
    {Role::SmallMapInk,        DesignBlack, InHighContrast::Text},
    {Role::SmallMapZones,      0xff919191,  InHighContrast::Background},
    {Role::SmallMapHighlight,  0xff00fafa,  InHighContrast::Highlight},
    {Role::SmallMapCentre,     DesignAqua,  InHighContrast::Highlight},
    {Role::LogoInk,            DesignBlack, InHighContrast::Text},
    {Role::LogoPaper,          DesignWhite, InHighContrast::Background},
    {Role::CheckMark,          0xff008000,  InHighContrast::Kept},
    {Role::CheckMarkDisabled,  0xff808080,  InHighContrast::Kept},
    {Role::Veil,               0x70808080,  InHighContrast::Kept},
};
// clang-format on
static_assert(
    [] {
        for (int i = 0; i < int(std::size(RoleColours)); ++i)
            if (int(RoleColours[i].role) != i)
                return false;
        return std::size(RoleColours) == std::size_t(Role::Veil) + 1;
    }(),
    "RoleColours lists every role once, in the order of Role");

// The high-contrast palettes. Every text colour stands 7:1 and more against the background,
// disabled text too (dimmer, still 7:1); the selection is a strong colour of its own with the
// background's colour on it.
struct HighContrastColours {
    QRgb background;
    QRgb text;
    QRgb disabledText;
    QRgb highlight;
    QRgb highlightedText;
    QRgb link;
};
inline constexpr HighContrastColours BlackOnWhite{0xffffffff, 0xff000000, 0xff555555,
                                                  0xff00007f, 0xffffffff, 0xff00007f};
inline constexpr HighContrastColours LightOnBlack{0xff000000, 0xffffffff, 0xffa6a6a6,
                                                  0xff1aebff, 0xff000000, 0xffffff00};

// The light palette the windows are designed in, which the program uses whatever palette the
// desktop's theme prefers: the windows fix their own surfaces, and text in a dark theme's
// colours would be unreadable on them.
struct PaletteRoleColours {
    QPalette::ColorRole role;
    QRgb normal;   // active and inactive windows
    QRgb disabled; // disabled controls
};
inline constexpr PaletteRoleColours DesignPalette[] = {
    {QPalette::WindowText, DesignBlack, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, DesignWhite, DesignWhite},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, DesignBlack, 0xffbebebe},
    {QPalette::BrightText, DesignWhite, DesignWhite},
    {QPalette::ButtonText, DesignBlack, 0xffbebebe},
    {QPalette::Base, DesignWhite, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, MutedGrey, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, DesignWhite, DesignWhite},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, DesignBlack, DesignBlack},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

// The application palette of a look: the design's light palette, or a high-contrast one.
QPalette PaletteOf(Look look);

// The colour of a role in a look, and in the look of this run.
QColor ColourOf(Role role, Look look);
inline QColor ColourOf(Role role) {
    return ColourOf(role, CurrentLook());
}

// A colour that a window fixes, in the look of this run: unchanged in the design's look; in high
// contrast, the palette's background for a surface and its text colour for a text.
QColor SurfaceColour(const QColor& design);
QColor TextColour(const QColor& design);

} // namespace quiz
