// Lesson 6, steps ② and ④: the notation question and the worked answers to
// textbook exercise 12 on two pages.
#include "lessons/kelvane/lesson6.h"
#include "lessons/pages.h"
#include "shell/shell.h"

namespace cw::kelvane6 {

using lesson::put;

// Reads nothing; writes XI = 16, YI = 18, XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.
void SHOW_NOTATION_QUESTION(Kelvane& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI = 16;
    g.YI = 18;
    g.XI1 = g.XI + 32;
    g.YI1 = g.YI + 9;
    put(g, g.XI1, g.YI1, 3, "問2　次の①、②の式は同じ意味ですか。");
    lesson::below(g, g.XI1, 105, 0, "① ﾀ1/2ﾀ(3x+2y)-ﾀ1/3ﾀ(2x-y)");
    lesson::below(g, g.XI1, 105, 0, "②　ﾀ3x+2y/2ﾀ-ﾀ2x-y/3ﾀ");
}

namespace {

// A problem of the page: its label and text with the first key's row, then
// four rows of working, the last the answer in colour 5.
struct Solution {
    const char* label;
    const char* problem;
    const char* rows[5];
};

const Solution kPage1[] = {
    {"(1)",
     " ﾀ2a+b/3ﾀ-ﾀa-2b/6ﾀ",
     {"=ﾀ2(2a+b)/6ﾀ-ﾀa-2b/6ﾀ", "=ﾀ2(2a+b)-(a-2b)/6ﾀ", "=ﾀ4a+2b-a+2b/6ﾀ", "=ﾀ4a-a+2b+2b/6ﾀ", "=ﾀ3a+4b/6ﾀ"}},
    {"(2)",
     " ﾀx+y/4ﾀ+ﾀx-3y/10ﾀ",
     {"=ﾀ5(x+y)/20ﾀ+ﾀ2(x-3y)/20ﾀ", "=ﾀ5(x+y)+2(x-3y)/20ﾀ", "=ﾀ5x+5y+2x-6y/20ﾀ", "=ﾀ5x+2x+5y-6y/20ﾀ",
      "=ﾀ7x-y/20ﾀ"}},
};
const Solution kPage2[] = {
    {"(3)",
     " ﾀ7x-4y/10ﾀ+ﾀx+2y/5ﾀ",
     {"=ﾀ7x-4y/10ﾀ+ﾀ2(x+2y)/10ﾀ", "=ﾀ7x-4y+2(x+2y)/10ﾀ", "=ﾀ7x-4y+2x+4y/10ﾀ", "=ﾀ7x+2x-4y+4y/10ﾀ",
      "=ﾀ9/10ﾀx"}},
    {"(4)",
     " x+y-ﾀx-6y/3ﾀ",
     {"=ﾀ3(x+y)/3ﾀ-ﾀx-6y/3ﾀ", "=ﾀ3(x+y)-(x-6y)/3ﾀ", "=ﾀ3x+3y-x+6y/3ﾀ", "=ﾀ3x-x+3y+6y/3ﾀ", "=ﾀ2x+9y/3ﾀ"}},
};

// One page of two columns: the left problem stands on entry, each row comes
// after its key, and the right problem comes with the left one's answer.
void play_page(Kelvane& g, const Solution (&solutions)[2]) {
    const lesson::AnswerPage page{.working_dy = 90, .column_xi1 = 684};
    std::vector<lesson::PageRow> rows;
    for (int col = 0; col < 2; ++col) {
        const int first = col * 5;
        if (col == 1) rows.push_back(page.next_column(first));
        rows.push_back(page.first_problem(first, 3, solutions[col].label));
        rows.push_back(page.cont(first, 0, solutions[col].problem));
        for (int r = 0; r < 5; ++r) rows.push_back(page.working(first + r + 1, r == 4 ? 5.0f : 0.0f, solutions[col].rows[r]));
    }
    page.play(g, "問12 解答", rows);
}

}  // namespace

// Reads nothing; writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q12(Kelvane& g) {
    play_page(g, kPage1);
    WAIT_ANY_KEY(g);
    play_page(g, kPage2);
}

}  // namespace cw::kelvane6
