// Lesson 4, steps ⑤ and ⑦: the answer pages of questions 8 and 9.
#include "lessons/kelvane/lesson4.h"
#include "lessons/pages.h"

namespace cw::kelvane4 {

using lesson::Fragment;
using lesson::Place;

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y; clobbers what the typesetter and WAIT_ANY_KEY clobber.
void SHOW_ANSWERS_QUESTION_8(Program& g) {
    const Place label = Place::NextProblem, problem = Place::Continue, answer = Place::Working;
    static const char* const left[][3] = {
        {"(1)", " 5(x+3y)", "=5x+15y"},
        {"(2)", " 4(3x-y+2)", "=12x-4y+8"},
        {"(3)", " -7(-2x+3y)", "=14x-21y"},
        {"(4)", " -3(2a-4b-3)", "=-6a+12b+9"},
    };
    std::vector<Fragment> page;
    int stage = 0;
    for (auto& ex : left) {
        ++stage;
        page.push_back({stage, label, 3, ex[0]});
        page.push_back({stage, problem, 0, ex[1]});
        page.push_back({stage, answer, 5, ex[2]});
    }
    page.push_back({5, Place::Column, 0, ""});
    page.push_back({5, label, 3, "(5)"});
    page.push_back({5, problem, 0, " 6(ﾀa/3ﾀ-ﾀb/2ﾀ)"});
    page.push_back({5, Place::At, 0, "=6*ﾀa/3ﾀ-6*ﾀb/2ﾀ", 648, 170});
    page.push_back({5, answer, 5, "=2a-3b"});
    page.push_back({6, label, 3, "(6)"});
    page.push_back({6, problem, 0, " (-4x-6y+10)*(-ﾀ1/2ﾀ)"});
    page.push_back({6, Place::At, 0, "=-4x*(-ﾀ1/2ﾀ)-6y*(-ﾀ1/2ﾀ)+10*(-ﾀ1/2ﾀ)", 504, 370});
    page.push_back({6, answer, 5, "=2x+3y-5"});
    lesson::play_page(g, "問8 解答", page, {108, 30, -72, 60, 60, 60, 648});
}

// Reads nothing; writes XI1, XI2, YI1, CCC1, X, Y; clobbers what the typesetter and WAIT_ANY_KEY clobber.
void SHOW_ANSWERS_QUESTION_9(Program& g) {
    lesson::play_page(g, "問9 解答",
                      {
                          {1, Place::At, 0, " (12x-20y)/4", 36, 90},
                          {1, Place::At, 0, "=(12x-20y)*ﾀ1/4ﾀ", 36, 170},
                          {1, Place::At, 0, "=12x*ﾀ1/4ﾀ-20y*ﾀ1/4ﾀ", 36, 260},
                          {1, Place::At, 5, "=3x-5y", 36, 320},
                          {2, Place::Column, 0, ""},
                          {2, Place::FirstProblem, 3, "(2)"},
                          {2, Place::Continue, 0, " (15x^2-5x+30)/(-5)"},
                          {2, Place::At, 0, "=(15x^2-5x+30)*(-ﾀ1/5ﾀ)", 504, 170},
                          {2, Place::At, 0, "=15x^2*(-ﾀ1/5ﾀ)-5x*(-ﾀ1/5ﾀ)+30*(-ﾀ1/5ﾀ)", 504, 250},
                          {2, Place::At, 5, "=-3x^2+x-6", 504, 310},
                      },
                      {36, 30, -72, 60, 80, 60, 504});
}

}  // namespace cw::kelvane4
