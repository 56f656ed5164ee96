// What Dorrith's division lessons share: a written-out fraction with its
// cancellation anchors kept in X() and Y() (1, 2, ... over the numerator,
// 11, 12, ... under the denominator; the strokes at them are lesson/strokes.h),
// and the two practice drills' exponents and letter texts.
#pragma once
#include <string>

#include "lessons/dorrith/dorrith.h"
#include "lessons/marks.h"
#include "lessons/strokes.h"
#include "lessons/pages.h"

namespace cw::dorrith {

// The first row of a worked page: the panel (0, 0) by (1320, 1300) erased, XI1 = 44, YI1 = 30, width 5.
lesson::PageRow worked_page();

// Continues the line with the fraction `code` in colour 0: X(0) = XI2, the
// fraction's left edge; after it anchor 1 = (X(0) + TBSI1, BSEN - 36) on the
// numerator's first character and anchor 11 = (X(0) + TBBO1, BSEN + 4) on the
// denominator's.  Returns the anchors of the text's last fraction.  Writes
// X(0), X(1), Y(1), X(11), Y(11) and what lesson::put writes.
lesson::FractionAnchors written_out(Program& g, const std::string& code);

// Anchor k + 1 = anchor k moved dx to the right.
void anchor_after(Program& g, int k, float dx);

// ---- the practice drills ---------------------------------------------------------

// The problem's sign: T(11) = INT(RND * 2) + 1, 2 read as -1, then the sign memory FMAESU (a sign equal
// to it is negated and FMAESU kept, any other stored).  One RND; writes T(11), FMAESU.
void draw_sign(Dorrith& g);
// Exponents of a and b: F(1), F(2) in the dividend and F(11), F(12) in the divisor, each INT(RND * 3), a
// monomial with none forced to a; then F(3) = F(1) - F(11), F(13) = F(11) - F(1), F(4), F(14) likewise.
// Four RNDs in that order; writes F(1..4), F(11..14).
void draw_exponents(Program& g);
// The problem's texts: FORMAT_NUMBER_TABLES, T$(11) = "" for the sign +1 and "-" for -1, then the letter
// texts below.  Clobbers what FORMAT_NUMBER_TABLES clobbers.
void problem_texts(Dorrith& g);
// B1$ = "a", B2$ = "b"; the compact letter texts F$(1..4), F$(11..14) of F(1..4), F(11..14) and the
// expanded ones F$(5), F$(6), F$(15), F$(16) of F(1), F(2), F(11), F(12).
void letter_texts(Dorrith& g);

}  // namespace cw::dorrith
