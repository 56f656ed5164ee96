// The texts of the term tables: every entry of T() and F() as a number text
// without blanks, in T$() and F$().
#include "exprstr/exprstr.h"

#include "platform/basic.h"

namespace cw {

void FORMAT_NUMBER_TABLES(Program& g) {
    // Entries 1..last of one table, counted in I as the scripts count.
    auto format = [&g](const NumArray& nums, StrArray& texts, float last) {
        g.I = 1;
        do {
            g.A_s = STR_s(nums(g.I));
            STRIP_SPACES(g);
            texts(g.I) = g.A_s;
            g.I += 1;
        } while (g.I <= last);
    };
    format(g.T_a, g.T_sa, 80);
    format(g.F_a, g.F_sa, 40);
}

}  // namespace cw
