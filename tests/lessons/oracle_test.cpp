// The test oracle of expression code strings: values, expansions, lines and
// the writing rules, on texts of the kind the lessons draw.
#include "support/oracle.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace cw::oracle {
namespace {

Rational q(int64_t n, int64_t d = 1) { return Rational(n, d); }

TEST(OracleRational, LowestTermsAndSigns) {
    struct Case {
        int64_t n, d, want_n, want_d;
    } cases[] = {
        {6, 4, 3, 2}, {-6, 4, -3, 2}, {6, -4, -3, 2}, {-6, -4, 3, 2}, {0, -7, 0, 1}, {5, 1, 5, 1},
    };
    for (auto& c : cases) {
        Rational r(c.n, c.d);
        EXPECT_EQ(r.num(), c.want_n) << c.n << "/" << c.d;
        EXPECT_EQ(r.den(), c.want_d) << c.n << "/" << c.d;
    }
    EXPECT_EQ(q(1, 2) + q(1, 3), q(5, 6));
    EXPECT_EQ(q(1, 2) - q(1, 3), q(1, 6));
    EXPECT_EQ(q(-2, 3) * q(9, 4), q(-3, 2));
    EXPECT_EQ(q(2, 3) / q(-4, 9), q(-3, 2));
    EXPECT_EQ(q(-2, 3).pow(3), q(-8, 27));
    EXPECT_EQ(q(-2, 3).pow(-2), q(9, 4));
    EXPECT_LT(q(-1, 2), q(1, 3));
    EXPECT_LT(q(1, 3), q(1, 2));
}

TEST(OracleRational, OverflowAndZeroDivisorThrow) {
    const int64_t big = INT64_MAX / 2 + 1;
    EXPECT_THROW(Rational(1, 0), OracleError);
    EXPECT_THROW(q(1) / q(0), OracleError);
    EXPECT_THROW(q(big) + q(big), OracleError);
    EXPECT_THROW(q(big) * q(3), OracleError);
    EXPECT_THROW(-q(INT64_MIN), OracleError);
    EXPECT_THROW(q(1, big) + q(1, big - 1), OracleError);
    EXPECT_THROW(q(10).pow(40), OracleError);
    // Cancelling before multiplying keeps large but exact products exact.
    EXPECT_EQ(q(big, 3) * q(3, big), q(1));
}

// Letter values chosen so that no two monomials of low degree agree by chance.
const Values at = {{"a", q(3)},  {"b", q(-2)},   {"x", q(5, 2)}, {"y", q(-7)},
                   {"c", q(11)}, {"π", q(22, 7)}, {"S", q(13)},  {"h", q(4)}};

TEST(OracleValue, CodeStringsOfTheLessons) {
    struct Case {
        const char* code;
        Rational want;
    } cases[] = {
        {"3", q(3)},
        {"0.5", q(1, 2)},
        {"12.25", q(49, 4)},
        {"3a", q(9)},
        {"-3a^2", q(-27)},
        {"3a^2-2a+1", q(22)},
        {"ﾀ1/2ﾀx^2y^3", q(1, 2) * q(25, 4) * q(-343)},
        {"-ﾀ3/2ﾀx^2/ﾀ3/4ﾀx", q(-3, 2) * q(25, 4) / (q(3, 4) * q(5, 2))},
        {" (12x-20y)/4", (q(30) + q(140)) / q(4)},
        {"6ab/2a", q(-6)},          // written together binds tighter than ÷
        {"6ab÷2a", q(-6)},          // the sign written directly
        {"6ab/2a*3b", q(-6) * q(-6)},  // ÷ and × from left to right
        {"2a×(-3b)", q(36)},
        {"2a*-3b", q(36)},          // a sign after ×
        {"2(a+b)(a-b)", q(10)},
        {"(a+b)^2", q(1)},
        {"a^1^2", q(531441)},       // raised digits side by side
        {"ﾀa+b/2ﾀ", q(1, 2)},       // the numerator is a sum
        {"ﾀ3/2a^2ﾀ", q(1, 6)},
        {"ﾀ2/3/4ﾀ", q(8, 3)},       // a second "/" belongs to the denominator as ÷
        {"2πxy", q(2) * q(22, 7) * q(5, 2) * q(-7)},
        {"=6ab", q(-36)},           // a leading "=" is skipped
        {"ﾀ3a", q(9)},              // a lone mark is dropped
    };
    for (auto& c : cases) EXPECT_EQ(value(c.code, at), c.want) << c.code;
}

TEST(OracleValue, FullWidthTextAndBlanksAreSkipped) {
    EXPECT_EQ(value("（答）　3a", at), q(9));
    EXPECT_EQ(value("3a　", at), q(9));
    EXPECT_EQ(value(" 3a + 2b ", at), q(5));
    EXPECT_EQ(strip_text("（答）　3a + ﾀ1/2ﾀb×2"), "3a+ﾀ1/2ﾀb×2");
}

TEST(OracleValue, TextsItCannotReadThrow) {
    for (const char* code : {
             "",            // nothing
             "3a+",         // a term missing
             "(3a",         // ")" missing
             "3a)",         // a stray ")"
             "a2",          // a number after a factor
             "2 3",         // two numbers
             "a^b",         // an exponent that is not a digit
             "a^",          // an exponent missing
             "ﾀ3ﾀ",         // a fraction without "/"
             "!2ﾝ",         // radicals are not read
             "#ﾀ1/2ﾀﾝ",
             "3@2",         // ±
             "a<b",
             "a=b",         // two sides: use split_line
             "3/0",         // division by zero
             "ﾀ1/a-aﾀ",     // zero denominator at any value
             "z",           // a letter with no value
         }) {
        EXPECT_THROW(value(code, at), OracleError) << code;
    }
}

TEST(OracleExpand, CanonicalFormComparesEqual) {
    struct Case {
        const char* left;
        const char* right;
    } equal[] = {
        {"3a*(-2b)", "-6ab"},
        {"-2b×3a", "-6ba"},
        {"(2a)^3", "8a^3"},
        {"6a^2b/3ab", "2a"},
        {"12x^2y÷(-4xy)", "-3x"},
        {"ﾀ3/4ﾀx^2y*ﾀ2/3ﾀxy^2", "ﾀ1/2ﾀx^3y^3"},
        {"ﾀ6a^2/3aﾀ", "2a"},
        {"-ﾀ3/2ﾀx^2/ﾀ3/4ﾀx", "-2x"},
        {"(a+b)(a-b)", "a^2-b^2"},
        {"3a-4a+5b+7b", "-a+12b"},
        {"2(3x-y)-3(x+y)", "3x-5y"},
        {"a/b*b", "a"},
        {"=5", "5"},
        {"4a-4a", "0"},
    };
    for (auto& c : equal) EXPECT_EQ(expand(c.left), expand(c.right)) << c.left << " = " << c.right;
    EXPECT_NE(expand("6ab/2a"), expand("3ab^2"));  // not (6ab ÷ 2)·a
    EXPECT_NE(expand("a^2b"), expand("ab^2"));
    EXPECT_NE(expand("ﾀ1/2ﾀa"), expand("ﾀ1/3ﾀa"));
}

TEST(OracleExpand, ProductOfProblemMonomialsEqualsAnswer) {
    // What a drill test says: the drawn answer is the product of the problem's monomials.
    EXPECT_EQ(expand("-3a^2b") * expand("ﾀ2/3ﾀab") / expand("-2a"), expand("a^2b^2"));
    EXPECT_EQ((expand("4x") * expand("-y")).str(), "-4xy");
}

TEST(OracleExpand, Parts) {
    Poly p = expand("3a^2-ﾀ1/2ﾀab+7");
    EXPECT_EQ(p.terms().size(), 3u);
    EXPECT_EQ(p.coefficient({{"a", 2}}), q(3));
    EXPECT_EQ(p.coefficient({{"a", 1}, {"b", 1}}), q(-1, 2));
    EXPECT_EQ(p.coefficient(), q(7));
    EXPECT_EQ(p.coefficient({{"b", 1}}), q(0));
    EXPECT_EQ(p.letters(), (std::set<std::string>{"a", "b"}));
    EXPECT_TRUE(expand("-ﾀ2/3ﾀxy^2").is_monomial());
    EXPECT_FALSE(expand("x+1").is_monomial());
    EXPECT_TRUE(expand("ﾀ4/6ﾀ").is_constant());
    EXPECT_TRUE(expand("a-a").is_zero());
    EXPECT_EQ(expand("ab/a^3").coefficient({{"a", -2}, {"b", 1}}), q(1));
    EXPECT_EQ(p.at(at), value("3a^2-ﾀ1/2ﾀab+7", at));
    EXPECT_EQ(p.str(), "3a^2-ﾀ1/2ﾀab+7");
    EXPECT_EQ(expand("b^2+ab+a^2-b+a").str(), "a^2+ab+b^2+a-b");
    EXPECT_EQ(expand("a-a").str(), "0");
    EXPECT_EQ(expand("-x").str(), "-x");
    EXPECT_EQ(letters("2πr+ﾀa/3ﾀ"), (std::set<std::string>{"π", "r", "a"}));
    // Dividing by a sum has no polynomial form, though it has a value.
    EXPECT_THROW(expand("a/(a+b)"), OracleError);
    EXPECT_THROW(expand("ﾀ1/a+bﾀ"), OracleError);
    EXPECT_EQ(value("a/(a+b)", at), q(3));
}

TEST(OracleLine, SplitsAtEqualsOutsideFractions) {
    struct Case {
        const char* code;
        bool continues;
        std::vector<std::string> sides;
    } cases[] = {
        {"=6ab", true, {"6ab"}},
        {" =6ab", true, {"6ab"}},
        {"3a*2b", false, {"3a*2b"}},
        {"3a*2b=6ab", false, {"3a*2b", "6ab"}},
        {"a=ﾀ2S/hﾀ", false, {"a", "ﾀ2S/hﾀ"}},
        {"=ﾀ3a/2ﾀ=ﾀ3/2ﾀa", true, {"ﾀ3a/2ﾀ", "ﾀ3/2ﾀa"}},
    };
    for (auto& c : cases) {
        Line l = split_line(c.code);
        EXPECT_EQ(l.continues, c.continues) << c.code;
        EXPECT_EQ(l.sides, c.sides) << c.code;
    }
    EXPECT_TRUE(sides_equal("3a*2b=6ab"));
    EXPECT_TRUE(sides_equal("=ﾀ3a/2ﾀ=ﾀ3/2ﾀa"));
    EXPECT_FALSE(sides_equal("3a*2b=6a"));
    EXPECT_TRUE(sides_equal("=6ab"));
}

TEST(OracleForm, RulesTheLessonsKeep) {
    struct Case {
        const char* code;
        std::vector<std::string> faults;
    } cases[] = {
        {"=-6ab", {}},
        {"ﾀ3/2ﾀa-b+1", {}},
        {"-ﾀ2a/3bﾀ", {}},
        {"0", {}},
        {"=0", {}},
        {"ab^2", {}},
        {"10a", {}},
        {"(+3)", {}},                   // a sign in parentheses is written so
        {"21a", {}},
        {"0.1x", {}},
        {"ﾀ4/6ﾀa", {"fraction not in lowest terms: common factor 2"}},
        {"ﾀ4a/6ﾀ", {"fraction not in lowest terms: common factor 2"}},
        {"ﾀ2a+4b/6ﾀ", {"fraction not in lowest terms: common factor 2"}},
        {"ﾀ2a+3b/6ﾀ", {}},
        {"ﾀa^2/abﾀ", {"fraction not in lowest terms: common letter a"}},
        {"ﾀa+b/aﾀ", {}},
        {"ﾀ3/1ﾀa", {"fraction over 1"}},
        {"ﾀ0/5ﾀ", {"fraction with numerator 0"}},
        {"1a", {"coefficient 1 written"}},
        {"-1ab", {"coefficient 1 written"}},
        {"2a+1b", {"coefficient 1 written"}},
        {"1(a+b)", {"coefficient 1 written"}},
        {"a^1", {"exponent 1"}},
        {"0a+b", {"coefficient 0"}},
        {"3a+0", {"term 0 in a sum"}},
        {"3a+-2b", {"\"+-\" written"}},
        {"3a--2b", {"\"--\" written"}},
        {"3a-+2b", {"\"-+\" written"}},
        {"=+3a", {"\"=+\" written"}},
        {"+3a", {"leading \"+\""}},
        {" + 3a", {"leading \"+\""}},
        {"3a + - 2b", {"\"+-\" written"}},
        {"3a=ﾀ6/4ﾀ", {"fraction not in lowest terms: common factor 2"}},
    };
    for (auto& c : cases) EXPECT_EQ(form_faults(c.code), c.faults) << c.code;
}

}  // namespace
}  // namespace cw::oracle
