// Lesson 6, step ③: the natural numbers written around a centre, one per
// 60° sector, the remainders on division by 6, and two questions on them.
#include "exprstr/exprstr.h"
#include "figures/figures.h"
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth/answer_pages.h"
#include "lessons/marks.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::sarnoth6 {

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// Points 0..6 in grid units: the centre and 1, 2, 3 units left and right of it.
const float kPointGrid[7][2] = {{4, 4}, {3, 4}, {5, 4}, {2, 4}, {6, 4}, {1, 4}, {7, 4}};

// The slanted lines' ends: point and angle in degrees.
const struct {
    int point;
    float degrees;
} kSlantEnds[] = {{31, 60}, {32, 240}, {33, 120}, {34, 300}};
const int kSlantLines[2][2] = {{31, 32}, {33, 34}};

// The dotted spiral: one dimension arc per half turn, in units of SIZE.
const struct {
    int from, to;
    float houkou, height, step;
    const char* label;
    float label_dx;
} kSpiral[] = {
    {1, 2, -1, 1.5f, 3, "8", 0}, {3, 2, 1, 1.5f, 3, "11", 20}, {3, 4, -1, 2.5f, 1, "14", 0},
    {5, 4, 1, 2.5f, 1, "", 0},   {5, 6, -1, 3.5f, 1, "", 0},
};

// Texts at (X(0) + dx SIZE, Y(0) + dy SIZE).
struct Placed {
    const char* text;
    float dx, dy;
};
const Placed kNumbers[] = {
    {"1", -0.9f, -1.0f}, {"2", -0.3f, -1.3f}, {"3", 0.3f, -0.8f},  {"4", 0.3f, 0.1f},
    {"5", -0.3f, 0.4f},  {"6", -1.3f, 0.1f},  {"7", -1.7f, -1.1f}, {"9", 1.1f, -1.1f},
    {"10", 0.8f, 0.5f},  {"12", -2.8f, 0.5f}, {"13", -3.0f, -1.5f}, {"15", 1.6f, -1.5f},
};
// The sector letters and the slot k of U(), V() that keeps the pen after each.
const struct {
    Placed at;
    int k;
} kLetters[] = {
    {{"C", 3.0f, -2.5f}, 3}, {{"D", 2.0f, 1.1f}, 4},  {{"F", -3.5f, 1.1f}, 6},
    {{"A", -3.5f, -2.1f}, 1}, {{"B", -0.3f, -4.5f}, 2}, {{"E", -0.3f, 2.5f}, 5},
};

// Stages 2 to 4: the remainders stated, then question (1).
const std::vector<lesson::PageRow> kRemainders = {
    text(0, screen(36, 90), 0, "自然数を6でわったときの余りが、"),
    text(0, screen(36, 140), 0, "Aは1,Bは2,Cは3,Dは4,"),
    text(0, screen(36, 190), 0, "Eは5,Fは0 となっている。"),
};
const std::vector<lesson::PageRow> kQuestion1 = {
    text(0, screen(36, 260), 0, "(1)"),
    text(0, pen(), 0, " 1000/6"),
    text(0, screen(108, 320), 0, "=166 あまり 4 だから"),
    text(0, screen(108, 380), 5, "答 D"),
};
// Stages 5 to 8: question (2) on the cleared left side.
const std::vector<lesson::PageRow> kQuestion2 = {
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

void put_placed(Program& g, const Placed& p, float colour) {
    lesson::put(g, g.X_a(0) + p.dx * g.SIZE, g.Y_a(0) + p.dy * g.SIZE, colour, p.text, lesson::Keep::None);
}

}  // namespace

// Reads nothing; writes X(0..6), Y(0..6), X(31..34), Y(31..34), U(1..6), V(1..6), R1, A, B, M, N, II, XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE, PI, the grid frame and the arc inputs.
void SHOW_NUMBERS_IN_SECTORS(Sarnoth& g) {
    // The heading, then the figure's frame: no grid line is drawn.
    sarnoth::figure_page(g, 108, "3", 720, 100, 8, 8, 50);
    for (g.II = 0; g.II <= 6; g.II += 1) grid_point(g, g.II, kPointGrid[to_int(g.II)][0], kPointGrid[to_int(g.II)][1]);
    g.R1 = 4 * g.SIZE;
    for (auto& e : kSlantEnds) polar_point(g, static_cast<float>(e.point), 0, e.degrees * g.PI / 180, g.R1);
    for (auto& line : kSlantLines) {
        g.M = static_cast<float>(line[0]);
        g.N = static_cast<float>(line[1]);
        g.pf.LINE(g.X_a(g.M), g.Y_a(g.M), g.X_a(g.N), g.Y_a(g.N), 0);
    }
    g.pf.LINE(g.GX1, g.Y_a(0), g.GX2, g.Y_a(0), 0);

    for (auto& arc : kSpiral) {
        g.A = static_cast<float>(arc.from);
        g.B = static_cast<float>(arc.to);
        lesson::Arc a;
        a.from = {g.X_a(g.A), g.Y_a(g.A)};
        a.to = {g.X_a(g.B), g.Y_a(g.B)};
        a.side = arc.houkou;
        a.height = arc.height * g.SIZE;
        a.step = arc.step;
        a.colour = 0;
        a.label = arc.label;
        a.label_colour = 3;
        a.label_dx = arc.label_dx;
        lesson::draw_arc(g, a);
    }
    for (auto& n : kNumbers) put_placed(g, n, 3);
    for (auto& l : kLetters) {
        put_placed(g, l.at, 5);
        g.U_a(l.k) = g.X;
        g.V_a(l.k) = g.Y;
    }
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
