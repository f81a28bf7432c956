#pragma once

#include <QFont>
#include <QString>

namespace quiz {

// "System" and "MS Sans Serif" do not exist on this platform; both are mapped to an installed
// face that keeps every caption inside its box.
void InstallFontSubstitutes();

// A font given, as the window designs give them, by its character height in pixels.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

// The windows' own font: "System" with a 13-pixel character height.
QFont SystemFont();

} // namespace quiz
