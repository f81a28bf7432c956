#include "Controls.h"

#include <QMouseEvent>

void ClickTracker::Press(const QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

bool ClickTracker::Release(const QMouseEvent* event, const QRect& area) {
    const bool click = pressed_ && area.contains(event->position().toPoint());
    pressed_ = false;
    return click;
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    click_.Press(event);
    event->accept(); // the window behind does not see it
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mouseReleaseEvent(event);
    event->accept();
    if (click_.Release(event, rect()))
        emit clicked();
}

#include <QStyleOptionButton>
#include <QStylePainter>

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QIcon picture = option.icon;
    const QString caption = option.text;
    option.icon = QIcon();
    option.text.clear();
    // The focus mark goes on top of the picture, which would otherwise cover part of it.
    const bool focused = option.state & QStyle::State_HasFocus;
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);

    const QSize pictureSize = iconSize();
    const int pictureLeft = 2;
    const QRect pictureRect(pictureLeft, (height() - pictureSize.height()) / 2, pictureSize.width(),
                            pictureSize.height());
    picture.paint(&painter, pictureRect, Qt::AlignCenter,
                  isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QRect captionRect(pictureRect.right() + 1, 0, width() - pictureRect.right() - 1,
                            height());
    painter.drawItemText(captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                         isEnabled(), caption, QPalette::ButtonText);
    if (focused) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
