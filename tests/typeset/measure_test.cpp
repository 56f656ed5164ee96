// Measuring a text by drawing it out of sight.
#include <gtest/gtest.h>

#include "typeset_fixture.h"

namespace cw::test {
namespace {

class MeasureTest : public TypesetTest {
protected:
    float measure(const std::string& text, float bun = 0) {
        h.g.A_s = text;
        h.g.BUN = bun;
        MEASURE_EXPRESSION_TEXT(h.g);
        return h.g.LLT;
    }
};

TEST_F(MeasureTest, Widths) {
    struct Case {
        const char* text;
        float bun;
        float width;
    } cases[] = {
        {"", 0, 0},
        {"12", 0, 54},
        {"12", 1, 64},
        {"3a-x^2", 0, 27 + 27 + 27 + 27 + 24},
        {"表", 0, 34},
        {"表", 1, 38},
        {"ﾀ1/2ﾀ", 0, 32},
        {"3+ﾀ10/3ﾀx", 0, 27 + 27 + 64 + 27},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(measure(c.text, c.bun), c.width) << c.text << " BUN " << c.bun;
}

TEST_F(MeasureTest, EmptyTextDrawsNothing) {
    h.g.X = 5;
    measure("");
    EXPECT_TRUE(h.drawn().empty());
    EXPECT_FLOAT_EQ(h.g.X, 5);
}

TEST_F(MeasureTest, GivesBackTheCallersPenAndText) {
    h.g.X = 440;
    h.g.Y = 330;
    h.g.AA_s = "left over";
    measure("2x+ﾀ1/2ﾀ");
    EXPECT_FLOAT_EQ(h.g.X, 440);
    EXPECT_FLOAT_EQ(h.g.Y, 330);
    EXPECT_EQ(h.g.A_s, "2x+ﾀ1/2ﾀ");
    EXPECT_EQ(h.g.AA_s, "");
}

TEST_F(MeasureTest, DrawsNothingAnywhere) {
    // Glyphs, a fraction's bar and parts, a radical, a cell's box: none of it
    // reaches the record, the observer or the screen.
    int seen = 0;
    h.pf.observer = [&](const DrawOp&) { ++seen; };
    for (const char* text : {"3x+ﾀ1/2ﾀ", "!2ﾝ", "表^2", "ﾀﾀ1/2ﾀ/3ﾀ"}) {
        measure(text);
        measure(text, 1);
    }
    EXPECT_TRUE(h.pf.record().empty());
    EXPECT_EQ(seen, 0);
    EXPECT_TRUE(h.backend.screen().ops().empty());
    // The platform draws again once measuring is over.
    draw("3x", 100, 200);
    EXPECT_FALSE(h.drawn().empty());
    EXPECT_GT(seen, 0);
}

TEST_F(MeasureTest, FractionMovesTheAnchorsToTheHiddenCopy) {
    draw("ﾀ1/2ﾀ", 100, 200);
    measure("ﾀ1/2ﾀ");
    auto& g = h.g;
    EXPECT_FLOAT_EQ(g.LLT, 32);
    EXPECT_FLOAT_EQ(g.BUN, 0);
    EXPECT_FLOAT_EQ(g.XT, 0);
    EXPECT_FLOAT_EQ(g.YT, 1800);
    EXPECT_FLOAT_EQ(g.BSEN, 1825);
    EXPECT_FLOAT_EQ(g.TBSIYAKY, 1790);
    EXPECT_FLOAT_EQ(g.TBBOYAKY, 1828);

    // Drawing the same text again puts them back at the visible place.
    draw("ﾀ1/2ﾀ", 100, 200);
    EXPECT_FLOAT_EQ(g.XT, 100);
    EXPECT_FLOAT_EQ(g.BSEN, 225);
}

TEST_F(MeasureTest, FractionSetsTheStyleBackToNormal) {
    measure("ﾀ1/2ﾀ", 1);
    EXPECT_FLOAT_EQ(h.g.BUN, 0);
    measure("12", 1);
    EXPECT_FLOAT_EQ(h.g.BUN, 1);
}

TEST_F(MeasureTest, LeavesTheTypesetterStateAsDrawingWould) {
    measure("x^");
    EXPECT_FLOAT_EQ(h.g.JYOU, 1);  // still pending for the next text
    measure("!2");
    EXPECT_FLOAT_EQ(h.g.HROOT, 1);  // the radical is still open
    measure("ﾝ");
    EXPECT_FLOAT_EQ(h.g.HROOT, 0);
}

TEST_F(MeasureTest, InnerMeasuringOfFractionPartsDoesNotDisturbTheOuter) {
    h.g.X = 11;
    h.g.Y = 22;
    EXPECT_FLOAT_EQ(measure("ﾀ123/4ﾀ+ﾀ5/67ﾀ"), 96 + 27 + 64);
    EXPECT_FLOAT_EQ(h.g.X, 11);
    EXPECT_FLOAT_EQ(h.g.Y, 22);
    EXPECT_EQ(h.g.A_s, "ﾀ123/4ﾀ+ﾀ5/67ﾀ");
    EXPECT_FLOAT_EQ(h.g.XT, 96 + 27);
}

}  // namespace
}  // namespace cw::test
