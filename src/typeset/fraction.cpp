// Stacked fractions: numerator over bar over denominator, both parts in the
// fraction-part style and centred on a bar as long as the wider part.  The
// anchors left in XT, YT, TBSI, TBBO, NAGA, TBSI1, TBBO1, BSEN and the
// TB..YAK.. pairs let lessons put marks of their own onto the fraction.
#include "typeset/typeset.h"

#include <algorithm>

#include "platform/basic.h"

namespace cw {

namespace {

// How far the drawn bar stops short of each end.  The ink of a sign beside
// a fraction reaches to a unit or two from the fraction's ends (a "÷" just
// after it to the end itself), and the bar's square ends reach 2 beyond
// its line: stopping 4 short leaves at least two units of background.
constexpr float kBarInset = 4;

// A part's width in the fraction parts' style, measured from the fraction's pen: X, Y = XT, YT, A$ = part,
// BUN = 1, MEASURE_EXPRESSION_TEXT; returns LLT.
float part_width(Program& g, const std::string& part) {
    g.X = g.XT;
    g.Y = g.YT;
    g.A_s = part;
    g.BUN = 1;
    MEASURE_EXPRESSION_TEXT(g);
    return g.LLT;
}

}  // namespace

void draw_inset_bar(Program& g, float x, float y, float length, float c) {
    float inset = std::min(kBarInset, length / 4);
    g.pf.fraction_bar(x + inset, y, x + length - inset, c);
}

void DRAW_FRACTION(Program& g) {
    g.XT = g.X;
    g.YT = g.Y;

    // A radical anywhere in the fraction lowers the denominator further.
    g.TA5 = static_cast<float>(INSTR(g.A_s, "!"));
    g.TA6 = static_cast<float>(INSTR(g.A_s, "√"));

    // Split at the first "/": a later one belongs to the denominator and is
    // drawn there as the division sign.  An inside without any "/" is taken
    // whole as the numerator over an empty denominator.
    g.TA1 = static_cast<float>(INSTR(g.A_s, "/"));
    if (g.TA1 > 0) {
        g.RTASKAI1_s = LEFT_s(g.A_s, g.TA1 - 1);
        g.RTASKAI2_s = MID_s(g.A_s, g.TA1 + 1);
    } else {
        g.RTASKAI1_s = g.A_s;
        g.RTASKAI2_s = "";
    }

    // Both parts are measured before anything is drawn, so what follows sees
    // the typesetter state the measuring left.
    g.TBSI = part_width(g, g.RTASKAI1_s);
    g.TBBO = part_width(g, g.RTASKAI2_s);
    g.BUN = 0;

    g.NAGA = g.TBSI >= g.TBBO ? g.TBSI : g.TBBO;
    g.TBSI1 = (g.NAGA - g.TBSI) / 2.0f;
    g.TBBO1 = (g.NAGA - g.TBBO) / 2.0f;

    // The bar.
    g.pf.SETDRAWWIDTH(4);
    g.BSEN = g.YT + 25;
    draw_inset_bar(g, g.XT, g.BSEN, g.NAGA, g.CCC1);
    g.pf.SETDRAWWIDTH(g.DR);

    // An open tall radical stretches its bar over the whole fraction.
    if (g.HROOT == 22) {
        g.pf.SETDRAWWIDTH(3);
        g.pf.LINE(g.XT, g.YT - 14, g.XT + g.NAGA, g.YT - 14, g.CCC1);
        g.pf.SETDRAWWIDTH(g.DR);
    }

    // Where the denominator goes: lower under a raised or rooted part.
    g.TA1 = static_cast<float>(INSTR(g.RTASKAI2_s, "√"));
    g.TA2 = static_cast<float>(INSTR(g.RTASKAI2_s, "^"));
    float bottom = (g.TA1 == 0 && g.TA2 == 0) ? g.YT + 28 : g.YT + 36;
    if (g.TA5 != 0 || g.TA6 != 0) bottom += 8;

    g.TBSIYAKX = g.XT + g.TBSI1;
    g.TBSIYAKY = g.YT - 10;
    g.TBBOYAKX = g.XT + g.TBBO1;
    g.TBBOYAKY = bottom;

    // Denominator first, then the numerator.
    g.X = g.TBBOYAKX;
    g.Y = g.TBBOYAKY;
    g.BUN = 1;
    g.A_s = g.RTASKAI2_s;
    DRAW_GLYPH_RUN(g);

    g.X = g.TBSIYAKX;
    g.Y = g.TBSIYAKY;
    g.BUN = 1;
    g.A_s = g.RTASKAI1_s;
    DRAW_GLYPH_RUN(g);

    g.BUN = 0;
    g.X = g.XT + g.NAGA;
    g.Y = g.YT;
}

}  // namespace cw
