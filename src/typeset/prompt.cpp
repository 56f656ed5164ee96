// Prompt texts and the number echo: full-width glyphs in 16-unit cells.
#include "exprstr/exprstr.h"
#include "typeset/typeset.h"

namespace cw {

void DRAW_CONVERTED_CHARS(Program& g) {
    STRIP_SPACES(g);
    g.LE = static_cast<float>(KLEN(g.A_s));
    g.XT = g.X;
    g.pf.SETFONTBOLD(-1);
    g.I = 1;
    do {
        g.B_s = KMID_s(g.A_s, g.I, 1);
        if (g.JYOU == 1) {
            g.JYOU = 0;
        } else {
            CONVERT_CHAR_TO_GLYPH(g);
        }
        g.L = LEN(g.B_s) == 1 ? 4.0f : 0.0f;
        if (g.B_s == "．") g.XT -= 4;
        g.pf.SYMBOL(g.XT, g.Y - g.L, 1, 1, g.CCC1, g.B_s);
        if (g.B_s == "．") g.XT -= 12;
        g.XT += 16;
        g.I += 1;
    } while (g.I <= g.LE);
}

void PRINT_PROMPT_TEXT(Program& g) {
    if (!inside_typesetter(g)) g.pf.note(Op::Prompt, g.X, g.Y, g.CCC1, g.AA_s);
    TypesetScope inside(g);
    for (;;) {
        g.LEM = static_cast<float>(KLEN(g.AA_s));
        if (g.LEM == 0) return;
        take_first_char(g.AA_s, g.A_s);
        if (g.A_s == "^") {
            g.JYOU = 1;
            continue;
        }
        DRAW_CONVERTED_CHARS(g);
        g.X = g.XT;
    }
}

}  // namespace cw
