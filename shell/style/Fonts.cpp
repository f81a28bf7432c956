#include "Fonts.h"

namespace quiz {

namespace {
const QString StandIn = QStringLiteral("Liberation Sans");
}

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("System"), StandIn);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), StandIn);
}

QFont PixelFont(const QString& family, int pixelSize, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont SystemFont() {
    return PixelFont(QStringLiteral("System"), 13);
}

} // namespace quiz
