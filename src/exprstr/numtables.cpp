// The texts of the term tables: every entry of T() and F() as a number text
// without blanks, in T$() and F$().
#include "exprstr/exprstr.h"

#include "platform/basic.h"

namespace cw {

void FORMAT_NUMBER_TABLES(Program& g) {
    g.I = 1;
    do {
        g.T_sa(g.I) = STR_s(g.T_a(g.I));
        g.A_s = g.T_sa(g.I);
        STRIP_SPACES(g);
        g.T_sa(g.I) = g.A_s;
        g.I += 1;
    } while (g.I <= 80);

    g.I = 1;
    do {
        g.F_sa(g.I) = STR_s(g.F_a(g.I));
        g.A_s = g.F_sa(g.I);
        STRIP_SPACES(g);
        g.F_sa(g.I) = g.A_s;
        g.I += 1;
    } while (g.I <= 40);
}

}  // namespace cw
