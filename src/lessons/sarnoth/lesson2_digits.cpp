// Lesson 2, steps ④ and ⑤: a two-digit number plus, and minus, the number
// with its digits swapped; guessed from examples (the pupil's own among
// them), then explained with the digits x and y.
#include "lessons/sarnoth/lesson2.h"
#include "lessons/pages.h"
#include "lessons/sarnoth/cells.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth2 {

using namespace lesson;
using namespace sarnoth;

namespace {

// What the sum and the difference steps do differently.
struct DigitSwap {
    const char *heading, *question, *example1, *result1, *example2, *result2;
    const char* op;  // between the pupil's number and its reversal
    int result;      // T$() entry of the pupil's result
    const char *conjecture, *multiple, *explained, *statement, *then, *factor, *because;
    float border;
    std::vector<std::string> answers;
    bool wait_after_last;
    const char* closing;  // "" for none
};

const DigitSwap kSum = {
    "Q5 2けたの自然数と、その数の一の位の数字と十の位の数字を", "入れかえた数の和の性質を予想しよう。",
    "① 53+35=", "88", "② 72+27=", "99", "+", 5, "入れかえた数の和は", "11の倍数になる。",
    "Q5　2けたの自然数と、その数の一の位の数字と十の位の数字を", "入れかえた数の和は、11の倍数になる。",
    "と表されるから、それらの和は", "=11(", "は整数だから、11の倍数になる。", 7,
    {"10x+y", "10y+x", "(10x+y)+(10y+x)", "11x+11y", "x+y", "x+y"}, true, "入れかえた数の差を考えよう。",
};

const DigitSwap kDifference = {
    "Q6 2けたの自然数と、その数の一の位の数字と十の位の数字を", "入れかえた数の差の性質を予想しよう。",
    "① 53-35=", "18", "② 72-27=", "45", "-", 6, "入れかえた数の差は", "9の倍数になる。",
    "Q7　2けたの自然数と、その数の一の位の数字と十の位の数字を", "入れかえた数の差は、9の倍数になる。",
    "と表されるから、それらの差は", "=9(", "は整数だから、9の倍数になる。", 11,
    {"10x+y", "10y+x", "(10x+y)-(10y+x)", "9x-9y", "x-y", "x-y"}, false, "",
};

// Reads the typed numbers; writes F(1), T(), T$(), F(1..6) (the cell positions), V(1), AINP, XI0, XI1, XI2,
// YI1, the draw width (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$.
void investigate_digit_swap(Program& g, const DigitSwap& s) {
    investigate(g, {{s.heading, s.question}, s.example1, s.result1, s.example2, s.result2},
                [&] { ASK_TWO_DIGIT_NUMBER(g); }, [&] { return g.T_sa(1) + s.op + g.T_sa(2) + "="; },
                [&] { return g.T_sa(s.result); });
    play_rows(g, {
        text(0, margin(70), 7, "<予想>"),
        text(1, indent(50), 0, "2けたの自然数と、その数の一の位の数字と十の位の数字を"),
        text(1, indent(50), 0, s.conjecture),
        text(1, pen(), 3, s.multiple),
        text(2, indent(50), 7, "文字を使って説明しよう。"),
    });

    turn_page(g, 1760, 1800);
    set_up_page(g, 54);
    AnswerCells cells(g.T_a, g.F_a, s.border);
    play_fill_in(g, {
        text(0, margin(0), 0, s.explained),
        text(0, indent(50), 0, s.statement),
        text(0, indent(60), 7, "＜説明＞"),
        text(1, indent(60), 0, "2けたの自然数の十の位をx,一の位をyとすると、"),
        text(2, indent(60), 0, "2けたの自然数は "),
        cells.blank(2, pen(10), 180, "①"),
        text(2, indent(60), 0, "入れかえた数は　"),
        cells.blank(2, pen(10), 180, "②"),
        text(2, pen(10), 0, s.then),
        text(2, indent(60), 0, " "),
        cells.blank(2, pen(10), 468, "③"),
        text(2, indent(60), 0, "="),
        cells.blank(2, pen(10), 216, "④"),
        text(2, indent(60), 0, s.factor),
        cells.blank(2, pen(10), 108, "⑤"),
        text(2, pen(10), 0, ")"),
        text(2, indent(60), 0, ""),
        cells.blank(2, pen(10), 108, "⑥"),
        text(2, pen(10), 0, s.because),
    }, cells, s.answers, s.wait_after_last);
    if (*s.closing) put(g, 44, g.YI1 + 60, 3, s.closing);
}

}  // namespace

// Step ④, two screens.  Reads the typed numbers; writes F(1), T(), T$(), F(1..6), V(1), AINP, the cursor,
// the draw width (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$.  Ends with the closing line.
void INVESTIGATE_DIGIT_SWAP_SUM(Program& g) { investigate_digit_swap(g, kSum); }

// Step ⑤, as step ④ for the difference; ends as cell ⑥ is filled in, with no closing line.  Reads the typed
// numbers; writes F(1), T(), T$(), F(1..6), V(1), AINP, the cursor, the draw width (5); clobbers HABA, TATE,
// CCC1..3, A$, X, Y, AA$.
void INVESTIGATE_DIGIT_SWAP_DIFFERENCE(Program& g) { investigate_digit_swap(g, kDifference); }

}  // namespace cw::sarnoth2
