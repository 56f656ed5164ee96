// Lesson 3's own layout pieces: the two-panel steps and the written-column grid.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "lessons/toolkit.h"
#include "state/program.h"

namespace cw::kelvane3::detail {

// The part of the left panel's text that reaches past the right panel's left
// edge: from x = MIGI to x_end, from y_top down.  Empty when nothing reaches.
struct Reach {
    float x_end = 0;
    float y_top = 0;
    bool any() const { return x_end > 0; }
};

// A drill as a two-panel step runs it: it erases its panel box with
// erase_panel(g, keep) before each problem.
using PanelDrill = std::function<void(Program&, const Reach&)>;

// Erases the panel box (XKARA, YKARA)-(XMADE, YMADE) in colour 15, leaving
// the left panel's text that reaches into it whole.
void erase_panel(Program& g, const Reach& keep);

struct MethodLine {
    float dy;
    float colour;
    std::string text;
};
// The step's method text at X = XI1, each line dy below the one before (from
// YI1); XI2 and YI1 follow the pen.  Returns how far the lines reach past MIGI.
Reach method_lines(Program& g, const std::vector<MethodLine>& lines);

// A two-panel step: erases the screen, sets the panels (and the draw width 5
// for the column steps), runs the drill in the left panel, writes the method
// text under it, waits for a key, runs the drill in the right panel, and then
// runs `after_right` when given (key wait and assignment line).
void two_panel_step(Program& g, bool columns, const PanelDrill& drill, const std::vector<MethodLine>& lines,
                    const std::function<void()>& after_right = {});

// The written-column grid of one problem: X(31..34) and Y(31..35) from (XKARA, UE).
void column_grid(Program& g);
// When the a-column of the answer is empty the b-term leads the row, and when
// both letter columns are empty the constant does: its "+" goes (the first
// character that is not a blank), and the column x moves one cell right so
// the text still ends where the column ends.  Returns the text to draw.
std::string lead_term(Program& g, const std::string& text, float& column_x);
// The drill loop's answer row: a-term, b-term and constant, one stage each,
// in colour 3.  When all three are 0 the constant column shows "0".
void reveal_column_answer(Program& g);

}  // namespace cw::kelvane3::detail
