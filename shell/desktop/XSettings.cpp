#include "XSettings.h"

#include <QtEndian>

namespace quiz {

QString XSettingsString(const QByteArray& settings, const QByteArray& name) {
    // A byte order, three unused bytes, a serial and the number of settings; then each setting:
    // its type (0 integer, 1 string, 2 colour), an unused byte, the name's length (16 bits), the
    // name padded to 4 bytes and a serial, then an integer, a length and a padded string, or a
    // colour of four 16-bit channels.
    const auto* data = reinterpret_cast<const uchar*>(settings.constData());
    const qsizetype size = settings.size();
    if (size < 12)
        return {};
    const bool bigEndian = data[0] == 1;
    const auto card16 = [&](qsizetype at) {
        return bigEndian ? qFromBigEndian<quint16>(data + at)
                         : qFromLittleEndian<quint16>(data + at);
    };
    const auto card32 = [&](qsizetype at) {
        return bigEndian ? qFromBigEndian<quint32>(data + at)
                         : qFromLittleEndian<quint32>(data + at);
    };
    const auto padded = [](qsizetype length) { return (length + 3) / 4 * 4; };
    qsizetype at = 12;
    for (quint32 n = card32(8); n > 0; --n) {
        if (at + 4 > size)
            return {};
        const uchar type = data[at];
        const qsizetype nameLength = card16(at + 2);
        const qsizetype nameAt = at + 4;
        at = nameAt + padded(nameLength) + 4;
        if (at > size)
            return {};
        const bool wanted =
            QByteArray::fromRawData(settings.constData() + nameAt, nameLength) == name;
        switch (type) {
        case 0:
            at += 4;
            break;
        case 1: {
            if (at + 4 > size)
                return {};
            const qsizetype length = card32(at);
            if (length > size - at - 4)
                return {};
            if (wanted)
                return QString::fromUtf8(settings.constData() + at + 4, length);
            at += 4 + padded(length);
            break;
        }
        case 2:
            at += 8;
            break;
        default:
            return {};
        }
    }
    return {};
}

} // namespace quiz
