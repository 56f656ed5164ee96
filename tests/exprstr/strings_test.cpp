// The string and sign routines on A$.
#include <gtest/gtest.h>

#include "exprstr/exprstr.h"
#include "support/harness.h"

namespace cw {
namespace {

struct RoutineCase {
    void (*routine)(Program&);
    const char* name;
    const char* before;
    const char* after;
};

TEST(StringRoutines, Table) {
    const RoutineCase cases[] = {
        {STRIP_SPACES, "strip spaces", " 5", "5"},
        {STRIP_SPACES, "strip spaces", "-12", "-12"},
        {STRIP_SPACES, "strip spaces", " 3 x ", "3x"},
        {STRIP_SPACES, "strip spaces", "", ""},
        {STRIP_SPACES, "strip spaces", "あ　い", "あ　い"},
        {STRIP_LAYOUT_MARKS, "strip marks", "ﾀ3/4ﾀ", "3/4"},
        {STRIP_LAYOUT_MARKS, "strip marks", "-ﾀ3/4ﾀ", "-3/4"},
        {STRIP_LAYOUT_MARKS, "strip marks", "+ﾀ3/4ﾀ", "+3/4"},
        {STRIP_LAYOUT_MARKS, "strip marks", "x^2y^3", "x2y3"},
        {STRIP_LAYOUT_MARKS, "strip marks", "=ﾀ1/2ﾀﾝ", "1/2"},
        {STRIP_LAYOUT_MARKS, "strip marks", "5", "5"},
        {STRIP_LAYOUT_MARKS, "strip marks", "", ""},
        {STRIP_LAYOUT_MARKS, "strip marks", "タぢみ", "タぢみ"},  // whole characters are never cut
        {NEGATE_TERM_SIGN, "negate", "3a", "-3a"},
        {NEGATE_TERM_SIGN, "negate", "-2b", "+2b"},
        {NEGATE_TERM_SIGN, "negate", "+5", "-5"},
        {NEGATE_TERM_SIGN, "negate", "+", "-"},
        {NEGATE_TERM_SIGN, "negate", "-", "+"},
        {NEGATE_TERM_SIGN, "negate", "a-b", "-a-b"},
        {NEGATE_TERM_SIGN, "negate", "", ""},
        {NEGATE_TERM_SIGN, "negate", "+あ", "-あ"},
        {STRIP_LEADING_PLUS, "strip plus", "+3a", "3a"},
        {STRIP_LEADING_PLUS, "strip plus", "+", ""},
        {STRIP_LEADING_PLUS, "strip plus", "++a", "+a"},
        {STRIP_LEADING_PLUS, "strip plus", "-3a", "-3a"},
        {STRIP_LEADING_PLUS, "strip plus", "", ""},
        {STRIP_LEADING_PLUS, "strip plus", "+0", "0"},
        {STRIP_LEADING_PLUS, "strip plus", "+0.5", "0.5"},
        {STRIP_LEADING_PLUS, "strip plus", "+ﾀ1/2ﾀa", "ﾀ1/2ﾀa"},
        {STRIP_LEADING_SIGN, "strip sign", "-3", "3"},
        {STRIP_LEADING_SIGN, "strip sign", "+12", "12"},
        {STRIP_LEADING_SIGN, "strip sign", "-", ""},
        {STRIP_LEADING_SIGN, "strip sign", "--2", "-2"},
        {STRIP_LEADING_SIGN, "strip sign", "x", "x"},
        {STRIP_LEADING_SIGN, "strip sign", "", ""},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "-3", "(-3)"},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "-3x", "(-3x)"},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "-ﾀ1/2ﾀ", "(-ﾀ1/2ﾀ)"},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "2x-1", "(2x-1)"},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "(-3)", "((-3))"},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "5", "5"},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "", ""},
        {PARENTHESIZE_IF_NEGATIVE, "parenthesize", "－３", "－３"},
    };
    for (const RoutineCase& c : cases) {
        test::Harness h;
        h.g.A_s = c.before;
        c.routine(h.g);
        EXPECT_EQ(h.g.A_s, c.after) << c.name << " on \"" << c.before << "\"";
    }
}

// Both number texts drop the blank STR$ puts before a value >= 0 and nothing else; the one made through A$
// leaves the text there.
TEST(NumberText, WithoutBlanks) {
    const struct {
        float v;
        const char* text;
    } cases[] = {{7, "7"}, {-7, "-7"}, {0, "0"}, {0.5f, "0.5"}, {-12, "-12"}, {123456, "123456"}};
    for (const auto& c : cases) {
        EXPECT_EQ(number_text(c.v), c.text) << c.v;
        test::Harness h;
        EXPECT_EQ(number_text_in_a(h.g, c.v), c.text) << c.v;
        EXPECT_EQ(h.g.A_s, c.text) << c.v;
    }
}

// through_a runs a routine of A$ on any text and leaves the result in both.
TEST(StringRoutines, ThroughA) {
    struct RoutineCase {
        std::string in;
        void (*routine)(Program&);
        std::string out;
    } cases[] = {
        {"+3", STRIP_LEADING_PLUS, "3"},     {"-3", STRIP_LEADING_PLUS, "-3"},
        {"-3", STRIP_LEADING_SIGN, "3"},     {"-6x", PARENTHESIZE_IF_NEGATIVE, "(-6x)"},
        {"4", PARENTHESIZE_IF_NEGATIVE, "4"}, {"", STRIP_LEADING_SIGN, ""},
        {" 3 x", STRIP_SPACES, "3x"},
    };
    for (auto& c : cases) {
        test::Harness h;
        h.g.A_s = "left over";
        std::string t = c.in;
        through_a(h.g, t, c.routine);
        EXPECT_EQ(t, c.out) << c.in;
        EXPECT_EQ(h.g.A_s, c.out) << c.in;
    }
}

// strip_plus takes one leading "+" off whatever follows it, a zero as well, and leaves the result in A$ too.
TEST(StringRoutines, StripPlus) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"+3a", "3a"}, {"+0", "0"}, {"+0.5", "0.5"}, {"+ﾀ1/2ﾀ", "ﾀ1/2ﾀ"},
        {"++a", "+a"}, {"-0", "-0"}, {"0", "0"},     {"+", ""},     {"", ""},
    };
    for (auto& c : cases) {
        test::Harness h;
        std::string t = c.in;
        strip_plus(h.g, t);
        EXPECT_EQ(t, c.out) << c.in;
        EXPECT_EQ(h.g.A_s, c.out) << c.in;
    }
}

TEST(StringRoutines, ScratchTheyLeave) {
    test::Harness h;
    h.g.A_s = " 3 x";
    STRIP_SPACES(h.g);
    EXPECT_EQ(h.g.X9_s, "3x");
    EXPECT_EQ(h.g.KB8, 4);
    h.g.A_s = "1^2ﾀ";
    STRIP_LAYOUT_MARKS(h.g);
    EXPECT_EQ(h.g.TA1, 2);
    EXPECT_EQ(h.g.TA3, 3);
    h.g.A_s = "2-x";
    PARENTHESIZE_IF_NEGATIVE(h.g);
    EXPECT_EQ(h.g.TA1, 2);
}

}  // namespace
}  // namespace cw
