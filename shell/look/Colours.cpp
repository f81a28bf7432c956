#include "Colours.h"

namespace quiz {

namespace {

Look currentLook = Look::Design;

const HighContrastColours& HighContrastOf(Look look) {
    return look == Look::HighContrastInverse ? LightOnBlack : BlackOnWhite;
}

} // namespace

Look CurrentLook() {
    return currentLook;
}

void SetLook(Look look) {
    currentLook = look;
}

QPalette PaletteOf(Look look) {
    QPalette palette;
    if (look == Look::Design) {
        for (const PaletteRoleColours& entry : DesignPalette) {
            palette.setColor(QPalette::Active, entry.role, QColor::fromRgba(entry.normal));
            palette.setColor(QPalette::Inactive, entry.role, QColor::fromRgba(entry.normal));
            palette.setColor(QPalette::Disabled, entry.role, QColor::fromRgba(entry.disabled));
        }
        return palette;
    }
    const HighContrastColours& colours = HighContrastOf(look);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text =
            QColor::fromRgba(group == QPalette::Disabled ? colours.disabledText : colours.text);
        const QColor background = QColor::fromRgba(colours.background);
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
              QPalette::ToolTipBase})
            palette.setColor(group, role, background);
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
              QPalette::ToolTipText, QPalette::PlaceholderText})
            palette.setColor(group, role, text);
        // The bevels and shades that styles draw frames with are the text colour, so that
        // frames stand out as well; Mid is the one muted shade, still 3:1 and more.
        for (const QPalette::ColorRole role :
             {QPalette::Light, QPalette::Midlight, QPalette::Dark, QPalette::Shadow})
            palette.setColor(group, role, text);
        palette.setColor(group, QPalette::Mid, QColor::fromRgba(MutedGrey));
        palette.setColor(group, QPalette::Highlight, QColor::fromRgba(colours.highlight));
        palette.setColor(group, QPalette::HighlightedText,
                         QColor::fromRgba(colours.highlightedText));
        palette.setColor(group, QPalette::Link, QColor::fromRgba(colours.link));
        palette.setColor(group, QPalette::LinkVisited, QColor::fromRgba(colours.link));
    }
    return palette;
}

QColor ColourOf(Role role, Look look) {
    const RoleColour& entry = RoleColours[static_cast<int>(role)];
    if (look == Look::Design)
        return QColor::fromRgba(entry.design);
    const HighContrastColours& colours = HighContrastOf(look);
    switch (entry.highContrast) {
    case InHighContrast::Kept:
        break;
    case InHighContrast::Background:
        return QColor::fromRgba(colours.background);
    case InHighContrast::Text:
        return QColor::fromRgba(colours.text);
    case InHighContrast::Muted:
        return QColor::fromRgba(MutedGrey);
    case InHighContrast::Highlight:
        return QColor::fromRgba(colours.highlight);
    }
    return QColor::fromRgba(entry.design);
}

QColor SurfaceColour(const QColor& design) {
    if (!IsHighContrast())
        return design;
    return QColor::fromRgba(HighContrastOf(CurrentLook()).background);
}

QColor TextColour(const QColor& design) {
    if (!IsHighContrast())
        return design;
    return QColor::fromRgba(HighContrastOf(CurrentLook()).text);
}

} // namespace quiz
