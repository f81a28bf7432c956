#pragma once

#include <QLabel>
#include <QWidget>

class QMouseEvent;

// Tells a click from a drag: the left button pressed over a control and released over it again.
class ClickTracker {
public:
    void Press(const QMouseEvent* event);
    // For a left-button release: whether it completes a click inside `area`.
    bool Release(const QMouseEvent* event, const QRect& area);

private:
    bool pressed_ = false;
};

// A picture control. To a screen reader it is a graphic; one that takes clicks (IsClickable) is a
// button whose press action does what a click does, once the call has returned, as with a push
// button: the window a click opens is modal, and the screen reader would otherwise wait for its
// answer until that window closes. The press, like a click, does nothing while the picture's
// window takes no input.
class TPicture : public QWidget {
    Q_OBJECT
public:
    explicit TPicture(QWidget* parent = nullptr);

    // Decided when asked: the screen reader's interface may exist before the picture is set up.
    virtual bool IsClickable() const { return false; }
};

// A picture that takes clicks: a left button pressed and released inside it is a click.
class TClickablePicture : public TPicture {
    Q_OBJECT
public:
    using TPicture::TPicture;

    bool IsClickable() const override { return true; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker click_;
};

// A label that reports a left click, as the design's labels with click handlers need. It takes
// the click, so the click does not reach the window behind it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker click_;
};

#include <QPushButton>

// A push button with a picture at its left edge and the caption centred in the space that
// remains, like the standard OK button of a dialog.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
