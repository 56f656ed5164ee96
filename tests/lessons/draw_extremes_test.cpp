// Every step of every lesson of the three programs walked with the random
// generator held at its smallest value (0) and at its largest (the last float
// below 1), so that every draw lands on an end of its range: each step must
// come back to its menu without reaching the error screen, and the answers it
// shows must keep the textbook's writing rules.  The drills' own tests check
// their problems at these two values as well.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/lesson_fixture.h"
#include "support/oracle.h"
#include "support/tour.h"

namespace cw::test {
namespace {

// An answer as a pupil sees it: a visible text in the answer colour above the prompt band.
bool answer(const DrawOp& op) { return op.op == Op::Expr && op.c == 5 && !op.s.empty() && op.y1 < 639; }

TEST(DrawExtremes, EveryStepComesBackAndKeepsTheWritingRules) {
    const std::vector<Step> steps = all_steps();
    ASSERT_FALSE(steps.empty());
    for (const Draws& draws : {kLowestRnd, kHighestRnd}) {
        for (const Step& s : steps) {
            SCOPED_TRACE(s.name() + ", " + ::testing::PrintToString(draws));
            WalkOptions o;
            o.rnd = draws.pin;
            // The rules a drawn number can break: lowest terms, no coefficient or exponent 1 or 0, no doubled
            // signs.  Answers drawn in pieces (a signed term after its line, words) are no whole expression.
            o.on_op = [](const DrawOp& op, const Program&) {
                if (!answer(op)) return;
                for (auto& fault : oracle::form_faults(op.s))
                    if (fault.rfind("unreadable", 0) != 0 && fault.rfind("leading", 0) != 0)
                        ADD_FAILURE() << op.s << ": " << fault;
            };
            const WalkResult r = walk(s, o);
            EXPECT_TRUE(r.back_at_menu) << r.stuck;
        }
    }
}

}  // namespace
}  // namespace cw::test
