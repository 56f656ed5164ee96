// The lesson toolkit: the small idioms every lesson script of the three
// programs repeats, written once.  Everything goes through the program-wide
// variables (pen X, Y, CCC1, AA_s; layout cursor XI0, XI1, XI2, YI1; AINP,
// SENTAKU, NO; the tables T_a, T_sa, ...), so a script built from these
// helpers leaves the same values behind as one written out statement by
// statement.
//
// Beside this file: marks.h (fraction anchors, measuring, distribution arcs,
// cancellation strokes), panels.h (a bound layout cursor, counted drills,
// assignment lines, problem-area erases, two-panel steps), draws.h (random
// draws in the scripts' order), pages.h (page rows, answer pages, page
// turns, heading cells, drills over fixed tables), cancel.h (cancelling over
// a fraction written out factor by factor), cells.h (blank answer cells
// filled in one per key, answers shown where their question ended),
// examples.h (example numbers the pupil types, checked and asked again) and
// calendar.h (the month calendar, its frames and highlighted days).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "exprstr/exprstr.h"
#include "shell/shell.h"
#include "state/program.h"

namespace cw::lesson {

// ---- text at a pen or at the layout cursor ------------------------------

// What a drawn text leaves in the layout cursor afterwards.
enum class Keep {
    Pen,     // XI2 = X, YI1 = Y (the usual "then XI2, YI1")
    YOnly,   // YI1 = Y; XI2 untouched (drill headings)
    Indent,  // XI1 = X, YI1 = Y (column layouts)
    None,    // cursor untouched
};

// Draws expression code `code` in colour c at (x, y) with DRAW_EXPRESSION_TEXT.
void put(Program& g, float x, float y, float c, const std::string& code, Keep keep = Keep::Pen);
// Continues the line: draws at (XI2, YI1).
void cont(Program& g, float c, const std::string& code, Keep keep = Keep::Pen);
// Starts a line dy below the current one: draws at (x, YI1 + dy).
void below(Program& g, float x, float dy, float c, const std::string& code, Keep keep = Keep::Pen);
// Sets the layout cursor: XI0, XI1 and YI1.
void cursor(Program& g, float xi0, float xi1, float yi1);
// Continues the line with `code` in colour c after keeping the anchor of the fragment dx into it:
// X(k) = XI2 + dx, Y(k) = YI1.  Writes X(k), Y(k) and what cont() writes.
void anchored(Program& g, int k, float dx, float c, const std::string& code);

// ---- erases and panels ----------------------------------------------------

// Filled box in colour 15 with corners (x1, y1) and (x2, y2).
void erase(Program& g, float x1, float y1, float x2, float y2);
// Filled box in colour 15 from (x, y) by (w, h).
void erase_by(Program& g, float x, float y, float w, float h);
// The whole-window erase is the shell's (shell.h).
using cw::clear_screen;
// Filled box with corners (x1, y1), (x2, y2), border colour `border` at the current width, inside `fill`.
void panel(Program& g, float x1, float y1, float x2, float y2, float border, float fill);

// The inputs of DRAW_CELL and DRAW_CELL_AROUND_TEXT: the pen (x, y), HABA = w, TATE = h, A$ = text, CCC1 its
// colour, CCC2 the border, CCC3 the fill.
void cell_inputs(Program& g, float x, float y, float w, float h, const std::string& text, float colour,
                 float border, float fill);

// ---- staged reveal -------------------------------------------------------------

// Runs the first stage at once and every later stage after its own WAIT_ANY_KEY (stages that compute as
// well as draw; fixed rows of text are pages.h's play_rows).  Clobbers what WAIT_ANY_KEY clobbers.
void reveal(Program& g, const std::vector<std::function<void()>>& stages);

// ---- drills -----------------------------------------------------------------

// The drill loop: AINP = 3; then problem() and ASK_NEXT_STEP until the pupil enters exactly 1.
void drill(Program& g, const std::function<void()>& problem);
// A whole random number INT(RND * n + k); one RND draw.
float rnd_int(Program& g, float n, float k);
// Random table row: NO = INT(RND * n + 1), 1..n.
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
