// Kelvane lesson 1: its frame, step ① (terms) and the answer pages.
#include "lessons/kelvane/lesson1.h"

#include "lessons/pages.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane1 {

using namespace cw::lesson;

// Reads nothing; writes what SHOW_LESSON_GOAL and SHOW_LESSON1_MENU write; returns on item ⑦.
void START_LESSON1(Program& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON1_MENU(g);
}

// Reads nothing; writes XI1 = 44, XI2, YI1 = 355, CCC1 = 0; clobbers X, Y, AA$.
void SHOW_LESSON_GOAL(Program& g) {
    goal_screen(g, {"文字を使った式を、", "項の数やかけられている文字の個数に着目して調べよう。"});
}

// Reads AINP; writes SENTAKU (AINP is left as entered); clobbers what the steps clobber.
void SHOW_LESSON1_MENU(Program& g) {
    run_submenu(g, "①項　②問1　③次数　④問2　⑤次式　⑥問3　⑦終了",
                {TEACH_TERMS, SHOW_ANSWERS_Q1, TEACH_COEFFICIENT_AND_DEGREE, SHOW_ANSWERS_Q2, TEACH_DEGREE_NAME,
                 SHOW_ANSWERS_Q3});
}

// ---- step ① ------------------------------------------------------------------

namespace {

// 問１: five quantities, then their answers one per key.
void show_quantities(Program& g) {
    clear_screen(g);
    set_cursor(g, 40, 40 + 81, 30);
    g.U_a(1) = 0;
    g.V_a(1) = 30;
    put(g, g.XI0, g.YI1, 3, "問１　次の数量を表す式を書きなさい。");
    below(g, g.XI0, 60, 3, "(1)");
    cont(g, 0, "1個akgの小包３個の重さ");
    below(g, g.XI0, 50, 3, "(2)");
    cont(g, 0, "縦xcm,横ycmのはがきの面積");
    below(g, g.XI0, 50, 3, "(3)");
    cont(g, 0, "1辺がpcmの正方形の記念切手の面積");
    below(g, g.XI0, 50, 3, "(4)");
    cont(g, 0, "郵便料金c円を払うのに、500円出したときのおつり");
    below(g, g.XI0, 50, 3, "(5)");
    cont(g, 0, "10円切手a枚と2円切手b枚を買ったときの代金");
    WAIT_ANY_KEY(g);
    below(g, g.XI1, 80, 3, "  < 解答 > ");
    below(g, g.XI0, 70, 0, "(1)a*3=");
    g.U_a(2) = 1600;
    g.V_a(2) = g.YI1 - 10;
    WAIT_ANY_KEY(g);
    cont(g, 3, "3a(kg)");
    put(g, g.XI0 + 520, g.YI1, 0, "(2)x*y=");
    WAIT_ANY_KEY(g);
    cont(g, 3, "xy(cm^2)");
    below(g, g.XI0, 52, 0, "(3)p*p=");
    WAIT_ANY_KEY(g);
    cont(g, 3, "p^2(cm^2)");
    put(g, g.XI0 + 520, g.YI1, 0, "(4)");
    WAIT_ANY_KEY(g);
    cont(g, 3, "500-c(円)");
    below(g, g.XI0, 52, 0, "(5)10*a+2*b=");
    WAIT_ANY_KEY(g);
    cont(g, 3, "10a+2b(円)");
    WAIT_ANY_KEY(g);
}

// The definitions of 単項式 and 多項式, over the five answer lines.
void define_monomial_and_polynomial(Program& g) {
    set_cursor(g, 40, 40 + 54, 30);
    g.U_a(1) = 0;
    g.V_a(1) = 30;
    erase(g, g.U_a(1), g.V_a(1), g.U_a(2), g.V_a(2));
    put(g, g.XI1, g.YI1, 3, "   <単項式と多項式>");
    WAIT_ANY_KEY(g);
    below(g, g.XI0, 50, 5, "単項式");
    WAIT_ANY_KEY(g);
    below(g, g.XI0 + 40, 50, 0, "数や文字についての");
    below(g, g.XI0 + 40, 50, 0, "乗法だけでできている式");
    WAIT_ANY_KEY(g);
    below(g, g.XI1, 50, 0, "例…3a,xy,p^2,c,-5");
    WAIT_ANY_KEY(g);
    below(g, g.XI0, 50, 5, "多項式");
    WAIT_ANY_KEY(g);
    below(g, g.XI0 + 40, 50, 0, "単項式の和の形で表された式");
    WAIT_ANY_KEY(g);
    below(g, g.XI1, 50, 0, "例…500-c,10a+2b");
    g.U_a(3) = 0;
    g.V_a(3) = g.YI1 + 90;
    WAIT_ANY_KEY(g);
    erase_by(g, 0, g.YI1 + 50, 1600, 1000);
}

}  // namespace

// Reads XI0, XI1, V(3); writes U(4) = 1600, V(4) = V(3) + 200, NO, T$(1..20), AINP, XI2, YI1;
// clobbers what table_drill clobbers.  Erases U(3), V(3)-U(4), V(4) first and before each problem.
void DRILL_MONOMIAL_OR_POLYNOMIAL(Program& g) {
    g.U_a(4) = 1600;
    g.V_a(4) = g.V_a(3) + 200;
    erase(g, g.U_a(3), g.V_a(3), g.U_a(4), g.V_a(4));
    g.NO = 0;
    table_drill(g, {.tables = {{1,
                                {"4x-2a", "6x^2+3x", "8a^2b-5", "3x^2-4x+6", "4abc+16ab-8bc", "4x", "-6x^2", "-2x",
                                 "a", "-5", "多項式", "多項式", "多項式", "多項式", "多項式", "単項式", "単項式",
                                 "単項式", "単項式", "単項式"}}},
                    .order = Order::Random,
                    .count = 10,
                    .cursor = {{g.XI0, g.XI1, g.V_a(3)}},  // YI1 = V(3); margin and indent stay
                    .panel = {g.U_a(3), g.V_a(3), g.U_a(4), g.V_a(4)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, "問2　単項式、多項式のどちらですか。"),
                                text(0, indent(60, 80), 0, g.T_sa(g.NO)),
                                text(1, indent(60, 80), 5, g.T_sa(g.NO + 10))};
                    }});
}

// Reads nothing; writes U(1..2), V(1..2), NO, T$(1..30), AINP, XI0, XI1, XI2, YI1; clobbers what table_drill
// clobbers.
void DRILL_NAME_TERMS(Program& g) {
    g.NO = 0;
    g.U_a(1) = 680;
    g.V_a(1) = 30;
    g.U_a(2) = g.U_a(1) + 720;
    g.V_a(2) = g.V_a(1) + 250;
    table_drill(g, {.tables = {{1,
                                {"3a^2-2a+1", "5a-b-6", "8-4a+b", "-3a^2+2a-1", "-5a-b-6", "8-4a-b", "-3a^2-2a+1",
                                 "5a+b-6", "-8-4a+b", "-8-4a-b",
                                 "3a^2+(-2a)+1", "5a+(-b)+(-6)", "8+(-4a)+b", "-3a^2+2a+(-1)", "-5a+(-b)+(-6)",
                                 "8+(-4a)+(-b)", "-3a^2+(-2a)+1", "5a+b+(-6)", "-8+(-4a)+b", "-8+(-4a)+(-b)",
                                 "3a^2,-2a,1", "5a,-b,-6", "8,-4a,b", "-3a^2,2a,-1", "-5a,-b,-6", "8,-4a,-b",
                                 "-3a^2,-2a,1", "5a,b,-6", "-8,-4a,b", "-8,-4a,-b"}}},
                    .order = Order::Random,
                    .count = 10,
                    .cursor = {{g.U_a(1), g.U_a(1) + 54, g.V_a(1)}},
                    .panel = {g.U_a(1), g.V_a(1), g.U_a(2), g.V_a(2)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, "問3 次の多項式の項をいいなさい。"),
                                text(0, indent(60, 40), 0, g.T_sa(g.NO)),
                                text(1, indent(50), 0, "=" + g.T_sa(g.NO + 10)),
                                text(2, indent(50), 3, "項…"),
                                text(2, pen(10), 5, g.T_sa(g.NO + 20))};
                    }});
}

// Reads nothing; writes U(1..4), V(1..4), NO, T$(1..30), AINP, XI0, XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and
// what the drills and WAIT_ANY_KEY clobber.
void TEACH_TERMS(Program& g) {
    show_quantities(g);
    define_monomial_and_polynomial(g);
    DRILL_MONOMIAL_OR_POLYNOMIAL(g);
    DRILL_NAME_TERMS(g);
    below(g, g.XI0, 60, 5, "項");
    below(g, g.XI1, 50, 0, "多項式の１つ１つの単項式");
    WAIT_ANY_KEY(g);
    assignment(g, g.XI0 - 200, 570, 7, "12", "1");
}

// ---- answer pages -----------------------------------------------------------------

// Reads nothing; writes XI1 = 108, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q1(Program& g) {
    const lesson::AnswerPage page;
    page.play(g, "問1 解答",
              {page.first_problem(0, 0, "(1) 6x^2-7x+3"),
               page.cont(1, 0, "=6x^2+(-7x)+3 だから "),
               page.cont(2, 5, "6x^2,-7x,3"),
               page.next_problem(3, 0, "(2) 4a+3b"),
               page.cont(4, 0, " だから "),
               page.cont(4, 5, "4a,3b"),
               page.next_problem(5, 0, "(3) -2x+y-3"),
               page.cont(6, 0, "=(-2x)+y+(-3) だから "),
               page.cont(7, 5, "-2x,y,-3")});
}

// Reads nothing; writes XI1 = 108, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q2(Program& g) {
    const lesson::AnswerPage page;
    page.play(g, "問2 解答",
              {page.first_problem(0, 0, "(1) -3y^2"),
               page.cont(1, 0, " y*y だから "),
               page.cont(2, 5, "2"),
               page.next_problem(3, 0, "(2) ﾀ1/2ﾀx^2y^3"),
               page.cont(4, 0, " x*x*y*y*y だから "),
               page.cont(5, 5, "5")});
}

// Reads nothing; writes XI1 = 108, XI2, YI1; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY clobbers.
void SHOW_ANSWERS_Q3(Program& g) {
    const lesson::AnswerPage page;
    page.play(g, "問3 解答",
              {page.first_problem(1, 0, "(1) 2x^2-3x+5"),
               page.cont(2, 0, " 2x^2の次数は2 だから "),
               page.cont(3, 5, "2次式"),
               page.next_problem(4, 0, "(2) -4x+y"),
               page.cont(5, 0, " -4xもyも次数は1 だから "),
               page.cont(6, 5, "1次式"),
               page.next_problem(7, 0, "(3) a^2b-ab+2a"),
               page.cont(8, 0, " a^2bの次数は3 だから "),
               page.cont(9, 5, "3次式"),
               page.next_problem(10, 0, "(4) -s^2t^3+ﾀt^2/4ﾀ"),
               page.cont(11, 0, " -s^2t^3の次数は5 だから "),
               page.cont(12, 5, "5次式")});
}

}  // namespace cw::kelvane1
