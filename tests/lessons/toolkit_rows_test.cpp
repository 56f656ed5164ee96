// The toolkit's anchored rows, rows that run an action, and signed terms.
#include <gtest/gtest.h>

#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "support/lesson_fixture.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

using Page = BarePage;

TEST(ToolkitRows, AnchoredRowsKeepTheirPenAndCallsRunInTheirPlace) {
    Page p;
    Program& g = p.h.g;
    const float w = p.width("ab");
    int keys_at_call = -1;
    play_rows(g, {
        text(0, screen(40, 30), 0, "ab"),
        keeping_end(text(0, pen(10), 5, "ab"), 3),
        action(2, [&](Program&) { keys_at_call = static_cast<int>(p.h.backend.keys_used()); }),
        aside(2, screen(500, 500), 7, "ab"),
    });
    EXPECT_FLOAT_EQ(g.X_a(3), 50 + 2 * w);
    EXPECT_FLOAT_EQ(g.Y_a(3), 30);
    EXPECT_EQ(keys_at_call, 2);
    EXPECT_FLOAT_EQ(g.XI2, 50 + 2 * w);  // the aside left the cursor
}

TEST(ToolkitRows, RowsBesideAFiguresPointKeepTheirEndInTheTablesNamed) {
    // Point 0 at (100, 200), point 3 at (300, 50); SIZE 40.
    struct Case {
        Pos at;
        float x, y;
    } cases[] = {
        {beside(0, -0.5f, 1.5f), 80, 260},
        {beside(3, 1, 0), 340, 50},
        {beside(3, 0, -0.25f), 300, 40},
    };
    for (auto& c : cases) {
        Page p;
        Program& g = p.h.g;
        const float w = p.width("ab");
        g.SIZE = 40;
        g.X_a(0) = 100;
        g.Y_a(0) = 200;
        g.X_a(3) = 300;
        g.Y_a(3) = 50;
        g.XI2 = 7;
        play_rows(g, {keeping_end_in(aside(0, c.at, 5, "ab"), 2, &Program::U_a, &Program::V_a)});
        EXPECT_FLOAT_EQ(g.U_a(2), c.x + w) << c.x;
        EXPECT_FLOAT_EQ(g.V_a(2), c.y) << c.x;
        EXPECT_FLOAT_EQ(g.X_a(2), 0) << c.x;  // X(), Y() untouched
        EXPECT_FLOAT_EQ(g.XI2, 7) << c.x;
    }
}

TEST(ToolkitRows, ARowKeepsWhereItStartsInXAlone) {
    Page p;
    Program& g = p.h.g;
    const float w = p.width("ab");
    g.XI2 = 40;
    g.YI1 = 30;
    g.Y_a(1) = -1;
    g.Y_a(2) = -2;
    play_rows(g, {
        keeping_start_x(text(0, pen(), 0, "ab"), 1, 10),
        keeping_start_x(text(0, pen(), 0, "ab"), 2, 0),
    });
    EXPECT_FLOAT_EQ(g.X_a(1), 50);
    EXPECT_FLOAT_EQ(g.X_a(2), 40 + w);
    EXPECT_FLOAT_EQ(g.Y_a(1), -1);  // Y() untouched
    EXPECT_FLOAT_EQ(g.Y_a(2), -2);
    EXPECT_FLOAT_EQ(g.XI2, 40 + 2 * w);
}

TEST(ToolkitRows, SignedTermsFollowAnotherTerm) {
    NumArray n(6);
    StrArray s(6);
    const float vals[] = {-3, -2, -1, 0, 1, 12, 5};
    for (int i = 0; i <= 6; ++i) {
        n(i) = vals[i];
        s(i) = number_text(vals[i]);
    }
    signed_terms(n, s, 1, 5);
    const char* want[] = {"-3", "+(-2)", "+(-1)", "+0", "+1", "+12", "5"};
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(s(i), want[i]) << i;
}

}  // namespace
}  // namespace cw::test
