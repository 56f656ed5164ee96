// Stacked fractions: widths, anchors, the bar and what follows it.
#include <gtest/gtest.h>

#include "typeset_fixture.h"

namespace cw::test {
namespace {

using Strings = std::vector<std::string>;

class FractionTest : public TypesetTest {};

TEST_F(FractionTest, FifteenSixthsAtTheGivenPen) {
    draw("ﾀ15/6ﾀ", 100, 200);
    auto& g = h.g;

    auto ops = visible();
    ASSERT_EQ(ops.size(), 4u);
    // Bar first, then the denominator, then the numerator.  The bar spans
    // the fraction's 64 units but is drawn 4 short of either end.
    EXPECT_EQ(ops[0].op, Op::Line);
    EXPECT_FLOAT_EQ(ops[0].x1, 104);
    EXPECT_FLOAT_EQ(ops[0].y1, 225);
    EXPECT_FLOAT_EQ(ops[0].x2, 160);
    EXPECT_FLOAT_EQ(ops[0].y2, 225);
    EXPECT_EQ(ops[0].w, 4);
    EXPECT_EQ(glyphs(), (Strings{"6@116,228", "1@100,190", "5@132,190"}));
    for (auto& op : visible(Op::Text)) {
        EXPECT_EQ(op.p, 4);
        EXPECT_EQ(op.q, 2);
    }

    EXPECT_FLOAT_EQ(g.X, 164);
    EXPECT_FLOAT_EQ(g.Y, 200);
    EXPECT_FLOAT_EQ(g.XT, 100);
    EXPECT_FLOAT_EQ(g.YT, 200);
    EXPECT_FLOAT_EQ(g.TBSI, 64);
    EXPECT_FLOAT_EQ(g.TBBO, 32);
    EXPECT_FLOAT_EQ(g.NAGA, 64);
    EXPECT_FLOAT_EQ(g.TBSI1, 0);
    EXPECT_FLOAT_EQ(g.TBBO1, 16);
    EXPECT_FLOAT_EQ(g.BSEN, 225);
    EXPECT_FLOAT_EQ(g.TBSIYAKX, 100);
    EXPECT_FLOAT_EQ(g.TBSIYAKY, 190);
    EXPECT_FLOAT_EQ(g.TBBOYAKX, 116);
    EXPECT_FLOAT_EQ(g.TBBOYAKY, 228);

    // What the fraction leaves besides its anchors.
    EXPECT_EQ(g.A_s, "15");
    EXPECT_FLOAT_EQ(g.LLT, g.TBBO);
    EXPECT_EQ(g.RTASKAI1_s, "15");
    EXPECT_EQ(g.RTASKAI2_s, "6");
    EXPECT_FLOAT_EQ(g.BUN, 0);
    EXPECT_EQ(g.AA_s, "");
    EXPECT_EQ(h.pf.GETDRAWWIDTH(), 3);
}

struct Layout {
    const char* text;
    float tbsi, tbbo, naga, tbsi1, tbbo1;
    float den_dy;  // denominator top below the pen
};

class FractionLayout : public TypesetTest, public ::testing::WithParamInterface<Layout> {};

TEST_P(FractionLayout, WidthsOffsetsAndDenominatorHeight) {
    const Layout& c = GetParam();
    draw(c.text, 300, 400);
    auto& g = h.g;
    EXPECT_FLOAT_EQ(g.TBSI, c.tbsi);
    EXPECT_FLOAT_EQ(g.TBBO, c.tbbo);
    EXPECT_FLOAT_EQ(g.NAGA, c.naga);
    EXPECT_FLOAT_EQ(g.TBSI1, c.tbsi1);
    EXPECT_FLOAT_EQ(g.TBBO1, c.tbbo1);
    EXPECT_FLOAT_EQ(g.TBSIYAKX, 300 + c.tbsi1);
    EXPECT_FLOAT_EQ(g.TBBOYAKX, 300 + c.tbbo1);
    EXPECT_FLOAT_EQ(g.TBBOYAKY, 400 + c.den_dy);
    EXPECT_FLOAT_EQ(g.X, 300 + c.naga);
    EXPECT_FLOAT_EQ(g.Y, 400);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FractionLayout,
    ::testing::Values(
        Layout{"ﾀ12/34ﾀ", 64, 64, 64, 0, 0, 28},    // equal widths
        Layout{"ﾀ9/10ﾀ", 32, 64, 64, 16, 0, 28},    // the numerator is centred
        Layout{"ﾀ3/2a^2ﾀ", 32, 88, 88, 28, 0, 36},  // raised 2: lower denominator, no further 8
        Layout{"ﾀ1/ 2ﾀ", 32, 59, 59, 13.5f, 0, 28},  // odd difference: half units kept
        Layout{"ﾀ/5ﾀ", 0, 32, 32, 16, 0, 28},        // empty numerator
        Layout{"ﾀ!2ﾝ/3ﾀ", 58, 32, 58, 0, 13, 36},    // radical only in the numerator
        Layout{"ﾀ3/!2ﾝﾀ", 32, 58, 58, 13, 0, 36},    // "!" is not looked for by the first test
        Layout{"ﾀ3/√2ﾝﾀ", 32, 58, 58, 13, 0, 44},    // "√" is looked for by both
        Layout{"ﾀ6/2/3ﾀ", 32, 102, 102, 35, 0, 28}   // a second "/" is the division sign
        ));

TEST_F(FractionTest, SecondSlashIsDrawnAsDivisionSign) {
    draw("ﾀ6/2/3ﾀ", 100, 200);
    EXPECT_EQ(h.g.RTASKAI2_s, "2/3");
    EXPECT_EQ(glyphs(), (Strings{"2@100,228", "÷@134.5,228", "3@170,228", "6@135,190"}));  // in the middle of its space
}

TEST_F(FractionTest, TextAfterTheFractionStartsAtTheBarEnd) {
    draw("ﾀ1/2ﾀx", 100, 200);
    auto texts = visible(Op::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2].s, "x");
    EXPECT_FLOAT_EQ(texts[2].x1, 132 + 4);
    EXPECT_FLOAT_EQ(h.g.X, 132 + 27);
}

TEST_F(FractionTest, EndsTheFractionStyleEvenWhenTheCallerSetIt) {
    h.g.BUN = 1;
    draw("ﾀ1/2ﾀ3", 100, 200);
    auto texts = visible(Op::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2].s, "3");
    EXPECT_FLOAT_EQ(texts[2].x1, 132);
    EXPECT_EQ(texts[2].p, 3);  // normal style
    EXPECT_EQ(texts[2].q, 3);
    EXPECT_FLOAT_EQ(h.g.BUN, 0);
}

TEST_F(FractionTest, OpenTallRadicalStretchesItsBarOverTheFraction) {
    draw("#ﾀ1/23ﾀ", 100, 200);
    EXPECT_FLOAT_EQ(h.g.HROOT, 22);
    EXPECT_FLOAT_EQ(h.g.XT, 132);
    std::vector<DrawOp> bars;
    for (auto& op : visible(Op::Line))
        if (op.y1 == op.y2) bars.push_back(op);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_FLOAT_EQ(bars[0].y1, 225);  // the fraction's own bar
    EXPECT_EQ(bars[0].w, 4);
    EXPECT_TRUE(bars[0].bar);
    EXPECT_FLOAT_EQ(bars[1].x1, 132);  // the radical's, at its own height
    EXPECT_FALSE(bars[1].bar) << "a radical's overline is no fraction bar";
    EXPECT_FLOAT_EQ(bars[1].x2, 132 + 64);
    EXPECT_FLOAT_EQ(bars[1].y1, 186);
    EXPECT_EQ(bars[1].w, 3);
    EXPECT_EQ(h.pf.GETDRAWWIDTH(), 3);
}

TEST_F(FractionTest, DrawWidthIsPutBackAfterTheBar) {
    h.pf.SETDRAWWIDTH(7);
    draw("ﾀ1/2ﾀ", 100, 200);
    EXPECT_EQ(h.pf.GETDRAWWIDTH(), 7);
}

TEST_F(FractionTest, InvisibleDrawLeavesTheSameAnchorsAsAVisibleOne) {
    auto anchors = [&] {
        auto& g = h.g;
        return std::vector<float>{g.XT,   g.YT,    g.TBSI,     g.TBBO,     g.NAGA,     g.TBSI1,
                                  g.TBBO1, g.BSEN, g.TBSIYAKX, g.TBSIYAKY, g.TBBOYAKX, g.TBBOYAKY, g.X};
    };
    draw("2ﾀ3x/4ﾀ", 120, 300, 15);
    auto hidden = anchors();
    draw("2ﾀ3x/4ﾀ", 120, 300, 0);
    EXPECT_EQ(hidden, anchors());
    EXPECT_FLOAT_EQ(h.g.XT, 147);
}

TEST_F(FractionTest, TheLastFractionOfATextHoldsTheAnchors) {
    draw("ﾀ1/2ﾀ+ﾀ10/3ﾀ", 100, 200);
    EXPECT_FLOAT_EQ(h.g.XT, 132 + 27);
    EXPECT_FLOAT_EQ(h.g.TBBO1, 16);
}

// A fraction whose inside has no "/" shows the inside as its numerator over
// an empty denominator, exactly as if the "/" ended it.
TEST_F(FractionTest, InsideWithoutSlashIsANumeratorOverNothing) {
    draw("ﾀ12/ﾀ", 100, 200);
    auto with_slash = visible();
    float x = h.g.X;
    h.pf.clear_record();

    ASSERT_NO_THROW(draw("ﾀ12ﾀ", 100, 200));
    EXPECT_EQ(visible(), with_slash);
    EXPECT_FLOAT_EQ(h.g.X, x);
    EXPECT_FLOAT_EQ(h.g.X, 164);
    EXPECT_EQ(h.g.RTASKAI1_s, "12");
    EXPECT_EQ(h.g.RTASKAI2_s, "");
    EXPECT_FLOAT_EQ(h.g.TBBO, 0);
    EXPECT_FLOAT_EQ(h.g.NAGA, 64);
    EXPECT_EQ(glyphs(), (Strings{"1@100,190", "2@132,190"}));
}

TEST_F(FractionTest, EmptyFractionMovesNothing) {
    ASSERT_NO_THROW(draw("ﾀﾀ5", 100, 200));
    EXPECT_FLOAT_EQ(h.g.NAGA, 0);
    auto texts = visible(Op::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().s, "5");
    EXPECT_FLOAT_EQ(texts.back().x1, 100);
    EXPECT_FLOAT_EQ(h.g.X, 127);
}

}  // namespace
}  // namespace cw::test
