// Reducing a fraction of two signed whole numbers and building its texts:
// the input fraction, the result as a first and as a following term, the
// worked reduction, and the results without layout marks.
//
// Dorrith classifies two inputs on their own, which its lessons use to decide
// whether a cancellation is shown: a denominator of exactly 1 is case 4, and a
// zero numerator (over a denominator other than 0 and 1) is case 5, left
// unreduced with the result "0" in both forms.  The other programs take both
// into case 1.
#include "exprstr/exprstr.h"

#include "platform/basic.h"

namespace cw {

float M(float X, float Y) {
    const float q = INT(DIV(X, Y));
    const float p = CHECK(Y * q);
    return CHECK(X - p);
}

void COMPUTE_GCD_LCM(Program& g) {
    g.X1 = g.DS;
    g.X2 = g.DB;
    g.LB8 = CHECK(g.X1 * g.X2);
    while (g.X2 != 0) {
        g.X1 = M(g.X1, g.X2);
        SWAP(g.X1, g.X2);
    }
    g.X3 = g.X1;
    g.X4 = DIV(g.LB8, g.X3);
}

void FORMAT_REDUCED_FRACTION(Program& g) {
    const bool mark_whole_and_zero = g.info.fraction_rules == FractionRules::MarkWholeAndZero;

    g.DB1 = g.DB;
    g.DS1 = g.DS;
    g.YAK1 = CHECK(g.DB * g.DS) < 0 ? -1.0f : 1.0f;

    if (g.DB == 0) {
        g.E1 = g.DS;
        g.E2 = g.DB;
        g.YAK = 0;
    } else if (g.DB == 1) {
        g.E1 = g.DS;
        g.E2 = g.DB;
        g.YAK = mark_whole_and_zero ? 4.0f : 1.0f;
    } else if (mark_whole_and_zero && g.DS == 0) {
        g.E1 = 0;
        g.E2 = g.DB;
        g.YAK = 5;
    } else {
        g.DS = ABS(g.DS);
        g.DB = ABS(g.DB);
        COMPUTE_GCD_LCM(g);
        g.E1 = DIV(CHECK(g.YAK1 * g.DS), g.X3);
        g.E2 = DIV(g.DB, g.X3);
        if (g.E1 == 0 || g.E2 == 1)
            g.YAK = 1;
        else if (g.E2 == g.DB1 && g.YAK1 == 1)
            g.YAK = 3;
        else
            g.YAK = 2;
    }
    g.DS = g.E1;
    g.DB = g.E2;

    g.DS1_s = number_text_in_a(g, g.DS1);
    g.DA1_s = number_text_in_a(g, g.DB1);
    g.DB_s = number_text_in_a(g, g.DB);
    g.DS_s = number_text_in_a(g, g.DS);
    g.A1_s = "ﾀ" + g.DS1_s + "/" + g.DA1_s + "ﾀ";

    // From here on DS$ holds the magnitude only.
    g.LEM = static_cast<float>(KLEN(g.DS_s));
    g.A_s = KLEFT_s(g.DS_s, 1);
    if (g.A_s == "-") g.DS_s = KRIGHT_s(g.DS_s, g.LEM - 1);

    const bool negative = g.YAK1 == -1;
    switch (static_cast<int>(g.YAK)) {
        case 1:
        case 4:
            g.A2_s = (negative ? "-" : "") + g.DS_s;
            g.A21_s = (negative ? "-" : "+") + g.DS_s;
            break;
        case 5:
            g.A2_s = "0";
            g.A21_s = "0";
            break;
        case 2:
            g.A2_s = std::string(negative ? "-" : "") + "ﾀ" + g.DS_s + "/" + g.DB_s + "ﾀ";
            g.A21_s = std::string(negative ? "-" : "+") + "ﾀ" + g.DS_s + "/" + g.DB_s + "ﾀ";
            break;
        case 3:
            g.A2_s = "ﾀ" + g.DS1_s + "/" + g.DA1_s + "ﾀ";
            g.A21_s = "+ﾀ" + g.DS1_s + "/" + g.DA1_s + "ﾀ";
            break;
        default:
            // A zero denominator has no result: the answer texts are
            // cleared rather than left from an earlier call.
            g.A2_s.clear();
            g.A21_s.clear();
            break;
    }

    g.FDS1_s = g.YAK1 == 1 ? "+" : "";

    if (g.YAK == 0) {
        g.A3_s.clear();
        g.A31_s.clear();
    } else if (g.YAK == 3) {
        g.A3_s = g.A2_s;
        g.A31_s = g.A21_s;
    } else {
        g.A3_s = "ﾀ" + g.DS1_s + "/" + g.DA1_s + "ﾀ=" + g.A2_s;
        g.A31_s = g.FDS1_s + "ﾀ" + g.DS1_s + "/" + g.DA1_s + "ﾀ=" + g.A21_s;
    }

    g.A_s = g.A2_s;
    STRIP_LAYOUT_MARKS(g);
    g.TKAI1_s = g.A_s;
    g.A_s = g.A21_s;
    STRIP_LAYOUT_MARKS(g);
    g.TKAI2_s = g.A_s;
}

}  // namespace cw
