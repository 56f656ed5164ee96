#include "lessons/sarnoth/calendar.h"

#include "exprstr/exprstr.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "typeset/typeset.h"

namespace cw::sarnoth {

using lesson::draw_cell;
using lesson::load_texts;

namespace {

// A cell at the pen, which DRAW_CELL then moves on by 70.
void calendar_cell(Program& g, const std::string& text) { draw_cell(g, g.X, g.Y, 70, 50, text, 0, 13, 13); }

}  // namespace

// Writes F(5..35), T$(), F$(), II; clobbers I and A$.
void FILL_CALENDAR_TABLES(Program& g) {
    for (g.II = 5; g.II <= 35; g.II += 1) g.F_a(g.II) = g.II - 4;
    FORMAT_NUMBER_TABLES(g);
    load_texts(g.F_sa, 1, {"", "", "", ""});
    load_texts(g.T_sa, 1, {"日", "月", "火", "水", "木", "金", "土"});
}

// Reads X(31), Y(31), T$(1..7), F$(1..35); leaves HABA 70, TATE 50, CCC1 0, CCC2 = CCC3 = 13; clobbers X, Y, A$,
// II.
void DRAW_CALENDAR(Program& g) {
    g.X = g.X_a(31);
    for (g.II = 1; g.II <= 7; g.II += 1) {
        g.Y = g.Y_a(31);
        calendar_cell(g, g.T_sa(g.II));
    }
    for (int row = 1; row <= 5; ++row) {
        g.X = g.X_a(31);
        for (g.II = 1; g.II <= 7; g.II += 1) {
            g.Y = g.Y_a(31) + 50.0f * static_cast<float>(row);
            calendar_cell(g, calendar_day(g, static_cast<int>(g.II), row));
        }
    }
}

float calendar_x(const Program& g, int col) { return g.X_a(31) + 70.0f * static_cast<float>(col - 1); }

float calendar_y(const Program& g, int row) { return g.Y_a(31) + 50.0f * static_cast<float>(row); }

const std::string& calendar_day(const Program& g, int col, int row) { return g.F_sa((row - 1) * 7 + col); }

void highlight_day(Program& g, int col, int row, float border, float fill) {
    draw_cell(g, calendar_x(g, col), calendar_y(g, row), 70, 50, calendar_day(g, col, row), 0, border, fill);
}

void frame(Program& g, float x, float y, float w, float h, float c) { g.pf.BOX(x, y, x + w, y + h, c); }

}  // namespace cw::sarnoth
