// Fixed pages of lessons 3 to 6 as data: rows of text at given positions,
// revealed with key waits between them, and the answer pages' heading cells.
#pragma once
#include <string>
#include <vector>

#include "state/program.h"

namespace cw::sarnoth {

// An x that continues the line: PEN is the pen after the fragment before
// (XI2), PEN + d is d units further on.
constexpr float PEN = -100000;

enum class Key {
    None,    // the row follows at once
    Before,  // WAIT_ANY_KEY, then the row
    After,   // the row, then WAIT_ANY_KEY
};

enum class Kind {
    Text,        // DRAW_EXPRESSION_TEXT
    NumberCell,  // the answer pages' 44 x 44 number cell (text 13, border 4, fill 3)
};

struct Row {
    float x, y, colour;
    std::string text;
    Key key = Key::None;
    Kind kind = Kind::Text;
};

// Draws the rows in order; after each, XI2 = X and YI1 = Y.
void play_rows(Program& g, const std::vector<Row>& rows);

// The answer pages' heading: the title cell (396 x 44, text 13, border 5,
// fill 4) at (xi1, 30), and when `number` is not empty the number cell `gap`
// to its right.  Sets XI1 = xi1; XI2 and YI1 follow the last cell.
void heading_cells(Program& g, float xi1, const std::string& title, const std::string& number, float gap);

}  // namespace cw::sarnoth
