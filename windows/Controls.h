#pragma once

#include <QLabel>

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
