// Lesson 2, steps ⑥ to ⑩: the calendar investigations.  Numbers framed on a
// month calendar, the property of their sum, and its explanation with n.
// A row's first number is the key after which it is drawn.
#include "lessons/sarnoth/calendar.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/pages.h"
#include "lessons/sarnoth/cells.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth2 {

using namespace lesson;
using namespace sarnoth;

namespace {

// The calendar at (x, y), its tables filled first unless they already are.
void calendar_at(Program& g, float x, float y, bool fill_tables = true) {
    if (fill_tables) FILL_CALENDAR_TABLES(g);
    g.X_a(31) = x;
    g.Y_a(31) = y;
    DRAW_CALENDAR(g);
}

// The calendar's own frames and highlighted days, placed from its origin (x0, y0).
PageRow frame_at(int stage, float dx, float dy, float w, float h, float c) {
    return action(stage, [=](Program& g) { frame(g, g.X_a(31) + dx, g.Y_a(31) + dy, w, h, c); });
}
// The days 8, 14 and 20, running down to the left, drawn again with border 3 on fill 11.
PageRow diagonal_8_14_20(int stage) {
    return action(stage, [](Program& g) {
        highlight_day(g, 5, 2, 3, 11);
        highlight_day(g, 4, 3, 3, 11);
        highlight_day(g, 3, 4, 3, 11);
    });
}
// A label beside a group on the calendar; the cursor stays where it was.
PageRow calendar_label(int stage, float dx, float dy, float c, const char* s) {
    return action(stage, [=](Program& g) { put(g, g.X_a(31) + dx, g.Y_a(31) + dy, c, s, Keep::None); });
}

// The 2 x 2 squares of step ⑨: 135 x 100, from the corner given.
PageRow square_a(int stage) { return frame_at(stage, 0, 100, 135, 100, 3); }
PageRow square_b(int stage) { return frame_at(stage, 145, 100, 135, 100, 7); }
PageRow square_c(int stage) { return frame_at(stage, 285, 50, 135, 100, 5); }

}  // namespace

// Step ⑥.  Writes the calendar tables, X(31), Y(31), XI0, XI1, XI2, YI1, the draw width (5); clobbers HABA,
// TATE, CCC1..3, A$, X, Y, AA$, II.  10 keys.
void SHOW_CALENDAR_FRAMES(Program& g) {
    erase_by(g, 0, 0, 1600, 1800);
    FILL_CALENDAR_TABLES(g);
    set_cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    put(g, 40, 30, 3, "囲んだカレンダーの数の和の性質は？");
    calendar_at(g, 722, 70, false);
    play_rows(g, {
        frame_at(1, 0, 100, 210, 50, 3),
        calendar_label(1, 0, 50, 3, "①"),
        text(1, margin(60), 3, "①"),
        text(2, pen(), 0, "3の倍数"),
        text(3, pen(), 0, " (真ん中の数の3倍)"),
        frame_at(4, 420, 50, 70, 150, 7),
        calendar_label(4, 410, 0, 7, "②"),
        text(4, margin(60), 7, "②"),
        text(5, pen(), 0, "3の倍数"),
        text(6, pen(), 0, " (真ん中の数の3倍)"),
        diagonal_8_14_20(7),
        calendar_label(7, 250, 50, 3, "③"),
        text(7, margin(60), 3, "③"),
        text(8, pen(), 0, "3の倍数"),
        text(9, pen(), 0, " (真ん中の数の3倍)"),
        text(10, indent(80), 7, "②,③を文字を使って説明しよう。"),
    });
}

// Step ⑩.  Writes the calendar tables, X(31), Y(31), XI0, XI1, XI2, YI1, the draw width (5); clobbers HABA,
// TATE, CCC1..3, A$, X, Y, AA$, II.  No key.
void SHOW_CALENDAR_FREE(Program& g) {
    erase_by(g, 0, 0, 1600, 1800);
    calendar_at(g, 722, 70);
    set_cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    put(g, 40, 30, 3, "囲んだカレンダーの数の和の性質を見つけよう。");
}

namespace {

// Steps ⑦ and ⑧: the calendar 20 higher, the three days marked, the fact, and its proof with seven cells.
void explain_three_days(Program& g, const PageRow& mark, const std::vector<PageRow>& fact,
                        const std::vector<std::string>& answers) {
    erase_by(g, 0, 0, 1600, 1800);
    set_cursor(g, 40, 40, 30);
    g.pf.SETDRAWWIDTH(5);
    calendar_at(g, 722, 50);
    AnswerCells cells(g.U_a, g.V_a, 9);
    std::vector<PageRow> rows{mark};
    rows.insert(rows.end(), fact.begin(), fact.end());
    for (auto& r : std::vector<PageRow>{
             text(1, indent(60), 3, "＜説明＞"),
             text(1, indent(60), 0, "一番上の整数をnとすると、"),
             text(1, indent(60), 0, "3つの整数は、"),
             text(1, indent(60), 3, "n,"),
             cells.blank(1, pen(10), 90, "①"),
             text(1, pen(10), 3, ","),
             cells.blank(1, pen(10), 120, "②"),
             text(1, indent(60), 0, "と表される。したがって、それらの和は"),
             text(1, indent(60), 0, "n+"),
             cells.blank(1, pen(10), 150, "③"),
             text(1, pen(10), 0, "+"),
             cells.blank(1, pen(10), 165, "④"),
             text(1, pen(10), 0, "="),
             cells.blank(1, pen(10), 150, "⑤"),
             text(1, pen(10), 0, "="),
             cells.blank(1, pen(10), 165, "⑥"),
             cells.blank(1, indent(60), 90, "⑦"),
             text(1, pen(10), 0, "は整数だから、3の倍数になる。"),
         })
        rows.push_back(r);
    play_fill_in(g, rows, cells, answers, false);
}

}  // namespace

// Step ⑦.  Writes the calendar tables, X(31), Y(31), U(1..7), V(1..7), XI0, XI1, XI2, YI1, the draw width
// (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$, II.  8 keys.
void EXPLAIN_CALENDAR_VERTICAL(Program& g) {
    explain_three_days(g, frame_at(0, 420, 50, 70, 150, 7),
                       {text(0, margin(0), 0, "縦に3つ囲んだ数の和は、3の倍数になる。")},
                       {"n+7", "n+14", "(n+7)", "(n+14)", "3n+21", "3(n+7)", "n+7"});
}

// Step ⑧.  Reads and writes what step ⑦ does; the days 8, 14, 20 highlighted in place of a frame.
void EXPLAIN_CALENDAR_DIAGONAL(Program& g) {
    explain_three_days(g, diagonal_8_14_20(0),
                       {text(0, margin(0), 0, "左斜めに3つ囲んだ数の和は、"), text(0, margin(50), 0, "3の倍数になる。")},
                       {"n+6", "n+12", "(n+6)", "(n+12)", "3n+18", "3(n+6)", "n+6"});
}

// Step ⑨, two pages.  Writes the calendar tables, X(31), Y(31), U(1..9), V(1..9), XI0, XI1, XI2, YI1, the
// draw width (5); clobbers HABA, TATE, CCC1..3, A$, X, Y, AA$, II.  23 keys (13 + 10).
void TEST_CALENDAR_SQUARE(Program& g) {
    erase_by(g, 0, 0, 1600, 1800);
    calendar_at(g, 722, 70);  // in the width the previous step left
    set_cursor(g, 40, 94, 30);
    g.pf.SETDRAWWIDTH(5);
    play_rows(g, {
        text(0, margin(0), 0, "次の予想は正しいでしょうか？"),
        square_a(0),
        square_b(0),
        text(1, indent(60), 3, "4+5+11+12="),
        text(2, pen(), 3, "32"),
        text(3, indent(60), 7, "6+7+13+14="),
        text(4, pen(), 7, "40"),
        text(5, margin(60), 0, "<予想>"),
        text(5, indent(50), 0, "縦2つ、横2つの正方形で囲みました。"),
        text(5, indent(50), 0, "正方形で囲んだとき、"),
        text(6, indent(50), 0, "4つの数の和は、8の倍数になる。"),
        text(7, margin(60), 3, "正しくない。 "),
        square_c(8),
        text(8, pen(), 0, "1+2+8+9="),
        text(9, pen(), 3, "20  "),
        text(10, pen(), 7, "4の倍数になる。"),
        text(11, indent(80), 7, "このことを文字を使って説明しよう。"),
    });

    turn_page(g, 1760, 1800);
    set_up_page(g, 54);
    calendar_at(g, 722, 70, false);
    AnswerCells cells(g.U_a, g.V_a, 9);
    play_fill_in(g, {
        square_c(0),
        text(0, margin(0), 0, "正方形で囲んだ4つの数の和は4の倍数になる。"),
        text(0, margin(50), 0, "最も小さい整数をnとして説明しなさい。"),
        text(1, indent(60), 3, "＜説明＞"),
        text(1, indent(60), 0, "最も小さい整数をnとすると、"),
        text(1, indent(60), 0, "4つの整数は、"),
        text(1, indent(60), 3, "n,"),
        cells.blank(1, pen(10), 90, "①"),
        text(1, pen(10), 3, ","),
        cells.blank(1, pen(10), 90, "②"),
        text(1, pen(10), 3, ","),
        cells.blank(1, pen(10), 90, "③"),
        text(1, indent(60), 0, "と表されるから、それらの和は"),
        text(1, indent(60), 0, "n+"),
        cells.blank(1, pen(10), 150, "④"),
        text(1, pen(10), 0, "+"),
        cells.blank(1, pen(10), 150, "⑤"),
        text(1, pen(10), 0, "+"),
        cells.blank(1, pen(10), 150, "⑥"),
        text(1, pen(10), 0, "="),
        cells.blank(1, pen(10), 150, "⑦"),
        text(1, pen(10), 0, "="),
        cells.blank(1, pen(10), 180, "⑧"),
        cells.blank(1, indent(60), 90, "⑨"),
        text(1, pen(10), 0, "は整数だから、4の倍数になる。"),
    }, cells, {"n+1", "n+7", "n+8", "(n+1)", "(n+7)", "(n+8)", "4n+16", "4(n+4)", "n+4"}, false);
}

}  // namespace cw::sarnoth2
