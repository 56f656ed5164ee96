// Screens split into panels and what drills draw around their problems:
// parity colours, assignment lines, problem-area erases, the panel a drill
// works in, screens of two panels and two-panel steps.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "lessons/toolkit.h"
#include "state/program.h"

namespace cw::lesson {

// ---- around a drill's problems -------------------------------------------------------

// The colour of problem number NO: `even` when NO is even, `odd` when it is odd.  Reads nothing else.
float parity_colour(float no, float even, float odd);

// The textbook assignment line "教科書P<page> 問<question>　をしなさい。" (one-byte digits, a one-byte blank
// after the page, a full-width blank after the question).  `question` may name several ("10,問11").
std::string assignment_text(const std::string& page, const std::string& question);
// Draws the assignment line in colour c at (x, y) and keeps the pen (XI2, YI1).  Writes CCC1, X, Y, AA_s,
// XI2, YI1; clobbers what DRAW_EXPRESSION_TEXT clobbers.
void assignment(Program& g, float x, float y, float c, const std::string& page, const std::string& question);

// The area of a drill that redraws only its head for a new problem: the head is erased before the new
// problem, and the previous solution stays until the new problem's first key erases it.
struct ProblemArea {
    float x = 0, y = 0;   // top left of the head
    float w = 0, h = 0;   // size of the head
};
// Erases the head: a filled box in colour 15 from (x, y) by (w, h).
void erase_problem_head(Program& g, const ProblemArea& a);
// Erases the previous solution: a filled box in colour 15 from (a.x, top) by (a.w, height).
void erase_solution(Program& g, const ProblemArea& a, float top, float height = 1300);

// ---- two-panel steps ------------------------------------------------------------------

// The part of the left panel's text that reaches past the right panel's left edge: from x = MIGI to
// x_end, from y_top down.  Empty when nothing reaches.
struct Reach {
    float x_end = 0;
    float y_top = 0;
    bool any() const { return x_end > 0; }
};

// A drill as a two-panel step runs it: it erases its panel box with erase_panel(g, keep) before each
// problem, with the panel in XKARA, YKARA, XMADE, YMADE.
using PanelDrill = std::function<void(Program&, const Reach&)>;

// Sets the panel box XKARA, YKARA, XMADE, YMADE.
void set_panel(Program& g, float x1, float y1, float x2, float y2);
// Erases the panel box (XKARA, YKARA)-(XMADE, YMADE) in colour 15, leaving whole the left panel's text that
// reaches into it (its border half-width of room around it).  Reads XKARA, YKARA, XMADE, YMADE and the draw
// width.
void erase_panel(Program& g, const Reach& keep = {});

// One line of a step's method text: dy below the line before, colour, text, and dx right of the text's x when
// the line is set in.
struct MethodLine {
    float dy;
    float colour;
    std::string text;
    float dx = 0;
};
// The method text at X = x + dx, each line dy below the one before (from YI1); XI2 and YI1 follow the pen.
// Returns how far the lines reach past MIGI.  Reads MIGI; writes XI2, YI1, CCC1, X, Y, AA_s.
Reach method_lines(Program& g, float x, const std::vector<MethodLine>& lines);

// Where a screen of two panels puts them.
struct TwoPanels {
    float left = 40;      // HIDARI
    float right = 600;    // MIGI
    float top = 30;       // UE
    float bottom = 1800;  // SITA, and the bottom of both panel boxes
    float far = 3200;     // right end of the right panel box
    bool width5 = false;  // sets the draw width 5
    float indent = 54;    // XI1 - XI0 of the cursor at the start
    float erase_w = 1760, erase_h = 1800;  // the area (0, 0) by (w, h) erased first: the whole screen
};
// Opens a screen of two panels: erases (0, 0) by (erase_w, erase_h), sets HIDARI, MIGI, UE, SITA, the cursor
// XI0 = HIDARI, XI1 = HIDARI + indent, YI1 = UE, and the draw width 5 when asked.
void open_two_panels(Program& g, const TwoPanels& at);
// A two-panel step: open_two_panels; runs the drill in the left panel (HIDARI, UE)-(MIGI, bottom); writes the
// method text under it from XI1 = XI0; waits for a key; runs the drill in the right panel (MIGI, UE)-(far,
// bottom), keeping what the method text reaches into it; then runs `after_right` when given (key wait and
// assignment line).  Writes the panel variables and what the drills and method_lines write.
void two_panel_step(Program& g, const TwoPanels& at, const PanelDrill& drill, const std::vector<MethodLine>& lines,
                    const std::function<void()>& after_right = {});

}  // namespace cw::lesson
