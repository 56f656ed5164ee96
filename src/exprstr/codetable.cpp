// The table that maps one-byte codes to the full-width glyphs of the prompt
// band and the number echo.
#include "exprstr/exprstr.h"

namespace cw {

void CONVERT_CHAR_TO_GLYPH(Program& g) {
    g.HENK2_s = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
    g.HENK1_s = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
    g.N1 = static_cast<float>(INSTR(g.HENK1_s, g.B_s));
    if (g.N1 != 0) g.B_s = KMID_s(g.HENK2_s, g.N1, 1);
    g.HENK3_s = "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";
    g.HENK_s = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
    g.N = static_cast<float>(INSTR(g.HENK_s, g.B_s));
    if (g.N != 0) g.B_s = KMID_s(g.HENK3_s, g.N, 1);
}

}  // namespace cw
