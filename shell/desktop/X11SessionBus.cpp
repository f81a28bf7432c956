#include "X11.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

#include "Xcb.h"

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

} // namespace

std::optional<QByteArray> SessionBusOfDisplay() {
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

} // namespace quiz
