// Lesson 7, step ② P12Q: a two-lane track with the bend radius r, its bends
// joined into two circles, and the lap difference 2π(r+1)-2πr = 2π.
#include "lessons/kelvane/lesson7.h"
#include "lessons/marks.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane7 {

using detail::line;
using lesson::below;
using lesson::cont;

namespace {

const std::vector<detail::GridPoint> kRadiusPagePoints = {
    {1, 4, 11},  {2, 10, 11},  {3, 4, 14},     {4, 10, 14},     {5, 4, 8},       {6, 10, 8},  {7, 4, 14.5f},
    {8, 10, 14.5f}, {9, 4, 7.5f}, {10, 10, 7.5f}, {11, 7, 3.5f}, {12, 7, 6.5f}, {14, 7, 7}, {15, 7, 0},
};

// A radius marked with a dimension arc 20 high, a dot every 5 degrees, in colour 3 with its label.
void radius_arc(Kelvane& g, int from, int to, float side, const std::string& text) {
    lesson::Arc a;
    a.from = {g.X_a(from), g.Y_a(from)};
    a.to = {g.X_a(to), g.Y_a(to)};
    a.side = side;
    a.height = 20;
    a.step = 5;
    a.colour = 3;
    a.label = text;
    a.label_colour = 3;
    lesson::draw_arc(g, a);
}

}  // namespace

// Reads nothing; writes XI1 = 40, XI2, YI1, X(), Y() of the points, R1, R2, the frame's GX0, GY0, draw width 5; clobbers CCC1, CCC2, X, Y, AA$ and what DRAW_GRID, DRAW_DIMENSION_ARC and WAIT_ANY_KEY clobber.
void SHOW_TRACK_RADIUS_R(Kelvane& g) {
    detail::open_track_page(g, "半径をrmとして。", {684, 30, 13, 15}, kRadiusPagePoints);
    g.R1 = g.SIZE * 3;
    g.R2 = g.SIZE * 3.5f;
    g.pf.BOX(g.X_a(3), g.Y_a(3), g.X_a(6), g.Y_a(6), 0);
    line(g, 7, 8, 0);
    line(g, 9, 10, 0);
    detail::bends(g, 1, 2, g.R1, 0);
    detail::bends(g, 1, 2, g.R2, 0);
    line(g, 8, 4, 3);
    detail::label(g, g.X_a(4), g.Y_a(4), 3, "1m");

    WAIT_ANY_KEY(g);
    line(g, 3, 4, 7);
    line(g, 5, 6, 7);
    line(g, 7, 8, 7);
    line(g, 9, 10, 7);
    WAIT_ANY_KEY(g);
    g.pf.CIRCLE(g.X_a(11), g.Y_a(11), g.R1, 0);
    g.pf.CIRCLE(g.X_a(11), g.Y_a(11), g.R2, 0);
    line(g, 14, 15, 0);
    WAIT_ANY_KEY(g);
    below(g, g.XI1, 50, 0, "第1レーンの半円部分の半径を");
    cont(g, 3, "rm");
    below(g, g.XI1, 50, 0, "とすると");
    radius_arc(g, 1, 3, -1, "rm");
    radius_arc(g, 11, 12, -1, "rm");
    below(g, g.XI1, 60, 0, "第2レーンの半径は");
    WAIT_ANY_KEY(g);
    cont(g, 3, "(r+1)m ");
    cont(g, 0, "だから");
    radius_arc(g, 1, 7, 1, "(r+1)m");
    radius_arc(g, 11, 14, 1, "(r+1)m");
    WAIT_ANY_KEY(g);
    using lesson::indent;
    using lesson::pen;
    using lesson::text;
    lesson::play_rows(g, {
                             text(0, indent(60), 0, " 2π(r+1)"),
                             text(1, pen(), 0, "-2πr"),
                             text(2, indent(60), 0, "=2πr+2π-2πr"),
                             text(3, pen(), 3, "=2π"),
                             text(4, indent(60), 5, "答 2πm"),
                             text(5, indent(60), 3, "＜解答例＞"),
                             text(5, pen(), 5, "2πには、rがふくまれていないから、"),
                             text(5, indent(60, 180), 5, "半円部分の半径に関係なく決まる。"),
                         });
}

}  // namespace cw::kelvane7
