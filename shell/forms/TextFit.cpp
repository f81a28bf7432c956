#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace quiz {

namespace {

// A caption as drawn: "&&" stands for "&", a single "&" marks the accelerator and is not drawn.
// (By hand rather than by a regular expression, whose engine the start-up would otherwise load.)
QString WithoutMnemonic(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The size a label needs for its text in its box: its own size where the text fits.
QSize LabelNeeds(const QLabel& label) {
    const QSize size = label.size();
    if (label.text().isEmpty() || !label.pixmap().isNull())
        return size;
    if (label.wordWrap())
        return {size.width(), std::max(size.height(), label.heightForWidth(size.width()))};
    return {std::max(size.width(), label.sizeHint().width()), size.height()};
}

// The size a control needs to show its whole text in its box: its own size where it fits.
QSize Needed(QWidget& control) {
    const QSize size = control.size();
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        const QStringList shown = label->property(ShownTextsProperty).toStringList();
        if (shown.isEmpty())
            return LabelNeeds(*label);
        // Measured by a stand-in, so that the label keeps its text and says nothing.
        QLabel standIn;
        standIn.setFont(label->font());
        standIn.setWordWrap(label->wordWrap());
        standIn.setMargin(label->margin());
        standIn.setIndent(label->indent());
        standIn.setAlignment(label->alignment());
        standIn.setTextFormat(label->textFormat());
        standIn.resize(size);
        QSize needed = size;
        for (const QString& text : shown) {
            standIn.setText(text);
            needed = needed.expandedTo(LabelNeeds(standIn));
        }
        return needed;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        if (button->text().isEmpty())
            return size;
        // The caption (its accelerator's mark not drawn), beside the icon or the indicator, with
        // a few pixels to spare: the box of the design, not the style's roomier wish.
        int content = button->fontMetrics().horizontalAdvance(WithoutMnemonic(button->text()));
        if (!button->icon().isNull())
            content += button->iconSize().width() + 4;
        const QStyle* style = button->style();
        if (qobject_cast<QRadioButton*>(button))
            content += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                       style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        else if (qobject_cast<QCheckBox*>(button))
            content += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        else
            content += 8;
        return {std::max(size.width(), content), size.height()};
    }
    if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        if (group->title().isEmpty())
            return size;
        // The caption between the frame's corners, a few pixels in from each.
        const int caption = group->fontMetrics().horizontalAdvance(group->title()) + 16;
        return {std::max(size.width(), caption), size.height()};
    }
    return size;
}

// Boxes that the design lets share their edge pixel still lie one below or beside the other.
constexpr int Touching = 2;

struct Placed {
    QWidget* control;
    QRect design;   // where the design puts it
    QSize grown;    // the size it needs
    QPoint shifted; // its new top-left corner
};

} // namespace

QSize FitTexts(QWidget& container) {
    std::vector<Placed> placed;
    for (QObject* child : container.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow() || qobject_cast<QMenuBar*>(control))
            continue;
        const QRect design = control->geometry();
        // A container first makes room inside itself.
        const QSize inner = FitTexts(*control);
        const QSize grown = Needed(*control).expandedTo(design.size() + inner);
        placed.push_back({control, design, grown, design.topLeft()});
    }
    // Top to bottom: each control moves down by the most that the bottom of any control wholly
    // above it moved; left to right the same, among the controls beside it.
    std::sort(placed.begin(), placed.end(),
              [](const Placed& a, const Placed& b) { return a.design.top() < b.design.top(); });
    for (Placed& control : placed) {
        int down = 0;
        for (const Placed& above : placed) {
            if (&above == &control || above.design.bottom() >= control.design.top() + Touching)
                continue;
            down = std::max(down, above.shifted.y() + above.grown.height() - above.design.y() -
                                      above.design.height());
            // A box that grew pushes what lies below clear of it, also where the design let
            // the two share an edge.
            if (above.grown.height() > above.design.height())
                down =
                    std::max(down, above.shifted.y() + above.grown.height() - control.design.y());
        }
        control.shifted.setY(control.design.y() + down);
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.design.left() < b.design.left();
    });
    for (Placed& control : placed) {
        int right = 0;
        for (const Placed& beside : placed) {
            const bool sameRows = beside.design.top() <= control.design.bottom() &&
                                  control.design.top() <= beside.design.bottom();
            if (&beside != &control && sameRows &&
                beside.design.right() < control.design.left() + Touching)
                right = std::max(right, beside.shifted.x() + beside.grown.width() -
                                            beside.design.x() - beside.design.width());
        }
        control.shifted.setX(control.design.x() + right);
    }

    // The container grows by as much as its contents reach further than they did.
    int designRight = 0, designBottom = 0, right = 0, bottom = 0;
    for (const Placed& control : placed) {
        const QRect now(control.shifted, control.grown);
        if (now != control.design)
            control.control->setGeometry(now);
        designRight = std::max(designRight, control.design.right());
        designBottom = std::max(designBottom, control.design.bottom());
        right = std::max(right, now.right());
        bottom = std::max(bottom, now.bottom());
    }
    const QSize growth(right - designRight, bottom - designBottom);
    return growth;
}

} // namespace quiz
