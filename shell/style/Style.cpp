#include "Style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <cmath>
#include <map>
#include <utility>

namespace quiz {

namespace {

// One icon of each kind for the whole program. The style makes a new set of pictures each time it
// is asked, and the toolkit caches what it draws from an icon under its pictures' identity (and
// keeps the name for good): a new set for every dialog's OK button and message icon would add to
// that cache with each dialog, and never be found there again.
const QIcon& SharedIcon(const QStyle* style, QStyle::StandardPixmap icon, const QWidget* widget) {
    static std::map<std::pair<const QStyle*, QStyle::StandardPixmap>, QIcon> icons;
    const auto [at, added] = icons.try_emplace({style, icon});
    if (added)
        at->second = style->standardIcon(icon, nullptr, widget);
    return at->second;
}

// Stands for one of the base style's standard icons and fetches it on first use.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap icon, const QWidget* widget)
        : style_(style)
        , icon_(icon)
        , widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Resolved().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Resolved().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Resolved().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Resolved().availableSizes(mode, state);
    }
    bool isNull() override { return Resolved().isNull(); }
    QString key() const override { return QStringLiteral("quiz.deferred"); }
    QIconEngine* clone() const override {
        auto* copy = new DeferredIconEngine(style_, icon_, widget_);
        copy->resolved_ = resolved_;
        copy->isResolved_ = isResolved_;
        return copy;
    }

private:
    const QIcon& Resolved() {
        if (!isResolved_) {
            // The style may have been replaced meanwhile; then the application's present one
            // answers.
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            resolved_ = SharedIcon(style, icon_, widget_);
            isResolved_ = true;
        }
        return resolved_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap icon_;
    QPointer<const QWidget> widget_;
    QIcon resolved_;
    bool isResolved_ = false;
};

// Draws with a copy of `option` of its own kind whose palette is the application's palette object
// itself, where the option's palette has the application's colours but is another object (Qt gives
// each widget one of its own): the base style, which names what it caches after the palette, then
// finds one name for all of them. An option of another palette, or of a kind not listed here,
// is drawn as it is.
template <class Option, class Draw> void DrawCopy(const QStyleOption* option, const Draw& draw) {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed)
        return draw(option);
    Option copy(*typed);
    const QPalette::ColorGroup group = copy.palette.currentColorGroup();
    copy.palette = QGuiApplication::palette();
    copy.palette.setCurrentColorGroup(group);
    draw(&copy);
}

template <class Draw>
void DrawWithApplicationPalette(const QStyleOption* option, const Draw& draw) {
    const QPalette application = QGuiApplication::palette();
    if (!option || option->palette.isCopyOf(application) || option->palette != application)
        return draw(option);
    switch (option->type) {
    case QStyleOption::SO_Default:
        return DrawCopy<QStyleOption>(option, draw);
    case QStyleOption::SO_Button:
        return DrawCopy<QStyleOptionButton>(option, draw);
    case QStyleOption::SO_Frame:
        return DrawCopy<QStyleOptionFrame>(option, draw);
    case QStyleOption::SO_MenuItem:
        return DrawCopy<QStyleOptionMenuItem>(option, draw);
    case QStyleOption::SO_FocusRect:
        return DrawCopy<QStyleOptionFocusRect>(option, draw);
    case QStyleOption::SO_GroupBox:
        return DrawCopy<QStyleOptionGroupBox>(option, draw);
    case QStyleOption::SO_Slider:
        return DrawCopy<QStyleOptionSlider>(option, draw);
    case QStyleOption::SO_ComboBox:
        return DrawCopy<QStyleOptionComboBox>(option, draw);
    case QStyleOption::SO_SpinBox:
        return DrawCopy<QStyleOptionSpinBox>(option, draw);
    case QStyleOption::SO_ToolButton:
        return DrawCopy<QStyleOptionToolButton>(option, draw);
    case QStyleOption::SO_TitleBar:
        return DrawCopy<QStyleOptionTitleBar>(option, draw);
    default:
        return draw(option);
    }
}

} // namespace

TStyle::TStyle() = default;

QIcon TStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                           const QWidget* widget) const {
    // An option does not outlive this call, so icons asked for with one are made at once.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), icon, widget));
}

void TStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const {
    DrawWithApplicationPalette(option, [&](const QStyleOption* shared) {
        QProxyStyle::drawControl(element, shared, painter, widget);
    });
    // The base style shows a push button's focus only as a faint outline.
    if (element == CE_PushButton && (option->state & State_HasFocus))
        DrawFocusMark(subElementRect(SE_PushButtonFocusRect, option, widget), painter);
}

void TStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                QPainter* painter, const QWidget* widget) const {
    DrawWithApplicationPalette(option, [&](const QStyleOption* shared) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(shared),
                                        painter, widget);
    });
}

void TStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        DrawFocusMark(option->rect, painter);
        return;
    }
    if (element == PE_IndicatorRadioButton) {
        // The base style's ring is a shade of the window colour, 2.1:1 on white; the same ring
        // is drawn over it in the outline colour.
        DrawWithApplicationPalette(option, [&](const QStyleOption* shared) {
            QProxyStyle::drawPrimitive(element, shared, painter, widget);
        });
        const QRect& box = option->rect;
        const qreal radius = (box.width() + (box.width() + 1) % 2) / 2.0 - 1;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(ColourOf(Role::ControlOutline)));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(QPointF(box.center() + QPoint(1, 1)), radius, radius);
        painter->restore();
        return;
    }
    if (IsHighContrast() && DrawHighContrastFrame(element, option, painter))
        return;
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_FrameGroupBox || !frame || !(frame->features & QStyleOptionFrame::Flat)) {
        DrawWithApplicationPalette(option, [&](const QStyleOption* shared) {
            QProxyStyle::drawPrimitive(element, shared, painter, widget);
        });
        return;
    }
    // One line just inside the box, in the shade the style gives its own outlines; its top runs
    // half a line of text down, where a caption would sit. The line is one device pixel wide, on
    // the outermost whole pixels inside the box: at a fractional scale the box can start halfway
    // into a pixel, which the toolkit leaves to the box's neighbour, and a line put there would
    // be cut away.
    const QRect& box = option->rect;
    const QTransform toDevice = painter->deviceTransform();
    const QPointF topLeft =
        toDevice.map(QPointF(box.left(), box.top() + option->fontMetrics.height() / 2 - 1));
    const QPointF bottomRight = toDevice.map(QPointF(box.right(), box.bottom()));
    // The centres of the first and the last whole pixel; the slack is for a box edge on a pixel
    // edge, which rounding may have put a hair past it.
    const auto first = [](qreal device) { return std::ceil(device - 1e-3) + 0.5; };
    const auto last = [](qreal device) { return std::floor(device + 1e-3) + 0.5; };
    const QRectF centres(QPointF(first(topLeft.x()), first(topLeft.y())),
                         QPointF(last(bottomRight.x()), last(bottomRight.y())));
    const QColor line = IsHighContrast() ? ColourOf(Role::ControlOutline)
                                         : option->palette.window().color().darker(140);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(line, 0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(toDevice.inverted().mapRect(centres));
    painter->restore();
}

bool TStyle::DrawHighContrastFrame(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter) {
    const bool button = element == PE_PanelButtonCommand;
    const bool menu = element == PE_PanelMenu;
    if (!button && !menu && element != PE_Frame && element != PE_FrameMenu)
        return false;
    // A pressed button's frame is twice as wide.
    const int width = button && (option->state & (State_Sunken | State_On)) ? 2 : 1;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (button)
        painter->fillRect(option->rect, option->palette.button());
    if (menu)
        painter->fillRect(option->rect, option->palette.window());
    painter->setPen(
        QPen(ColourOf(Role::ControlOutline), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    const qreal inset = width / 2.0;
    painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
    painter->restore();
    return true;
}

void TStyle::DrawFocusMark(const QRect& rect, QPainter* painter) {
    // Drawn whenever the control has the focus, not only after a key has moved it there: the
    // first control of a window has it from the start. Its colour stands out at least 3:1
    // against every background of the look: in the design's, white, the button face, aqua and
    // navy.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(ColourOf(Role::FocusMark), FocusMarkWidth, Qt::SolidLine, Qt::SquareCap,
                         Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void InstallStyle(const QString& desktopTheme) {
    SetLook(LookFor(ReadDesktopTheme(desktopTheme)));
    QApplication::setStyle(new TStyle);
    // Also replaces the theme's own palettes for menus, menu bars and other control classes.
    QApplication::setPalette(PaletteOf(CurrentLook()));
}

} // namespace quiz
