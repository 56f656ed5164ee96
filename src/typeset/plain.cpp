// Short labels in a small, flat style: no expression codes, a fixed advance
// for each class of character, italic serif a, x and c, and a raised y.
#include "typeset/typeset.h"

#include "platform/basic.h"

namespace cw {

namespace {

void plain_char(Program& g) {
    const std::string& b = g.B_s;
    if (b == "." || b == ",") {
        g.pf.SYMBOL(g.TX, g.TY, 3, 2, g.CCC1, b);
        g.TX += 8;
    } else if (b == "(") {
        g.pf.SYMBOL(g.TX - 8, g.TY, 3, 2, g.CCC1, b);
        g.TX += 12;
    } else if (b == ")") {
        g.pf.SYMBOL(g.TX, g.TY, 3, 2, g.CCC1, b);
        g.TX += 8;
    } else if (b == " ") {
        g.TX += 20;
    } else if (g.TA2 == 2) {
        g.pf.SYMBOL(g.TX, g.TY, 2, 2, g.CCC1, b);
        g.TX += 30;
    } else if (b == "a" || b == "x" || b == "c") {
        g.pf.SETFONTNAME("Times New Roman");
        g.pf.SETFONTSIZE(8);
        g.pf.SETFONTITALIC(-1);
        g.pf.SYMBOL(g.TX + 4, g.TY - 12, 7, 4, g.CCC1, b);
        g.pf.SETFONTNAME("ゴシック");
        g.pf.SETFONTITALIC(0);
        g.TX += 20;
    } else if (b == "y") {
        g.pf.SYMBOL(g.TX, g.TY - 6, 3, 2, g.CCC1, b);
        g.TX += 20;
    } else {
        g.pf.SYMBOL(g.TX, g.TY, 3, 2, g.CCC1, b);
        g.TX += 20;
    }
}

}  // namespace

void DRAW_PLAIN_TEXT(Program& g) {
    g.TX = g.X;
    g.TY = g.Y;
    g.DR = static_cast<float>(g.pf.GETDRAWWIDTH());
    for (;;) {
        g.LEM = static_cast<float>(KLEN(g.AA_s));
        if (g.LEM == 0) {
            g.pf.SETFONTBOLD(0);
            g.pf.SETDRAWWIDTH(g.DR);
            g.pf.SETFONTSIZE(16);
            return;
        }
        take_first_char(g.AA_s, g.A_s);
        g.pf.SETFONTBOLD(-1);
        g.pf.SETFONTSIZE(15);

        // One character per pass; the loop keeps the shape the other text
        // drawers have (its counter ends at 2).
        g.R_s = g.A_s;
        g.NAG = static_cast<float>(KLEN(g.R_s));
        g.I = 1;
        do {
            g.B_s = KMID_s(g.R_s, g.I, 1);
            g.TA2 = static_cast<float>(LEN(g.B_s));
            plain_char(g);
            g.I += 1;
        } while (g.I <= g.NAG);

        g.X = g.TX;
        g.Y = g.TY;
    }
}

}  // namespace cw
