// Lesson 6, step ⑤: rectangle ABCD (AB = x cm, AD = y cm) turned about DC
// into cylinder P and about BC into cylinder Q; their lateral areas agree.
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

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

using sarnoth::FigurePart;
using sarnoth::Piece;

// The points in grid units, each from an earlier one: {point, from (0: the origin), dx, dy}.
const struct {
    int point, from;
    float dx, dy;
} kPoints[] = {
    {1, 0, 1, 6},    {2, 1, 0, -5},    {3, 1, 8, -5},    {4, 1, 8, 0},    {5, 1, 4, -5},
    {6, 1, 4, 0},    {11, 1, 3, 10},   {12, 11, 0, -5},  {13, 11, 4, -5}, {14, 11, 4, 0},
    {21, 3, 3, 10},  {22, 21, 0, -10}, {23, 21, 4, -10}, {24, 21, 4, 0},  {25, 21, 0, -5},
    {26, 21, 4, -5},
};

// The sides x and y of rectangle ABCD.
const FigurePart kSides[] = {
    {Piece::Arc, 11, 12, 3, 1, 20, 6, "xcm", 0, 0, 3},
    {Piece::Arc, 11, 14, 3, -1, 20, 6, "ycm", 0, 0, 3},
};

// The cylinders: the rectangle turned (grey), its letters, then the solid.
const FigurePart kCylinderP[] = {
    {Piece::Line, 1, 6, 7},
    {Piece::Arc, 6, 5, 7, -1, 0, 9},
    {Piece::Arc, 2, 5, 7, -1, 0, 9},
    {Piece::Label, 1, 0, 7, 0, 0, 0, "A", -38, -40},
    {Piece::Label, 2, 0, 7, 0, 0, 0, "B", -38, 8},
    {Piece::Label, 5, 0, 7, 0, 0, 0, "C", 4, -8},
    {Piece::Label, 6, 0, 7, 0, 0, 0, "D", 4, -40},
    {Piece::Line, 1, 2, 0},
    {Piece::Line, 3, 4, 0},
    {Piece::Arc, 1, 4, 0, 1, 20, 2},
    {Piece::Arc, 1, 4, 0, -1, 1, 2},
    {Piece::Arc, 2, 3, 0, 1, 20, 2},
    {Piece::Arc, 2, 3, 0, -1, 1, 5},
    {Piece::Label, 6, 0, 5, 0, 0, 0, "円柱P", -57, -95},
};

const FigurePart kCylinderQ[] = {
    {Piece::Line, 21, 25, 7},
    {Piece::Arc, 25, 26, 7, -1, 0, 9},
    {Piece::Arc, 26, 24, 7, -1, 0, 9},
    {Piece::Label, 21, 0, 7, 0, 0, 0, "A", -38, -40},
    {Piece::Label, 25, 0, 7, 0, 0, 0, "B", -38, 8},
    {Piece::Label, 26, 0, 7, 0, 0, 0, "C", 4, -8},
    {Piece::Label, 24, 0, 7, 0, 0, 0, "D", 4, -40},
    {Piece::Line, 21, 24, 0},
    {Piece::Line, 22, 23, 0},
    {Piece::Arc, 21, 22, 0, 1, 20, 1},
    {Piece::Arc, 21, 22, 0, -1, 1, 1},
    {Piece::Arc, 23, 24, 0, 1, 20, 1},
    {Piece::Arc, 23, 24, 0, -1, 1, 5},
    {Piece::Label, 21, 0, 5, 0, 0, 0, "円柱Q", 38, -95},
};

// Stages 2 to 10: the two lateral areas.
const std::vector<lesson::PageRow> kLateralAreas = {
    text(0, screen(36, 100), 3, "円柱Pの側面積"),
    text(0, screen(72, 150), 0, "半径 ycmで、円周は "),
    text(1, pen(), 0, "2π*y(cm)"),
    text(2, screen(72, 200), 0, "高さが xcm だから"),
    text(3, screen(72, 250), 0, "(2π*y)*x="),
    text(3, pen(), 3, "2πxy (cm^2)"),
    text(4, screen(36, 300), 3, "円柱Qの側面積"),
    text(4, screen(72, 350), 0, "半径 xcmで、円周は "),
    text(5, pen(), 0, "2π*x(cm)"),
    text(6, screen(72, 400), 0, "高さが ycm だから"),
    text(7, screen(72, 450), 0, "(2π*x)*y="),
    text(7, pen(), 3, "2πxy (cm^2)"),
    text(8, screen(72, 500), 5, "したがって、等しい。"),
};

}  // namespace

// Reads X(0..30), Y(0..30) (converted, not drawn); writes X(0..30), Y(0..30), G(1..4,1..2), X$(1..4), N1, N2, II, XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE, PI, the grid frame and the polygon and arc inputs.
void SHOW_CYLINDERS_FROM_RECTANGLE(Sarnoth& g) {
    // The heading, then the figure's frame: no grid line is drawn.
    sarnoth::figure_page(g, 72, "5", 720, 60, 17, 19, 30);
    for (auto& p : kPoints) {
        g.X_a(p.point) = (p.from == 0 ? 0 : g.X_a(p.from)) + p.dx;
        g.Y_a(p.point) = (p.from == 0 ? 0 : g.Y_a(p.from)) + p.dy;
    }
    for (g.II = 0; g.II <= 30; g.II += 1) grid_point(g, g.II, g.X_a(g.II), g.Y_a(g.II));
    g.pf.SETDRAWWIDTH(5);

    // Rectangle ABCD: only B and D through the polygon's labels.
    lesson::load_texts(g.X_sa, 1, {"", "B", "", "D"});
    for (g.II = 1; g.II <= 4; g.II += 1) {
        g.G_a(g.II, 1) = g.X_a(10 + g.II);
        g.G_a(g.II, 2) = g.Y_a(10 + g.II);
    }
    g.SIZE1 = 5;
    g.CCC1 = 0;
    g.CCC2 = 0;
    g.KAKU = 4;
    g.NAGASA = 10;
    g.AAA_s = "1";
    DRAW_POLYGON(g);
    lesson::put(g, g.X_a(11) - 38, g.Y_a(11) - 40, 0, "A", lesson::Keep::None);
    lesson::put(g, g.X_a(13) + 4, g.Y_a(13) - 8, 0, "C", lesson::Keep::None);
    sarnoth::draw_parts(g, kSides, g.N1, g.N2);

    sarnoth::draw_parts(g, kCylinderP, g.N1, g.N2);
    sarnoth::draw_parts(g, kCylinderQ, g.N1, g.N2);
    WAIT_ANY_KEY(g);

    lesson::play_rows(g, kLateralAreas);
}

}  // namespace cw::sarnoth6
