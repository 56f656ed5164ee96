// Lesson 7, step ① P10Ｑ: a four-lane track from lines and half circles, the
// bends joined into concentric circles, and the lap differences of 2π m.
#include "lessons/kelvane/lesson7.h"
#include "lessons/marks.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane7 {

using detail::label;
using detail::line;
using lesson::indent;
using lesson::pen;
using lesson::play_rows;
using lesson::text;

namespace {

const std::vector<detail::GridPoint> kPoints = {
    {1, 4, 12},   {2, 8, 12},   {3, 4, 14},  {4, 8, 14},     {5, 4, 10},  {6, 8, 10},
    {7, 6, 14},   {8, 6, 16},   {9, 5.5f, 14.5f}, {10, 5, 15}, {11, 4.5f, 15.5f},
    {21, 8, 4},   {22, 8, 6},   {23, 8, 6.5f}, {24, 8, 7},    {25, 8, 7.5f},
};

// A dimension arc a dot every 10 degrees, in one colour for dots and label.
void arc(Kelvane& g, int from, int to, float side, float height, float colour, const std::string& text = "",
         float label_dy = 0) {
    lesson::Arc a;
    a.from = {g.X_a(from), g.Y_a(from)};
    a.to = {g.X_a(to), g.Y_a(to)};
    a.side = side;
    a.height = height;
    a.step = 10;
    a.colour = colour;
    a.label = text;
    a.label_colour = colour;
    a.label_dy = label_dy;
    lesson::draw_arc(g, a);
}

}  // namespace

// Reads nothing; writes XI1 = 40, XI2, YI1, X(), Y() of the points, R1, R2, the frame's GX0, GY0, draw width 5; clobbers CCC1, CCC2, X, Y, AA$ and what DRAW_GRID, DRAW_DIMENSION_ARC and WAIT_ANY_KEY clobber.
void SHOW_TRACK_P10(Kelvane& g) {
    detail::open_track_page(g, "①第1レーンと第2レーンの1周の差は？", {720, 10, 12, 16}, kPoints);

    // Four lanes: five edges of two straights and two bends each.
    for (float d = 0; d <= 2 * g.SIZE; d += 0.5f * g.SIZE) {
        g.pf.LINE(g.X_a(3), g.Y_a(3) - d, g.X_a(4), g.Y_a(4) - d, 0);
        g.pf.LINE(g.X_a(5), g.Y_a(5) + d, g.X_a(6), g.Y_a(6) + d, 0);
    }
    g.R1 = g.SIZE * 2;
    detail::bends(g, 1, 2, g.R1, 0);
    for (float k : {2.5f, 3.0f, 3.5f, 4.0f}) {
        g.R2 = g.SIZE * k;
        detail::bends(g, 1, 2, g.R2, 0);
    }
    line(g, 7, 8, 3);
    label(g, g.X_a(7), g.Y_a(7), 7, "ゴール");
    for (int i : {9, 10, 11}) g.pf.LINE(g.X_a(i), g.Y_a(i), g.X_a(i), g.Y_a(i) - 0.5f * g.SIZE, 3);
    label(g, g.X_a(11), g.Y_a(7), 7, "S");
    arc(g, 1, 5, -1, -10, 3, "20m");
    arc(g, 5, 6, 1, -10, 3, "40m");
    label(g, g.X_a(7) - 30, g.Y_a(1) - 20, 3, "レーンの幅1m");

    WAIT_ANY_KEY(g);
    g.pf.CIRCLE(g.X_a(21), g.Y_a(21), 6, 0, 0, 0, true);
    g.pf.CIRCLE(g.X_a(21), g.Y_a(21), g.R1, 0);
    for (float k : {2.5f, 3.0f, 3.5f, 4.0f}) {
        g.R2 = g.SIZE * k;
        g.pf.CIRCLE(g.X_a(21), g.Y_a(21), g.R2, 0);
    }
    WAIT_ANY_KEY(g);
    arc(g, 21, 22, -1, 0, 3, "20m", 20);
    WAIT_ANY_KEY(g);
    arc(g, 21, 23, 1, -10, 7);
    WAIT_ANY_KEY(g);
    arc(g, 21, 23, 1, -10, 7, "21m", 20);
    WAIT_ANY_KEY(g);
    play_rows(g, {
                     text(0, indent(50), 0, "(2π*21+40*2)"),
                     text(1, pen(), 0, "-(2π*20+40*2)"),
                     text(2, indent(50), 0, "=42π+80-40π-80"),
                     text(3, pen(), 3, "=2π(m)"),
                     text(4, indent(50), 0, "2π*21-2π*20"),
                     text(5, pen(), 3, "=2π(m)"),
                     text(6, indent(50), 3, "②第2レーンと第3レーンの1周の差は？"),
                 });
    WAIT_ANY_KEY(g);
    arc(g, 21, 24, -1, -10, 7, "22m", -10);
    WAIT_ANY_KEY(g);
    play_rows(g, {
                     text(0, indent(50), 0, "2π*22-2π*21"),
                     text(1, pen(), 0, "=44π-42π"),
                     text(2, pen(), 3, "=2π(m)"),
                     text(3, indent(50), 3, "③第3レーンと第4レーンの1周の差は？"),
                 });
    WAIT_ANY_KEY(g);
    arc(g, 21, 25, 1, -20, 3, "23m", -10);
    WAIT_ANY_KEY(g);
    play_rows(g, {
                     text(0, indent(50), 0, "2π*23-2π*22"),
                     text(1, pen(), 0, "=46π-44π"),
                     text(2, pen(), 3, "=2π(m)"),
                     text(3, indent(50), 3, "④となり合うレーンの1周の差は？"),
                     text(4, indent(50), 7, "いつでも2πmで、同じといえそう。"),
                     text(5, indent(50), 3, "⑤半径が変わってもいえそうですか？"),
                     text(6, indent(50), 7, "半径をrmとしてとなり合うレーンの1周の差を調べてみよう。"),
                 });
}

}  // namespace cw::kelvane7
