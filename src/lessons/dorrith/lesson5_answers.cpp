// Lesson 5, step ④: the answers to 問7.  (1) is simplified and evaluated;
// (2) is written as a fraction, written out factor by factor and cancelled
// with the cancellation routines, then evaluated.
#include "exprstr/exprstr.h"
#include "lessons/dorrith/cancel.h"
#include "lessons/dorrith/lesson5.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::dorrith5 {

using lesson::cont;
using lesson::put;

namespace {

// The inputs of a strike routine: X$(1) = Y$(first) standing at (U(first), V(first)), X$(2) = Y$(second) at
// (U(second), V(second)).
void strike_inputs(Program& g, int first, int second) {
    g.X_sa(1) = g.Y_sa(first);
    g.X_sa(2) = g.Y_sa(second);
    g.X1 = g.U_a(first);
    g.Y1 = g.V_a(first);
    g.X2 = g.U_a(second);
    g.Y2 = g.V_a(second);
}

// The cancellation of 12ab²/2ab on the fraction just drawn: the numbers 12 and 2 struck with their
// reduced values (one stage), then, after a key, the letters of the denominator paired with the numerator's.
void cancel_written_out_fraction(Program& g) {
    g.U_a(1) = g.TBSIYAKX;
    g.V_a(1) = g.TBSIYAKY;
    g.U_a(3) = g.TBBOYAKX;
    g.V_a(3) = g.TBBOYAKY;
    g.ITI = 1;
    lesson::load_texts(g.Y_sa, 1, {"12", "*a*b*b", "2", "*a*b", "", ""});
    dorrith::LAYOUT_FACTOR_POSITIONS(g);

    g.DB = 2;
    g.DS = 12;
    FORMAT_REDUCED_FRACTION(g);
    g.U_a(11) = g.DS;
    g.V_a(11) = g.DB;
    if (g.YAK == 1 || g.YAK == 2) {
        strike_inputs(g, 1, 3);
        dorrith::STRIKE_NUMBERS_SHOW_REDUCED(g);
        WAIT_ANY_KEY(g);
    }

    strike_inputs(g, 4, 2);
    dorrith::STRIKE_COMMON_LETTERS(g);
}

}  // namespace

// Reads nothing; writes XI1 = 684, XI2, YI1, CCC1, X, Y, AA$, the line width 5, and the cancellation's inputs
// U(1..6), V(1..6), U(11..13), V(11), U$(11), V$(11), X$(1..2), Y$(1..6), X1, Y1, X2, Y2, ITI, DS, DB, YAK;
// clobbers what FORMAT_REDUCED_FRACTION and WAIT_ANY_KEY clobber.
void SHOW_ANSWERS_Q7(Program& g) {
    lesson::clear_screen(g);
    g.XI1 = 108;
    g.YI1 = 30;
    g.pf.SETDRAWWIDTH(5);

    // (1) 4(a+2b)+(a-5b) at a = -2, b = 1/3.
    put(g, 108, 30, 3, "問7 解答");
    put(g, 36, 90, 3, "(1)");
    cont(g, 0, " 4(a+2b)+(a-5b)");
    WAIT_ANY_KEY(g);
    put(g, 108, 150, 0, "=4a+8b+a-5b");
    put(g, 108, 210, 0, "=4a+a+8b-5b");
    put(g, 108, 270, 0, "=5a+3b");
    WAIT_ANY_KEY(g);
    put(g, 108, 340, 0, "a=-2,b=ﾀ1/3ﾀ　を代入して");
    put(g, 108, 420, 0, "=5*(-2)+3*ﾀ1/3ﾀ");
    WAIT_ANY_KEY(g);
    put(g, 108, 500, 0, "=-10+1");
    put(g, 108, 580, 5, "=-9");

    // (2) 12ab² ÷ 2ab at b = 1/3.
    g.XI1 = 684;
    g.YI1 = 30;
    put(g, 612, 90, 3, "(2)");
    cont(g, 0, " 12ab^2/2ab");
    WAIT_ANY_KEY(g);
    put(g, 684, 170, 0, "=ﾀ12ab^2/2abﾀ");
    put(g, 684, 250, 0, "=ﾀ12*a*b*b/2*a*bﾀ");
    WAIT_ANY_KEY(g);
    cancel_written_out_fraction(g);
    WAIT_ANY_KEY(g);
    put(g, 684, 360, 0, "=6b");
    WAIT_ANY_KEY(g);
    put(g, 684, 430, 0, "b=ﾀ1/3ﾀ　を代入して");
    put(g, 684, 510, 0, "=6*ﾀ1/3ﾀ");
    WAIT_ANY_KEY(g);
    cont(g, 5, "=2");
}

}  // namespace cw::dorrith5
