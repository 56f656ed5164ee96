// The texts the screen shows, as far as the drawing tells: each text drawn
// since the screen was last cleared, less those erased by drawing them again
// in the background colour and those hidden, as the screen's list forgets
// them (hides.h): by what is later painted over their ink, one box alone or
// several together, or over their cells.  Text placed to read clear of what
// stands near it (a reduced value beside its stroke) looks here for its
// neighbours, so it holds every text on the screen: no screen comes near
// kMost texts, which only bounds a program that writes text after text and
// never erases it.
#pragma once
#include <cstddef>
#include <deque>
#include <vector>

#include "platform/display.h"
#include "platform/paint.h"

namespace cw {

class ShownTexts {
public:
    static constexpr size_t kMost = 4096;

    struct Shown {
        DrawOp op;
        Bounds cells;  // the cells its characters are laid in
        Bounds ink;    // where it leaves ink
        std::vector<Bounds> under;  // boxes painted over parts of it since
    };

    // Takes note of an operation once it is drawn, painting as `paint` says,
    // with the ink a text leaves (a text that leaves none is no neighbour).
    void add(const DrawOp& op, const Paint& paint, const Bounds& ink);
    void clear() { texts_.clear(); }
    // Oldest first.
    const std::deque<Shown>& texts() const { return texts_; }

private:
    std::deque<Shown> texts_;
};

}  // namespace cw
