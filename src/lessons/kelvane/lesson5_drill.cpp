// Lesson 5, the example-8 drill: a(bx+cy)+d(ex+fy) worked out with four
// distribution arcs, the products, the regrouped row and the result.
#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/kelvane/drill_panel.h"
#include "lessons/kelvane/lesson5.h"
#include "lessons/marks.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::kelvane5 {

using lesson::Keep;
using lesson::put;
using lesson::term_text;

namespace {

// Where each anchor of the problem row lies past the start of its piece T$(i).
constexpr float kAnchorDx[7] = {0, 15, 50, 30, 27, 50, 30};

// One draw of a to f, the products and the sums, drawn again while both sums are 0; returns a.
float draw_numbers(Kelvane& g) {
    auto& t = g.T_a;
    do {
        for (int i = 1; i <= 6; ++i) {
            t(i) = lesson::draw(g, {10, 1}) - 5;
            if (t(i) == 0) t(i) = -5;
        }
        if (ABS(t(1)) == 1) t(1) = 6 * t(1);
        if (ABS(t(4)) == 1) t(4) = 6 * t(4);
        t(7) = t(1) * t(2);
        t(8) = t(1) * t(3);
        t(9) = t(4) * t(5);
        t(10) = t(4) * t(6);
        t(11) = t(7) + t(9);
        t(12) = t(8) + t(10);
    } while (t(11) == 0 && t(12) == 0);
    return t(1);
}

// The arc from the multiplier's anchor to a term's anchor, over the problem row.
void arc(Kelvane& g, int from, int to, float height, float colour) {
    lesson::distribution_arc(g, {g.X_a(from), g.Y_a(from)}, {g.X_a(to), g.Y_a(from)}, height, colour);
}

// A product on the products row, from the pen (XI3, YI3), which moves on.
void product(Kelvane& g, float x, float y, const std::string& text) {
    put(g, x, y, 0, text, Keep::None);
    g.XI3 = g.X;
    g.YI3 = g.Y;
}

void show_problem(Kelvane& g) {
    const float x0 = g.XHAJIME, y0 = g.YHAJIME;
    auto& t = g.T_sa;

    kelvane::start_problem(g);
    put(g, x0, y0 + 50, 3, "　");
    g.XI2 = x0 + 40;
    for (int i = 1; i <= 6; ++i) {
        g.X_a(i) = g.XI2 + kAnchorDx[i];
        g.Y_a(i) = g.YI1;
        lesson::cont(g, 0, t(i));
    }

    WAIT_ANY_KEY(g);
    arc(g, 1, 2, 1, 9);
    WAIT_ANY_KEY(g);
    product(g, x0, g.YI1 + 70, "=" + t(7));
    WAIT_ANY_KEY(g);
    arc(g, 1, 3, 2, 7);
    WAIT_ANY_KEY(g);
    product(g, g.XI3, g.YI3, t(8));
    WAIT_ANY_KEY(g);
    arc(g, 4, 5, 1, 9);
    WAIT_ANY_KEY(g);
    product(g, g.XI3, g.YI3, t(9));
    WAIT_ANY_KEY(g);
    arc(g, 4, 6, 2, 7);
    WAIT_ANY_KEY(g);
    product(g, g.XI3, g.YI3, t(10));
    WAIT_ANY_KEY(g);
    put(g, x0, g.YI3 + 60, 0, "=" + t(7) + t(9) + t(8) + t(10));
    WAIT_ANY_KEY(g);
    if (t(11).empty() && g.T_a(12) > 0) lesson::through_a(g, t(12), STRIP_LEADING_PLUS);
    put(g, x0, g.YI1 + 60, 5, "=" + t(11) + t(12));
}

}  // namespace

// Reads FMAESU; writes T(1..12), T$(1..80), F$(1..40), FMAESU; clobbers I, A$.
void make_example8_problem(Kelvane& g) {
    lesson::draw_unlike(g.FMAESU, [&] { return draw_numbers(g); });
    FORMAT_NUMBER_TABLES(g);
    auto& n = g.T_a;
    auto& t = g.T_sa;
    t(2) = "(" + term_text(n(2), "x", true);
    t(3) = term_text(n(3), "y", false) + ")";
    t(4) = term_text(n(4), "", false);
    t(5) = "(" + term_text(n(5), "x", true);
    t(6) = term_text(n(6), "y", false) + ")";
    t(7) = term_text(n(7), "x", true);
    t(8) = term_text(n(8), "y", false);
    t(9) = term_text(n(9), "x", false);
    t(10) = term_text(n(10), "y", false);
    t(11) = term_text(n(11), "x", true);
    t(12) = term_text(n(12), "y", false);
}

// Reads XKARA, YKARA, XMADE, YMADE, XHAJIME, YHAJIME, FMAESU; writes AINP = 1, NO = 0, FMAESU, T(), T$(), X(), Y(), XI1, XI2, XI3, YI1 = YHAJIME + 240, YI3; clobbers what the arcs and ASK_NEXT_STEP clobber.
void RUN_EXAMPLE8_DRILL(Kelvane& g) {
    g.NO = 0;
    lesson::drill(g, [&] {
        make_example8_problem(g);
        show_problem(g);
    });
}

}  // namespace cw::kelvane5
