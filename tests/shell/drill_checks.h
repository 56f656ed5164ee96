// Checks that read one walk through a drill, so that a drill is driven once
// however many of them look at it: each takes every operation drawn and
// every key the step waits for, in the walk's order.
#pragma once
#include <memory>
#include <string>

#include "support/tour.h"

namespace cw::test {

// Each problem of a drill starts on a clean area, and windows smaller than
// the layout show at each question what a repaint of the screen's list
// shows (drill_screens_test.cpp).  It looks at the first `problems` of each
// drill of a walk that gives each drill `of_each` problems, and at nothing
// between.
class CleanAreas {
public:
    CleanAreas(const Step& step, int problems, int of_each);
    ~CleanAreas();
    CleanAreas(const CleanAreas&) = delete;
    CleanAreas& operator=(const CleanAreas&) = delete;

    // Reads: every operation from start-up on.
    void op(const DrawOp& op);
    // Reads: the screen's list at each key the step waits for, before the
    // key is taken.  Records a failure where a check fails.
    void wait(Harness& h);
    // After the walk: that the checks ran on the problems they look at.
    void finish();

private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace cw::test
