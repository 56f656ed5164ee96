#include "lessons/strokes.h"

#include "lessons/toolkit.h"
#include "typeset/typeset.h"

namespace cw::lesson {

namespace {

constexpr float kStar = 38;    // "*" (drawn ×) in the fraction-part style
constexpr float kLetter = 32;  // a digit or letter in the fraction-part style

// A reduced value written over a struck number, in colour 3 with its top
// left at `at`: in the fraction parts' digits, a third less tall than
// ordinary ones, whose ink ends a few units above the struck number's top,
// where ordinary digits reach into it.  The callers put it just that high:
// any higher, the smaller digits stand level with the line above and read
// with it.
void small_value(Program& g, Anchor at, const std::string& text) {
    const float style = g.BUN;
    g.BUN = 1;
    put(g, at.x, at.y, 3, text, Keep::None);
    g.BUN = style;
}

}  // namespace

// ---- rising strokes -----------------------------------------------------------------------------

void strike_number(Program& g, Anchor at, int chars, const std::string& reduced, StrokeRule rule) {
    g.pf.LINE(at.x, at.y + rule.rise, at.x + rule.pitch * static_cast<float>(chars), at.y, 3);
    if (!reduced.empty()) small_value(g, at.up(30), reduced);
}

void strike_denominator(Program& g, Anchor at, int chars, StrokeRule rule, Drawer drawer) {
    g.pf.LINE(at.x, at.y + rule.rise, at.x + rule.pitch * static_cast<float>(chars), at.y, 3);
    if (drawer == Drawer::Typeset) {
        put(g, at.x, at.y + 28, 3, "1", Keep::None);
    } else {
        g.CCC1 = 3;
        g.X = at.x;
        g.Y = at.y + 28;
        g.AA_s = std::string("1");  // not = "1": GCC 12 warns of an overlap there that cannot happen
        DRAW_PLAIN_TEXT(g);
    }
}

void cancel_product(Program& g, const ProductCancel& c) {
    strike_number(g, c.number, c.number_chars, c.reduced, c.number_rule);
    strike_denominator(g, c.denominator, c.denominator_chars, c.denominator_rule, c.denominator_drawer);
}

// ---- falling strokes ----------------------------------------------------------------------------

void strike_factor(Program& g, Anchor at, int chars, StrokeRule rule) {
    g.pf.LINE(at.x, at.y, at.x + rule.pitch * static_cast<float>(chars), at.y + rule.rise, 3);
}

void strike_factor(Program& g, int k, float chars) { strike_factor(g, kept_anchor(g, k), to_int(chars)); }

// Over a factor its stroke starts at the factor's top left, round end and all: the value stands 3 higher
// than over a number, clear of it, and 4 to the left, clear of what the line above has beside it (the
// smaller digits are wider than the ordinary ones).
void value_above(Program& g, Anchor at, const std::string& text) { small_value(g, at.up(33).right(-4), text); }

void value_above(Program& g, int k, const std::string& text) { value_above(g, kept_anchor(g, k), text); }

void value_below(Program& g, Anchor at, const std::string& text) { put(g, at.x, at.y + 32, 3, text, Keep::None); }

void value_below(Program& g, int k, const std::string& text) { value_below(g, kept_anchor(g, k), text); }

void cancel_pair(Program& g, int den, const std::string& den_value, int num, const std::string& num_value,
                 float num_chars) {
    strike_factor(g, den);
    value_below(g, den, den_value);
    strike_factor(g, num, num_chars);
    value_above(g, num, num_value);
}

// ---- where the strokes go -----------------------------------------------------------------------

float letter_offset(int k) { return 35.0f * static_cast<float>(k) - 32.0f; }

int struck_factor_count(float here, float there) {
    if (here <= 0 || there <= 0) return 0;
    return to_int(here < there ? here : there);
}

Anchor letter_factor_anchor(Anchor start, float i) { return start.right(kStar + (kStar + kLetter) * (i - 1)); }

LetterPairing pair_letters(const std::string& walked, float walked_x, const std::string& searched, float searched_x) {
    LetterPairing out;
    out.searched = searched;
    out.walked_end = walked_x;
    if (walked.empty() || searched.empty()) return out;
    float x = walked_x;
    for (char ch : walked) {
        if (ch == '*') {
            x += kStar;
            continue;
        }
        const size_t at = out.searched.find(ch);
        if (at != std::string::npos) {
            out.pairs.push_back({x, searched_x + letter_offset(static_cast<int>(at) + 1)});
            out.searched[at] = '0';
        }
        x += kLetter;
    }
    out.walked_end = x;
    return out;
}

FactorPositions factor_positions(Anchor numerator, Anchor denominator, const FactorWidths& w,
                                 bool third_in_numerator) {
    FactorPositions p;
    p.at[1] = numerator;
    p.at[3] = denominator;
    p.at[2] = numerator.right(w.w[1]);
    p.at[4] = denominator.right(w.w[3]);
    p.at[5] = third_in_numerator ? p.at[2].right(w.w[2] + kStar) : p.at[4].right(w.w[4] + kStar);
    p.at[6] = p.at[5].right(w.w[5]);
    return p;
}

}  // namespace cw::lesson
