#pragma once

#include <QProxyStyle>

namespace quiz {

// The platform's own style, with two changes. A flat group box is framed by a plain line, with no
// raised or sunken edge. And the standard icons it hands out are only decoded when something
// first draws them. Every menu bar asks for its overflow button's icon when it is
// built, although the button shows only on a bar too narrow for its menus; decoding those
// pictures at start-up would also load every image-format plug-in to sniff them.
class TStyle : public QProxyStyle {
    Q_OBJECT
public:
    TStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Makes TStyle the application's style.
void InstallStyle();

} // namespace quiz
