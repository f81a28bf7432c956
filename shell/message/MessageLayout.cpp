#include "MessageLayout.h"

#include <algorithm>

namespace quiz {

MessageLayout LayOutMessage(int w, int h, int textWidth, int textHeight, int buttonCount) {
    MessageLayout m;
    m.horizontalMargin = HorizontalUnits(8, w);
    m.verticalMargin = VerticalUnits(8, h);
    m.horizontalSpacing = HorizontalUnits(10, w);
    m.verticalSpacing = VerticalUnits(10, h);
    m.buttonWidth = HorizontalUnits(50, w);
    m.buttonHeight = VerticalUnits(14, h);
    m.buttonSpacing = HorizontalUnits(4, w);

    const int blockWidth = textWidth + MessageIconSize + m.horizontalSpacing;
    const int blockHeight = std::max(textHeight, MessageIconSize);
    const int rowWidth =
        buttonCount > 0 ? buttonCount * m.buttonWidth + (buttonCount - 1) * m.buttonSpacing : 0;

    m.clientWidth = std::max(blockWidth, rowWidth) + 2 * m.horizontalMargin;
    m.clientHeight = blockHeight + m.buttonHeight + m.verticalSpacing + 2 * m.verticalMargin;

    m.icon = {m.horizontalMargin, m.verticalMargin, MessageIconSize, MessageIconSize};
    m.text = {m.horizontalMargin + MessageIconSize + m.horizontalSpacing, m.verticalMargin,
              textWidth, textHeight};

    int left = (m.clientWidth - rowWidth) / 2;
    const int top = blockHeight + m.verticalMargin + m.verticalSpacing;
    for (int i = 0; i < buttonCount; ++i) {
        m.buttons.push_back({left, top, m.buttonWidth, m.buttonHeight});
        left += m.buttonWidth + m.buttonSpacing;
    }
    return m;
}

} // namespace quiz
