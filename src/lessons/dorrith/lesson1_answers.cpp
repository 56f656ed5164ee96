// Lesson 1, steps ②, ③ and ④: the answer page of 問1, the powers examples
// with the rules of monomial multiplication, and the answer page of 問2.
#include "lessons/dorrith/lesson1.h"
#include "lessons/pages.h"
#include "lessons/panels.h"
#include "shell/shell.h"

namespace cw::dorrith1 {

using lesson::cont;
using lesson::put;

// Reads nothing; writes the screen, XI1, XI2, YI1; clobbers the pen.
void SHOW_ANSWERS_Q1(Program& g) {
    static const lesson::AnswerPage page;
    static const std::vector<lesson::PageRow> rows = {
        page.at(0, 36, 90, 3, "(1)"),
        page.cont(0, 0, " 5x*4y"),
        page.at(1, 108, 150, 5, "=20xy"),
        page.at(1, 36, 210, 3, "(2)"),
        page.cont(1, 0, " 3x*(-6y)"),
        page.at(2, 108, 270, 5, "=-18xy"),
        page.at(2, 36, 330, 3, "(3)"),
        page.cont(2, 0, " (-3n)*(-2m)"),
        page.at(3, 108, 390, 5, "=6mn"),
        page.at(3, 36, 450, 3, "(4)"),
        page.cont(3, 0, " (-2ab)*4c"),
        page.at(4, 108, 510, 5, "=-8abc"),
        page.at(4, 612, 110, 3, "(5)"),
        page.cont(4, 0, " ﾀ1/3ﾀy*6x"),
        page.at(4, 684, 190, 0, "=ﾀ1/3ﾀ*6*x*y"),
        page.at(5, 684, 250, 5, "=2xy"),
        page.at(5, 612, 330, 3, "(6)"),
        page.cont(5, 0, " 7y*(-ﾀx/14ﾀ)"),
        page.at(5, 684, 410, 0, "=7*(-ﾀ1/14ﾀ)*y*x"),
        page.at(6, 684, 470, 5, "=-ﾀ1/2ﾀxy"),
    };
    page.play(g, "問1 解答", rows);
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
    static const lesson::AnswerPage page{.next_dy = 60, .column_xi1 = 684};
    static const std::vector<lesson::PageRow> rows = {
        page.first_problem(0, 3, "(1)"),
        page.cont(0, 0, " 5a*(-a^2)"),
        page.working(1, 0, "=5*(-1)*a*a*a"),
        page.working(1, 5, "=-5a^3"),
        page.next_problem(1, 3, "(2)"),
        page.cont(1, 0, " ab*4ab^2"),
        page.working(2, 0, "=4*a*b*a*b*b"),
        page.working(2, 5, "=4a^2b^3"),
        page.next_problem(2, 3, "(3)"),
        page.cont(2, 0, " x^2*x^3"),
        page.working(3, 0, "=(x*x)*(x*x*x)"),
        page.working(3, 5, "=x^5"),
        page.next_column(3),
        page.first_problem(3, 3, "(4)"),
        page.cont(3, 0, " (-2x)^2"),
        page.working(4, 0, "=(-2x)*(-2x)"),
        page.working(4, 5, "=4x^2"),
        page.next_problem(4, 3, "(5)"),
        page.cont(4, 0, " (-a)^3*2b"),
        page.working(5, 0, "=(-a)*(-a)*(-a)*2b"),
        page.working(5, 5, "=-2a^3b"),
    };
    page.play(g, "問2 解答", rows);
}

}  // namespace cw::dorrith1
