// Lesson 3, step ①: 32 pupils on three- and two-seat benches, 3x+2y=32, and
// the table of its solutions filled one cell per key.
#include "exprstr/exprstr.h"
#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/answer_pages.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::sarnoth3 {

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

const std::vector<lesson::PageRow> kBenchRows = {
    text(0, screen(40, 30), 0, "クラスの32人が、3人がけの座席と2人がけの座席に空席がないように座る"),
    text(0, screen(40, 80), 0, "とき、3人がけの座席と2人がけの座席はそれぞれ何列必要ですか。"),
    text(1, screen(40, 130), 7, "① 3人がけの座席x列、2人がけの座席y列として、等式に表すと、"),
    text(2, screen(94, 180), 3, "3x"),
    text(3, pen(), 3, "+2y"),
    text(4, pen(), 3, "=32"),
    text(5, screen(40, 230), 7, "② 3人がけの座席が2列のとき、2人がけの座席は何列必要？"),
    text(6, screen(94, 280), 0, "3*2+2y=32"),
    text(7, pen(40), 0, "6+2y=32"),
    text(8, pen(40), 0, "2y=32-6"),
    text(9, pen(40), 0, "2y=26"),
    text(10, screen(94, 330), 0, "y=13"),
    text(11, pen(40), 5, "13列必要"),
    text(12, screen(40, 380), 7, "③ 3x+2y=32 の式を、y=　の式に変形すると、"),
    text(13, screen(94, 450), 0, "2y=32"),
    text(14, pen(), 0, "-3x"),
    text(15, pen(40), 0, "y="),
    text(16, pen(), 0, "ﾀ32/2ﾀ-ﾀ3x/2ﾀ"),
    text(17, pen(40), 3, "y=16-ﾀ3/2ﾀx"),
};

// A table cell 50 high with border colour 3 at (x, y).
void table_cell(Program& g, float x, float y, float w, const std::string& text, float text_colour, float fill) {
    lesson::draw_cell(g, x, y, w, 50, text, text_colour, 3, fill);
}

}  // namespace

// Reads nothing; writes XI0, XI1, XI2, YI1, U(1), V(1), X(0..12), Y(1..2), II, draw width 5; clobbers X, Y, CCC1..3, AA$, A$, HABA, TATE.
void SHOW_BENCH_SEATING_TABLE(Program& g) {
    lesson::erase_by(g, 0, 0, 1600, 1800);
    lesson::set_cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    lesson::play_rows(g, kBenchRows);
    g.U_a(1) = g.X + 20;
    g.V_a(1) = g.Y;

    WAIT_ANY_KEY(g);
    g.X_a(0) = g.XI0;
    g.X_a(1) = g.X_a(0) + 180;
    for (g.II = 2; g.II <= 12; g.II += 1) g.X_a(g.II) = g.X_a(g.II - 1) + 60;
    g.Y_a(1) = g.YI1 + 70;
    g.Y_a(2) = g.Y_a(1) + 50;
    table_cell(g, g.X_a(0), g.Y_a(1), 180, "3人がけx", 0, 13);
    for (g.II = 1; g.II <= 12; g.II += 1) table_cell(g, g.X_a(g.II), g.Y_a(1), 60, number_text(g.II - 1), 0, 13);
    table_cell(g, g.X_a(0), g.Y_a(2), 180, "2人がけy", 0, 11);
    for (g.II = 1; g.II <= 12; g.II += 1) table_cell(g, g.X_a(g.II), g.Y_a(2), 60, "", 0, 11);

    // x = II - 1: an odd x leaves y = 16 - 3x/2 without a whole value.
    for (g.II = 1; g.II <= 12; g.II += 1) {
        WAIT_ANY_KEY(g);
        const std::string y = M(g.II, 2) == 0 ? "*" : number_text(16 - 3 * (g.II - 1) / 2);
        table_cell(g, g.X_a(g.II), g.Y_a(2), 60, y, 5, 11);
    }

    WAIT_ANY_KEY(g);
    lesson::put(g, g.U_a(1), g.V_a(1), 5, "(yについて解く)");
}

}  // namespace cw::sarnoth3
