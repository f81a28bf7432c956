#pragma once

#include <QByteArray>
#include <QString>

namespace quiz {

// The value of one string setting in the X settings manager's _XSETTINGS_SETTINGS property;
// empty if it is not there or the data is malformed. Plain bytes in, so that it is checked
// without an X server.
QString XSettingsString(const QByteArray& settings, const QByteArray& name);

} // namespace quiz
