#include "SessionBus.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

#include <memory>
#include <optional>

#include "X11.h"

namespace quiz {

namespace {

QByteArray MachineId() {
    for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly))
            return file.readLine().trimmed();
    }
    return {};
}

// The per-user bus of a session manager, which the D-Bus library finds by itself.
bool HasUserBus() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return false;
    const QFileInfo socket(QString::fromLocal8Bit(runtime + "/bus"));
    return socket.exists() && !socket.isDir() && !socket.isFile() && socket.ownerId() == getuid();
}

// A bus that an earlier program launched for this user on this X display: the D-Bus library
// announces it through an X selection whose owner window carries the bus address.
std::optional<QByteArray> BusOfDisplay() {
    const passwd* user = getpwuid(getuid());
    const QByteArray machine = MachineId();
    if (qgetenv("DISPLAY").isEmpty() || !user || machine.isEmpty())
        return std::nullopt;
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return std::nullopt;
    const QByteArray selectionName =
        "_DBUS_SESSION_BUS_SELECTION_" + QByteArray(user->pw_name) + '_' + machine;
    const xcb_atom_t selection = x11::Atom(connection.get(), selectionName.constData());
    const xcb_atom_t property = x11::Atom(connection.get(), "_DBUS_SESSION_BUS_ADDRESS");
    const auto owner = x11::TakeReply(xcb_get_selection_owner_reply(
        connection.get(), xcb_get_selection_owner(connection.get(), selection), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return std::nullopt;
    const auto address = x11::TakeReply(xcb_get_property_reply(
        connection.get(),
        xcb_get_property(connection.get(), 0, owner->owner, property, XCB_ATOM_STRING, 0, 1024),
        nullptr));
    if (!address || xcb_get_property_value_length(address.get()) <= 0)
        return std::nullopt;
    return QByteArray(static_cast<const char*>(xcb_get_property_value(address.get())),
                      xcb_get_property_value_length(address.get()));
}

} // namespace

void PrepareSessionBus() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") || HasUserBus())
        return;
    if (const std::optional<QByteArray> address = BusOfDisplay()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", *address);
        return;
    }
    // An address of a kind no D-Bus library knows: a connection fails at once, quietly, and
    // nothing launches a bus in its place.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

} // namespace quiz
