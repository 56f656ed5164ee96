#include "lessons/cancel.h"

#include "platform/basic.h"

namespace cw::lesson {

namespace {

constexpr float kStar = 38;    // "*" (drawn ×) in the fraction-part style
constexpr float kLetter = 32;  // a digit or letter in the fraction-part style

}  // namespace

float letter_offset(int k) { return 35.0f * static_cast<float>(k) - 32.0f; }

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

void LAYOUT_FACTOR_POSITIONS(Program& g) {
    FactorWidths w;
    w.w[1] = measure_small(g, g.Y_sa(1));
    w.w[3] = measure_small(g, g.Y_sa(3));
    if (g.ITI == 0)
        w.w[2] = measure_small(g, g.Y_sa(2));
    else
        w.w[4] = measure_small(g, g.Y_sa(4));
    w.w[5] = measure_small(g, g.Y_sa(5));  // last, so A$ and LLT are left as its own
    const FactorPositions p = factor_positions({g.U_a(1), g.V_a(1)}, {g.U_a(3), g.V_a(3)}, w, g.ITI == 0);
    for (int k : {2, 4, 5, 6}) {
        g.U_a(k) = p.at[k].x;
        g.V_a(k) = p.at[k].y;
    }
}

void STRIKE_NUMBERS_SHOW_REDUCED(Program& g) {
    g.U_sa(11) = number_text(g.U_a(11));
    g.V_sa(11) = number_text(g.V_a(11));
    g.U_a(12) = measure_small(g, g.X_sa(1));
    g.U_a(13) = measure_small(g, g.X_sa(2));
    strike_factor(g, {g.X1, g.Y1}, 1, {g.U_a(12), 28});
    strike_factor(g, {g.X2, g.Y2}, 1, {g.U_a(13), 28});
    value_above(g, {g.X1, g.Y1}, g.U_sa(11));
    value_below(g, {g.X2, g.Y2}, g.V_sa(11));
}

void STRIKE_COMMON_LETTERS(Program& g) {
    const LetterPairing plan = pair_letters(g.X_sa(1), g.X1, g.X_sa(2), g.X2);
    for (auto& pair : plan.pairs) {
        strike_factor(g, {pair.walked_x, g.Y1}, 1);
        strike_factor(g, {pair.partner_x, g.Y2}, 1);
    }
    g.LEM2 = static_cast<float>(KLEN(g.X_sa(2)));
    if (!g.X_sa(1).empty() && !g.X_sa(2).empty()) {
        g.A1_s = RIGHT_s(g.X_sa(1), 1);  // the last character the walk took
        g.LEM1 = 1;
        g.X_sa(1).clear();
        g.X_sa(2) = plan.searched;
        g.X1 = plan.walked_end;
    }
    g.LEM = static_cast<float>(KLEN(g.X_sa(1)));
}

}  // namespace cw::lesson
