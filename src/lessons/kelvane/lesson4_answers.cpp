// Lesson 4, steps ⑤ and ⑦: the answer pages of questions 8 and 9.
#include "lessons/kelvane/lesson4.h"
#include "lessons/pages.h"

namespace cw::kelvane4 {

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y; clobbers what the typesetter and WAIT_ANY_KEY clobber.
void SHOW_ANSWERS_QUESTION_8(Program& g) {
    static const char* const left[][3] = {
        {"(1)", " 5(x+3y)", "=5x+15y"},
        {"(2)", " 4(3x-y+2)", "=12x-4y+8"},
        {"(3)", " -7(-2x+3y)", "=14x-21y"},
        {"(4)", " -3(2a-4b-3)", "=-6a+12b+9"},
    };
    const lesson::AnswerPage page{.next_dy = 60, .column_xi1 = 648};
    std::vector<lesson::PageRow> rows;
    int stage = 0;
    for (auto& ex : left) {
        ++stage;
        rows.push_back(page.next_problem(stage, 3, ex[0]));
        rows.push_back(page.cont(stage, 0, ex[1]));
        rows.push_back(page.working(stage, 5, ex[2]));
    }
    rows.insert(rows.end(), {
                                page.next_column(5),
                                page.next_problem(5, 3, "(5)"),
                                page.cont(5, 0, " 6(ﾀa/3ﾀ-ﾀb/2ﾀ)"),
                                page.at(5, 648, 170, 0, "=6*ﾀa/3ﾀ-6*ﾀb/2ﾀ"),
                                page.working(5, 5, "=2a-3b"),
                                page.next_problem(6, 3, "(6)"),
                                page.cont(6, 0, " (-4x-6y+10)*(-ﾀ1/2ﾀ)"),
                                page.at(6, 504, 370, 0, "=-4x*(-ﾀ1/2ﾀ)-6y*(-ﾀ1/2ﾀ)+10*(-ﾀ1/2ﾀ)"),
                                page.working(6, 5, "=2x+3y-5"),
                            });
    page.play(g, "問8 解答", rows);
}

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y; clobbers what the typesetter and WAIT_ANY_KEY clobber.
void SHOW_ANSWERS_QUESTION_9(Program& g) {
    const lesson::AnswerPage page{.xi1 = 36, .column_xi1 = 504};
    page.play(g, "問9 解答",
              {
                  page.at(1, 36, 90, 0, " (12x-20y)/4"),
                  page.at(1, 36, 170, 0, "=(12x-20y)*ﾀ1/4ﾀ"),
                  page.at(1, 36, 260, 0, "=12x*ﾀ1/4ﾀ-20y*ﾀ1/4ﾀ"),
                  page.at(1, 36, 320, 5, "=3x-5y"),
                  page.next_column(2),
                  page.first_problem(2, 3, "(2)"),
                  page.cont(2, 0, " (15x^2-5x+30)/(-5)"),
                  page.at(2, 504, 170, 0, "=(15x^2-5x+30)*(-ﾀ1/5ﾀ)"),
                  page.at(2, 504, 250, 0, "=15x^2*(-ﾀ1/5ﾀ)-5x*(-ﾀ1/5ﾀ)+30*(-ﾀ1/5ﾀ)"),
                  page.at(2, 504, 310, 5, "=-3x^2+x-6"),
              });
}

}  // namespace cw::kelvane4
