#include "lessons/strokes.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "lessons/toolkit.h"
#include "typeset/typeset.h"

namespace cw::lesson {

namespace {

constexpr float kStar = 38;    // "*" (drawn ×) in the fraction-part style
constexpr float kLetter = 32;  // a digit or letter in the fraction-part style

// A reduced value over a struck number or factor, in colour 3 at `at`: in
// the fraction parts' digits, a third less tall than ordinary ones, whose
// ink ends above the struck number's top where ordinary digits reach into
// it.
void small_value(Program& g, Anchor at, const std::string& text) {
    const float style = g.BUN;
    g.BUN = 1;
    put(g, at.x, at.y, 3, text, Keep::None);
    g.BUN = style;
}

// A value under a struck factor, in colour 3 at `at`, in ordinary digits.
void value_at(Program& g, Anchor at, const std::string& text) { put(g, at.x, at.y, 3, text, Keep::None); }

// The space between a box and a stroke's ink (0 where they meet).
float gap_to_stroke(const Bounds& b, const StrokeInk& s) {
    const float ax = s.from.x, ay = s.from.y, dx = s.to.x - ax, dy = s.to.y - ay;
    // Where the stroke's centre line crosses the box (clipped to it): they meet.
    float t0 = 0, t1 = 1;
    auto clip = [&](float p, float q) {
        if (p == 0) return q >= 0;
        const float t = q / p;
        if (p < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (clip(-dx, ax - b.l) && clip(dx, b.r - ax) && clip(-dy, ay - b.t) && clip(dy, b.b - ay)) return 0;
    // Otherwise the nearest points are an end of the line or a corner of the box.
    auto point_to_box = [&](float x, float y) {
        return std::hypot(std::max({0.0f, b.l - x, x - b.r}), std::max({0.0f, b.t - y, y - b.b}));
    };
    auto point_to_line = [&](float x, float y) {
        const float len2 = dx * dx + dy * dy;
        const float t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.0f, 1.0f) : 0.0f;
        return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
    };
    float d = std::min(point_to_box(s.from.x, s.from.y), point_to_box(s.to.x, s.to.y));
    for (float x : {b.l, b.r})
        for (float y : {b.t, b.b}) d = std::min(d, point_to_line(x, y));
    return std::max(0.0f, d - s.width / 2);
}

// The space between two boxes (0 where they overlap).
float gap_between(const Bounds& a, const Bounds& b) {
    return std::hypot(std::max({0.0f, a.l - b.r, b.l - a.r}), std::max({0.0f, a.t - b.b, b.t - a.b}));
}

Bounds moved(const Bounds& b, float dx, float dy) { return {b.l + dx, b.t + dy, b.r + dx, b.b + dy}; }

// The stroke strike_factor draws from `at`: falling across `chars`
// characters.
StrokeInk falling_stroke(const Program& g, Anchor at, int chars, StrokeRule rule) {
    return {at, {at.x + rule.pitch * static_cast<float>(chars), at.y + rule.rise},
            static_cast<float>(g.pf.GETDRAWWIDTH())};
}

// The stroke strike_number and strike_denominator draw from `at`: rising
// across `chars` characters to `at`'s height.
StrokeInk rising_stroke(const Program& g, Anchor at, int chars, StrokeRule rule) {
    return {{at.x, at.y + rule.rise}, {at.x + rule.pitch * static_cast<float>(chars), at.y},
            static_cast<float>(g.pf.GETDRAWWIDTH())};
}

// Draws a stroke in colour 3.
void draw_stroke(Program& g, const StrokeInk& s) { g.pf.LINE(s.from.x, s.from.y, s.to.x, s.to.y, 3); }

}  // namespace

// ---- where a reduced value goes -------------------------------------------------------------------

Anchor value_offset(const Bounds& ink, const StrokeInk& stroke, const std::vector<Bounds>& others) {
    auto clears_stroke = [&](const Bounds& b) { return gap_to_stroke(b, stroke) >= kValueFromStroke; };
    auto clears_texts = [&](const Bounds& b) {
        for (const Bounds& o : others) {
            // Level: side by side over half the value's height.
            const bool level = std::min(b.b, o.b) - std::max(b.t, o.t) > (b.b - b.t) / 2;
            if (gap_between(b, o) < (level ? kValueBesideText : kValueFromText)) return false;
        }
        return true;
    };
    // Nearer first; then the smaller move across, up before down, left before right.
    auto before = [](int ax, int ay, int bx, int by) {
        const int da = ax * ax + ay * ay, db = bx * bx + by * by;
        if (da != db) return da < db;
        if (std::abs(ax) != std::abs(bx)) return std::abs(ax) < std::abs(bx);
        if (ay != by) return ay < by;
        return ax < bx;
    };
    std::optional<std::pair<int, int>> best, fallback;
    for (int dy = -kValueReachUpDown; dy <= kValueReachUpDown; ++dy)
        for (int dx = -kValueReachAcross; dx <= kValueReachAcross; ++dx) {
            const Bounds b = moved(ink, static_cast<float>(dx), static_cast<float>(dy));
            if (!clears_stroke(b)) continue;
            if (!fallback || before(dx, dy, fallback->first, fallback->second)) fallback = {dx, dy};
            if (clears_texts(b) && (!best || before(dx, dy, best->first, best->second))) best = {dx, dy};
        }
    const auto chosen = best ? best : fallback;
    if (!chosen) return {0, 0};
    return {static_cast<float>(chosen->first), static_cast<float>(chosen->second)};
}

void place_value(Program& g, const StrokeInk& stroke, Anchor at, const std::function<void(Program&, Anchor)>& draw) {
    const Bounds ink = g.pf.covers([&] { draw(g, at); });
    Anchor offset{0, 0};
    if (!ink.empty()) {
        // As far as a value may move, and a word's space beyond.
        const float across = kValueReachAcross + kValueBesideText, up_down = kValueReachUpDown + kValueBesideText;
        const Bounds around{ink.l - across, ink.t - up_down, ink.r + across, ink.b + up_down};
        offset = value_offset(ink, stroke, g.pf.text_ink_within(around));
    }
    draw(g, at.right(offset.x).down(offset.y));
}

// ---- rising strokes -----------------------------------------------------------------------------

void strike_number(Program& g, Anchor at, int chars, const std::string& reduced, StrokeRule rule) {
    const StrokeInk stroke = rising_stroke(g, at, chars, rule);
    draw_stroke(g, stroke);
    if (!reduced.empty())
        place_value(g, stroke, at.up(30), [&](Program& p, Anchor v) { small_value(p, v, reduced); });
}

void strike_denominator(Program& g, Anchor at, int chars, StrokeRule rule, Drawer drawer) {
    const StrokeInk stroke = rising_stroke(g, at, chars, rule);
    draw_stroke(g, stroke);
    place_value(g, stroke, at.down(28), [&](Program& p, Anchor v) {
        if (drawer == Drawer::Typeset) {
            value_at(p, v, "1");
        } else {
            p.CCC1 = 3;
            p.X = v.x;
            p.Y = v.y;
            p.AA_s = std::string("1");  // not = "1": GCC 12 warns of an overlap there that cannot happen
            DRAW_PLAIN_TEXT(p);
        }
    });
}

void cancel_product(Program& g, const ProductCancel& c) {
    strike_number(g, c.number, c.number_chars, c.reduced, c.number_rule);
    strike_denominator(g, c.denominator, c.denominator_chars, c.denominator_rule, c.denominator_drawer);
}

// ---- falling strokes ----------------------------------------------------------------------------

void strike_factor(Program& g, Anchor at, int chars, StrokeRule rule) { draw_stroke(g, falling_stroke(g, at, chars, rule)); }

void strike_factor(Program& g, int k, float chars) { strike_factor(g, kept_anchor(g, k), to_int(chars)); }

void value_above(Program& g, Anchor at, const std::string& text, int chars, StrokeRule rule) {
    place_value(g, falling_stroke(g, at, chars, rule), at.up(38),
                [&](Program& p, Anchor v) { small_value(p, v, text); });
}

void value_above(Program& g, int k, const std::string& text, float chars) {
    value_above(g, kept_anchor(g, k), text, to_int(chars));
}

void value_below(Program& g, Anchor at, const std::string& text, int chars, StrokeRule rule) {
    place_value(g, falling_stroke(g, at, chars, rule), at.down(32),
                [&](Program& p, Anchor v) { value_at(p, v, text); });
}

void value_below(Program& g, int k, const std::string& text, float chars) {
    value_below(g, kept_anchor(g, k), text, to_int(chars));
}

void cancel_pair(Program& g, int den, const std::string& den_value, int num, const std::string& num_value,
                 float num_chars) {
    strike_factor(g, den);
    value_below(g, den, den_value);
    strike_factor(g, num, num_chars);
    value_above(g, num, num_value, num_chars);
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
