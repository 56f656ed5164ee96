// Lesson 3, steps ② and ⑤: adding and subtracting polynomials written in
// columns, like terms one under the other.
#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/kelvane/lesson3.h"
#include "lessons/kelvane/lesson3_common.h"
#include "lessons/panels.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::kelvane3 {

using lesson::Reach;
using lesson::Keep;
using lesson::put;

namespace {

// Coefficient 1 shows "+" alone, -1 "-" alone, 0 nothing; other positive
// coefficients get their "+".  The letter comes later.
void letter_term_signs(Program& g) {
    for (g.II = 1; g.II <= 6; g.II += 1) {
        float v = g.T_a(g.II);
        if (v == 0)
            g.T_sa(g.II) = "";
        else if (v == 1)
            g.T_sa(g.II) = "+";
        else if (v == -1)
            g.T_sa(g.II) = "-";
        else if (v > 1)
            g.T_sa(g.II) = "+" + g.T_sa(g.II);
    }
}

// Letters, constant signs, leading terms and right alignment of the nine texts
// of a column problem; slots 1, 3 and 5 open their rows.
void column_texts(Program& g) {
    for (g.II = 1; g.II <= 6; g.II += 1)
        if (g.T_a(g.II) != 0) g.T_sa(g.II) = g.T_sa(g.II) + CHR_s(98 - MOD(g.II, 2));
    for (int i = 1; i <= 3; ++i)
        if (g.F_a(i) > 0) g.F_sa(i) = "+" + g.F_sa(i);
    for (int i : {1, 3, 5}) lesson::through_a(g, g.T_sa(i), STRIP_LEADING_PLUS);
    if (g.F_a(3) == 0) g.F_sa(3) = "";
    for (int i = 1; i <= 6; ++i) g.T_sa(i) = lesson::rjust(g.T_sa(i), 4);
    for (int i = 1; i <= 3; ++i) g.F_sa(i) = lesson::rjust(g.F_sa(i), 3);
}

// Two random rows of a column problem: T(1..4) then F(1), F(2), each a
// magnitude 1..9 followed by its sign draw.
void draw_column_rows(Program& g) {
    for (g.II = 1; g.II <= 4; g.II += 1) g.T_a(g.II) = lesson::signed_draw(g, {9, 1}, lesson::kCoin12);
    for (int i = 1; i <= 2; ++i) g.F_a(i) = lesson::signed_draw(g, {9, 1}, lesson::kCoin12);
}

// The problem of a column drill: panel erased, heading, both rows with the
// operator before the lower one, and the rule.
void draw_column_problem(Program& g, const Reach& keep, float heading_colour, Keep heading_keep,
                         const std::string& op) {
    lesson::set_cursor(g, g.XKARA, g.XKARA, g.UE);
    lesson::erase_panel(g, keep);
    detail::column_grid(g);
    auto& X_a = g.X_a;
    auto& Y_a = g.Y_a;
    put(g, X_a(31), Y_a(31), heading_colour, "問　次の計算をしなさい。", heading_keep);
    put(g, X_a(32), Y_a(32), 0, g.T_sa(1), Keep::Indent);
    put(g, X_a(33), g.YI1, 0, g.T_sa(2), Keep::Indent);
    put(g, X_a(34), g.YI1, 0, g.F_sa(1), Keep::Indent);
    put(g, X_a(31), Y_a(33), 0, op, Keep::Indent);
    put(g, X_a(32), g.YI1, 0, g.T_sa(3), Keep::Indent);
    put(g, X_a(33), g.YI1, 0, g.T_sa(4), Keep::Indent);
    put(g, X_a(34), g.YI1, 0, g.F_sa(2), Keep::Indent);
    g.pf.LINE(X_a(31), Y_a(34) + 15, X_a(31) + 480, Y_a(34) + 15, 0);
}

}  // namespace

// ---------------------------------------------------------------------------
// Adding in columns

void make_column_addition_problem(Program& g) {
    draw_column_rows(g);
    g.T_a(5) = g.T_a(1) + g.T_a(3);
    g.T_a(6) = g.T_a(2) + g.T_a(4);
    g.F_a(3) = g.F_a(1) + g.F_a(2);
    FORMAT_NUMBER_TABLES(g);
    letter_term_signs(g);
    column_texts(g);
}

namespace {

void drill_column_addition(Program& g, const Reach& keep) {
    g.NO = 0;
    lesson::drill(g, [&] {
        make_column_addition_problem(g);
        draw_column_problem(g, keep, 0, Keep::None, "+)");
        detail::reveal_column_answer(g);
    });
}

}  // namespace

// Reads the panel (XKARA..YMADE) and UE; writes NO = 0, AINP, X(31..34), Y(31..35), the layout cursor and what
// make_column_addition_problem writes; clobbers CCC1, X, Y, AA$ and what WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void DRILL_COLUMN_ADDITION(Program& g) { drill_column_addition(g, Reach{}); }

// Reads nothing; writes HIDARI, MIGI, UE, SITA, the panel, the layout cursor, the draw width 5 and what
// DRILL_COLUMN_ADDITION writes; clobbers what the drill, the method text, WAIT_ANY_KEY and the assignment line
// clobber.
void TEACH_COLUMN_ADDITION(Program& g) {
    lesson::two_panel_step(g, {.width5 = true}, drill_column_addition,
                           {{60, 3, "   <縦書きの加法>"},
                            {60, 0, "①　同類項が上下にそろうように"},
                            {60, 0, " 　並べて書く。"},
                            {60, 0, "②　それぞれの項を縦にたす。"}},
                           [&] {
                               WAIT_ANY_KEY(g);
                               lesson::assignment(g, 44, 570, 7, "14", "5");
                           });
}

// ---------------------------------------------------------------------------
// Subtracting in columns

void make_column_subtraction_numbers(Program& g) {
    draw_column_rows(g);
    g.T_a(5) = g.T_a(1) - g.T_a(3);
    g.T_a(6) = g.T_a(2) - g.T_a(4);
    g.F_a(3) = g.F_a(1) - g.F_a(2);
    FORMAT_NUMBER_TABLES(g);
    letter_term_signs(g);
}

void build_column_subtraction_texts(Program& g) {
    column_texts(g);
    g.X_sa(1) = g.T_a(3) < 0 ? "+" : "-";
    g.X_sa(2) = g.T_a(4) < 0 ? "+" : "-";
    g.X_sa(3) = g.F_a(2) < 0 ? "+" : "-";
}

namespace {

void show_column_subtraction(Program& g, const Reach& keep) {
    build_column_subtraction_texts(g);
    draw_column_problem(g, keep, 3, Keep::Indent, "-)");
    auto& X_a = g.X_a;
    auto& Y_a = g.Y_a;
    WAIT_ANY_KEY(g);
    put(g, X_a(31), Y_a(33) - 15, 3, "+", Keep::Indent);
    WAIT_ANY_KEY(g);
    put(g, X_a(32) + 22, Y_a(33) - 15, 3, g.X_sa(1), Keep::Indent);
    WAIT_ANY_KEY(g);
    put(g, X_a(33) + 22, Y_a(33) - 15, 3, g.X_sa(2), Keep::Indent);
    WAIT_ANY_KEY(g);
    put(g, X_a(34) + 22, Y_a(33) - 15, 3, g.X_sa(3), Keep::Indent);
    detail::reveal_column_answer(g);
}

void drill_column_subtraction(Program& g, const Reach& keep) {
    g.NO = 0;
    lesson::drill(g, [&] {
        make_column_subtraction_numbers(g);
        show_column_subtraction(g, keep);
    });
}

}  // namespace

// Reads the panel (XKARA..YMADE) and UE; writes NO = 0, AINP, X(31..34), Y(31..35), X$(1..3), the layout cursor and
// what make_column_subtraction_numbers and build_column_subtraction_texts write; clobbers CCC1, X, Y, AA$ and
// what WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void DRILL_COLUMN_SUBTRACTION(Program& g) { drill_column_subtraction(g, Reach{}); }

// Reads nothing; writes HIDARI, MIGI, UE, SITA, the panel, the layout cursor, the draw width 5 and what
// DRILL_COLUMN_SUBTRACTION writes; clobbers what the drill, the method text, WAIT_ANY_KEY and the assignment
// line clobber.
void TEACH_COLUMN_SUBTRACTION(Program& g) {
    lesson::two_panel_step(g, {.width5 = true}, drill_column_subtraction,
                           {{50, 7, "   <縦書きの減法>"},
                            {50, 0, "①　同類項が上下にそろうように"},
                            {50, 0, " 　並べて書く。"},
                            {50, 3, "②　+(加法)になおす。"},
                            {60, 3, "　項は、すべて符号を変える"},
                            {50, 0, "③　それぞれの項を縦にたす。"}},
                           [&] {
                               WAIT_ANY_KEY(g);
                               lesson::assignment(g, g.XI0, 570, 7, "14", "6");
                           });
}

}  // namespace cw::kelvane3
