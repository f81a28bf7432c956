#include "SessionBus.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#if QUIZ_X11
#include "X11.h"
#endif

namespace quiz {

#ifdef Q_OS_UNIX

namespace {

// The per-user bus of a session manager, which the D-Bus library finds by itself.
bool HasUserBus() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return false;
    const QFileInfo socket(QString::fromLocal8Bit(runtime + "/bus"));
    return socket.exists() && !socket.isDir() && !socket.isFile() && socket.ownerId() == getuid();
}

} // namespace

void PrepareSessionBus() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") || HasUserBus())
        return;
#if QUIZ_X11
    if (const std::optional<QByteArray> address = SessionBusOfDisplay()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", *address);
        return;
    }
#endif
    // An address of a kind no D-Bus library knows: a connection fails at once, quietly, and
    // nothing launches a bus in its place.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

#else

void PrepareSessionBus() {} // no D-Bus here

#endif

} // namespace quiz
