// What is on the screen, as the operations that drew it.  An operation that
// a later one paints over completely leaves the list: a whole-screen clear
// drops everything, an opaque filled box drops what lies wholly inside it,
// and the entry cursor's disc drawn again (in the background colour) drops
// the disc under it.  So the list holds about what one screen shows, however
// long a program runs, and still renders the picture the whole history
// renders.
#pragma once
#include <vector>

#include "platform/display.h"

namespace cw {

// A box in layout units.
struct Bounds {
    float l = 0, t = 0, r = 0, b = 0;
    bool inside(const Bounds& o) const { return l >= o.l && t >= o.t && r <= o.r && b <= o.b; }
};

// Every pixel an operation may touch, antialiasing and the overhang of
// glyphs beyond their cells included.
Bounds ink_bounds(const DrawOp& op);

class RetainedList {
public:
    void add(const DrawOp& op);
    const std::vector<DrawOp>& ops() const { return ops_; }
    void clear() {
        ops_.clear();
        bounds_.clear();
    }

    static bool covers_screen(const DrawOp& op);
    // The one-colour whole disc the entry cursor is drawn and erased with.
    static bool is_cursor_disc(const DrawOp& op);

private:
    // Drops the operations for which `covered` holds.
    template <class Pred>
    void drop_if(Pred covered);

    std::vector<DrawOp> ops_;
    std::vector<Bounds> bounds_;  // ink_bounds of each operation, kept with it
};

}  // namespace cw
