#include "Placement.h"

#include <algorithm>
#include <cmath>

namespace quiz {

namespace {

// One axis of OutOfReservedStrips: the start of a frame of `size` between a monitor's edges and
// its work area's.
int OutOfStrips(int start, int size, int monitorStart, int monitorEnd, int workStart, int workEnd) {
    if (workEnd < monitorEnd && start + size > workEnd)
        start = std::max(workEnd - size, std::min(start, workStart));
    if (workStart > monitorStart && start < workStart)
        start = workStart;
    return start;
}

} // namespace

int DesignedCoordinate(int designed, double scale) {
    if (designed >= 0 || scale <= 1)
        return designed;
    return -static_cast<int>(std::floor(-designed / scale));
}

LayoutRect CentredIn(const LayoutRect& area, int outerWidth, int outerHeight) {
    return {area.left + area.width / 2 - outerWidth / 2,
            area.top + area.height / 2 - outerHeight / 2, outerWidth, outerHeight};
}

LayoutRect OutOfReservedStrips(const LayoutRect& frame, const LayoutRect& monitor,
                               const LayoutRect& workArea) {
    LayoutRect moved = frame;
    moved.left = OutOfStrips(frame.left, frame.width, monitor.left, monitor.left + monitor.width,
                             workArea.left, workArea.left + workArea.width);
    moved.top = OutOfStrips(frame.top, frame.height, monitor.top, monitor.top + monitor.height,
                            workArea.top, workArea.top + workArea.height);
    return moved;
}

} // namespace quiz
