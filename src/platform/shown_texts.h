// The texts the screen shows, as far as the drawing tells: each text drawn
// since the screen was last cleared, less those a fill drawn later covers
// whole (their cells, or all their ink) and those erased by drawing them again in the background colour.
// Text placed to read clear of what stands near it (a reduced value beside
// its stroke) looks here for its neighbours.
//
// It keeps at most the latest kMost texts, so that it stays small however
// long a program runs, whether or not the program erases what it wrote.
#pragma once
#include <cstddef>
#include <deque>

#include "platform/display.h"

namespace cw {

class ShownTexts {
public:
    static constexpr size_t kMost = 256;

    struct Shown {
        DrawOp op;
        Bounds cells;  // the cells its characters are laid in
        Bounds ink;    // where it leaves ink
    };

    // Takes note of an operation once it is drawn, with the ink a text
    // leaves (a text that leaves none is no neighbour): a fill that covers
    // its cells, or all its ink though its cells reach beyond the fill, takes
    // it away.
    void add(const DrawOp& op, const Bounds& ink);
    void clear() { texts_.clear(); }
    // Oldest first.
    const std::deque<Shown>& texts() const { return texts_; }

private:
    std::deque<Shown> texts_;
};

}  // namespace cw
