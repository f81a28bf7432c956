#include "DisplayFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QList>
#include <QPluginLoader>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    QByteArray category;
    QString text;
};

std::mutex heldLock;
QList<HeldMessage> held;
QtMessageHandler qtHandler = nullptr;
QByteArray displayArgument;        // -display's value, for the X11 plug-in
QByteArray platformPluginArgument; // -platformpluginpath's value

// Qt's plug-in loader reports under its own category: a platform plug-in it cannot find as a
// warning, one that it found but could not start as information.
constexpr char LoaderCategory[] = "qt.qpa.plugin";

[[noreturn]] void End() {
    std::fflush(stderr);
#ifdef Q_OS_UNIX
    _exit(1); // Qt would abort next, and leave a core file for a missing display
#else
    std::_Exit(1);
#endif
}

// The value of a Qt option in the arguments: "-name value", "--name value" or "-name=value".
QByteArray OptionValue(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        while (argument.startsWith('-'))
            argument.remove(0, 1);
        if (argument == name && i + 1 < argc)
            return argv[i + 1];
        if (argument.startsWith(QByteArray(name) + '='))
            return argument.mid(qsizetype(std::strlen(name)) + 1);
    }
    return {};
}

// The name the loader's message gives the plug-in between quotes: data, whatever the language.
QString QuotedName(const QString& text) {
    const qsizetype open = text.indexOf(u'"');
    const qsizetype close = open < 0 ? -1 : text.indexOf(u'"', open + 1);
    return close < 0 ? QString() : text.mid(open + 1, close - open - 1);
}

// The keys of the platform plug-ins installed where Qt looks for them, read from their metadata
// without loading them.
QStringList AvailablePlatforms() {
    QStringList folders;
    for (const QByteArray& own : {platformPluginArgument, qgetenv("QT_QPA_PLATFORM_PLUGIN_PATH")})
        if (!own.isEmpty())
            folders << QString::fromLocal8Bit(own);
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    QStringList keys;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            if (!QLibrary::isLibrary(file))
                continue;
            const QJsonObject meta = QPluginLoader(dir.filePath(file)).metaData();
            for (const QJsonValue key : meta.value(QLatin1String("MetaData"))
                                            .toObject()
                                            .value(QLatin1String("Keys"))
                                            .toArray())
                if (!keys.contains(key.toString()))
                    keys << key.toString();
        }
    }
    return keys;
}

// One line for what went wrong, from the kinds of message Qt gave on the way.
QString Diagnosis(const QString& fatal) {
    const auto loader = std::find_if(held.begin(), held.end(), [](const HeldMessage& message) {
        return message.category == LoaderCategory;
    });
    if (loader == held.end())
        return QStringLiteral("cannot open a display: %1").arg(fatal.section(u'\n', 0, 0));
    const QString name = QuotedName(loader->text);
    if (loader->type == QtWarningMsg) { // not found
        const QStringList available = AvailablePlatforms();
        if (available.isEmpty()) {
            return QStringLiteral("no display plug-in \"%1\" is installed: install qt6-qpa-plugins")
                .arg(name);
        }
        return QStringLiteral("there is no display plug-in \"%1\": choose one of %2 with -platform")
            .arg(name, available.join(QLatin1String(", ")));
    }
    // Found, but it did not start. A plug-in that could not reach its display server said so
    // before (xcb as a warning in its category qt.qpa.xcb, Wayland as a critical message); one
    // that did not load at all said nothing.
    const bool pluginSpoke = std::any_of(held.begin(), loader, [](const HeldMessage& message) {
        return message.type == QtCriticalMsg ||
               (message.type == QtWarningMsg && message.category.startsWith("qt.qpa."));
    });
    if (!pluginSpoke) {
        return QStringLiteral("the display plug-in \"%1\" failed to start: run with "
                              "QT_DEBUG_PLUGINS=1 to see why, or choose another with -platform")
            .arg(name);
    }
    const QByteArray display = displayArgument.isEmpty() ? qgetenv("DISPLAY") : displayArgument;
    if (name == QLatin1String("xcb") && !display.isEmpty()) {
        return QStringLiteral("cannot open the display \"%1\": check -display or DISPLAY, "
                              "or run it on a desktop")
            .arg(QString::fromLocal8Bit(display));
    }
    return QStringLiteral(
        "cannot open a display: set DISPLAY or WAYLAND_DISPLAY, or run it on a desktop");
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    std::lock_guard lock(heldLock);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quiz: %s\n", Diagnosis(text).toLocal8Bit().constData());
        End();
    }
    held.append({type, context.file, context.line, context.function,
                 QByteArray(context.category ? context.category : ""), text});
}

} // namespace

void CatchDisplayFailure(int argc, char** argv) {
    displayArgument = OptionValue(argc, argv, "display");
    platformPluginArgument = OptionValue(argc, argv, "platformpluginpath");
    qtHandler = qInstallMessageHandler(HoldMessage);
}

void DisplayOpened() {
    if (!QGuiApplication::primaryScreen()) {
        // Qt would abort when the first window is made (the framebuffer plug-in without one).
        std::fprintf(stderr,
                     "quiz: the display plug-in \"%s\" found no screen: choose another "
                     "with -platform, or run it on a desktop\n",
                     QGuiApplication::platformName().toLocal8Bit().constData());
        End();
    }
    qInstallMessageHandler(qtHandler);
    std::lock_guard lock(heldLock);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category.constData());
        qtHandler(message.type, context, message.text);
    }
    held.clear();
}
