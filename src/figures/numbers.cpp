// Whole-number routines: square roots in the form a√b, prime factors and
// divisor pairs.
#include "figures/figure_util.h"
#include "figures/figures.h"

namespace cw {

namespace {

// Whether v, taken as a whole number, is divisible by d.  A value whose
// whole part is 0 counts as divisible by nothing, so that repeated division
// always ends (0 itself, and inputs that are not whole numbers).
bool divides(float v, float d) { return std::nearbyint(v) != 0 && MOD(v, d) == 0; }

}  // namespace

void SIMPLIFY_RADICAL(Program& g) {
    g.R1A = 1;
    g.R1I = 2;
    g.R1B1 = g.R1B;
    while (g.R1I != 201) {
        float square = g.R1I * g.R1I;
        if (divides(g.R1B, square)) {
            g.R1A = g.R1A * g.R1I;
            g.R1B = g.R1B / square;
            g.R1I = 2;
        } else {
            g.R1I = g.R1I + 1;
        }
    }
    g.R1A1_s = g.R1B == 1 ? "" : "!" + STR_s(g.R1B);
    if (g.R1B == 1 && g.R1A == 1)
        g.R1A_s = "1";
    else
        g.R1A_s = g.R1A == 1 ? "" : STR_s(g.R1A);
    g.RAB_s = g.R1A_s + g.R1A1_s + "ﾝ";
    g.RABM_s = g.R1B == g.R1B1 ? "" : "!" + STR_s(g.R1B1) + "ﾝ=";
    g.R1B_s = g.R1A1_s + "ﾝ";
    through_a(g, g.R1A_s, STRIP_SPACES);
    through_a(g, g.RAB_s, STRIP_SPACES);
    through_a(g, g.RABM_s, STRIP_SPACES);
    through_a(g, g.R1B_s, STRIP_SPACES);
}

void FACTORIZE_PRIMES(Program& g) {
    for (int k = 1; k <= 10; ++k) {
        g.TJ = static_cast<float>(k);
        g.G_a(k, 1) = 0;
        g.G_a(k, 2) = 0;
    }
    g.TJ = 11;
    static const float primes[10] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int k = 1; k <= 10; ++k) g.R_a(k) = primes[k - 1];

    g.SOSU = ABS(g.SOSU);
    g.SOSU1 = g.SOSU;
    g.P = 1;
    g.Q = 1;
    // The primes tried are R(1) to R(9); what they leave is the cofactor.
    while (g.P != 10) {
        float p = g.R_a(g.P);
        if (divides(g.SOSU, p)) {
            g.G_a(g.Q, 1) = p;
            g.G_a(g.Q, 2) = g.G_a(g.Q, 2) + 1;
            g.SOSU = g.SOSU / p;
        } else {
            if (g.G_a(g.Q, 1) != 0) g.Q = g.Q + 1;
            g.P = g.P + 1;
        }
    }
    g.Q = g.Q - 1;
    g.G_a(10, 1) = g.SOSU;
    g.G_a(10, 2) = 1;
    g.SOSU = g.SOSU1;
}

void LIST_DIVISOR_PAIRS(Program& g) {
    g.DY = ABS(g.DY);
    g.P = 0;
    // Beyond 2^24 a single no longer holds every whole number, so neither the
    // trial divisors nor the quotients would be exact.
    if (!(g.DY <= 16777216.0f)) throw RuntimeError(ERR_ILLEGAL_CALL);
    int64_t i = 1;
    do {
        float q = g.DY / static_cast<float>(i);
        if (q - INT(q) == 0) {
            g.P = g.P + 1;
            g.X_a(g.P) = static_cast<float>(i);
            g.Y_a(g.P) = q;
        }
        ++i;
    } while (static_cast<double>(i) <= static_cast<double>(g.DY));
    g.II = static_cast<float>(i);
    g.KOSUU = CINT(g.P / 2.0f);
}

}  // namespace cw
