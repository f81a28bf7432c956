#pragma once

#include <QString>
#include <QStringList>

#include "Colours.h"

// High contrast for users whose desktop asks for it. Without such a request the windows keep the
// colours they were designed in (see Colours.h for both).
namespace quiz {

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

// Reads the desktop theme of this program's environment: GTK_THEME, $XDG_CONFIG_DIRS/gtk-3.0/
// settings.ini and $XDG_CONFIG_HOME/gtk-3.0/settings.ini, and the icon theme, with the theme that
// the desktop's settings service names (Desktop::ThemeName; empty where there is none). Needs the
// application object.
DesktopTheme ReadDesktopTheme(const QString& xSettingsTheme);

} // namespace quiz
