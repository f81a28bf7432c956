#pragma once

#include "Controls.h"
#include "MapChart.h"

// The picture controls of the political map window.

// The chart's and the dot's colours in the look of this run.
content::ChartColours ChartColoursOfLook();

// The political map chart, stretched to fill the whole control. It draws no background, so the
// window's colour shows around the diamond, and it has no click action. Screen readers see it as
// a picture.
class TChartImage : public TPicture {
    Q_OBJECT
public:
    explicit TChartImage(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    content::ChartColours colours_ = ChartColoursOfLook();
};

// The red dot: a circle whose diameter is the smaller side of the control, centred across the
// longer side with the odd pixel going to the right, red with a 1-pixel outline, black in the
// design's look. Around the circle the control is transparent, and it lets every click through
// to what lies below.
class TRedDot : public TPicture {
    Q_OBJECT
public:
    explicit TRedDot(QWidget* parent = nullptr);

    // The circle's bounding square inside the control, right and bottom edges exclusive.
    QRect CircleBounds() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    content::ChartColours colours_ = ChartColoursOfLook();
};

// An empty picture that only catches clicks: it draws nothing, and a left button pressed and
// released inside it is a click. Screen readers see it as a button they can press.
class THotZoneImage : public TClickablePicture {
    Q_OBJECT
public:
    using TClickablePicture::TClickablePicture;
};
