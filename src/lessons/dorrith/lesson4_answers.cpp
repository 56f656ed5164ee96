// Lesson 4, step ④: the answers to the textbook's questions 5 and 6.  The
// 問5 page in three columns, one stage per key, items (1) and (2) with their
// struck factors; then the 問6 page, drawn whole.
#include "lessons/dorrith/lesson4.h"
#include "lessons/strokes.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::dorrith4 {

using lesson::column;
using lesson::indent;
using lesson::pen;
using lesson::text;

namespace {

// The struck factors of items (1) and (2), over the fraction just drawn: two in the numerator (its first
// factor and the one `d` further), two in the denominator (its first and second factors), each with a "1".
void strike_item(Program& g, float d) {
    const lesson::FractionAnchors f = lesson::fraction_anchors(g);
    g.X_a(0) = f.xt;
    g.X_a(1) = g.X_a(0) + f.tbsi1;
    g.X_a(2) = g.X_a(1) + d;
    g.X_a(11) = g.X_a(0) + f.tbbo1;
    g.X_a(12) = g.X_a(11) + 70;
    for (int k : {1, 2}) g.Y_a(k) = f.bsen - 36;
    for (int k : {11, 12}) g.Y_a(k) = f.bsen + 4;
    const int points[] = {1, 2, 11, 12};
    for (int k : points) lesson::strike_factor(g, k);
    for (int k : points) {
        if (k < 10)
            lesson::value_above(g, k, "1");
        else
            lesson::value_below(g, k, "1");
    }
}

// Stages are counted from each table's start; the page's stage 1 is drawn on entry.
const std::vector<lesson::PageRow> kItem1 = {
    text(0, indent(0), 3, "問5 解答"),
    text(0, indent(60, -72), 3, "(1)"),
    text(0, pen(), 0, " a^2*b/ab"),
    text(1, indent(80), 0, "=ﾀa^2*b/abﾀ"),
    text(2, indent(120), 0, "="),
    text(2, pen(), 0, "ﾀa*a*b/a*bﾀ"),
};
const std::vector<lesson::PageRow> kItem2 = {
    text(0, indent(120), 5, "=a"),
    column(1, 432, 30),
    text(1, indent(60, -72), 3, "(2)"),
    text(1, pen(), 0, " b/ab*ab^2"),
    text(2, indent(80), 0, "=ﾀb*ab^2/abﾀ"),
    text(3, indent(120), 0, "="),
    text(3, pen(), 0, "ﾀb*a*b*b/a*bﾀ"),
};
const std::vector<lesson::PageRow> kItems3And4 = {
    text(0, indent(120), 5, "=b^2"),
    column(1, 864, 30),
    text(1, indent(0, -72), 3, "(3)"),
    text(1, pen(), 0, " a^2b/ab^2*3"),
    text(2, indent(80), 0, "=ﾀa^2b*3/ab^2ﾀ"),
    text(3, indent(80), 0, "=ﾀa*a*b*3/a*b*bﾀ"),
    text(3, indent(80), 5, "=ﾀ3a/bﾀ"),
    text(4, indent(80, -72), 3, "(4)"),
    text(4, pen(), 0, " 8x^3/(-4x)/x"),
    text(5, indent(80), 0, "=-ﾀ8x^3/4x*xﾀ"),
    text(6, indent(80), 0, "=-ﾀ8*x*x*x/4*x*xﾀ"),
    text(6, indent(60), 5, "=-2x"),
};
const std::vector<lesson::PageRow> kQuestion6 = {
    text(0, indent(0), 3, "問6 解答"),
    text(0, indent(60), 5, "2a^2*3bを先に計算して、"),
    text(0, indent(60), 5, "6a^2bでわっている。"),
    text(0, indent(80), 0, " 6a^3b/2a^2*3b"),
    text(0, indent(80), 0, "=ﾀ6a^3b*3b/2a^2ﾀ"),
    text(0, indent(80), 0, "=ﾀ6*a*a*a*b*3*b/2*a*aﾀ"),
    text(0, indent(80, 144), 5, "=9ab^2"),
};

}  // namespace

// Reads nothing; writes the screen (width 5), XI1, XI2, YI1, X(0..2), X(11..12), Y(1..2), Y(11..12); clobbers
// what the typesetter and WAIT_ANY_KEY clobber.  Twelve key waits.
void SHOW_ANSWERS_Q5_Q6(Program& g) {
    lesson::clear_screen(g);
    g.pf.SETDRAWWIDTH(5);
    g.XI1 = 108;
    g.YI1 = 30;
    lesson::play_rows(g, kItem1);
    strike_item(g, 140);  // to the numerator's b: two letters and two × on
    lesson::play_rows(g, kItem2);
    strike_item(g, 70);  // to the numerator's a: one letter and one × on
    lesson::play_rows(g, kItems3And4);
    WAIT_ANY_KEY(g);

    lesson::clear_screen(g);
    g.XI1 = 108;
    g.YI1 = 30;
    lesson::play_rows(g, kQuestion6);
}

}  // namespace cw::dorrith4
