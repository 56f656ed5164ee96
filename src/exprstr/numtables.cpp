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
            texts(g.I) = number_text_in_a(g, nums(g.I));
            g.I += 1;
        } while (g.I <= last);
    };
    format(g.T_a, g.T_sa, 80);
    format(g.F_a, g.F_sa, 40);
}

}  // namespace cw
