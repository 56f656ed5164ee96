// The code table of the prompt band.
#include <gtest/gtest.h>

#include "exprstr/exprstr.h"
#include "support/harness.h"

namespace cw {
namespace {

TEST(CodeTable, Conversions) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"A", "Α"},  {"B", "Ｂ"}, {"Z", "Ｚ"}, {"X", "Ｘ"}, {"x", "χ"}, {"y", "ｙ"}, {"a", "ａ"}, {"w", "ｗ"},
        {"z", "z"},  {"0", "０"}, {"9", "９"}, {".", "．"}, {"-", "－"}, {"/", "÷"}, {"*", "×"}, {"ﾀ", "―"},
        {" ", "　"}, {"^", "^"},   {"#", "#"},   {"_", "_"},   {"Ｑ", "Ｑ"}, {"①", "①"}, {"", ""},   {"=", "＝"},
        {"?", "∽"}, {"!", "√"},  {"$", "≡"},  {"@", "±"},  {"&", "π"},  {"'", "∠"},  {"[", "≦"},  {"]", "≧"},
        {"%", "°"},  {"~", "△"},  {":", "："}, {",", "，"}, {"(", "（"}, {"\\", "\\"}, {"ﾝ", "ﾝ"},
    };
    for (const Case& c : cases) {
        test::Harness h;
        h.g.B_s = c.in;
        CONVERT_CHAR_TO_GLYPH(h.g);
        EXPECT_EQ(h.g.B_s, c.out) << "\"" << c.in << "\"";
    }
}

TEST(CodeTable, TablesLineUpCharacterForCharacter) {
    test::Harness h;
    h.g.B_s = "";
    CONVERT_CHAR_TO_GLYPH(h.g);
    EXPECT_EQ(LEN(h.g.HENK1_s), 27);
    EXPECT_EQ(LEN(h.g.HENK2_s), 54);
    EXPECT_EQ(LEN(h.g.HENK_s), 60);
    EXPECT_EQ(LEN(h.g.HENK3_s), 120);
    EXPECT_EQ(KLEN(h.g.HENK2_s), 27);
    EXPECT_EQ(KLEN(h.g.HENK3_s), 60);
}

}  // namespace
}  // namespace cw
