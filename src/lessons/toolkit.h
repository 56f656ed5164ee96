// The lesson toolkit: the small idioms every lesson script of the three
// programs repeats, written once.  Everything goes through the program-wide
// variables (pen X, Y, CCC1, AA_s; layout cursor XI0, XI1, XI2, YI1; AINP,
// SENTAKU, NO; the tables T_a, T_sa, ...), so a script built from these
// helpers leaves the same values behind as one written out statement by
// statement.
//
// Beside this file: marks.h (fraction anchors, measuring, a fraction drawn
// part by part, distribution arcs), strokes.h (cancellation strokes: their
// rules, values and planning), panels.h (parity colours, assignment lines,
// problem-area erases, screens of two panels and two-panel steps), draws.h
// (random draws in the scripts' order) and pages.h (page rows and their
// builders, answer pages, page turns, heading cells, drills over fixed
// tables).  What one program alone uses lives in its own folder.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "exprstr/exprstr.h"
#include "shell/shell.h"
#include "state/program.h"

namespace cw::lesson {

// ---- the layout cursor ----------------------------------------------------------

// What a drawn text leaves in the layout cursor afterwards.
enum class Keep {
    Pen,     // pen x and line y (XI2 = X, YI1 = Y: the usual "then XI2, YI1")
    YOnly,   // line y; the pen x untouched (drill headings)
    Indent,  // indent and line y (XI1 = X, YI1 = Y: column layouts)
    None,    // cursor untouched
};

// The lessons' layout cursor: a margin, an indent, the pen after the last text and the line's y.  It holds
// references to the program's own variables and owns nothing, so whatever it writes is what a script
// spelled out statement by statement leaves behind: XI0, XI1, XI2, YI1 with Cursor::xi(g), or Dorrith's
// right-hand column XJ1, XJ2, YJ1 with Cursor(g, g.XJ1, g.XJ1, g.XJ2, g.YJ1) (margin and indent one).
// Every drawing call writes CCC1, X, Y, AA_s and the bound variables `keep` names, and clobbers what
// DRAW_EXPRESSION_TEXT clobbers.
class Cursor {
public:
    Cursor(Program& g, float& margin, float& indent, float& pen_x, float& line_y)
        : g_(&g), margin_(&margin), indent_(&indent), pen_x_(&pen_x), line_y_(&line_y) {}
    // Bound to XI0, XI1, XI2 and YI1.
    static Cursor xi(Program& g) { return Cursor(g, g.XI0, g.XI1, g.XI2, g.YI1); }

    float margin() const { return *margin_; }
    float indent() const { return *indent_; }
    float pen() const { return *pen_x_; }
    float line() const { return *line_y_; }
    // Sets margin, indent and line y (XI0, XI1, YI1 for the XI cursor).
    void set(float margin, float indent, float line_y);

    // Draws expression code `code` in colour c at (x, y) with DRAW_EXPRESSION_TEXT, then keeps the pen as
    // `keep` says.
    void put(float x, float y, float c, const std::string& code, Keep keep = Keep::Pen);
    // Continues the line: at (pen, line).
    void cont(float c, const std::string& code, Keep keep = Keep::Pen);
    // Starts a line dy below the current one: at (x, line + dy).
    void below(float x, float dy, float c, const std::string& code, Keep keep = Keep::Pen);
    // A new line dy below at the indent (+ dx): at (indent + dx, line + dy).
    void line(float dy, float c, const std::string& code, float dx = 0, Keep keep = Keep::Pen);

private:
    Program* g_;
    float* margin_;
    float* indent_;
    float* pen_x_;
    float* line_y_;
};

// The same on the lessons' own cursor, Cursor::xi(g): put(g, ...) is Cursor::xi(g).put(...), and so on.
void put(Program& g, float x, float y, float c, const std::string& code, Keep keep = Keep::Pen);
void cont(Program& g, float c, const std::string& code, Keep keep = Keep::Pen);
void below(Program& g, float x, float dy, float c, const std::string& code, Keep keep = Keep::Pen);
// Sets XI0, XI1 and YI1.
void set_cursor(Program& g, float xi0, float xi1, float yi1);
// Continues the line with `code` in colour c after keeping the anchor of the fragment dx into it:
// X(k) = XI2 + dx, Y(k) = YI1.  Writes X(k), Y(k) and what cont() writes.
void cont_keeping_start(Program& g, int k, float dx, float c, const std::string& code);

// ---- erases and boxes ----------------------------------------------------

// Filled box in colour 15 with corners (x1, y1) and (x2, y2).
void erase(Program& g, float x1, float y1, float x2, float y2);
// Filled box in colour 15 from (x, y) by (w, h).
void erase_by(Program& g, float x, float y, float w, float h);
// The whole-window erase is the shell's (shell.h).
using cw::clear_screen;
// Filled box with corners (x1, y1), (x2, y2), border colour `border` at the current width, inside `fill`.
void filled_box(Program& g, float x1, float y1, float x2, float y2, float border, float fill);

// The inputs of DRAW_CELL and DRAW_CELL_AROUND_TEXT: the pen (x, y), HABA = w, TATE = h, A$ = text, CCC1 its
// colour, CCC2 the border, CCC3 the fill.
void cell_inputs(Program& g, float x, float y, float w, float h, const std::string& text, float colour,
                 float border, float fill);

// ---- staged reveal -------------------------------------------------------------

// Runs the first stage at once and every later stage after its own WAIT_ANY_KEY (stages that compute as
// well as draw; fixed rows of text are pages.h's play_rows).  Clobbers what WAIT_ANY_KEY clobbers.
void reveal(Program& g, const std::vector<std::function<void()>>& stages);

// ---- drills -----------------------------------------------------------------

// Whether the drill loop counts its problems in NO.
enum class Count {
    None,      // NO untouched
    Finished,  // NO = 0 before the first problem, NO + 1 after each ASK_NEXT_STEP: the problems finished
};
// The drill loop, every drill's: AINP = 3 (and NO = 0 when counting); then problem() and ASK_NEXT_STEP (then
// NO = NO + 1 when counting) until the pupil enters exactly 1.  Writes AINP (and NO); clobbers what
// ASK_NEXT_STEP clobbers (CCC1 is left 0 or 5).
void drill(Program& g, Count count, const std::function<void()>& problem);
// The same without counting: drill(g, Count::None, problem).
void drill(Program& g, const std::function<void()>& problem);
// Random table row: NO = INT(RND * n) + 1, 1..n (draws.h's rnd_int).
void random_row(Program& g, float n);
// Cycling table row: NO = 1 when NO = n, else NO + 1 (from NO = 0 the first row is 1).
void next_row(Program& g, float n);
// Writes texts into slots first, first + 1, ... of a string table (T_sa, F_sa, X_sa, ...).
void load_texts(StrArray& table, int first, const std::vector<std::string>& texts);

// ---- goal screen and sub-menu ------------------------------------------------

// The goal screen: clears the screen, "<めあて>" in heading_colour at (44, 240), then each line in colour 0
// at x 44, the first 65 below, the others 50 below the line before; XI1 = 44, XI2 and YI1 follow the pen.
void goal_screen(Program& g, const std::vector<std::string>& lines, float heading_colour = 3);
// One pass of the sub-menu: menu line by PROMPT_FOR_NUMBER, SENTAKU = AINP (then AINP = 10 when set_ainp10),
// CLEAR_PROMPT_LINE, asked again until 1 <= SENTAKU <= n; returns the item, SENTAKU rounded down.
int choose_item(Program& g, const std::string& menu, int n, bool set_ainp10 = false);
// The sub-menu loop: steps[k - 1] runs for item k; the last item (steps.size() + 1) returns to the caller,
// which goes back to the main menu.
void run_submenu(Program& g, const std::string& menu, const std::vector<std::function<void(Program&)>>& steps,
                 bool set_ainp10 = false);
// Main-menu item 7 of Dorrith and Sarnoth, whose label is blank: it opens no lesson and draws nothing, so the
// main menu, which has already erased the window, draws itself again.  Reads nothing; writes nothing.
void RETURN_TO_MAIN_MENU(Program& g);

// ---- term texts -----------------------------------------------------------------

// Term text of whole coefficient n before `letter`: 0 gives "" (no term), 1 gives the letter alone, -1 "-" and
// the letter; a positive term gets "+" unless it leads its line.  With an empty letter: the signed constant.
std::string term_text(float n, const std::string& letter, bool leading);
// texts(i) = "+" + texts(i) where nums(i) > 0, for i = first..last.
void add_plus_signs(const NumArray& nums, StrArray& texts, int first, int last);
// Signed terms that follow another term in a written-out sum: texts(i) = "+(" + texts(i) + ")" where
// nums(i) < 0, else "+" + texts(i), for i = first..last.
void signed_terms(const NumArray& nums, StrArray& texts, int first, int last);
// texts(i) = "" where nums(i) = 1 and "-" where nums(i) = -1, for i = first..last.
void unit_coefficients(const NumArray& nums, StrArray& texts, int first, int last);
// texts(i) = "" where nums(i) = 0, for i = first..last.
void drop_zero_terms(const NumArray& nums, StrArray& texts, int first, int last);
// A letter with exponent e written compactly: "" for e <= 0, the letter for 1, letter + "^" + e above 1.
std::string letter_power(const std::string& letter, float e);
// The same letter written out as factors, each after a "×": "" for e <= 0, "*a" for 1, "*a*a" for 2, ...
std::string letter_factors(const std::string& letter, float e);
// s with leading one-byte blanks up to `width` characters; longer texts unchanged.
std::string rjust(const std::string& s, int width);
// A string routine of A$ run on a text is exprstr's, beside number_text (exprstr.h).
using cw::through_a;

}  // namespace cw::lesson
