// Lesson 1, step ①: the area of a rectangle laid out from six tiles, the rule
// for multiplying monomials, and the cycle of ten worked examples.
#include "figures/figures.h"
#include "lessons/dorrith/lesson1.h"
#include "lessons/marks.h"
#include "lessons/panels.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::dorrith1 {

using lesson::below;
using lesson::cont;
using lesson::put;

namespace {

// One row of three tiles, b wide and a high, from (XI1 + 132, y); `text` in
// colour c centred in each.
void tile_row(Program& g, float y, const std::string& text, float c) {
    for (int k = 0; k < 3; ++k) {
        g.X = g.XI1 + 132 + 88 * static_cast<float>(k);
        g.Y = y;
        g.HABA = 88;
        g.TATE = 44;
        g.A_s = text;
        g.CCC2 = 0;
        g.CCC3 = 11;
        g.CCC1 = c;
        DRAW_CELL(g);
    }
}

// The four dimension arcs of the tile figure, all from its top left corner
// (XI1 + 132, YI3): the label in the dots' colour.
struct TileArc {
    const char* label;
    float dx, dy;  // end = start + (dx, dy)
    float side, height, step, colour, shift_x;
};
const TileArc ARCS[] = {
    {"3b", 264, 0, -1, 3, 5, 7, 0},
    {"b", 88, 0, -1, 0.5f, 9, 3, 0},
    {"a", 0, 44, 1, 1, 18, 3, -8},
    {"2a", 0, 88, 1, 4, 8, 7, 0},
};

void dimension_arc(Dorrith& g, const TileArc& a) {
    const lesson::Anchor corner{g.XI1 + 132, g.YI3};
    lesson::draw_arc(g, {corner, corner.right(a.dx).down(a.dy), a.height, a.colour, a.side, a.step, a.label,
                         a.colour, a.shift_x, 0});
}

}  // namespace

// Reads nothing; writes the screen, XI1, XI2, YI1, YI2, YI3, U(1), V(1), NO, AINP, T$(1..20);
// clobbers the cell, arc and pen inputs; leaves the draw width 5.
void SHOW_TILE_TASK(Dorrith& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.pf.SETDRAWWIDTH(5);
    g.XI1 = 44;
    g.YI1 = 30;
    put(g, g.XI1, g.YI1, 0, "縦acm,横bcmのタイルを図のように並べて、");
    below(g, g.XI1, 60, 0, "縦2acm,横3bcmの長方形をつくりました。");
    below(g, g.XI1, 60, 0, "この長方形の面積を求めなさい。");
    g.YI2 = g.YI1;
    g.YI3 = g.YI1 + 150;
    tile_row(g, g.YI3, "", 3);
    dimension_arc(g, ARCS[0]);
    dimension_arc(g, ARCS[1]);
    tile_row(g, g.YI3 + 44, "", 3);
    dimension_arc(g, ARCS[2]);
    dimension_arc(g, ARCS[3]);

    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 440, g.YI1 + 60, 3, "<式>");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 484, g.YI1 + 60, 0, "2a*3b");
    g.YI2 = g.YI1;
    WAIT_ANY_KEY(g);
    tile_row(g, g.YI3, "ab", 5);
    tile_row(g, g.YI3 + 44, "ab", 5);
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 440, g.YI1 + 120, 5, "=6ab");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 440, g.YI2 + 60, 0, "=(2*3)*(a*b)", lesson::Keep::None);
    g.U_a(1) = g.X;
    WAIT_ANY_KEY(g);
    put(g, 88, g.YI1 + 75, 3, "<単項式の乗法>");
    put(g, 44, g.YI1 + 60, 0, "係数の積に文字の積をかける");

    WAIT_ANY_KEY(g);
    SHOW_PRODUCT_EXAMPLES(g);
}

// Reads U(1), the left edge of the example panel; writes T$(1..20), NO, V(1), XI1, XI2, YI1, AINP;
// clobbers the pen.
void SHOW_PRODUCT_EXAMPLES(Program& g) {
    lesson::load_texts(g.T_sa, 1,
                       {"4x*(-2y)", "(-4x)*5y", "(-7y)*(-3x)", "ﾀ5/9ﾀa*(-3b)", "8a*3a", "(-8a)*5a",
                        "ﾀ1/2ﾀx*ﾀ3/4ﾀx", "3ab*b", "(-x)*(-8xy)", "ﾀ2/3ﾀxy*ﾀ1/4ﾀx"});
    lesson::load_texts(g.T_sa, 11,
                       {"-8xy", "-20xy", "21xy", "-ﾀ5/3ﾀab", "24a^2", "-40a^2", "ﾀ3/8ﾀx^2", "3ab^2", "8x^2y",
                        "ﾀ1/6ﾀx^2y"});
    g.NO = 0;
    g.V_a(1) = 30;
    lesson::drill(g, [&] {
        lesson::next_row(g, 10);
        g.XI1 = g.U_a(1);
        g.YI1 = g.V_a(1);
        lesson::erase_by(g, g.U_a(1), 30, 1320, 1300);
        put(g, g.XI1, g.YI1, 3, "例1　次の計算をしなさい。");
        put(g, g.XI1 + 40, g.YI1 + 70, 0, g.T_sa(g.NO));
        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 80, 0, "=");
        cont(g, 5, g.T_sa(g.NO + 10));
    });
    lesson::assignment(g, 240, 600, 7, "17", "1");
}

}  // namespace cw::dorrith1
