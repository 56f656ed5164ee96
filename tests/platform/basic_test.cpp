// Number and string semantics of the run-time functions.
#include <gtest/gtest.h>

#include "platform/array.h"
#include "platform/basic.h"

namespace cw {
namespace {

TEST(Numbers, IntIsFloor) {
    struct Case { float in, out; };
    for (auto c : {Case{2.5f, 2}, Case{-2.5f, -3}, Case{-0.0f, 0}, Case{7, 7}, Case{-1e-7f, -1}})
        EXPECT_EQ(INT(c.in), c.out) << c.in;
}

TEST(Numbers, StrPutsABlankBeforeNonNegativeValues) {
    struct Case { float in; const char* out; };
    for (auto c : {Case{0, " 0"}, Case{12, " 12"}, Case{-3, "-3"}, Case{0.5f, " 0.5"}, Case{-0.25f, "-0.25"},
                   Case{123456792.0f, " 123456792"}, Case{-0.0f, " 0"}, Case{-40, "-40"}, Case{-123456792.0f, "-123456792"},
                   Case{1e9f, " 1e+09"}})
        EXPECT_EQ(STR_s(c.in), c.out) << c.in;
}

TEST(Numbers, ValReadsTheLeadingNumber) {
    struct Case { const char* in; float out; };
    for (auto c : {Case{"", 0}, Case{"3/2", 3}, Case{"-", 0}, Case{"/2", 0}, Case{".5", 0.5f}, Case{"1..2", 1},
                   Case{"2-3", 2}, Case{"08", 8}, Case{" 12", 12}, Case{"-2", -2}, Case{"abc", 0},
                   Case{"123456789", 123456792.0f}})
        EXPECT_EQ(VAL(c.in), c.out) << c.in;
}

TEST(Numbers, DivisionByZeroIsARunTimeError) {
    EXPECT_FLOAT_EQ(DIV(1, 3), 1.0f / 3.0f);
    try {
        DIV(5, 0);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ERR_DIV_ZERO);
        EXPECT_GT(e.site(), 0);
    }
    EXPECT_THROW(SQR(-1), RuntimeError);
    EXPECT_THROW(CHECK(1e38f * 10.0f), RuntimeError);
}

TEST(Strings, ShiftJisWidths) {
    struct Case { const char* ch; int width; };
    for (auto c : {Case{"a", 1}, Case{"ﾀ", 1}, Case{"ﾝ", 1}, Case{"０", 2}, Case{"表", 2}, Case{"×", 2},
                   Case{"Α", 2}, Case{"①", 2}, Case{"", 0}})
        EXPECT_EQ(sj_width(c.ch), c.width) << c.ch;
    EXPECT_EQ(LEN("1　単項式"), 9);
    EXPECT_EQ(KLEN("1　単項式"), 5);
    EXPECT_EQ(LEN("ﾀ3/4ﾀ"), 5);
}

TEST(Strings, ByteFunctionsCountShiftJisBytes) {
    EXPECT_EQ(LEFT_s("ab表c", 4), "ab表");
    EXPECT_EQ(LEFT_s("ab表c", 3), "ab");  // never half a character
    EXPECT_EQ(RIGHT_s("ab表c", 3), "表c");
    EXPECT_EQ(MID_s("ab表c", 3, 2), "表");
    EXPECT_EQ(MID_s("ab表c", 5), "c");
    EXPECT_EQ(INSTR("表^x", "^"), 3);
    EXPECT_EQ(INSTR("タ", "^"), 0);  // no byte search inside a character
    EXPECT_EQ(INSTR("abc", ""), 0);
    EXPECT_EQ(INSTR(3, "a-b-c", "-"), 4);
}

// The searches and cuts walk the text in place; on text whose bytes do not
// fall on character boundaries they still act on whole characters, as the
// text split into its characters would.
TEST(Strings, SearchesAndCutsKeepToWholeCharacters) {
    const std::string a = "あ";                  // e3 81 82
    const std::string cut = a.substr(0, 2);      // a character cut off at the end
    const std::string stray = "\x82";            // a continuation byte alone
    // start counts bytes for INSTR and characters for KINSTR.
    struct Search { std::string s, needle; float start; int byte_pos, char_pos; };
    for (auto c : {Search{"xあy", "\xe3", 1, 0, 0},           // a lead byte alone is not the character
                   Search{"xあy", "\x82y", 1, 0, 0},          // nor the end of one and the next
                   Search{"xあy", cut, 1, 0, 0},               // nor its first two bytes
                   Search{"x" + cut, cut, 1, 2, 2},            // a cut-off character is one character
                   Search{"a" + stray + "b", stray + "b", 1, 2, 2},
                   Search{"ﾀ1ﾀ2ﾀ", "ﾀ", 2, 3, 3},
                   Search{"表表表", "表", 3, 3, 3},  // from byte 3 / from the third character
                   Search{"表表表", "表", 4, 5, 0},
                   Search{"表表表", "表表", 2, 3, 2},
                   Search{"abab", "ab", 2, 3, 3},
                   Search{"ab", "abc", 1, 0, 0}}) {
        EXPECT_EQ(INSTR(c.start, c.s, c.needle), c.byte_pos) << c.s << " / " << c.needle;
        EXPECT_EQ(KINSTR(c.start, c.s, c.needle), c.char_pos) << c.s << " / " << c.needle;
    }
    struct Cut { std::string s; int klen, len; std::string kleft2, kright2, kmid21, left3; };
    for (auto c : {Cut{"ab", 2, 2, "ab", "ab", "b", "ab"},
                   Cut{"x" + cut, 2, 3, "x" + cut, "x" + cut, cut, "x" + cut},
                   Cut{stray + "ﾀ" + a, 3, 5, stray + "ﾀ", "ﾀ" + a, "ﾀ", stray + "ﾀ"},
                   Cut{a + a + a, 3, 6, a + a, a + a, a, a}}) {
        EXPECT_EQ(KLEN(c.s), c.klen) << c.s;
        EXPECT_EQ(LEN(c.s), c.len) << c.s;
        EXPECT_EQ(KLEFT_s(c.s, 2), c.kleft2) << c.s;
        EXPECT_EQ(KRIGHT_s(c.s, 2), c.kright2) << c.s;
        EXPECT_EQ(KMID_s(c.s, 2, 1), c.kmid21) << c.s;
        EXPECT_EQ(LEFT_s(c.s, 3), c.left3) << c.s;
        std::string rest = c.s, first;
        take_first_char(rest, first);
        EXPECT_EQ(first, KLEFT_s(c.s, 1)) << c.s;
        EXPECT_EQ(rest, KRIGHT_s(c.s, c.klen - 1)) << c.s;
    }
    std::string empty, first = "z";
    take_first_char(empty, first);
    EXPECT_EQ(first, "");
    EXPECT_EQ(KRIGHT_s("abc", 0), "");
    EXPECT_EQ(KRIGHT_s("abc", 5), "abc");
    EXPECT_EQ(KMID_s("abc", 2), "bc");
    EXPECT_EQ(KMID_s("abc", 5, 1), "");
    EXPECT_EQ(MID_s("a表b", 2, 1), "");  // never half a character
}

TEST(Strings, CharacterFunctionsCountCharacters) {
    EXPECT_EQ(KLEFT_s("番号を", 2), "番号");
    EXPECT_EQ(KRIGHT_s("番号を", 1), "を");
    EXPECT_EQ(KMID_s("番号を", 2, 1), "号");
    EXPECT_EQ(KMID_s("", 1, 1), "");
    EXPECT_EQ(KINSTR("ぢﾀ1/2ﾀ", "ﾀ"), 2);
    EXPECT_EQ(KINSTR("abc", ""), 0);
    EXPECT_EQ(KINSTR(3, "ﾀ1ﾀ", "ﾀ"), 3);
}

TEST(Strings, OneByteCodes) {
    EXPECT_EQ(CHR_s(65), "A");
    EXPECT_EQ(CHR_s(0xC0), "ﾀ");
    EXPECT_EQ(CHR_s(0xDD), "ﾝ");
    EXPECT_EQ(ASC("ﾀ"), 0xC0);
    EXPECT_EQ(ASC("A"), 65);
    EXPECT_THROW(CHR_s(0x100), RuntimeError);
    EXPECT_THROW(ASC(""), RuntimeError);
}

TEST(Arrays, EveryIndexIsChecked) {
    NumArray t(80);
    StrArray k(5, 2);
    t(80) = 1;
    t(0) = 2;
    k(5, 2) = "x";
    EXPECT_EQ(t(80), 1);
    EXPECT_EQ(k(5, 2), "x");
    EXPECT_EQ(k(0, 0), "");
    EXPECT_THROW(t(81), RuntimeError);
    EXPECT_THROW(t(-1), RuntimeError);
    EXPECT_THROW(k(6, 0), RuntimeError);
    EXPECT_THROW(k(1), RuntimeError);      // one index on a two-dimensional array
    EXPECT_THROW(t(1, 1), RuntimeError);   // two on a one-dimensional one
    NumArray none;
    EXPECT_THROW(none(0), RuntimeError);   // never dimensioned
}

}  // namespace
}  // namespace cw
