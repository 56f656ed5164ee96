// Lesson 6, step ⑤: rectangle ABCD (AB = x cm, AD = y cm) turned about DC
// into cylinder P and about BC into cylinder Q; their lateral areas agree.
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

// One item of a cylinder, drawn in order.
enum class Item { Line, Arc, Text };
struct Part {
    Item item;
    int from, to;  // points; a text stands at point `from` moved by (dx, dy)
    float colour;  // line, dot or text colour
    float houkou = 0, takasa = 0, haba = 0;
    const char* text = "";
    float dx = 0, dy = 0;
};

const Part kCylinderP[] = {
    {Item::Line, 1, 6, 7},
    {Item::Arc, 6, 5, 7, -1, 0, 9},
    {Item::Arc, 2, 5, 7, -1, 0, 9},
    {Item::Text, 1, 0, 7, 0, 0, 0, "A", -38, -40},
    {Item::Text, 2, 0, 7, 0, 0, 0, "B", -38, 8},
    {Item::Text, 5, 0, 7, 0, 0, 0, "C", 4, -8},
    {Item::Text, 6, 0, 7, 0, 0, 0, "D", 4, -40},
    {Item::Line, 1, 2, 0},
    {Item::Line, 3, 4, 0},
    {Item::Arc, 1, 4, 0, 1, 20, 2},
    {Item::Arc, 1, 4, 0, -1, 1, 2},
    {Item::Arc, 2, 3, 0, 1, 20, 2},
    {Item::Arc, 2, 3, 0, -1, 1, 5},
    {Item::Text, 6, 0, 5, 0, 0, 0, "円柱P", -57, -95},
};

const Part kCylinderQ[] = {
    {Item::Line, 21, 25, 7},
    {Item::Arc, 25, 26, 7, -1, 0, 9},
    {Item::Arc, 26, 24, 7, -1, 0, 9},
    {Item::Text, 21, 0, 7, 0, 0, 0, "A", -38, -40},
    {Item::Text, 25, 0, 7, 0, 0, 0, "B", -38, 8},
    {Item::Text, 26, 0, 7, 0, 0, 0, "C", 4, -8},
    {Item::Text, 24, 0, 7, 0, 0, 0, "D", 4, -40},
    {Item::Line, 21, 24, 0},
    {Item::Line, 22, 23, 0},
    {Item::Arc, 21, 22, 0, 1, 20, 1},
    {Item::Arc, 21, 22, 0, -1, 1, 1},
    {Item::Arc, 23, 24, 0, 1, 20, 1},
    {Item::Arc, 23, 24, 0, -1, 1, 5},
    {Item::Text, 21, 0, 5, 0, 0, 0, "円柱Q", 38, -95},
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

// DRAW_DIMENSION_ARC from point N1 to point N2.
void dimension_arc(Sarnoth& g, float side, float height, float step, float dots, float label_colour,
                   const std::string& label) {
    lesson::Arc a;
    a.from = {g.X_a(g.N1), g.Y_a(g.N1)};
    a.to = {g.X_a(g.N2), g.Y_a(g.N2)};
    a.side = side;
    a.height = height;
    a.step = step;
    a.colour = dots;
    a.label_colour = label_colour;
    a.label = label;
    lesson::draw_arc(g, a);
}

void draw_parts(Sarnoth& g, const Part* parts, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const Part& p = parts[i];
        g.N1 = static_cast<float>(p.from);
        g.N2 = static_cast<float>(p.to);
        switch (p.item) {
            case Item::Line:
                g.pf.LINE(g.X_a(g.N1), g.Y_a(g.N1), g.X_a(g.N2), g.Y_a(g.N2), p.colour);
                break;
            case Item::Arc:
                dimension_arc(g, p.houkou, p.takasa, p.haba, p.colour, 0, "");
                break;
            case Item::Text:
                lesson::put(g, g.X_a(g.N1) + p.dx, g.Y_a(g.N1) + p.dy, p.colour, p.text, lesson::Keep::None);
                break;
        }
    }
}

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
    g.N1 = 11;
    g.N2 = 12;
    dimension_arc(g, 1, 20, 6, 3, 3, "xcm");
    g.N1 = 11;
    g.N2 = 14;
    dimension_arc(g, -1, 20, 6, 3, 3, "ycm");

    draw_parts(g, kCylinderP, std::size(kCylinderP));
    draw_parts(g, kCylinderQ, std::size(kCylinderQ));
    WAIT_ANY_KEY(g);

    lesson::play_rows(g, kLateralAreas);
}

}  // namespace cw::sarnoth6
