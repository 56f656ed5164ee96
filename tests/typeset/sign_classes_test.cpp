// Which ×, ÷ and ± the typesetter sets as binary operators: the class of
// each code character, and the rule that reads the classes beside a sign.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "typeset/typeset_fixture.h"

namespace cw::test {
namespace {

using C = CharClass;

std::string name(C k) {
    switch (k) {
    case C::Ordinary: return "ordinary";
    case C::Binary: return "binary";
    case C::Relation: return "relation";
    case C::Opening: return "opening";
    case C::Closing: return "closing";
    case C::Punctuation: return "punctuation";
    case C::Japanese: return "Japanese";
    }
    return "?";
}

// Every kind of code character the lessons write beside a sign.
TEST(SignClasses, EachCodeCharacterHasItsClass) {
    struct Case {
        const char* code;
        C expected;
    };
    const Case cases[] = {
        {"6", C::Ordinary},     {"x", C::Ordinary},     {"π", C::Ordinary},    {".", C::Ordinary},
        {"ﾀ", C::Ordinary},     // a fraction, by its closing mark
        {"&", C::Ordinary},     // the box of a blank to fill
        {"+", C::Binary},       {"-", C::Binary},       {"*", C::Binary},      {"/", C::Binary},
        {"@", C::Binary},       {"×", C::Binary},       {"÷", C::Binary},      {"±", C::Binary},
        {"=", C::Relation},     {"<", C::Relation},     {"＝", C::Relation},
        {"(", C::Opening},      {"{", C::Opening},      {"｛", C::Opening},    {"（", C::Opening},
        {"#", C::Opening},      {"√", C::Opening},      {"!", C::Opening},     // a radical's hook
        {")", C::Closing},      {"}", C::Closing},      {"｝", C::Closing},    {"）", C::Closing},
        {",", C::Punctuation},  {" ", C::Punctuation},
        {"の", C::Japanese},     {"ク", C::Japanese},     {"式", C::Japanese},    {"数", C::Japanese},
        {"、", C::Japanese},     {"。", C::Japanese},     {"　", C::Japanese},    {"１", C::Japanese},
        {"Ａ", C::Japanese},     {"：", C::Japanese},     {"ｱ", C::Japanese},
    };
    for (const Case& c : cases) EXPECT_EQ(name(char_class(c.code)), name(c.expected)) << "\"" << c.code << "\"";
}

// The rule, class by class: a maths typesetter's, with its one departure
// (a sign at the end of a piece of text has its operand in the next).
TEST(SignClasses, ASignIsBinaryBetweenAnOperandAndAnOperand) {
    const std::optional<C> none;
    struct Case {
        std::optional<C> before, after;
        bool binary;
        const char* example;
    };
    const Case cases[] = {
        {C::Ordinary, C::Ordinary, true, "6×3"},
        {C::Closing, C::Opening, true, ")×("},
        {C::Ordinary, C::Binary, true, "6×−3"},
        {C::Closing, C::Ordinary, true, ")÷4"},
        {C::Ordinary, none, true, "ﾀ5/2ﾀ× at the end of a piece"},
        {none, C::Ordinary, false, "×6 (nothing before it)"},
        {none, none, false, "× alone in a cell"},
        {C::Binary, C::Ordinary, false, "+×"},
        {C::Relation, C::Ordinary, false, "=×3"},
        {C::Opening, C::Ordinary, false, "(×3"},
        {C::Punctuation, C::Ordinary, false, ",×3"},
        {C::Ordinary, C::Relation, false, "3×="},
        {C::Ordinary, C::Closing, false, "3×)"},
        {C::Ordinary, C::Punctuation, false, "3×,"},
        {C::Japanese, C::Japanese, false, "式×数"},
        {C::Japanese, C::Ordinary, false, "、÷6"},
        {C::Ordinary, C::Japanese, false, "2×整数"},
        {C::Closing, C::Japanese, false, ")×の"},
    };
    auto text = [](std::optional<C> k) { return k ? name(*k) : std::string("nothing"); };
    for (const Case& c : cases)
        EXPECT_EQ(binary_between(c.before, c.after), c.binary)
            << c.example << ": a sign after " << text(c.before) << " and before " << text(c.after);
}

// The glyph run reads the classes of the characters beside each sign, past
// the codes that draw nothing, and of what lies beyond its ends.
class SignRoles : public TypesetTest {
protected:
    // "o" for each sign of the text set as an operator, "." for one that is not.
    std::string roles(const std::string& text) {
        h.pf.clear_record();
        draw(text, 100, 200);
        std::string out;
        for (const DrawOp& op : visible(Op::Text))
            if (op.s == "×" || op.s == "÷" || op.s == "±") out += op.role == GlyphRole::Operator ? "o" : ".";
        return out;
    }
};

TEST_F(SignRoles, TheTypesetterSetsSignsByTheirNeighboursClasses) {
    struct Case {
        const char* text;
        const char* roles;
    };
    const Case cases[] = {
        {"x*y", "o"},
        {"6x/(-3x)", "o"},
        {"=2*｛3*5-4*(-3)｝", "ooo"},
        {"x^2*x", "o"},          // past the exponent's silent code
        {"ﾀ3/2ﾀ*ﾀ4/3ﾀ", "o"},    // between two fractions
        {"-ﾀ1/2ﾀ*", "o"},        // at the end of a piece
        {"=*3", "."},
        {"*", "."},
        {"4　多項式*数、/数", ".."},
        {"(文字式*文字式)の計算", "."},
        {"(最初の項と*の項は分子、", "."},
        {"2*整数　", "."},
    };
    for (const Case& c : cases) EXPECT_EQ(roles(c.text), c.roles) << c.text;
}

}  // namespace
}  // namespace cw::test
