#include "MapWidgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

#include "Contrast.h"
#include "MapChart.h"
#include "ModalStack.h"

namespace {

// To a screen reader the chart and the dot are pictures, and a click zone is a button whose
// press action does what a click does. As with a push button, the press takes effect once the
// call has returned: the profile it opens is modal, and the screen reader would otherwise wait
// for its answer until the profile closes.
class HotZoneAccessible : public QAccessibleWidget {
public:
    explicit HotZoneAccessible(THotZoneImage* zone)
        : QAccessibleWidget(zone, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        auto* zone = static_cast<THotZoneImage*>(widget());
        if (actionName == pressAction() && quiz::Stack().TakesInput(*zone))
            QTimer::singleShot(0, zone, [zone] { emit zone->Click(); });
    }
};

QAccessibleInterface* MapAccessibleFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String(THotZoneImage::staticMetaObject.className()))
        return new HotZoneAccessible(static_cast<THotZoneImage*>(widget));
    if (className == QLatin1String(TChartImage::staticMetaObject.className()) ||
        className == QLatin1String(TRedDot::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

void InstallMapAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MapAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

content::ChartColours ChartColoursOfLook() {
    return content::ChartColoursOf(quiz::CurrentLook());
}

TChartImage::TChartImage(QWidget* parent)
    : QWidget(parent) {
    InstallMapAccessibility();
}

void TChartImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    content::DrawPoliticalMap(painter, QRectF(rect()), colours_);
}

TRedDot::TRedDot(QWidget* parent)
    : QWidget(parent) {
    InstallMapAccessibility();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect TRedDot::CircleBounds() const {
    const int diameter = std::min(width(), height());
    return {(width() - diameter) / 2, (height() - diameter) / 2, diameter, diameter};
}

void TRedDot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Drawn without antialiasing, like the shapes of the original platform: a 1-pixel pen on
    // an ellipse of size n - 1 covers exactly n pixels.
    painter.setPen(QPen(colours_.dotOutline, 1));
    painter.setBrush(colours_.dot);
    const QRect circle = CircleBounds();
    painter.drawEllipse(circle.adjusted(0, 0, -1, -1));
}

THotZoneImage::THotZoneImage(QWidget* parent)
    : QWidget(parent) {
    InstallMapAccessibility();
}

void THotZoneImage::mousePressEvent(QMouseEvent* event) {
    click_.Press(event);
    QWidget::mousePressEvent(event);
}

void THotZoneImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    if (click_.Release(event, rect()))
        emit Click();
}
