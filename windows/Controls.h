#pragma once

#include <QLabel>

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
