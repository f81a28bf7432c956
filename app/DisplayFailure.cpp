#include "DisplayFailure.h"

#include <QGuiApplication>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <mutex>

#include <unistd.h>

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::mutex heldLock;
QList<HeldMessage> held;
QtMessageHandler qtHandler = nullptr;

QString Captured(const QString& text, const char* pattern) {
    const QRegularExpressionMatch match =
        QRegularExpression(QString::fromLatin1(pattern)).match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

// One line for what went wrong, from what Qt said on the way. Qt's own words are English only.
QString Diagnosis(const QString& fatal) {
    QString said;
    for (const HeldMessage& message : held)
        said += message.text + QLatin1Char('\n');
    said += fatal;

    const QString missing =
        Captured(said, R"re(Could not find the Qt platform plugin "([^"]*)")re");
    if (!missing.isEmpty()) {
        const QString available =
            Captured(said, R"(Available platform plugins are: ([^\n]*[^.\n])\.?)");
        if (available.isEmpty()) {
            return QStringLiteral("no display plug-in \"%1\" is installed: install qt6-qpa-plugins")
                .arg(missing);
        }
        return QStringLiteral("there is no display plug-in \"%1\": choose one of %2 with -platform")
            .arg(missing, available);
    }
    if (said.contains(QLatin1String("could not connect to display")) ||
        said.contains(QLatin1String("Failed to create wl_display"))) {
        const QString name = Captured(said, R"(could not connect to display ([^\n]+))").trimmed();
        if (!name.isEmpty()) {
            return QStringLiteral("cannot open the display \"%1\": check -display or DISPLAY, "
                                  "or run it on a desktop")
                .arg(name);
        }
        return QStringLiteral(
            "cannot open a display: set DISPLAY or WAYLAND_DISPLAY, or run it on a desktop");
    }
    const QString failed = Captured(said, R"re(Could not load the Qt platform plugin "([^"]*)")re");
    if (!failed.isEmpty()) {
        return QStringLiteral("the display plug-in \"%1\" failed to start: run with "
                              "QT_DEBUG_PLUGINS=1 to see why, or choose another with -platform")
            .arg(failed);
    }
    return QStringLiteral("cannot open a display: %1").arg(fatal.section(QLatin1Char('\n'), 0, 0));
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    std::lock_guard lock(heldLock);
    if (type == QtFatalMsg) {
        // Qt would abort next, and leave a core file for a missing display.
        std::fprintf(stderr, "quiz: %s\n", Diagnosis(text).toLocal8Bit().constData());
        std::fflush(stderr);
        _exit(1);
    }
    held.append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

void CatchDisplayFailure() {
    qtHandler = qInstallMessageHandler(HoldMessage);
}

void DisplayOpened() {
    if (!QGuiApplication::primaryScreen()) {
        // Qt would abort when the first window is made (the framebuffer plug-in without one).
        std::fprintf(stderr,
                     "quiz: the display plug-in \"%s\" found no screen: choose another "
                     "with -platform, or run it on a desktop\n",
                     QGuiApplication::platformName().toLocal8Bit().constData());
        std::fflush(stderr);
        _exit(1);
    }
    qInstallMessageHandler(qtHandler);
    std::lock_guard lock(heldLock);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qtHandler(message.type, context, message.text);
    }
    held.clear();
}
