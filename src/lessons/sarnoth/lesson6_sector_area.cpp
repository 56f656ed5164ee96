// Lesson 6, step ④: a 90° sector with its radius r, arc l, angle a° and area
// S, and S = ½lr derived from l = 2πr × a/360.
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

const std::vector<lesson::PageRow> kDerivation = {
    text(0, screen(72, 110), 3, " ﾀ1/2ﾀlr"),
    text(0, pen(), 0, "に"),
    text(0, pen(), 3, "l=2πr*ﾀa/360ﾀ"),
    text(0, pen(), 0, "を代入して"),
    text(1, screen(72, 190), 5, " ﾀ1/2ﾀlr"),
    text(1, screen(72, 270), 0, "=ﾀ1/2ﾀr*2πr*ﾀa/360ﾀ"),
    text(2, screen(72, 350), 0, "=πr^2*ﾀa/360ﾀ"),
    text(2, screen(72, 430), 5, "=S"),
};

}  // namespace

// Reads nothing; writes X(10..14), Y(10..14), R1, R2, R(1..2), H1, H2, XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE, PI, the grid frame and the arc and angle-mark inputs.
void SHOW_SECTOR_AREA(Sarnoth& g) {
    // The heading, then the figure's frame: no grid line is drawn.
    sarnoth::figure_page(g, 72, "4", 800, 70, 8, 4, 60);
    grid_point(g, 10, 4, 4);
    g.R1 = 2 * g.SIZE;
    g.R2 = 4 * g.SIZE;
    g.R_a(1) = 225 * g.PI / 180;
    g.R_a(2) = 315 * g.PI / 180;
    g.H2 = 0.375f;
    g.H1 = 0.125f;
    polar_point(g, 11, 10, g.R_a(1), g.R2);
    polar_point(g, 12, 10, g.R_a(2), g.R2);
    polar_point(g, 13, 10, 270 * g.PI / 180, g.R1);
    polar_point(g, 14, 10, 270 * g.PI / 180, g.R2);

    g.pf.CIRCLE(g.X_a(10), g.Y_a(10), g.R2, 0, g.H1, g.H2, true, 13);

    g.ZX0 = g.X_a(10);
    g.ZY0 = g.Y_a(10);
    g.ZX1 = g.X_a(11);
    g.ZY1 = g.Y_a(11);
    g.ZX2 = g.X_a(12);
    g.ZY2 = g.Y_a(12);
    g.CCC1 = 5;
    g.CCC2 = 0;
    g.CCC3 = 5;
    g.NAGASA = 30;
    g.HONSU = 1;
    g.ITI = 1;
    g.AAA_s = "a%";
    g.AAAX = 0;
    g.AAAY = 0;
    DRAW_ANGLE_MARK(g);

    g.pf.LINE(g.X_a(11), g.Y_a(11), g.X_a(10), g.Y_a(10), 0);
    g.pf.LINE(g.X_a(12), g.Y_a(12), g.X_a(10), g.Y_a(10), 0);

    lesson::Arc radius;
    radius.from = {g.X_a(11), g.Y_a(11)};
    radius.to = {g.X_a(10), g.Y_a(10)};
    radius.label_colour = 3;
    radius.colour = 3;
    radius.side = -1;
    radius.height = -20;
    radius.step = 8;
    radius.label = "r";
    lesson::draw_arc(g, radius);

    lesson::put(g, g.X_a(13) - 14, g.Y_a(13), 3, "S", lesson::Keep::None);
    lesson::put(g, g.X_a(14) - 14, g.Y_a(14), 3, "l", lesson::Keep::None);
    WAIT_ANY_KEY(g);

    lesson::play_rows(g, kDerivation);
}

}  // namespace cw::sarnoth6
