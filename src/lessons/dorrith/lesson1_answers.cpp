// Lesson 1, steps ②, ③ and ④: the answer page of 問1, the powers examples
// with the rules of monomial multiplication, and the answer page of 問2.
#include "lessons/dorrith/lesson1.h"
#include "lessons/pages.h"
#include "lessons/panels.h"
#include "shell/shell.h"

namespace cw::dorrith1 {

using lesson::cont;
using lesson::Fragment;
using lesson::Place;
using lesson::put;

// Reads nothing; writes the screen, XI1, XI2, YI1; clobbers the pen.
void SHOW_ANSWERS_Q1(Program& g) {
    static const std::vector<Fragment> page = {
        {0, Place::At, 3, "(1)", 36, 90},
        {0, Place::Continue, 0, " 5x*4y"},
        {1, Place::At, 5, "=20xy", 108, 150},
        {1, Place::At, 3, "(2)", 36, 210},
        {1, Place::Continue, 0, " 3x*(-6y)"},
        {2, Place::At, 5, "=-18xy", 108, 270},
        {2, Place::At, 3, "(3)", 36, 330},
        {2, Place::Continue, 0, " (-3n)*(-2m)"},
        {3, Place::At, 5, "=6mn", 108, 390},
        {3, Place::At, 3, "(4)", 36, 450},
        {3, Place::Continue, 0, " (-2ab)*4c"},
        {4, Place::At, 5, "=-8abc", 108, 510},
        {4, Place::At, 3, "(5)", 612, 110},
        {4, Place::Continue, 0, " ﾀ1/3ﾀy*6x"},
        {4, Place::At, 0, "=ﾀ1/3ﾀ*6*x*y", 684, 190},
        {5, Place::At, 5, "=2xy", 684, 250},
        {5, Place::At, 3, "(6)", 612, 330},
        {5, Place::Continue, 0, " 7y*(-ﾀx/14ﾀ)"},
        {5, Place::At, 0, "=7*(-ﾀ1/14ﾀ)*y*x", 684, 410},
        {6, Place::At, 5, "=-ﾀ1/2ﾀxy", 684, 470},
    };
    lesson::play_page(g, "問1 解答", page);
}

// Reads nothing; writes T$(1..28), NO, XI0, XI1, XI2, YI1, AINP and the screen; clobbers the pen.
void SHOW_POWER_EXAMPLES(Program& g) {
    g.NO = 0;
    lesson::drill(g, [&] {
        lesson::load_texts(g.T_sa, 1,
                           {"(5x)^2", "(-5y)^2", "(-7a)^2", "-(4x)^2", "-(-8a)^2", "ﾀ1/3ﾀx*(3x)^2", "(-a)^2*3a",
                            "(-3a)^2*4b"});
        lesson::load_texts(g.T_sa, 11,
                           {"5x*5x", "(-5y)*(-5y)", "(-7a)*(-7a)", "-(4x)*(4x)", "-(-8a)*(-8a)", "ﾀ1/3ﾀx*3x*3x",
                            "(-a)*(-a)*3a", "(-3a)*(-3a)*4b"});
        lesson::load_texts(g.T_sa, 21,
                           {"25x^2", "25y^2", "49a^2", "-16x^2", "-64a^2", "3x^3", "3a^3", "36a^2b"});
        lesson::next_row(g, 8);
        lesson::set_cursor(g, 40, 80, 30);
        lesson::erase_by(g, 0, 0, 1320, 1300);
        put(g, g.XI0, g.YI1, 3, "例2　次の計算をしなさい。");
        put(g, g.XI1 + 40, g.YI1 + 60, 0, g.T_sa(g.NO));
        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 100, 0, "=");
        cont(g, 0, g.T_sa(g.NO + 10));
        WAIT_ANY_KEY(g);
        put(g, g.XI1, g.YI1 + 100, 0, "=");
        cont(g, 5, g.T_sa(g.NO + 20));
    });
    WAIT_ANY_KEY(g);
    g.XI1 = 600;
    g.YI1 = 30;
    static const struct {
        float colour;
        const char* text;
    } rules[] = {{3, "<単項式の乗法>"},
                 {0, "① 係数の積に文字の積をかける"},
                 {0, "② 同じ文字の積は、指数を使って表す"},
                 {0, "③ 指数部分から計算する"}};
    for (auto& r : rules) lesson::below(g, g.XI1, 75, r.colour, r.text);
    lesson::assignment(g, 44, 570, 0, "17", "2");
}

// Reads nothing; writes the screen, XI1, XI2, YI1; clobbers the pen.
void SHOW_ANSWERS_Q2(Program& g) {
    static const std::vector<Fragment> page = {
        {0, Place::FirstProblem, 3, "(1)"},
        {0, Place::Continue, 0, " 5a*(-a^2)"},
        {1, Place::Working, 0, "=5*(-1)*a*a*a"},
        {1, Place::Working, 5, "=-5a^3"},
        {1, Place::NextProblem, 3, "(2)"},
        {1, Place::Continue, 0, " ab*4ab^2"},
        {2, Place::Working, 0, "=4*a*b*a*b*b"},
        {2, Place::Working, 5, "=4a^2b^3"},
        {2, Place::NextProblem, 3, "(3)"},
        {2, Place::Continue, 0, " x^2*x^3"},
        {3, Place::Working, 0, "=(x*x)*(x*x*x)"},
        {3, Place::Working, 5, "=x^5"},
        {3, Place::Column, 0, ""},
        {3, Place::FirstProblem, 3, "(4)"},
        {3, Place::Continue, 0, " (-2x)^2"},
        {4, Place::Working, 0, "=(-2x)*(-2x)"},
        {4, Place::Working, 5, "=4x^2"},
        {4, Place::NextProblem, 3, "(5)"},
        {4, Place::Continue, 0, " (-a)^3*2b"},
        {5, Place::Working, 0, "=(-a)*(-a)*(-a)*2b"},
        {5, Place::Working, 5, "=-2a^3b"},
    };
    lesson::PageLayout layout;
    layout.next_dy = 60;
    layout.column_xi1 = 684;
    lesson::play_page(g, "問2 解答", page, layout);
}

}  // namespace cw::dorrith1
