#pragma once

#include <QByteArray>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>

// High contrast for users whose desktop asks for it, and the arithmetic that tells whether two
// colours stand apart. Without such a request the windows keep the colours they were designed in.
namespace quiz {

// The colours the windows are drawn in: their own, or one of the program's two high-contrast
// palettes, black text on white or light text on black.
enum class Look { Design, HighContrast, HighContrastInverse };

// Relative luminance (0 for black, 1 for white) and contrast ratio (1:1 to 21:1), as WCAG 2
// defines them. Transparency is ignored.
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& first, const QColor& second);

// What the desktop says about its theme, each source as read; empty where a source says nothing.
struct DesktopTheme {
    QString gtkThemeVariable{};  // GTK_THEME: a theme name, possibly with a ":variant"
    QString xSettingsTheme{};    // Net/ThemeName of the X settings manager (GNOME, Xfce, MATE, ...)
    QStringList settingsFiles{}; // texts of the gtk-3.0/settings.ini files, the user's last
    QString iconTheme{};         // the icon theme, as Qt's platform theme reports it
};

// The look a desktop asks for. As in GTK itself, GTK_THEME comes first, then the X settings
// manager, then the settings files, of which a later one overrides an earlier one; the icon theme
// is asked only when none of them names a theme. "HighContrast" asks for black on white,
// "HighContrastInverse" for light on black, whatever variant follows the name; any other theme,
// a dark one too, leaves the design's colours.
Look LookFor(const DesktopTheme& theme);

// Reads the desktop theme of this program's environment: GTK_THEME, the X settings manager's
// theme where the program runs on X11, $XDG_CONFIG_DIRS/gtk-3.0/settings.ini and
// $XDG_CONFIG_HOME/gtk-3.0/settings.ini, and the icon theme. Needs the application object.
DesktopTheme ReadDesktopTheme();

// The value of one string setting in the X settings manager's _XSETTINGS_SETTINGS property;
// empty if it is not there or the data is malformed.
QString XSettingsString(const QByteArray& settings, const QByteArray& name);

// The look of this run: decided once at start-up (InstallStyle), before any window exists, and
// asked by everything that draws in a colour of its own. Tests may set one themselves before
// they create windows.
Look CurrentLook();
void SetLook(Look look);
inline bool IsHighContrast() {
    return CurrentLook() != Look::Design;
}

// The application palette of a high-contrast look: every text colour at least 7:1 against the
// background it is drawn on, disabled text included.
QPalette HighContrastPalette(Look look);

// The colours the windows fix for their surfaces and texts.
inline constexpr QRgb DesignWhite = 0xffffffff;
inline constexpr QRgb DesignBlack = 0xff000000;
inline constexpr QRgb DesignAqua = 0xff00ffff;
inline constexpr QRgb DesignNavy = 0xff000080;
inline constexpr QRgb DesignSurfaces[] = {DesignWhite, DesignAqua, DesignNavy};
// The design's focus mark, a mid blue.
inline constexpr QRgb DesignFocus = 0xff1f6fd0;

// A colour that a window fixes, in the look of this run: unchanged in the design's look; in high
// contrast, the palette's background for a surface and its text colour for a text.
QColor SurfaceColour(const QColor& design);
QColor TextColour(const QColor& design);

// Colours of the controls' non-text parts, each at least 3:1 against every background of its
// look: the focus mark, and the outline of radio buttons (in high contrast also of push
// buttons, text boxes, menus and group boxes, which otherwise vanish into a black background).
QColor FocusColour(Look look);
QColor OutlineColour(Look look);

} // namespace quiz
