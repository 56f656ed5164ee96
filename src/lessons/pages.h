// Fixed pages as data: rows of text revealed one stage per key, answer pages,
// page turns, the cells of answer-page headings, and drills over fixed tables.
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lessons/toolkit.h"
#include "state/program.h"

namespace cw::lesson {

// ---- rows of a page ----------------------------------------------------------------

// Where a row's pen x is taken from.
enum class From {
    Margin,   // XI0
    Indent,   // XI1
    Pen,      // XI2
    Operand,  // XI3 (left by a column sum)
    Screen,   // 0: (dx, dy) is absolute
    Point,    // a figure's point: X(point), Y(point), (dx, dy) in SIZE units
};
// A row's pen: X = base + dx; Y = YI1 + dy (From::Screen: X = dx, Y = dy; From::Point: X = X(point) + dx SIZE,
// Y = Y(point) + dy SIZE).
struct Pos {
    From from = From::Indent;
    float dx = 0, dy = 0;
    int point = 0;  // From::Point
};
inline Pos margin(float dy, float dx = 0) { return {From::Margin, dx, dy}; }
inline Pos indent(float dy, float dx = 0) { return {From::Indent, dx, dy}; }
inline Pos pen(float dx = 0, float dy = 0) { return {From::Pen, dx, dy}; }
inline Pos operand(float dy, float dx = 0) { return {From::Operand, dx, dy}; }
inline Pos screen(float x, float y) { return {From::Screen, x, y}; }
// Beside point k of a figure, (dx, dy) in the figure's SIZE units (read when the row plays).
inline Pos beside(int k, float dx, float dy) { return {From::Point, dx, dy, k}; }

// What a row does.
enum class Act {
    Text,       // draws text at pos in colour, then keeps the pen as `keep` says
    ColumnSum,  // DRAW_COLUMN_OPERATION at pos: rows text over lower, operator op, TAKASA 50, colours 0
    Column,     // draws nothing: moves the cursor to another column (see column())
    Call,       // runs `run` on the program: an erase, strokes, anything a page does between its texts
    NewPage,    // erases (0, 0) by (w, h) and starts the cursor at the top: YI1 = 30
};
struct PageRow {
    int stage = 0;  // keys before the row, counted from play_rows' entry: 0 drawn on entry, k after the k-th key
    Act act = Act::Text;
    Pos pos;                             // Text, ColumnSum; Call with at_pen
    float colour = 0;                    // Text
    std::string text;                    // Text; ColumnSum: the upper row
    Keep keep = Keep::Pen;               // Text
    int anchor = 0;                      // Text: > 0: xs(anchor), ys(anchor) take the pen after the text
    NumArray Program::*anchor_xs = &Program::X_a, Program::*anchor_ys = &Program::Y_a;  // Text: X(), Y()
    int start = 0;                       // Text: > 0: X(start) = the row's x + start_dx before the text
    float start_dx = 0;
    std::string lower, op;               // ColumnSum
    float xi0 = 0, xi1 = 0, yi1 = 0;     // Column
    bool set_xi0 = true;                 // Column: XI0 too
    float w = 0, h = 0;                  // NewPage: the area erased
    bool at_pen = false;                 // Call: X, Y = the row's place before `run`
    std::function<void(Program&)> run;   // Call
};
// A text row that keeps the pen: XI2 = X, YI1 = Y.
PageRow text(int stage, Pos at, float colour, const std::string& s, Keep keep = Keep::Pen);
// A text aside that does not move the cursor.
PageRow aside(int stage, Pos at, float colour, const std::string& s);
// A row of changed signs in colour 3, 25 above the line at XI1, over the lower row of a column sum; the
// cursor is not moved.
PageRow sign_row(int stage, const std::string& signs);
// A sum or difference in columns with the pen at `at`: CCC1 = 0, A1_s = upper, A2_s = lower, ENZAN_s = op,
// TAKASA = 50, CCC2 = 0, DRAW_COLUMN_OPERATION (which leaves XI3 at the operand column, YI1 at the lower row).
PageRow column_sum(int stage, Pos at, const std::string& upper, const std::string& lower, const std::string& op);
// Moves to another column: XI0 = xi0, XI1 = xi1, YI1 = yi1; draws nothing.
PageRow column(int stage, float xi0, float xi1, float yi1);
// The same without XI0: XI1 = xi1, YI1 = yi1.
PageRow column(int stage, float xi1, float yi1);
// Runs fn(g) at its stage (what it reads and writes is fn's).
PageRow action(int stage, std::function<void(Program&)> fn);
// The same with the pen at the row's place first: X, Y = `at`, then fn(g).
PageRow action_at(int stage, Pos at, std::function<void(Program&)> fn);

// The row r, whose pen after it is kept as answer anchor k in X(k), Y(k).
PageRow keeping_end(PageRow r, int k);
// The same kept in another pair of tables: xs(k), ys(k) (U(k), V(k) with &Program::U_a, &Program::V_a).
PageRow keeping_end_in(PageRow r, int k, NumArray Program::*xs, NumArray Program::*ys);
// The row r, which first keeps where it starts, dx into its text, as X(k) alone: X(k) = the row's x + dx
// (Y(k) untouched).
PageRow keeping_start_x(PageRow r, int k, float dx);
// A new page: erases (0, 0) by (w, h) in colour 15, then YI1 = 30.  A page turn is two keys, so the row
// after a page's last stage k stands at stage k + 2.
PageRow new_page(int stage, float w, float h);

// Plays rows in order, each after WAIT_ANY_KEYs until k keys were taken for a row of stage k (a stage
// that skips numbers waits once for each).  Ends after the last row, without a wait.  Writes the cursor and
// CCC1, X, Y, AA_s as each row says; clobbers what the typesetter and WAIT_ANY_KEY clobber.
void play_rows(Program& g, const std::vector<PageRow>& rows);

// ---- answer pages ------------------------------------------------------------------------

// An answer page and the builders of its rows: its heading in colour 3 at (xi1, yi1) on a cleared screen,
// then rows placed by the page's layout, each from the cursor the row before left.
struct AnswerPage {
    float xi1 = 108, yi1 = 30;  // heading position and first column
    float label_dx = -72, first_dy = 60, next_dy = 80, working_dy = 60;
    float column_xi1 = 640;     // XI1 of the second column

    // A problem that opens the page or a column: at (XI1 + label_dx, YI1 + first_dy).
    PageRow first_problem(int stage, float colour, const std::string& s) const;
    // A problem after another: at (XI1 + label_dx, YI1 + next_dy).
    PageRow next_problem(int stage, float colour, const std::string& s) const;
    // A line of working: at (XI1, YI1 + working_dy).
    PageRow working(int stage, float colour, const std::string& s) const;
    // The rest of the line: at (XI2, YI1).
    PageRow cont(int stage, float colour, const std::string& s) const;
    // The second column: XI1 = column_xi1, YI1 = yi1; draws nothing.
    PageRow next_column(int stage) const;
    // A fixed place: at (x, y).
    PageRow at(int stage, float x, float y, float colour, const std::string& s) const;
    // Plays the page: clears the screen, XI1 = xi1, YI1 = yi1, the heading, then the rows, each stage after its
    // key (play_rows; every text keeps the pen, XI2 = X, YI1 = Y).  Ends after the last row without a wait.
    void play(Program& g, const std::string& heading, const std::vector<PageRow>& rows) const;
};

// ---- page turns and answer-page headings ---------------------------------------------------

// Turns a page: two WAIT_ANY_KEYs, then erases (0, 0) by (w, h) and starts the cursor at the top, YI1 = 30.
void turn_page(Program& g, float w, float h);

// A drawn cell: DRAW_CELL at (x, y), HABA w, TATE h, `s` in colour `text`, border `border`, fill `fill`.  Leaves
// X = x + w, Y = y; writes X, Y, HABA, TATE, A_s, CCC1, CCC2, CCC3; clobbers what DRAW_CELL clobbers.
void draw_cell(Program& g, float x, float y, float w, float h, const std::string& s, float text, float border, float fill);
// The title cell of an answer page: DRAW_CELL at (x, y), HABA 396, TATE 44, the title in colour 13, border
// 5, fill 4.  Leaves X = x + 396, Y = y; writes X, Y, HABA, TATE, A_s, CCC1, CCC2, CCC3; clobbers what DRAW_CELL
// clobbers.
void title_cell(Program& g, float x, float y, const std::string& title);
// The number cell of an answer page: DRAW_CELL at (x, y), HABA 44, TATE 44, the number in colour 13, border 4,
// fill 3.  As title_cell.
void number_cell(Program& g, float x, float y, const std::string& number);

// ---- drills over fixed tables ---------------------------------------------------------------

// How a fixed-table drill picks its row NO.
enum class Order {
    Random,  // NO = INT(RND * count) + 1
    Cycle,   // NO = 1 when NO = count, else NO + 1 (callers set NO = 0 before the drill)
};
// A drill over fixed tables: every problem writes the tables into T_sa (first slot, texts), runs `before`
// when given, picks the row, sets the cursor when given, erases the panel and plays the rows that `rows`
// builds for the row picked (stage k after the k-th key), then ASK_NEXT_STEP; until the pupil enters 1.
struct TableDrill {
    std::vector<std::pair<int, std::vector<std::string>>> tables;  // (first slot of T_sa, texts)
    Order order = Order::Random;
    float count = 1;                       // how many rows to pick from
    std::function<void()> before{};        // runs before the row is picked
    std::optional<std::array<float, 3>> cursor{};  // XI0, XI1, YI1 set after the row is picked
    std::array<float, 4> panel{};          // erased (filled box in colour 15) before each problem
    std::function<std::vector<PageRow>()> rows_of_problem;  // the rows, built once NO is picked
};
// Runs the drill: AINP = 3 and the loop above.  Writes T_sa, NO, AINP, the cursor and what the rows write;
// clobbers what the typesetter, WAIT_ANY_KEY and ASK_NEXT_STEP clobber.
void table_drill(Program& g, const TableDrill& d);

}  // namespace cw::lesson
