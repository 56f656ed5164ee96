// The typesetter entry and the glyph run: expression code strings drawn
// character by character with fixed metrics.
#include "typeset/typeset.h"

#include "platform/basic.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace cw {

namespace {

const char* const GOTHIC = "ゴシック";
const char* const SERIF = "Times New Roman";
const char* const SCRIPT = "MT Extra";

void glyph(Program& g, float dx, float dy, float p, float q) {
    g.pf.SYMBOL(g.TX + dx, g.TY + dy, p, q, g.CCC1, g.B_s);
}

void stroke(Program& g, float x, float y, float dx, float dy) {
    g.pf.LINE(g.TX + x, g.TY + y, g.TX + x + dx, g.TY + y + dy, g.CCC1);
}

bool is_italic_letter(const std::string& b) { return b == "a" || b == "x" || b == "c"; }
bool is_operator_sign(const std::string& b) { return b == "×" || b == "÷" || b == "±"; }

// Codes that draw nothing themselves: they change how what follows is set.
bool silent_code(const std::string& c) { return c == "^" || c == "\\" || c == "ﾝ"; }

}  // namespace

CharClass char_class(const std::string& code) {
    using C = CharClass;
    // The code characters of the maths by what each is in an expression, a
    // bracket, relation or sign in its full-width form as in its own
    // ("2×｛3×5−4×(−3)｝").  The silent codes ("^", "\\", "ﾝ") are no
    // character of the expression.
    static const std::pair<const char*, C> kCodes[] = {
        {"+", C::Binary},    {"-", C::Binary},    {"*", C::Binary},      {"/", C::Binary},      {"@", C::Binary},
        {"×", C::Binary},    {"÷", C::Binary},    {"±", C::Binary},      {"＋", C::Binary},     {"－", C::Binary},
        {"=", C::Relation},  {"<", C::Relation},  {">", C::Relation},    {"＝", C::Relation},   {"＜", C::Relation},
        {"＞", C::Relation}, {"(", C::Opening},   {"[", C::Opening},     {"{", C::Opening},     {"（", C::Opening},
        {"［", C::Opening},  {"｛", C::Opening},  {"#", C::Opening},     {"!", C::Opening},     {"√", C::Opening},
        {")", C::Closing},   {"]", C::Closing},   {"}", C::Closing},     {"）", C::Closing},    {"］", C::Closing},
        {"｝", C::Closing},  {",", C::Punctuation}, {";", C::Punctuation}, {":", C::Punctuation},
        {" ", C::Punctuation},
    };
    for (const auto& [c, k] : kCodes)
        if (code == c) return k;
    if (code == "ﾀ") return C::Ordinary;  // a fraction, by its closing mark
    const char32_t cp = code.empty() ? 0 : first_codepoint(code);
    const bool japanese = (cp >= 0x3000 && cp <= 0x30FF)                                 // CJK punctuation, kana
                          || (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0x4E00 && cp <= 0x9FFF)  // kanji
                          || (cp >= 0xF900 && cp <= 0xFAFF)                              // more kanji
                          || (cp >= 0xFF01 && cp <= 0xFFEF);  // full-width forms, half-width kana
    return japanese ? C::Japanese : C::Ordinary;
}

bool binary_between(std::optional<CharClass> before, std::optional<CharClass> after) {
    using C = CharClass;
    auto among = [](std::optional<C> k, std::initializer_list<C> of) {
        return k && std::find(of.begin(), of.end(), *k) != of.end();
    };
    // A sign with Japanese text on either side is a character of that text.
    if (among(before, {C::Japanese}) || among(after, {C::Japanese})) return false;
    // As a maths typesetter sets it, a sign is ordinary with nothing before
    // it, after a sign, a relation, an opening or punctuation ...
    if (!before || among(before, {C::Binary, C::Relation, C::Opening, C::Punctuation})) return false;
    // ... and before a relation, a closing or punctuation, or nothing; but for
    // the one departure: a lesson writes a line in pieces, so a sign at the end
    // of a piece has its operand in the next.
    const bool operand_follows_the_piece = true;
    if (!after) return operand_follows_the_piece;
    return !among(after, {C::Relation, C::Closing, C::Punctuation});
}

namespace {

// A sign drawn as the glyph run's current character, its cell p by q at
// (dx, dy) from the pen: an operator between two operands, or (with nothing
// on one side, as a mark alone in a table cell) an ordinary character.  An
// operator stands in the middle of its space, the `advance` the pen moves
// past it, whatever its cell's width: the layout centres its ink on its
// cell, so its ink is as far from the pen before it as from the pen after.
void sign(Program& g, bool binary, float dx, float dy, float p, float q, float advance) {
    if (binary) {
        const float cell = g.pf.font().size * p;  // a two-byte character's
        g.pf.operator_sign(g.TX + (advance - cell) / 2, g.TY + dy, p, q, g.CCC1, g.B_s);
    } else {
        glyph(g, dx, dy, p, q);
    }
}

// One character through the glyph metrics table: first matching row wins.
// `binary`: the character, if a sign, stands between two operands.
void glyph_step(Program& g, bool binary) {
    auto& pf = g.pf;
    const std::string& b = g.B_s;
    g.TA2 = static_cast<float>(LEN(b));
    if (b == ".") {
        glyph(g, -3, 14, 3, 2);
        g.TX += 8;
    } else if (b == "'" || b == "°") {
        glyph(g, 0, 0, 3, 3);
        g.TX += 12;
    } else if (b == "=") {
        pf.SETFONTSIZE(14);
        pf.SETFONTBOLD(-1);
        glyph(g, 4, 0, 3, 3);
        pf.SETFONTSIZE(16);
        g.TX += 32;
    } else if (g.JYOUK == 1) {
        pf.SETFONTSIZE(8);
        glyph(g, 0, -10, 6, 3);
        g.JYOUK = 0;
        pf.SETFONTSIZE(16);
        g.TX += 24;
    } else if (g.JYOU == 1 && g.BUN == 1) {
        pf.SETFONTSIZE(8);
        glyph(g, 0, -4, 6, 3);
        g.JYOU = 0;
        pf.SETFONTSIZE(16);
        g.TX += 24;
    } else if (g.JYOU == 1) {
        glyph(g, 0, 0, 3, 2);
        g.JYOU = 0;
        g.TX += 24;
    } else if (is_italic_letter(b)) {
        pf.SETFONTNAME(SERIF);
        pf.SETFONTSIZE(8);
        pf.SETFONTITALIC(-1);
        if (g.BUN == 1) {
            glyph(g, 4, -16, 12, 5);
        } else {
            glyph(g, 4, -22, 10, 7);
        }
        pf.SETFONTNAME(GOTHIC);
        pf.SETFONTSIZE(16);
        pf.SETFONTITALIC(0);
        g.TX += g.BUN == 1 ? 32 : 27;
    } else if (b == "l") {
        pf.SETFONTNAME(SCRIPT);
        pf.SETFONTSIZE(16);
        pf.SETFONTBOLD(-1);
        g.pf.SYMBOL(g.TX, g.Y, 6, 3, g.CCC1, b);
        pf.SETFONTNAME(GOTHIC);
        pf.SETFONTSIZE(16);
        pf.SETFONTBOLD(0);
        g.TX += 32;
    } else if ((b == "-" || b == "+") && g.BUN == 1) {
        pf.SETDRAWWIDTH(5);
        stroke(g, 6, 14, 20, 0);
        if (b == "+") stroke(g, 16, 4, 0, 20);
        pf.SETDRAWWIDTH(3);
        g.TX += 32;
    } else if (b == "-" || b == "+") {
        pf.SETDRAWWIDTH(5);
        if (b == "-") {
            stroke(g, 4, 20, 19, 0);
        } else {
            stroke(g, 4, 22, 19, 0);
            stroke(g, 13, 10, 0, 24);
        }
        pf.SETDRAWWIDTH(3);
        g.TX += 27;
    } else if (is_operator_sign(b) && g.BUN != 1) {
        sign(g, binary, -4, 0, 2, 3, 27);
        g.TX += 27;
    } else if (b == " ") {
        g.TX += 27;
    } else if (g.TA2 == 2 && g.BUN == 1) {
        pf.SETFONTSIZE(11);
        sign(g, binary && is_operator_sign(b), 0, 0, 3, 3, 38);
        pf.SETFONTSIZE(16);
        g.TX += 38;
    } else if (g.TA2 == 2) {
        glyph(g, 0, 0, 2, 3);
        g.TX += 34;
    } else if (g.BUN == 1) {
        glyph(g, 0, 0, 4, 2);
        g.TX += 32;
    } else {
        glyph(g, 0, 0, 3, 3);
        g.TX += 27;
    }
}

// Extends the bar of an open radical to the pen, or lets its start follow
// the pen while none is open.
void overbar_step(Program& g) {
    float rise = 0;
    if (g.HROOT == 1)
        rise = 4;
    else if (g.HROOT == 11)
        rise = 6;
    else if (g.HROOT == 22 && g.BUN != 1)
        rise = 14;
    if (rise == 0) {
        g.TXM = g.TX;
        return;
    }
    g.pf.SETDRAWWIDTH(3);
    g.pf.LINE(g.TXM, g.Y - rise, g.TX, g.Y - rise, g.CCC1);
    g.pf.SETDRAWWIDTH(3);
}

// The first code character of s that draws something ("" for none).
std::string next_code(const std::string& s) {
    for (std::string rest = s, c; !rest.empty();) {
        take_first_char(rest, c);
        if (!silent_code(c)) return c;
    }
    return {};
}

void polyline(Program& g, float x, float y, std::initializer_list<Point> rel) {
    std::vector<Point> pts;
    for (auto& p : rel) pts.emplace_back(x + p.first, y + p.second);
    g.pf.CONNECT(pts, g.CCC1);
}

}  // namespace

void DRAW_EXPRESSION_TEXT(Program& g) {
    if (!inside_typesetter(g)) g.pf.note(Op::Expr, g.X, g.Y, g.CCC1, g.AA_s);
    TypesetScope inside(g);
    std::string before;  // the last code character drawn (a fraction's closing mark for a fraction)
    for (;;) {
        g.DR = static_cast<float>(g.pf.GETDRAWWIDTH());
        g.LEM = static_cast<float>(KLEN(g.AA_s));
        if (g.LEM == 0) {
            g.pf.SETDRAWWIDTH(g.DR);
            return;
        }
        take_first_char(g.AA_s, g.A_s);
        const std::string code = g.A_s;
        if (g.A_s == "ﾀ") {
            g.N = static_cast<float>(KINSTR(g.AA_s, "ﾀ"));
            if (g.N == 0) continue;  // a lone mark is dropped
            g.A_s = KLEFT_s(g.AA_s, g.N - 1);
            g.AA_A_s = KRIGHT_s(g.AA_s, g.LEM - g.N - 1);
            DRAW_FRACTION(g);
            g.AA_s = g.AA_A_s;
        } else if (g.A_s == "#") {
            g.pf.SETDRAWWIDTH(3);
            polyline(g, g.X, g.Y, {{4, 36}, {8, 24}, {16, 60}, {30, -14}, {38, -14}});
            g.B_s.clear();
            g.HROOT = 22;
            g.pf.SETDRAWWIDTH(g.DR);
            g.X += 32;
            g.TXM = g.X;
        } else if (g.A_s == "^") {
            g.JYOU = 1;
        } else {
            g.typesetter.before = before;
            g.typesetter.after = next_code(g.AA_s);
            DRAW_GLYPH_RUN(g);
        }
        if (!silent_code(code)) before = code;
    }
}

void DRAW_GLYPH_RUN(Program& g) {
    auto& pf = g.pf;
    g.TX = g.X;
    g.TY = g.Y;
    g.DR = static_cast<float>(pf.GETDRAWWIDTH());
    g.R_s = g.A_s;
    g.NAG = static_cast<float>(KLEN(g.R_s));
    pf.SETFONTNAME(GOTHIC);
    pf.SETFONTSIZE(16);
    pf.SETFONTBOLD(-1);
    const std::string before = std::exchange(g.typesetter.before, {});
    const std::string after = std::exchange(g.typesetter.after, {});
    // The code character next to the I-th one, one way or the other, past
    // the silent codes; what lies around the run beyond its ends.
    auto neighbour = [&](int step) {
        for (int i = static_cast<int>(g.I) + step; i >= 1 && i <= static_cast<int>(g.NAG); i += step) {
            std::string c = KMID_s(g.R_s, static_cast<float>(i), 1);
            if (!silent_code(c)) return c;
        }
        return step < 0 ? before : after;
    };
    g.I = 1;
    do {
        g.B_s = KMID_s(g.R_s, g.I, 1);
        if (g.B_s == "%") g.B_s = "°";
        if (g.B_s == "*") g.B_s = "×";
        if (g.B_s == "/") g.B_s = "÷";
        if (g.B_s == "@") g.B_s = "±";
        if (g.B_s == "!") g.B_s = "√";
        if (g.B_s == "^") {
            g.JYOU = 1;
        } else if (g.B_s == "\\") {
            g.JYOUK = 1;
        } else if (g.B_s == "ﾝ") {
            g.HROOT = 0;
        } else if (g.B_s == "√" && g.BUN == 1) {
            pf.SETDRAWWIDTH(3);
            polyline(g, g.TX, g.TY, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}});
            g.B_s.clear();
            g.HROOT = 11;
            pf.SETDRAWWIDTH(3);
            g.TX += 26;
            g.TXM = g.TX;
        } else if (g.B_s == "√") {
            pf.SETDRAWWIDTH(3);
            polyline(g, g.TX, g.TY, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}});
            g.B_s.clear();
            g.HROOT = 1;
            pf.SETDRAWWIDTH(3);
            g.TX += 28;
            g.TXM = g.TX;
        } else if (g.B_s == "&") {
            pf.SETDRAWWIDTH(5);
            polyline(g, g.TX, g.TY, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}});
            g.B_s.clear();
            pf.SETDRAWWIDTH(3);
            g.TX += 36;
            g.TXM = g.TX;
        } else {
            const std::string left = neighbour(-1), right = neighbour(+1);
            auto class_of = [](const std::string& c) { return c.empty() ? std::nullopt : std::optional(char_class(c)); };
            glyph_step(g, binary_between(class_of(left), class_of(right)));
            overbar_step(g);
        }
        g.I += 1;
    } while (g.I <= g.NAG);
    g.X = g.TX;
    g.Y = g.TY;
    pf.SETFONTBOLD(0);
    pf.SETDRAWWIDTH(g.DR);
}

}  // namespace cw
