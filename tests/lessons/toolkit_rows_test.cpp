// The toolkit's anchored rows, rows that run an action, and signed terms.
#include <gtest/gtest.h>

#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

struct Page {
    Harness h{bare_info(), std::string(20, 'k')};
    Page() {
        INITIALIZE_PROGRAM(h.g);
        h.pf.clear_record();
    }
    float width(const std::string& s) {
        h.g.A_s = s;
        MEASURE_EXPRESSION_TEXT(h.g);
        return h.g.LLT;
    }
};

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
