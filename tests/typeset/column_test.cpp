// Column addition and subtraction laid out by the typesetter.
#include <gtest/gtest.h>

#include <algorithm>

#include "typeset_fixture.h"

namespace cw::test {
namespace {

class ColumnTest : public TypesetTest {
protected:
    void column(const std::string& top, const std::string& bottom, const std::string& sign, float x = 734,
                float y = 130) {
        auto& g = h.g;
        g.X = x;
        g.Y = y;
        g.A1_s = top;
        g.A2_s = bottom;
        g.ENZAN_s = sign;
        g.TAKASA = 50;
        g.CCC1 = 0;
        g.CCC2 = 0;
        DRAW_COLUMN_OPERATION(g);
    }
    std::vector<DrawOp> text_calls() const { return h.of(Op::Expr); }
    // The rule: the one visible line of width 3.
    DrawOp rule() const {
        std::vector<DrawOp> rules;
        for (auto& op : visible(Op::Line))
            if (op.w == 3) rules.push_back(op);
        EXPECT_EQ(rules.size(), 1u);
        return rules.empty() ? DrawOp{} : rules[0];
    }
};

TEST_F(ColumnTest, AdditionLayout) {
    h.pf.SETDRAWWIDTH(5);
    column(" x-4y", "5x-3y", "+");
    auto& g = h.g;

    auto calls = text_calls();
    ASSERT_EQ(calls.size(), 4u);
    struct Where {
        const char* text;
        float x, y;
    } expected[] = {{" x-4y", 788, 130}, {"+", 734, 186}, {")", 761, 186}, {"5x-3y", 788, 180}};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(calls[k].s, expected[k].text);
        EXPECT_FLOAT_EQ(calls[k].x1, expected[k].x);
        EXPECT_FLOAT_EQ(calls[k].y1, expected[k].y);
    }
    auto gl = glyphs();
    EXPECT_NE(std::find(gl.begin(), gl.end(), ")@761,186"), gl.end());
    // The "+" is drawn as strokes at the sign's place.
    bool plus = false;
    for (auto& op : visible(Op::Line))
        if (op.w == 5 && op.x1 == 738 && op.y1 == 208 && op.x2 == 757) plus = true;
    EXPECT_TRUE(plus);

    DrawOp r = rule();
    EXPECT_FLOAT_EQ(r.x1, 761);
    EXPECT_FLOAT_EQ(r.y1, 230);
    EXPECT_FLOAT_EQ(r.x2, 926);
    EXPECT_FLOAT_EQ(r.y2, 230);
    EXPECT_EQ(r.c, 0);

    EXPECT_FLOAT_EQ(g.XI3, 788);
    EXPECT_FLOAT_EQ(g.YI1, 180);
    EXPECT_FLOAT_EQ(g.X, 923);
    EXPECT_FLOAT_EQ(g.Y, 180);
    EXPECT_FLOAT_EQ(g.LLT, 135);
    EXPECT_FLOAT_EQ(g.LT1, 135);
    EXPECT_FLOAT_EQ(g.LT2, 135);
    EXPECT_EQ(g.AA_s, "");
    EXPECT_EQ(h.pf.GETDRAWWIDTH(), 5);
}

TEST_F(ColumnTest, RuleCoversTheWiderOperand) {
    struct Case {
        const char* top;
        const char* bottom;
        float rule_end;  // relative to the entry x
    } cases[] = {
        {"-2a+ b+1", " 2a-7b+5", 57 + 216},
        {"a+2b+7", " x", 57 + 162},
        {" x", "3x -y+12", 57 + 216},
        {"", "", 57},  // both empty: 30 long from +27
    };
    for (const Case& c : cases) {
        h.pf.clear_record();
        column(c.top, c.bottom, "-", 100, 100);
        SCOPED_TRACE(std::string(c.top) + " over " + c.bottom);
        DrawOp r = rule();
        EXPECT_FLOAT_EQ(r.x1, 127);
        EXPECT_FLOAT_EQ(r.x2, 100 + c.rule_end);
        EXPECT_FLOAT_EQ(r.y1, 200);
    }
}

TEST_F(ColumnTest, SubtractionSign) {
    column("a+2b+7", "a-3b+2", "-");
    auto calls = text_calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[1].s, "-");
    // The minus is a stroke at the sign's place, on the sign's line.
    bool minus = false;
    for (auto& op : visible(Op::Line))
        if (op.w == 5 && op.x1 == 738 && op.y1 == 206 && op.x2 == 757) minus = true;
    EXPECT_TRUE(minus);
    EXPECT_FLOAT_EQ(calls[2].x1, 761);
}

TEST_F(ColumnTest, EmptySignLeavesTheParenthesisAtTheLeft) {
    column("a", "b", "");
    auto calls = text_calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_FLOAT_EQ(calls[2].x1, 734);
    EXPECT_EQ(calls[2].s, ")");
}

}  // namespace
}  // namespace cw::test
