#include "MapWidgets.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "MapChart.h"

TChartImage::TChartImage(QWidget* parent)
    : QWidget(parent) {}

void TChartImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    content::DrawPoliticalMap(painter, QRectF(rect()));
}

TRedDot::TRedDot(QWidget* parent)
    : QWidget(parent) {
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
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 0, 0));
    const QRect circle = CircleBounds();
    painter.drawEllipse(circle.adjusted(0, 0, -1, -1));
}

THotZoneImage::THotZoneImage(QWidget* parent)
    : QWidget(parent) {}

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
