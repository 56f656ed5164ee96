// Lesson 2: the example numbers the pupil types, turned into the term table
// that the steps write out as sums and differences.
#include "exprstr/exprstr.h"
#include "lessons/sarnoth/examples.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"

namespace cw::sarnoth2 {

namespace {

// The smallest of a run of consecutive integers, asked again (silently, as every entry of the program) until
// it is whole and from `lowest` to 99999, so that the sum stays exact in single precision and the example row
// stays inside the layout's 1440 units.
void ask_smallest(Program& g, float lowest) {
    sarnoth::ask_whole_number(g, "最も小さい整数を入力して下さい。", lowest, 99999);
}

}  // namespace

// Reads the typed number, -99999 to 99999 ("-99999+(-99998)+(-99997)=-299994" fits); writes T(1..4), T$(),
// F$(), AINP, AINP$; clobbers AA$, X, Y, CCC1, I, A$.
void ASK_SMALLEST_OF_THREE(Program& g) {
    ask_smallest(g, -99999);
    g.T_a(1) = g.AINP;
    g.T_a(2) = g.T_a(1) + 1;
    g.T_a(3) = g.T_a(2) + 1;
    g.T_a(4) = 3 * g.T_a(2);
    FORMAT_NUMBER_TABLES(g);
    lesson::signed_terms(g.T_a, g.T_sa, 2, 3);
}

// Reads the typed number, -9999 to 99999 (from -10004 down the row of five,
// "-10004+(-10003)+(-10002)+(-10001)+(-10000)=-50010", runs past the right edge); writes T(1..6), T$(), F$(),
// II (6), AINP, AINP$; clobbers AA$, X, Y, CCC1, I, A$.
void ASK_SMALLEST_OF_FIVE(Program& g) {
    ask_smallest(g, -9999);
    g.T_a(1) = g.AINP;
    for (g.II = 2; g.II <= 5; g.II += 1) g.T_a(g.II) = g.T_a(g.II - 1) + 1;
    g.T_a(6) = 5 * g.T_a(3);
    FORMAT_NUMBER_TABLES(g);
    lesson::signed_terms(g.T_a, g.T_sa, 2, 5);
    g.II = 6;
}

// Reads the typed number; writes F(1), T(1..6), T$(), F$(), AINP, AINP$; clobbers AA$, X, Y, CCC1, I, A$.
void ASK_TWO_DIGIT_NUMBER(Program& g) {
    sarnoth::ask_whole_number(g, "2けたの自然数を入力して下さい。", 10, 99);
    g.F_a(1) = g.AINP;
    g.T_a(1) = g.F_a(1);
    g.T_a(3) = INT(g.F_a(1) / 10);
    g.T_a(4) = g.F_a(1) - 10 * g.T_a(3);
    g.T_a(2) = 10 * g.T_a(4) + g.T_a(3);
    g.T_a(5) = g.T_a(1) + g.T_a(2);
    g.T_a(6) = g.T_a(1) - g.T_a(2);
    FORMAT_NUMBER_TABLES(g);
}

}  // namespace cw::sarnoth2
