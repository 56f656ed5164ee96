// Cancellation marks on a drawn fraction (temporary home).
#pragma once
#include "lessons/dorrith/dorrith.h"
#include "lessons/toolkit.h"

namespace cw::dorrith_marks {

// X(0) = XI2: the pen where the fraction to be cancelled, continuing the line, begins.
inline void mark_start(Program& g) { g.X_a(0) = g.XI2; }
// After the fraction: anchor k of the numerator and k + 10 of the denominator
// on their first characters.
inline void first_anchors(Program& g, int k = 1) {
    g.X_a(k) = g.X_a(0) + g.TBSI1;
    g.Y_a(k) = g.BSEN - 36;
    g.X_a(k + 10) = g.X_a(0) + g.TBBO1;
    g.Y_a(k + 10) = g.BSEN + 4;
}
// A stroke from anchor k across w units of the fraction style, 28 down.
inline void strike(Program& g, int k, float w = 32) {
    g.pf.LINE(g.X_a(k), g.Y_a(k), g.X_a(k) + w, g.Y_a(k) + 28, 3);
}
// The reduced value over numerator anchor k, or under denominator anchor k.
inline void over(Program& g, int k, const std::string& v) {
    lesson::put(g, g.X_a(k), g.Y_a(k) - 38, 3, v, lesson::Keep::None);
}
inline void under(Program& g, int k, const std::string& v) {
    lesson::put(g, g.X_a(k), g.Y_a(k) + 32, 3, v, lesson::Keep::None);
}

// The pool of primes the drills draw their coefficients from.
inline constexpr float PRIMES[] = {2, 3, 5, 7};

// The drills' sign memory: a sign equal to FMAESU is negated and FMAESU kept;
// any other sign is stored in FMAESU.
inline void apply_sign_memory(Dorrith& g, float& sign) {
    if (sign == g.FMAESU)
        sign = -sign;
    else
        g.FMAESU = sign;
}

// The strokes over one letter's written-out factors from anchor k (the
// factors start 38 after it, 70 apart): when the letter stands on both sides,
// KESU = the smaller exponent of them are struck, leftmost first.
inline void strike_common_letter(Dorrith& g, int k, float here, float there) {
    if (here <= 0 || there <= 0) return;
    g.KESU = here < there ? here : there;
    for (g.II = 1; g.II <= g.KESU; g.II += 1) {
        const float x = g.X_a(k) + 38 + 70 * (g.II - 1);
        g.pf.LINE(x, g.Y_a(k), x + 32, g.Y_a(k) + 28, 3);
    }
}

}  // namespace cw::dorrith_marks
