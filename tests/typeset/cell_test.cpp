// Cells: a box with a text or a fraction centred in it.
#include <gtest/gtest.h>

#include "typeset_fixture.h"

namespace cw::test {
namespace {

class CellTest : public TypesetTest {
protected:
    void cell(const std::string& text, float x, float y, float haba, float tate, bool around = false) {
        auto& g = h.g;
        g.X = x;
        g.Y = y;
        g.HABA = haba;
        g.TATE = tate;
        g.A_s = text;
        g.CCC1 = 0;
        g.CCC2 = 13;
        g.CCC3 = 4;
        if (around)
            DRAW_CELL_AROUND_TEXT(g);
        else
            DRAW_CELL(g);
    }
    // The Expr note of the visible text: where the cell put its pen.
    DrawOp text_call() const {
        auto notes = h.of(Op::Expr);
        EXPECT_EQ(notes.size(), 1u);
        return notes.empty() ? DrawOp{} : notes.back();
    }
};

TEST_F(CellTest, TextTopCentresALineOrAFractionBar) {
    struct Case {
        const char* text;
        float tate;
        float text_dy;  // pen y below the box top
    } cases[] = {
        {"12", 70, 13}, {"ﾀ1/2ﾀ", 70, 10}, {"12", 44, 0}, {"12", 50, 3},
        {"12", 41, -2},  // lower than a line: the text starts above the box
        {"ﾀ1/2ﾀ", 50, 0}, {"ﾀ1/2ﾀ", 45, -3},
    };
    for (const Case& c : cases) {
        h.pf.clear_record();
        cell(c.text, 200, 300, 120, c.tate);
        SCOPED_TRACE(std::string(c.text) + " TATE " + num(c.tate));
        EXPECT_FLOAT_EQ(text_call().y1, 300 + c.text_dy);
        EXPECT_FLOAT_EQ(h.g.Y2, 300 + c.text_dy);
        EXPECT_FLOAT_EQ(h.g.Y3, 300 + c.tate);
        auto boxes = visible(Op::Fill);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_FLOAT_EQ(boxes[0].y1, 300);
        EXPECT_FLOAT_EQ(boxes[0].y2, 300 + c.tate);
    }
}

TEST_F(CellTest, FractionBarInTheMiddleOfTheBox) {
    cell("ﾀ1/2ﾀ", 200, 300, 120, 70);
    EXPECT_FLOAT_EQ(h.g.BSEN, 335);
    EXPECT_FLOAT_EQ(h.g.N1, 1);
    // The anchors are those of the visible fraction, not of the measuring.
    EXPECT_FLOAT_EQ(h.g.XT, 200 + 44);
    EXPECT_FLOAT_EQ(h.g.YT, 310);
}

TEST_F(CellTest, BoxTextAndPen) {
    cell("12", 200, 300, 100, 60);
    auto& g = h.g;
    auto ops = visible();
    ASSERT_GE(ops.size(), 3u);
    // The box comes first and the text is drawn on it.
    EXPECT_EQ(ops[0].op, Op::Fill);
    EXPECT_FLOAT_EQ(ops[0].x1, 200);
    EXPECT_FLOAT_EQ(ops[0].x2, 300);
    EXPECT_EQ(ops[0].c, 13);
    EXPECT_EQ(ops[0].f, 4);
    EXPECT_EQ(glyphs(), (std::vector<std::string>{"1@223,308", "2@250,308"}));
    EXPECT_FLOAT_EQ(g.LLT, 54);
    EXPECT_FLOAT_EQ(g.LT1, 23);
    EXPECT_FLOAT_EQ(g.X, 300);
    EXPECT_FLOAT_EQ(g.Y, 300);
    EXPECT_FLOAT_EQ(g.X1, 200);
    EXPECT_FLOAT_EQ(g.Y1, 300);
    EXPECT_EQ(g.MOTOA_s, "12");
    EXPECT_EQ(g.AA_s, "");
}

TEST_F(CellTest, TextWiderThanTheBoxStartsAtItsLeftEdge) {
    cell("123456", 200, 300, 100, 44);
    EXPECT_FLOAT_EQ(h.g.LT1, 0);
    EXPECT_FLOAT_EQ(text_call().x1, 200);
    EXPECT_FLOAT_EQ(h.g.X, 300);
}

TEST_F(CellTest, EmptyTextGivesTheBareBox) {
    cell("", 200, 300, 80, 50);
    EXPECT_EQ(visible().size(), 1u);
    EXPECT_EQ(visible(Op::Fill).size(), 1u);
    EXPECT_FLOAT_EQ(h.g.X, 280);
}

TEST_F(CellTest, CellsInARowStandSideBySide) {
    cell("1", 100, 300, 60, 50);
    h.g.A_s = "2";
    DRAW_CELL(h.g);
    auto boxes = visible(Op::Fill);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_FLOAT_EQ(boxes[1].x1, 160);
    EXPECT_FLOAT_EQ(boxes[1].x2, 220);
    EXPECT_FLOAT_EQ(boxes[1].y1, 300);
    EXPECT_FLOAT_EQ(h.g.X, 220);
}

TEST_F(CellTest, AroundTextMovesTheBoxNotTheText) {
    cell("①", 200, 300, 60, 50, true);
    auto boxes = visible(Op::Fill);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FLOAT_EQ(boxes[0].y1, 297);
    EXPECT_FLOAT_EQ(boxes[0].y2, 347);
    EXPECT_FLOAT_EQ(text_call().y1, 300);
    EXPECT_FLOAT_EQ(text_call().x1, 213);
    EXPECT_FLOAT_EQ(h.g.X, 260);
    EXPECT_FLOAT_EQ(h.g.Y, 300);
}

TEST_F(CellTest, AroundTextHasNoFractionCase) {
    cell("ﾀ1/2ﾀ", 200, 300, 60, 70, true);
    EXPECT_FLOAT_EQ(h.g.N1, 1);
    EXPECT_FLOAT_EQ(h.g.Y2, 287);
    EXPECT_FLOAT_EQ(h.g.Y3, 357);
    EXPECT_FLOAT_EQ(text_call().y1, 300);
}

TEST_F(CellTest, BorderUsesTheCurrentWidthAndLeavesIt) {
    h.pf.SETDRAWWIDTH(5);
    cell("ﾀ1/2ﾀ", 200, 300, 60, 70);
    EXPECT_EQ(visible(Op::Fill)[0].w, 5);
    EXPECT_EQ(h.pf.GETDRAWWIDTH(), 5);
}

}  // namespace
}  // namespace cw::test
