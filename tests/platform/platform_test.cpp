// The platform's drawing calls: where an operation goes, and measuring,
// which makes operations that go nowhere.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/platform.h"

namespace cw {
namespace {

struct Drawing {
    Drawing() : pf(backend) {
        pf.set_recording(true);
        pf.observer = [this](const DrawOp&) { ++observed; };
    }
    // One operation of each kind, and a note.
    void draw_each() {
        pf.LINE(10, 10, 100, 10, 0);
        pf.BOX(10, 20, 100, 60, 1);
        pf.FILL(10, 70, 100, 90, 2, 3);
        pf.CIRCLE(200, 200, 20, 4);
        pf.CONNECT({{300, 300}, {320, 340}}, 5);
        pf.SYMBOL(400, 400, 1, 1, 6, "x");
        pf.note(Op::Expr, 400, 400, 6, "x");
    }
    HeadlessBackend backend;
    Platform pf;
    int observed = 0;
};

TEST(Measuring, OperationsGoNowhere) {
    Drawing r;
    {
        Platform::MeasuringScope outer(r.pf);
        {
            Platform::MeasuringScope inner(r.pf);  // scopes nest
            r.draw_each();
        }
        EXPECT_TRUE(r.pf.measuring());
        r.draw_each();
    }
    EXPECT_FALSE(r.pf.measuring());
    EXPECT_TRUE(r.pf.record().empty());
    EXPECT_EQ(r.observed, 0);
    EXPECT_TRUE(r.backend.screen().ops().empty());

    r.draw_each();
    EXPECT_EQ(r.pf.record().size(), 7u);
    EXPECT_EQ(r.observed, 7);
    EXPECT_EQ(r.backend.screen().ops().size(), 6u);
}

TEST(Measuring, ArgumentsAreCheckedAsEver) {
    Drawing r;
    Platform::MeasuringScope hidden(r.pf);
    EXPECT_THROW(r.pf.LINE(0, 0, 1, 1, 16), RuntimeError);
    EXPECT_THROW(r.pf.SYMBOL(0, 0, 1, 1, -1, "x"), RuntimeError);
}

TEST(Measuring, EndsWhenAnErrorLeavesTheScope) {
    Drawing r;
    try {
        Platform::MeasuringScope hidden(r.pf);
        r.pf.FILL(0, 0, 1, 1, 0, 99);
    } catch (const RuntimeError&) {
    }
    EXPECT_FALSE(r.pf.measuring());
    r.pf.LINE(0, 0, 1, 1, 0);
    EXPECT_EQ(r.pf.record().size(), 1u);
}

}  // namespace
}  // namespace cw
