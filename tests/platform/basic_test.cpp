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
                   Case{123456792.0f, " 123456792"}, Case{-0.0f, " 0"}})
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
