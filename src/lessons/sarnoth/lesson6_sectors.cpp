// Lesson 6, step ③: the natural numbers written around a centre, one per
// 60° sector, the remainders on division by 6, and two questions on them.
#include "exprstr/exprstr.h"
#include "figures/figures.h"
#include "lessons/sarnoth/answer_pages.h"
#include "lessons/sarnoth/figure_parts.h"
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/marks.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::sarnoth6 {

using lesson::aside;
using lesson::beside;
using lesson::PageRow;
using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

using sarnoth::FigurePart;
using sarnoth::Piece;

// Points 0..6 in grid units: the centre and 1, 2, 3 units left and right of it.
const float kPointGrid[7][2] = {{4, 4}, {3, 4}, {5, 4}, {2, 4}, {6, 4}, {1, 4}, {7, 4}};

// The slanted lines' ends: point and angle in degrees.
const struct {
    int point;
    float degrees;
} kSlantEnds[] = {{31, 60}, {32, 240}, {33, 120}, {34, 300}};
const FigurePart kSlantLines[] = {{Piece::Line, 31, 32, 0}, {Piece::Line, 33, 34, 0}};

// The dotted spiral: one dimension arc per half turn, its height in units of SIZE.
const FigurePart kSpiral[] = {
    {Piece::Arc, 1, 2, 0, -1, 1.5f, 3, "8", 0, 0, 3},  {Piece::Arc, 3, 2, 0, 1, 1.5f, 3, "11", 20, 0, 3},
    {Piece::Arc, 3, 4, 0, -1, 2.5f, 1, "14", 0, 0, 3}, {Piece::Arc, 5, 4, 0, 1, 2.5f, 1, "", 0, 0, 3},
    {Piece::Arc, 5, 6, 0, -1, 3.5f, 1, "", 0, 0, 3},
};

// The numbers beside the centre, point 0, in units of SIZE; then the sector
// letters, each keeping the pen after it in U(k), V(k).
PageRow sector_letter(float dx, float dy, const char* letter, int k) {
    return lesson::keeping_end_in(aside(0, beside(0, dx, dy), 5, letter), k, &Program::U_a, &Program::V_a);
}
const std::vector<PageRow> kSectorTexts = {
    aside(0, beside(0, -0.9f, -1.0f), 3, "1"),  aside(0, beside(0, -0.3f, -1.3f), 3, "2"),
    aside(0, beside(0, 0.3f, -0.8f), 3, "3"),   aside(0, beside(0, 0.3f, 0.1f), 3, "4"),
    aside(0, beside(0, -0.3f, 0.4f), 3, "5"),   aside(0, beside(0, -1.3f, 0.1f), 3, "6"),
    aside(0, beside(0, -1.7f, -1.1f), 3, "7"),  aside(0, beside(0, 1.1f, -1.1f), 3, "9"),
    aside(0, beside(0, 0.8f, 0.5f), 3, "10"),   aside(0, beside(0, -2.8f, 0.5f), 3, "12"),
    aside(0, beside(0, -3.0f, -1.5f), 3, "13"), aside(0, beside(0, 1.6f, -1.5f), 3, "15"),
    sector_letter(3.0f, -2.5f, "C", 3),         sector_letter(2.0f, 1.1f, "D", 4),
    sector_letter(-3.5f, 1.1f, "F", 6),         sector_letter(-3.5f, -2.1f, "A", 1),
    sector_letter(-0.3f, -4.5f, "B", 2),        sector_letter(-0.3f, 2.5f, "E", 5),
};

// Stages 2 to 4: the remainders stated, then question (1).
const std::vector<PageRow> kRemainders = {
    text(0, screen(36, 90), 0, "自然数を6でわったときの余りが、"),
    text(0, screen(36, 140), 0, "Aは1,Bは2,Cは3,Dは4,"),
    text(0, screen(36, 190), 0, "Eは5,Fは0 となっている。"),
};
const std::vector<PageRow> kQuestion1 = {
    text(0, screen(36, 260), 0, "(1)"),
    text(0, pen(), 0, " 1000/6"),
    text(0, screen(108, 320), 0, "=166 あまり 4 だから"),
    text(0, screen(108, 380), 5, "答 D"),
};
// Stages 5 to 8: question (2) on the cleared left side.
const std::vector<PageRow> kQuestion2 = {
    text(0, screen(36, 30), 0, "(2)"),
    text(0, pen(), 0, "m,nを0以上の整数とすると"),
    text(0, screen(108, 90), 0, "Bにある数は 6m+2"),
    text(0, screen(108, 150), 0, "Eにある数は 6n+5"),
    text(1, screen(108, 210), 0, "BとEの和は"),
    text(1, screen(108, 270), 0, " (6m+2)+(6n+5)"),
    text(2, screen(108, 330), 0, "=6m+6n+7"),
    text(2, screen(108, 390), 0, "=(6m+6n+6)+1"),
    text(2, screen(108, 450), 0, "=6(m+n+1)+1"),
    text(3, screen(108, 510), 0, "(m+n+1)は1以上の整数だから"),
    text(3, screen(108, 560), 0, "6でわれば、あまり1となり、"),
    text(3, screen(108, 610), 0, "Aにある数を表している。"),
};

}  // namespace

// Reads nothing; writes X(0..6), Y(0..6), X(31..34), Y(31..34), U(1..6), V(1..6), R1, A, B, M, N, II, XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE, PI, the grid frame and the arc inputs.
void SHOW_NUMBERS_IN_SECTORS(Sarnoth& g) {
    // The heading, then the figure's frame: no grid line is drawn.
    sarnoth::figure_page(g, 108, "3", 720, 100, 8, 8, 50);
    for (g.II = 0; g.II <= 6; g.II += 1) grid_point(g, g.II, kPointGrid[to_int(g.II)][0], kPointGrid[to_int(g.II)][1]);
    g.R1 = 4 * g.SIZE;
    for (auto& e : kSlantEnds) polar_point(g, static_cast<float>(e.point), 0, e.degrees * g.PI / 180, g.R1);
    sarnoth::draw_parts(g, kSlantLines, g.M, g.N);
    g.pf.LINE(g.GX1, g.Y_a(0), g.GX2, g.Y_a(0), 0);

    sarnoth::draw_parts(g, kSpiral, g.A, g.B, g.SIZE);
    lesson::play_rows(g, kSectorTexts);
    WAIT_ANY_KEY(g);

    lesson::play_rows(g, kRemainders);
    WAIT_ANY_KEY(g);
    for (g.II = 1; g.II <= 6; g.II += 1) {
        lesson::put(g, g.U_a(g.II), g.V_a(g.II), 5, g.II == 6 ? "0" : number_text(g.II), lesson::Keep::None);
    }
    WAIT_ANY_KEY(g);
    lesson::play_rows(g, kQuestion1);
    WAIT_ANY_KEY(g);

    lesson::erase(g, 0, 0, g.GX1, 1800);
    g.XI1 = 108;
    g.YI1 = 30;
    g.pf.SETDRAWWIDTH(5);
    lesson::play_rows(g, kQuestion2);
}

}  // namespace cw::sarnoth6
