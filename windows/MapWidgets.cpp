#include "MapWidgets.h"

#include <QPainter>

#include <algorithm>

#include "Contrast.h"
#include "MapChart.h"

content::ChartColours ChartColoursOfLook() {
    return content::ChartColoursOf(quiz::CurrentLook());
}

TChartImage::TChartImage(QWidget* parent)
    : TPicture(parent) {}

void TChartImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    content::DrawPoliticalMap(painter, QRectF(rect()), colours_);
}

TRedDot::TRedDot(QWidget* parent)
    : TPicture(parent) {
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
