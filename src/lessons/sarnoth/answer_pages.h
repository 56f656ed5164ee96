// The answer pages of lessons 4 to 6: the heading, the problem set's title
// cell and the problem's number cell, and the page it opens.
#pragma once
#include <string>
#include <vector>

#include "lessons/pages.h"
#include "state/program.h"

namespace cw::sarnoth {

// The title cell at (xi1, 30), and when `number` is not empty the number cell `gap` to its right.  Sets
// XI1 = xi1 and YI1 = 30; XI2 and YI1 follow the last cell.  Writes X, Y, HABA, TATE, A$, CCC1..CCC3;
// clobbers what DRAW_CELL clobbers.
void heading_cells(Program& g, float xi1, const std::string& title, const std::string& number, float gap);
// A number cell at (x, y) that opens a problem's block; XI2 and YI1 follow it.  As heading_cells.
void number_cell_at(Program& g, float x, float y, const std::string& number);

// How an answer page opens: the problem set's title cell at (xi1, 30), the problem's number cell `gap` to its
// right, and whether a key comes between the heading and the rows.
struct AnswerHeading {
    std::string title;
    std::string number;
    float xi1 = 108;
    float gap = 44;
    bool key_first = true;
};
// An answer page: the window erased, heading_cells as `h` says, a key when h.key_first, then the rows
// (lesson::play_rows).  Writes what heading_cells and the rows write; clobbers what WAIT_ANY_KEY clobbers.
void answer_page(Program& g, const AnswerHeading& h, const std::vector<lesson::PageRow>& rows);

// The start of a figure page of lesson 6: the window erased, XI1 = xi1, YI1 = 30, the draw width 5 (left
// so), the heading "P33 章の問題B" with `number` 44 to its right; then the figure's frame, grid_frame at
// (ggx, ggy) of yoko x tate cells of `size`, which sets GX0, GY0, GX1, GY1, GX2, GY2 and PI and draws no
// line.  Writes those and GGX, GGY, YOKO, TATE, SIZE, CCC2; clobbers DR and what heading_cells clobbers.
void figure_page(Program& g, float xi1, const std::string& number, float ggx, float ggy, float yoko, float tate,
                 float size);

}  // namespace cw::sarnoth
