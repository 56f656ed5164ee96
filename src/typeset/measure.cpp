// Measuring an expression by typesetting it, with nothing drawn, below the
// visible area; and the cells: a filled, bordered box with a typeset text
// centred in it.
#include "typeset/typeset.h"

#include "platform/basic.h"

namespace cw {

void MEASURE_EXPRESSION_TEXT(Program& g) {
    // Kept per call: a fraction's parts are measured while an outer
    // measuring of the same text is still running.
    const float keep_x = g.X;
    const float keep_y = g.Y;
    const std::string keep_a = g.A_s;
    TypesetScope inside(g);  // the hidden drawing is no call of the caller's
    // What it would draw is measured, never shown: it stays off the screen.
    Platform::MeasuringScope hidden(g.pf);

    g.X = 0;
    g.Y = 1800;
    g.AA_s = g.A_s;
    DRAW_EXPRESSION_TEXT(g);
    g.LLT = g.X;

    g.X = keep_x;
    g.Y = keep_y;
    g.A_s = keep_a;
}

namespace {

// The steps both cells share before their box: copies, "ﾀ" search,
// measuring and the left margin of the text.
void measure_cell_text(Program& g) {
    g.X1 = g.X;
    g.Y1 = g.Y;
    g.MOTOA_s = g.A_s;
    g.N1 = static_cast<float>(KINSTR(g.A_s, "ﾀ"));
    MEASURE_EXPRESSION_TEXT(g);
    g.LT1 = (g.HABA - g.LLT) / 2.0f;
    if (g.LT1 < 0) g.LT1 = 0;
}

void draw_cell_text(Program& g, float y) {
    g.X = g.X1 + g.LT1;
    g.Y = y;
    g.AA_s = g.MOTOA_s;
    DRAW_EXPRESSION_TEXT(g);
    g.X = g.X1 + g.HABA;
    g.Y = g.Y1;
}

}  // namespace

void DRAW_CELL(Program& g) {
    measure_cell_text(g);
    // A 44-unit text line, or a fraction's bar, sits at the box's middle.
    if (g.N1 == 0)
        g.Y2 = g.Y1 + INT((g.TATE - 44) / 2.0f);
    else
        g.Y2 = g.Y1 + INT((g.TATE - 50) / 2.0f);
    g.Y3 = g.Y1 + g.TATE;
    g.pf.FILL(g.X1, g.Y1, g.X1 + g.HABA, g.Y3, g.CCC2, g.CCC3);
    draw_cell_text(g, g.Y2);
}

void DRAW_CELL_AROUND_TEXT(Program& g) {
    measure_cell_text(g);
    // The text stays on its line; the box is put around it.
    g.Y2 = g.Y1 - INT((g.TATE - 44) / 2.0f);
    g.Y3 = g.Y1 + g.TATE - INT((g.TATE - 44) / 2.0f);
    g.pf.FILL(g.X1, g.Y2, g.X1 + g.HABA, g.Y3, g.CCC2, g.CCC3);
    draw_cell_text(g, g.Y1);
}

}  // namespace cw
