// A written column addition or subtraction: the first operand on the top
// row, the sign and ")" with the second operand under it, and a rule under
// both.  The caller writes the result under the rule from XI3, YI1.
#include "typeset/typeset.h"

namespace cw {

void DRAW_COLUMN_OPERATION(Program& g) {
    g.X1 = g.X;
    g.Y1 = g.Y;
    g.DR = static_cast<float>(g.pf.GETDRAWWIDTH());

    g.A_s = g.A1_s;
    MEASURE_EXPRESSION_TEXT(g);
    g.LT1 = g.LLT;
    g.A_s = g.A2_s;
    MEASURE_EXPRESSION_TEXT(g);
    g.LT2 = g.LLT;
    g.LT = g.LT1 > g.LT2 ? g.LT1 : g.LT2;

    g.X = g.X1 + 54;
    g.Y = g.Y1;
    g.AA_s = g.A1_s;
    DRAW_EXPRESSION_TEXT(g);

    // The sign stands a little lower than the operand; ")" follows it.
    g.X = g.X1;
    g.Y = g.Y1 + g.TAKASA + 6;
    g.AA_s = g.ENZAN_s;
    DRAW_EXPRESSION_TEXT(g);
    g.AA_s.assign(1, ')');  // (assign, not = ")": GCC 12 warns falsely)
    DRAW_EXPRESSION_TEXT(g);

    g.X = g.X1 + 54;
    g.Y = g.Y1 + g.TAKASA;
    g.AA_s = g.A2_s;
    DRAW_EXPRESSION_TEXT(g);

    // The rule runs from under ")" to just past the wider operand.
    const float rule_y = g.Y1 + 2 * g.TAKASA;
    g.pf.SETDRAWWIDTH(3);
    g.pf.LINE(g.X1 + 27, rule_y, g.X1 + 27 + g.LT + 30, rule_y, g.CCC2);
    g.pf.SETDRAWWIDTH(g.DR);

    g.YI1 = g.Y1 + g.TAKASA;
    g.XI3 = g.X1 + 54;
}

}  // namespace cw
