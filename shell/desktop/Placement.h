#pragma once

// Where top-level windows stand on a monitor: plain integer arithmetic on rectangles of the
// virtual desktop (frame included), so that it can be checked without a window.
namespace quiz {

// A rectangle in pixels, of a window's frame or of a control in a laid-out window.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// The outer rectangle that centres an outer size on an area; each half rounded toward zero.
LayoutRect CentredIn(const LayoutRect& area, int outerWidth, int outerHeight);

// A panel reserves a strip along an edge of the monitor where the work area stops short of that
// edge. A frame that reaches into such a strip moves out of it by the least distance; where the
// frame cannot fit between two strips, its top and left edges, with the title bar, stay in the
// work area. Along an edge without a strip the frame stays where it is, past the edge or not.
LayoutRect OutOfReservedStrips(const LayoutRect& frame, const LayoutRect& monitor,
                               const LayoutRect& workArea);

// A coordinate of a designed frame position at a display scale. Where the design puts a frame
// past the screen's left or top edge (by its border, so that the title bar starts at the edge),
// the part beyond the edge stays as many device pixels as at scale 1, since the window manager
// draws its border and title bar in device pixels: scaled with the window, the title bar itself
// would be cut. Rounded toward the edge; a coordinate on the screen scales as it is.
int DesignedCoordinate(int designed, double scale);

} // namespace quiz
