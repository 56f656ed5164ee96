#include "lessons/cancellation.h"

#include "platform/basic.h"
#include "typeset/typeset.h"

namespace cw::lesson {

namespace {

constexpr float kTimesAdvance = 38;   // "*" in the fraction-part style
constexpr float kLetterAdvance = 32;  // a letter or digit in the fraction-part style
constexpr float kRise = 28;           // the drop of every cancellation stroke

void draw_stroke(Program& g, const Stroke& s) { g.pf.LINE(s.from.x, s.from.y, s.from.x + s.w, s.from.y + s.h, 3); }

}  // namespace

FactorPlaces place_factors(Anchor numerator, Anchor denominator, const FactorWidths& w, bool third_in_denominator) {
    FactorPlaces p;
    p.at[0] = numerator;
    p.at[1] = numerator.right(w.number1);
    p.at[2] = denominator;
    p.at[3] = denominator.right(w.number2);
    p.at[4] = third_in_denominator ? p.at[3].right(w.letters2 + kTimesAdvance)
                                   : p.at[1].right(w.letters1 + kTimesAdvance);
    p.at[5] = p.at[4].right(w.number3);
    return p;
}

LetterPairing pair_letters(const std::string& walked, Anchor walked_at, const std::string& searched,
                           Anchor searched_at) {
    LetterPairing r{{}, searched, walked_at.x};
    if (searched.empty()) return r;
    for (char ch : walked) {
        if (ch == '*') {
            r.end_x += kTimesAdvance;
            continue;
        }
        size_t k = r.searched.find(ch);  // 0-based: the partner is character k + 1
        if (k != std::string::npos) {
            const float kk = static_cast<float>(k + 1);
            r.strokes.push_back({{r.end_x, walked_at.y}, kLetterAdvance, kRise});
            r.strokes.push_back({{searched_at.x + kTimesAdvance * kk / 2 + kLetterAdvance * (kk / 2 - 1), searched_at.y},
                                 kLetterAdvance,
                                 kRise});
            r.searched[k] = '0';
        }
        r.end_x += kLetterAdvance;
    }
    return r;
}

void LAYOUT_FACTOR_POSITIONS(Program& g) {
    FactorWidths w;
    g.BUN = 1;
    w.number1 = measure(g, g.Y_sa(1));
    w.letters1 = measure(g, g.Y_sa(2));
    w.number2 = measure(g, g.Y_sa(3));
    w.letters2 = measure(g, g.Y_sa(4));
    w.number3 = measure(g, g.Y_sa(5));
    g.BUN = 0;
    FactorPlaces p = place_factors({g.U_a(1), g.V_a(1)}, {g.U_a(3), g.V_a(3)}, w, g.ITI != 0);
    for (int k = 2; k <= 6; ++k) {
        if (k == 3) continue;
        g.U_a(k) = p.at[k - 1].x;
        g.V_a(k) = p.at[k - 1].y;
    }
}

void STRIKE_NUMBERS_SHOW_REDUCED(Program& g) {
    g.U_sa(11) = num_text(g.U_a(11));
    g.V_sa(11) = num_text(g.V_a(11));
    g.U_a(12) = measure_small(g, g.X_sa(1));
    g.U_a(13) = measure_small(g, g.X_sa(2));
    const Anchor numerator{g.X1, g.Y1}, denominator{g.X2, g.Y2};
    draw_stroke(g, {numerator, g.U_a(12), kRise});
    draw_stroke(g, {denominator, g.U_a(13), kRise});
    value_above(g, numerator, g.U_sa(11));
    value_below(g, denominator, g.V_sa(11));
}

void STRIKE_COMMON_LETTERS(Program& g) {
    if (g.X_sa(1).empty() || g.X_sa(2).empty()) return;
    LetterPairing r = pair_letters(g.X_sa(1), {g.X1, g.Y1}, g.X_sa(2), {g.X2, g.Y2});
    for (auto& s : r.strokes) draw_stroke(g, s);
    g.A1_s = RIGHT_s(g.X_sa(1), 1);
    g.X_sa(1) = "";
    g.X_sa(2) = r.searched;
    g.X1 = r.end_x;
}

}  // namespace cw::lesson
