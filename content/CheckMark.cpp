#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "Colours.h"
#include "Pictures.h"

namespace content {

namespace {

// Draws the check mark at whatever size and scale it is asked for, when it is first painted:
// nothing is decoded or rendered while the windows are being created.
class CheckMarkEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        QPainterPath tick;
        tick.moveTo(2.0, 8.5);
        tick.lineTo(6.0, 12.5);
        tick.lineTo(14.0, 3.5);
        const QColor green = quiz::ColourOf(mode == QIcon::Disabled ? quiz::Role::CheckMarkDisabled
                                                                    : quiz::Role::CheckMark);
        painter->setPen(QPen(green, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(tick);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new CheckMarkEngine; }
};

} // namespace

QIcon CheckMarkIcon() {
    return QIcon(new CheckMarkEngine);
}

} // namespace content
