// Kelvane lesson 1, steps ③ (coefficient and degree) and ⑤ (naming a
// polynomial by its degree).
#include "lessons/draws.h"
#include "lessons/kelvane/lesson1.h"
#include "lessons/pages.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane1 {

using namespace cw::lesson;

// ---- step ③ ------------------------------------------------------------------

// Reads NO (the rows cycle on from it), U(1..2), V(1..2); writes NO, NO1 (one RND draw a problem),
// T$(1..6), T$(11..16), T$(21..26), AINP, XI0 = 40, XI1 = 94, XI2, YI1; clobbers what table_drill clobbers.
void DRILL_COEFFICIENT(Program& g) {
    table_drill(g, {.tables = {{1, {"a", "x^2", "b", "x", "a^2", "ab"}},
                               {11, {"", "3", "-4", "ﾀ1/2ﾀ", "-", "-ﾀ2/3ﾀ"}},
                               {21, {"1", "3", "-4", "ﾀ1/2ﾀ", "-1", "-ﾀ2/3ﾀ"}}},
                    .order = Order::Cycle,
                    .count = 6,
                    .before = [&] { g.NO1 = rnd_int(g, 6, 1); },
                    .cursor = {{40, 40 + 54, g.V_a(1)}},
                    .panel = {g.U_a(1), g.V_a(1), g.U_a(2), g.V_a(2)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, "問4　" + g.T_sa(g.NO1) + "の係数をいいなさい。", Keep::YOnly),
                                text(0, indent(70, 120), 0, g.T_sa(10 + g.NO) + g.T_sa(g.NO1)),
                                text(1, pen(64), 5, g.T_sa(20 + g.NO))};
                    }});
}

// Reads U(3), V(3); writes U(4) = 720, V(4) = V(3) + 200, NO, T$(1..9), T$(21..29), AINP, XI0 = 40,
// XI1 = 94, XI2, YI1; clobbers what table_drill clobbers.
void DRILL_MONOMIAL_DEGREE(Program& g) {
    g.U_a(4) = 720;
    g.V_a(4) = g.V_a(3) + 200;
    table_drill(g, {.tables = {{1, {"4x", "3x^2", "-2b", "5ab", "-2a^2", "7x^3y", "5ab", "-2abc", "7x^3y^2"}},
                               {21, {"1", "2", "1", "2", "2", "4", "2", "3", "5"}}},
                    .order = Order::Random,
                    .count = 9,
                    .cursor = {{40, 40 + 54, g.V_a(3)}},
                    .panel = {g.U_a(3), g.V_a(3), g.U_a(4), g.V_a(4)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, "問5　次の式の次数をいいなさい。", Keep::YOnly),
                                text(0, indent(60, 120), 0, g.T_sa(g.NO)),
                                text(1, pen(64), 5, g.T_sa(20 + g.NO))};
                    }});
}

// Reads U(2); writes U(1) = U(2), V(1) = 30, U(2) = U(1) + 720, V(2) = 230, NO, T$(1..9), T$(21..29), AINP,
// XI0, XI1, XI2, YI1; clobbers what table_drill clobbers.
void DRILL_POLYNOMIAL_DEGREE(Program& g) {
    g.U_a(1) = g.U_a(2);
    g.V_a(1) = 30;
    g.U_a(2) = g.U_a(1) + 720;
    g.V_a(2) = g.V_a(1) + 200;
    table_drill(g, {.tables = {{1,
                                {"3x^2-4x+6", "2x+5", "-7a+6", "-x^2+4y+3", "a-b+5", "-3x^2+x+2", "5x-2y",
                                 "-x^2y^3+y^2", "a^2b-ab+2a"}},
                               {21, {"2", "1", "1", "2", "1", "2", "1", "5", "3"}}},
                    .order = Order::Random,
                    .count = 9,
                    .cursor = {{g.U_a(1), g.U_a(1) + 54, g.V_a(1)}},
                    .panel = {g.U_a(1), g.V_a(1), g.U_a(2), g.V_a(2)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, "問6　次の式の次数をいいなさい。", Keep::YOnly),
                                text(0, indent(60, 40), 0, g.T_sa(g.NO)),
                                text(1, pen(40), 5, g.T_sa(20 + g.NO))};
                    }});
}

// Reads nothing; writes AINP, NO, NO1, U(1..4), V(1..4), T$(1..29), XI0, XI1, XI2, YI1; clobbers CCC1, X, Y,
// AA$ and what the drills and WAIT_ANY_KEY clobber.
void TEACH_COEFFICIENT_AND_DEGREE(Program& g) {
    g.AINP = 3;
    g.NO = 0;
    g.U_a(1) = 0;
    g.V_a(1) = 30;
    g.U_a(2) = 680;
    g.V_a(2) = g.V_a(1) + 200;
    erase_by(g, 0, 0, 1760, 1500);

    DRILL_COEFFICIENT(g);
    below(g, g.XI0, 60, 5, "係数");
    below(g, g.XI1, 50, 0, "数と文字の積のとき、その数のこと");
    g.U_a(3) = 0;
    g.V_a(3) = g.YI1 + 120;
    WAIT_ANY_KEY(g);

    DRILL_MONOMIAL_DEGREE(g);
    below(g, g.XI0, 60, 5, "単項式の次数");
    below(g, g.XI1, 50, 0, "かけあわされている文字の個数");
    WAIT_ANY_KEY(g);

    DRILL_POLYNOMIAL_DEGREE(g);
    below(g, g.XI0, 60, 5, "多項式の次数");
    below(g, g.XI1, 50, 0, "各項の次数で、最大の次数");
    WAIT_ANY_KEY(g);
    assignment(g, 40, 600, 7, "12", "2");
}

// ---- step ⑤ ------------------------------------------------------------------

// Reads U(1..2), V(1..2); writes NO, T$(1..9), T$(21..29), AINP, XI0, XI1, XI2, YI1; clobbers what
// table_drill clobbers.
void DRILL_DEGREE_NAME(Program& g) {
    table_drill(g, {.tables = {{1,
                                {"3x^2-4x+6", "2x+5", "-7a", "-abx^2+4by+3", "a-b^2y^3+5", "-3y^2", "5a^2b^2x^2-2y",
                                 "-x^3+y^2", "a^2b-ab+2a"}},
                               {21, {"2次式", "1次式", "1次式", "4次式", "5次式", "2次式", "6次式", "3次式", "3次式"}}},
                    .order = Order::Random,
                    .count = 9,
                    .cursor = {{g.U_a(1), g.U_a(1) + 54, g.V_a(1)}},
                    .panel = {g.U_a(1), g.V_a(1), g.U_a(2), g.V_a(2)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, "問7　次の式は何次式ですか。", Keep::YOnly),
                                text(0, indent(60, 40), 0, g.T_sa(g.NO)),
                                text(1, indent(50, 40), 5, g.T_sa(20 + g.NO))};
                    }});
}

// Reads nothing; writes AINP, U(1..2), V(1..2), NO, T$(1..29), XI0, XI1, XI2, YI1; clobbers CCC1, X, Y, AA$ and what
// DRILL_DEGREE_NAME and WAIT_ANY_KEY clobber.
void TEACH_DEGREE_NAME(Program& g) {
    erase_by(g, 0, 0, 1600, 1000);
    g.AINP = 3;
    g.U_a(1) = 40;
    g.V_a(1) = 30;
    g.U_a(2) = 680;
    g.V_a(2) = g.V_a(1) + 200 + 10;
    DRILL_DEGREE_NAME(g);
    below(g, g.XI0, 80, 5, "何次式");
    below(g, g.XI1, 50, 0, "次数が1なら1次式、2なら2次式");
    WAIT_ANY_KEY(g);
    assignment(g, 44, 570, 7, "13", "3");
}

}  // namespace cw::kelvane1
