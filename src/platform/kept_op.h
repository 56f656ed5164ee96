// An operation as a screen keeps it (RetainedList), as what paints the
// screen again reads it (Painter, the window).
#pragma once
#include <memory>

#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/paint.h"

namespace cw {

// An operation as a screen keeps it: how it paints (made once, as it was
// drawn) and where it leaves its ink at the layout's own size, as the list
// measured it; drawn over what lay under it when it was made, `times` times
// over itself.  What draws it again reads these rather than working them out
// anew.
struct KeptOp {
    DrawOp op;
    Paint paint;
    Bounds ink;
    std::shared_ptr<const Beneath> beneath;
    int times = 1;
};

}  // namespace cw
