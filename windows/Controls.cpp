#include "Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QTimer>

#include "ModalStack.h"

namespace {

class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(TPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        return picture()->IsClickable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override {
        return picture()->IsClickable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& actionName) override {
        auto* clickable = qobject_cast<TClickablePicture*>(picture());
        if (actionName == pressAction() && clickable && clickable->IsClickable() &&
            quiz::Stack().TakesInput(*clickable))
            QTimer::singleShot(0, clickable, [clickable] { emit clickable->Click(); });
    }

private:
    TPicture* picture() const { return static_cast<TPicture*>(widget()); }
};

// Answers for every kind of picture, by its most derived class name, and leaves everything else
// to the other factories.
QAccessibleInterface* PictureAccessibleFactory(const QString& className, QObject* object) {
    auto* picture = qobject_cast<TPicture*>(object);
    if (picture && className == QLatin1String(object->metaObject()->className()))
        return new PictureAccessible(picture);
    return nullptr;
}

} // namespace

TPicture::TPicture(QWidget* parent)
    : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PictureAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void TClickablePicture::mousePressEvent(QMouseEvent* event) {
    click_.Press(event);
    QWidget::mousePressEvent(event);
}

void TClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    if (click_.Release(event, rect()))
        emit Click();
}

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
