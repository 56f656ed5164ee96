#include "lessons/sarnoth/rows.h"

#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::sarnoth {

namespace {

// DRAW_CELL at (x, y), 44 high; XI2 = X and YI1 = Y after it.
void cell(Program& g, float x, float y, float w, const std::string& text, float border, float fill) {
    g.X = x;
    g.Y = y;
    g.HABA = w;
    g.TATE = 44;
    g.A_s = text;
    g.CCC1 = 13;
    g.CCC2 = border;
    g.CCC3 = fill;
    DRAW_CELL(g);
    g.XI2 = g.X;
    g.YI1 = g.Y;
}

}  // namespace

void play_rows(Program& g, const std::vector<Row>& rows) {
    for (auto& r : rows) {
        if (r.key == Key::Before) WAIT_ANY_KEY(g);
        const float x = r.x <= PEN / 2 ? g.XI2 + (r.x - PEN) : r.x;
        if (r.kind == Kind::NumberCell)
            cell(g, x, r.y, 44, r.text, 4, 3);
        else
            lesson::put(g, x, r.y, r.colour, r.text);
        if (r.key == Key::After) WAIT_ANY_KEY(g);
    }
}

void heading_cells(Program& g, float xi1, const std::string& title, const std::string& number, float gap) {
    g.XI1 = xi1;
    g.YI1 = 30;
    cell(g, g.XI1, g.YI1, 396, title, 5, 4);
    if (!number.empty()) cell(g, g.XI2 + gap, g.YI1, 44, number, 4, 3);
}

}  // namespace cw::sarnoth
