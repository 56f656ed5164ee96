// Kelvane lesson 2, step ②: collecting like terms, with the random review
// drill and the 課3 drill on fixed expressions.
#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/kelvane/lesson2.h"
#include "lessons/pages.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::kelvane2 {

using namespace cw::lesson;

void make_collect_problem(Program& g) {
    for (int i = 1; i <= 4; ++i) g.T_a(i) = rnd_int(g, 9, 2);
    if (g.T_a(1) == g.T_a(3)) g.T_a(1) = g.T_a(1) + 1;
    g.T_a(3) = -g.T_a(3);
    g.T_a(5) = g.T_a(1) + g.T_a(3);
    g.T_a(6) = g.T_a(2) + g.T_a(4);

    FORMAT_NUMBER_TABLES(g);
    add_plus_signs(g.T_a, g.T_sa, 2, 6);
    if (g.T_a(5) > 0) g.T_sa(5) = MID_s(g.T_sa(5), 2);
    unit_coefficients(g.T_a, g.T_sa, 1, 5);

    load_texts(g.X_sa, 2, {"x", "y", "a", "b"});
    g.P = rnd_int(g, 4, 2);
    g.X_sa(1) = g.X_sa(g.P);
    g.X_sa(2) = g.X_sa(1);
}

// Reads U(1..2), V(1..2); writes T(1..6), T$(), F$(), X$(1..5), P (five RND draws a problem), AINP, XI0,
// XI1, XI2, YI1; clobbers I, A$, CCC1, X, Y, AA$ and what WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void DRILL_COLLECT_LIKE_TERMS(Program& g) {
    drill(g, [&] {
        make_collect_problem(g);
        auto& T_sa = g.T_sa;
        auto& X_sa = g.X_sa;
        set_cursor(g, g.U_a(1), g.U_a(1) + 60, g.V_a(1));
        erase(g, g.U_a(1), g.V_a(1), g.U_a(2), g.V_a(2));
        put(g, g.XI1 + 27, g.YI1, 0, T_sa(1) + X_sa(1) + T_sa(2) + T_sa(3) + X_sa(1) + T_sa(4));
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 55, 0, "=" + T_sa(1) + X_sa(1) + T_sa(3) + X_sa(1) + T_sa(2) + T_sa(4));
        WAIT_ANY_KEY(g);
        below(g, g.XI1, 55, 5, "=" + T_sa(5) + X_sa(2) + T_sa(6));
    });
}

const std::vector<std::string> kTask3 = {
    "6a-2b+3b-4a", "x^2+3x+1-4x+2x^2", "4a+5b-6c+7a-8c", "x^2-4x+2+3x",    "4x-7y+x+5y",
    "-3x^2+5x-3x+x^2", "3x-7y-x+2y",   "y^2-3y-3y^2+2y", "xy+x-5xy-2x",    "-a^2+3a-4a+5a^2",
    "6a-4a-2b+3b", "x^2+2x^2+3x-4x+1", "4a+7a+5b-6c-8c", "x^2-4x+3x+2",    "4x+x-7y+5y",
    "-3x^2+x^2+5x-3x", "3x-x-7y+2y",   "y^2-3y^2-3y+2y", "xy-5xy+x-2x",    "-a^2+5a^2+3a-4a",
    "2a+b",        "3x^2-x+1",         "11a+5b-14c",     "x^2-x+2",        "5x-2y",
    "-2x^2+2x",    "2x-5y",            "-2y^2-y",        "-4xy-x",         "4a^2-a"};

// Reads U(1..2), V(1..2); writes NO, T$(1..30), AINP, XI0, XI1, XI2, YI1; clobbers what table_drill clobbers.
void DRILL_SIMPLIFY_EXPRESSIONS(Program& g) {
    g.NO = 0;
    table_drill(g, {.tables = {{1, kTask3}},
                    .order = Order::Cycle,
                    .count = 10,
                    .cursor = {{g.U_a(1), g.U_a(1) + 60, g.V_a(1)}},
                    .panel = {g.U_a(1), g.V_a(1), g.U_a(2), g.V_a(2)},
                    .rows_of_problem = [&]() -> std::vector<PageRow> {
                        return {text(0, margin(0), 3, "課3　同類項をまとめて、簡単にしなさい。", Keep::YOnly),
                                text(0, indent(55, 40), 0, g.T_sa(g.NO)),
                                text(1, indent(55), 0, "=" + g.T_sa(g.NO + 10)),
                                text(2, indent(55), 5, "=" + g.T_sa(g.NO + 20), Keep::None)};
                    }});
}

// Reads nothing; writes AINP, U(1..2), V(1..2), NO, T(1..6), T$(), F$(), X$(1..5), P, XI0, XI1, XI2, YI1;
// clobbers CCC1, X, Y, AA$ and what the drills and WAIT_ANY_KEY clobber.
void TEACH_COLLECTING_LIKE_TERMS(Program& g) {
    erase_by(g, 0, 0, 1320, 1300);
    g.XI0 = 40;
    g.YI1 = 30;
    put(g, g.XI0, g.YI1, 7, "復習　次の計算をしなさい。");
    g.AINP = 3;
    g.U_a(1) = 40;
    g.V_a(1) = g.YI1 + 50;
    g.U_a(2) = g.XI2 + 40;
    g.V_a(2) = g.V_a(1) + 180;

    DRILL_COLLECT_LIKE_TERMS(g);

    auto& T_sa = g.T_sa;
    auto& X_sa = g.X_sa;
    below(g, g.XI0, 80, 5, "同類項は1つの項にまとめる");
    below(g, g.XI1, 50, 0, T_sa(1) + X_sa(1) + T_sa(3) + X_sa(1) + "=");
    cont(g, 3, T_sa(5) + X_sa(2));
    WAIT_ANY_KEY(g);

    g.U_a(1) = g.U_a(2);
    g.V_a(1) = 30;
    g.U_a(2) = g.U_a(1) + 680;
    g.V_a(2) = g.V_a(1) + 240;
    DRILL_SIMPLIFY_EXPRESSIONS(g);
    WAIT_ANY_KEY(g);

    g.V_a(1) = g.YI1 + 120;
    g.U_a(2) = g.U_a(1) + 680;
    g.V_a(2) = g.V_a(1) + 240;
    DRILL_SIMPLIFY_EXPRESSIONS(g);
    WAIT_ANY_KEY(g);

    assignment(g, 44, 570, 0, "13", "4");
}

}  // namespace cw::kelvane2
