// How a window's picture of the screen changes with each operation, at the
// window's own scale: the part of the window backend that writes pixels.
#pragma once
#include <functional>

#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/paint.h"
#include "platform/retained.h"

typedef struct _cairo cairo_t;

namespace cw {

// Where the layout lies in a window: `scale` device pixels a unit, its top
// left corner at (clip.l, clip.t), and drawn within clip.
struct WindowPlace {
    double scale = 1;
    DeviceBox clip{0, 0, 0, 0};
    // How far, in the window's pixels, what a drawing paints in the window
    // may lie beyond its ink as the list measures it at the layout's own
    // size: a pixel of antialiased rim, a pixel of an erase's aliased reach
    // or an edge's rounding, and two units of the layout for where each
    // size lands a glyph's origin and rounds the ink to its whole pixels.
    double spill() const { return 2 + 2 * scale; }
    // A layout box on the device: the whole pixels around it, and kEdge and
    // `more` of the window's pixels more each way.
    DeviceBox device_box(const Bounds& b, double more = 0) const;
    // The pixel a box of the layout takes beyond the whole pixels around it
    // on the device, for the rounding of the edges the painter snaps.
    static constexpr double kEdge = 1;
    // The layout box a device box covers.
    Bounds layout_box(const DeviceBox& d) const;
};

// Where the layout lies in a window of w by h pixels: scaled to fit with its
// aspect kept, centred, its edges on whole pixels so the margins stay clean.
WindowPlace place_in_window(int w, int h);

// Draws an operation, painting as `paint` says, on a window's picture of
// what `list` keeps: cr draws onto the window's pixels with its user space
// on the layout as `at` places it.  The list takes the operation and decides
// what it hides; the window then shows what the list would draw there at the
// window's own scale.  An erasing box (Paint::erases_box) paints the
// background only where something was drawn.  What the list keeps loses the pixels the erase paints; what it
// drops (under what paints over it: Paint::over) loses all its
// pixels, with what the list keeps beside them drawn again there.  So a
// line's antialiased rim or a glyph reaching a pixel past a box's snapped
// edge leaves nothing, at any size.  Calls `changed` with each device box it
// painted.  Reads and writes the list and the pixels; leaves cr as it found
// it.
void draw_in_window(cairo_t* cr, const WindowPlace& at, RetainedList& list, const DrawOp& op, const Paint& paint,
                    const Beneath& beneath, const std::function<void(const DeviceBox&)>& changed);

}  // namespace cw
