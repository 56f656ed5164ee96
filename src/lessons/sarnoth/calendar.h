// The month calendar of the calendar investigations: a fixed month of 31
// days that begins in the 木 column, seven columns of 70 and a header row and
// five day rows of 50, drawn from the origin X(31), Y(31); frames around
// groups of its days and days drawn again in another colour.
#pragma once
#include "state/program.h"

namespace cw::sarnoth {

// Fills the calendar tables: F(5..35) = the days 1..31, FORMAT_NUMBER_TABLES, F$(1..4) empty (the cells
// before the 1st), T$(1..7) the weekday headers "日" to "土".
void FILL_CALENDAR_TABLES(Program& g);

// Draws the header row and the five day rows with DRAW_CELL (70 x 50, text colour 0, border and fill 13),
// the borders in the width in force.
void DRAW_CALENDAR(Program& g);

// Left and top edges of column col (1..7) and of row row (0 the header, 1..5 the days).
float calendar_x(const Program& g, int col);
float calendar_y(const Program& g, int row);

// The text of the day cell in column col, day row row ("" before the 1st).
const std::string& calendar_day(const Program& g, int col, int row);

// Draws the day cell at (col, row) again: text colour 0, border `border`, fill `fill`.
void highlight_day(Program& g, int col, int row, float border, float fill);

// A rectangle outline in colour c from (x, y) by (w, h), in the width in force.
void frame(Program& g, float x, float y, float w, float h, float c);

}  // namespace cw::sarnoth
