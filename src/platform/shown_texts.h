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
#include <optional>

#include "platform/display.h"

namespace cw {

class ShownTexts {
public:
    static constexpr size_t kMost = 256;

    struct Shown {
        DrawOp op;
        Bounds cells;               // the cells its characters are laid in
        std::optional<Bounds> ink;  // where it leaves ink, once someone measured it
    };

    // Takes note of an operation once it is drawn; a text's ink, when known
    // (empty when not), lets a fill that covers all its ink take it away
    // though its cells reach beyond the fill.
    void add(const DrawOp& op, const Bounds& ink = {});
    void clear() { texts_.clear(); }
    // Oldest first.
    std::deque<Shown>& texts() { return texts_; }
    const std::deque<Shown>& texts() const { return texts_; }

private:
    std::deque<Shown> texts_;
};

}  // namespace cw
