// The number tables' texts: every entry of T() and F() without blanks, and what the loop leaves.
#include <gtest/gtest.h>

#include "exprstr/exprstr.h"
#include "shell/shell.h"
#include "support/harness.h"

namespace cw {
namespace {

struct NumberTables : ::testing::Test {
    NumberTables() { INITIALIZE_PROGRAM(h.g); }
    test::Harness h;
};

TEST_F(NumberTables, EveryEntryBecomesATextWithoutBlanks) {
    auto& g = h.g;
    struct {
        float v;
        const char* text;
    } values[] = {{0, "0"}, {7, "7"}, {-3, "-3"}, {120, "120"}, {-15, "-15"}};
    int k = 1;
    for (auto& v : values) {
        g.T_a(k) = v.v;
        g.F_a(41 - k) = v.v;
        ++k;
    }
    g.T_a(80) = -42;
    FORMAT_NUMBER_TABLES(g);
    k = 1;
    for (auto& v : values) {
        EXPECT_EQ(g.T_sa(k), v.text);
        EXPECT_EQ(g.F_sa(41 - k), v.text);
        ++k;
    }
    EXPECT_EQ(g.T_sa(80), "-42");
    EXPECT_EQ(g.T_sa(50), "0");  // never set
    EXPECT_EQ(g.F_sa(1), "0");
}

TEST_F(NumberTables, EntryZeroIsNeverWritten) {
    auto& g = h.g;
    g.T_a(0) = 5;
    g.F_a(0) = 6;
    g.T_sa(0) = "keep";
    g.F_sa(0) = "";
    FORMAT_NUMBER_TABLES(g);
    EXPECT_EQ(g.T_sa(0), "keep");
    EXPECT_EQ(g.F_sa(0), "");
}

TEST_F(NumberTables, EarlierProblemsAndLessonEditsAreConvertedAgain) {
    auto& g = h.g;
    g.T_a(4) = -8;
    FORMAT_NUMBER_TABLES(g);
    g.T_sa(4) = "+x";  // a lesson's own edit
    g.T_a(5) = 9;      // the next problem sets another entry only
    FORMAT_NUMBER_TABLES(g);
    EXPECT_EQ(g.T_sa(4), "-8");
    EXPECT_EQ(g.T_sa(5), "9");
}

TEST_F(NumberTables, LeavesTheLoopCounterAndTheLastText) {
    auto& g = h.g;
    g.F_a(40) = -7;
    g.I = 3;
    FORMAT_NUMBER_TABLES(g);
    EXPECT_FLOAT_EQ(g.I, 41);
    EXPECT_EQ(g.A_s, "-7");
}

}  // namespace
}  // namespace cw
