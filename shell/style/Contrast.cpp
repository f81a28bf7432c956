#include "Contrast.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quiz {

namespace {

// The look a GTK theme name asks for, or nothing for a name that is no high-contrast theme.
std::optional<Look> LookOfThemeName(const QString& name) {
    // GTK_THEME may name a variant after a colon; GTK falls back to the theme itself for a
    // variant it lacks, and the two high-contrast themes have no dark one.
    const QString theme = name.section(u':', 0, 0).trimmed();
    if (theme == QLatin1String("HighContrast"))
        return Look::HighContrast;
    if (theme == QLatin1String("HighContrastInverse"))
        return Look::HighContrastInverse;
    return std::nullopt;
}

// gtk-theme-name in the [Settings] group of one settings.ini, as GLib's key files read it.
QString ThemeNameInSettings(const QString& text) {
    QString group;
    QString theme;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (group == QLatin1String("Settings") && equals > 0 &&
            line.left(equals).trimmed() == QLatin1String("gtk-theme-name"))
            theme = line.mid(equals + 1).trimmed();
    }
    return theme;
}

// GTK's own settings files hold a few hundred bytes; anything much larger is no settings file.
constexpr qint64 LargestSettingsFile = 8 * 1024;

// The text of a settings file, or nothing if it is no regular file (a named pipe would block the
// start-up until something writes to it, a device such as /dev/zero never ends) or is larger
// than a settings file can be. Opened without waiting, then asked what it is.
QString ReadSettingsFile(const QString& path) {
#ifdef Q_OS_UNIX
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {};
    QFile file;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(descriptor);
        return {};
    }
#else
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
#endif
    // Read one byte past the limit: a file that grew after it was asked still counts as large.
    const QByteArray text = file.read(LargestSettingsFile + 1);
    if (text.size() > LargestSettingsFile)
        return {};
    return QString::fromUtf8(text);
}

} // namespace

Look LookFor(const DesktopTheme& theme) {
    QString name = theme.gtkThemeVariable.trimmed();
    if (name.isEmpty())
        name = theme.xSettingsTheme.trimmed();
    for (auto file = theme.settingsFiles.crbegin();
         name.isEmpty() && file != theme.settingsFiles.crend(); ++file)
        name = ThemeNameInSettings(*file);
    if (name.isEmpty())
        name = theme.iconTheme;
    return LookOfThemeName(name).value_or(Look::Design);
}

DesktopTheme ReadDesktopTheme(const QString& xSettingsTheme) {
    DesktopTheme theme;
    theme.gtkThemeVariable = qEnvironmentVariable("GTK_THEME");
    theme.xSettingsTheme = xSettingsTheme;

    // GTK reads the system-wide files first, the most important one last, then the user's.
    QStringList systemFolders = qEnvironmentVariable("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"))
                                    .split(u':', Qt::SkipEmptyParts);
    std::reverse(systemFolders.begin(), systemFolders.end());
    QString userFolder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (userFolder.isEmpty())
        userFolder = QDir::homePath() + QStringLiteral("/.config");
    for (const QString& folder : systemFolders + QStringList{userFolder}) {
        const QString text = ReadSettingsFile(folder + QStringLiteral("/gtk-3.0/settings.ini"));
        if (!text.isEmpty())
            theme.settingsFiles << text;
    }

    theme.iconTheme = QIcon::themeName();
    return theme;
}

} // namespace quiz
