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
    auto& T_a = g.T_a;
    do {
        for (int i = 1; i <= 6; ++i) {
            T_a(i) = lesson::rnd_int(g, 10, 1) - 5;
            if (T_a(i) == 0) T_a(i) = -5;
        }
        if (ABS(T_a(1)) == 1) T_a(1) = 6 * T_a(1);
        if (ABS(T_a(4)) == 1) T_a(4) = 6 * T_a(4);
        T_a(7) = T_a(1) * T_a(2);
        T_a(8) = T_a(1) * T_a(3);
        T_a(9) = T_a(4) * T_a(5);
        T_a(10) = T_a(4) * T_a(6);
        T_a(11) = T_a(7) + T_a(9);
        T_a(12) = T_a(8) + T_a(10);
    } while (T_a(11) == 0 && T_a(12) == 0);
    return T_a(1);
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
    auto& T_sa = g.T_sa;

    kelvane::start_problem(g);
    put(g, x0, y0 + 50, 3, "　");
    g.XI2 = x0 + 40;
    for (int i = 1; i <= 6; ++i) lesson::cont_keeping_start(g, i, kAnchorDx[i], 0, T_sa(i));

    WAIT_ANY_KEY(g);
    arc(g, 1, 2, 1, 9);
    WAIT_ANY_KEY(g);
    product(g, x0, g.YI1 + 70, "=" + T_sa(7));
    WAIT_ANY_KEY(g);
    arc(g, 1, 3, 2, 7);
    WAIT_ANY_KEY(g);
    product(g, g.XI3, g.YI3, T_sa(8));
    WAIT_ANY_KEY(g);
    arc(g, 4, 5, 1, 9);
    WAIT_ANY_KEY(g);
    product(g, g.XI3, g.YI3, T_sa(9));
    WAIT_ANY_KEY(g);
    arc(g, 4, 6, 2, 7);
    WAIT_ANY_KEY(g);
    product(g, g.XI3, g.YI3, T_sa(10));
    WAIT_ANY_KEY(g);
    put(g, x0, g.YI3 + 60, 0, "=" + T_sa(7) + T_sa(9) + T_sa(8) + T_sa(10));
    WAIT_ANY_KEY(g);
    if (T_sa(11).empty() && g.T_a(12) > 0) lesson::through_a(g, T_sa(12), STRIP_LEADING_PLUS);
    put(g, x0, g.YI1 + 60, 5, "=" + T_sa(11) + T_sa(12));
}

}  // namespace

// Reads FMAESU; writes T(1..12), T$(1..80), F$(1..40), FMAESU; clobbers I, A$.
void make_example8_problem(Kelvane& g) {
    lesson::draw_unlike(g.FMAESU, [&] { return draw_numbers(g); });
    FORMAT_NUMBER_TABLES(g);
    auto& T_a = g.T_a;
    auto& T_sa = g.T_sa;
    T_sa(2) = "(" + term_text(T_a(2), "x", true);
    T_sa(3) = term_text(T_a(3), "y", false) + ")";
    T_sa(4) = term_text(T_a(4), "", false);
    T_sa(5) = "(" + term_text(T_a(5), "x", true);
    T_sa(6) = term_text(T_a(6), "y", false) + ")";
    T_sa(7) = term_text(T_a(7), "x", true);
    T_sa(8) = term_text(T_a(8), "y", false);
    T_sa(9) = term_text(T_a(9), "x", false);
    T_sa(10) = term_text(T_a(10), "y", false);
    T_sa(11) = term_text(T_a(11), "x", true);
    T_sa(12) = term_text(T_a(12), "y", false);
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
