// What is on the screen, as the operations that drew it.  Operations that a
// later whole-screen clear hides are dropped, and so is a repeated
// draw/erase pair (the blinking entry cursor), so the list stays small
// however long a program runs.
#pragma once
#include <vector>

#include "platform/display.h"

namespace cw {

class RetainedList {
public:
    void add(const DrawOp& op) {
        if (covers_screen(op)) ops_.clear();
        size_t n = ops_.size();
        if (n >= 3 && ops_[n - 2] == op && ops_[n - 1] == ops_[n - 3]) {
            // ... P Q P + Q leaves the screen as ... P Q did.
            ops_.pop_back();
            return;
        }
        ops_.push_back(op);
    }
    const std::vector<DrawOp>& ops() const { return ops_; }
    void clear() { ops_.clear(); }

    static bool covers_screen(const DrawOp& op) {
        if (op.op == Op::Cls) return true;
        if (op.op != Op::Fill || op.f != 15) return false;
        float l = op.x1 < op.x2 ? op.x1 : op.x2, r = op.x1 < op.x2 ? op.x2 : op.x1;
        float t = op.y1 < op.y2 ? op.y1 : op.y2, b = op.y1 < op.y2 ? op.y2 : op.y1;
        return l <= 0 && t <= 0 && r >= LAYOUT_W && b >= LAYOUT_H && (op.c == 15);
    }

private:
    std::vector<DrawOp> ops_;
};

}  // namespace cw
