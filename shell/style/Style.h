#pragma once

#include <QProxyStyle>

#include "Contrast.h"

namespace quiz {

// The platform's own style, with these changes. A flat group box is framed by a plain line, with
// no raised or sunken edge. The focus mark is a solid frame that stands out on every background,
// and a radio button's ring stands out 3:1 against its window. In high contrast, push buttons,
// text boxes and menus are framed in the text colour: the base style draws their frames in
// shades of the background, which on black are black too. The standard icons it hands out are
// only decoded when something first draws them. Every menu bar asks for its overflow button's
// icon when it is built, although the button shows only on a bar too narrow for its menus;
// decoding those pictures at start-up would also load every image-format plug-in to sniff them.
// And a control in the application's colours is drawn with the application's palette itself,
// not with the copy of it that Qt gives each widget: the base style names the pictures it caches
// (button faces, frames) after the palette they were drawn with, and each new message dialog
// would otherwise add names that the cache keeps for good.
class TStyle : public QProxyStyle {
    Q_OBJECT
public:
    TStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // The focus mark: a frame two pixels wide just inside `rect`, in the design's colour or the
    // high-contrast one of this run.
    static constexpr int FocusMarkWidth = 2;
    static void DrawFocusMark(const QRect& rect, QPainter* painter);

private:
    // Draws a push button's face, a text box's frame, or a menu's panel or frame, for high
    // contrast; false for any other element.
    static bool DrawHighContrastFrame(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter);
};

// Decides the look of this run from the desktop's theme (`desktopTheme`, the one the desktop's
// settings service names, with the environment's: see ReadDesktopTheme), then makes TStyle the
// application's style and the look's palette its palette (PaletteOf).
void InstallStyle(const QString& desktopTheme);

} // namespace quiz
