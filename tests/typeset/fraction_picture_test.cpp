// What a stacked fraction looks like beside its neighbours, read from the
// picture at twice the layout's scale.
#include <gtest/gtest.h>

#include "support/picture.h"
#include "typeset_fixture.h"

namespace cw::test {
namespace {

constexpr double kScale = 2;

class FractionPicture : public TypesetTest {
protected:
    // The fraction bars drawn, in order.
    std::vector<DrawOp> bars() const {
        std::vector<DrawOp> out;
        for (auto& op : visible(Op::Line))
            if (op.bar) out.push_back(op);
        return out;
    }
};

// The pixel columns of background between a bar's end and the nearest ink
// beside it, in the bar's rows and a unit above and below them (where a
// sign beside it would meet it; the fraction's own parts keep further off,
// as the next test checks), or -1 when nothing lies within 20 units of that
// end.
struct Gaps {
    int before = -1, after = -1;
};

Gaps gaps_beside(const Picture& pic, const DrawOp& bar) {
    Picture alone(std::vector<DrawOp>{bar}, pic.scale());
    const float half = static_cast<float>(bar.w) / 2;
    int top = pic.px(bar.y1 - half - 1), bottom = pic.px(bar.y1 + half + 1) - 1, mid = pic.px(bar.y1);
    int l = 0, r = pic.width();
    while (l < pic.width() && !alone.ink(l, mid)) ++l;
    while (r > 0 && !alone.ink(r - 1, mid)) --r;
    auto column_has_ink = [&](int x) {
        for (int y = top; y <= bottom; ++y)
            if (pic.ink(x, y)) return true;
        return false;
    };
    Gaps g;
    const int reach = static_cast<int>(20 * pic.scale());
    for (int x = l - 1; x >= l - reach; --x)
        if (column_has_ink(x)) {
            g.before = l - 1 - x;
            break;
        }
    for (int x = r; x < r + reach; ++x)
        if (column_has_ink(x)) {
            g.after = x - r;
            break;
        }
    return g;
}

// Every sign beside a fraction stays apart from its bar by at least one
// layout unit of background: a minus, plus, times or division sign (or a
// letter) before it or after it, as the lessons write them (Kelvane lesson 6's difference
// of two fractions, Dorrith lesson 3's division by a fraction, the minus
// before a fraction of Dorrith lessons 1 to 5 and Sarnoth lesson 3).
TEST_F(FractionPicture, SignsBesideAFractionStayApartFromItsBar) {
    struct Case {
        const char* code;
        std::vector<std::pair<bool, bool>> beside;  // per bar: a sign or letter before it, after it
    } cases[] = {
        {"ﾀ3x+2y/2ﾀ-ﾀ2x-y/3ﾀ", {{false, true}, {true, false}}},
        {"6ab/ﾀ2/3ﾀa", {{true, true}}},
        {"ﾀ3/4ﾀ/ﾀ1/2ﾀ", {{false, true}, {true, false}}},
        {"ﾀ1/2ﾀ*3", {{false, true}}},
        {"=-ﾀ1/2ﾀx", {{true, true}}},
        {"3x*ﾀ1/5ﾀ-5*ﾀ1/5ﾀ", {{true, true}, {true, false}}},
        {"ﾀ1/2ﾀ+ﾀ1/3ﾀ=ﾀ5/6ﾀ", {{false, true}, {true, true}, {true, false}}},
        {"2+ﾀ3x-y/4ﾀ*2", {{true, true}}},
    };
    for (auto& c : cases) {
        h.pf.CLS();  // each case on a screen of its own: text is fitted to the bars drawn before it
        h.pf.clear_record();
        draw(c.code, 100, 300);
        Picture pic(visible(), kScale);
        auto drawn = bars();
        ASSERT_EQ(drawn.size(), c.beside.size()) << c.code;
        for (size_t i = 0; i < drawn.size(); ++i) {
            Gaps g = gaps_beside(pic, drawn[i]);
            if (c.beside[i].first) {
                EXPECT_GE(g.before, kScale) << c.code << " bar " << i << ": before";
            } else {
                EXPECT_EQ(g.before, -1) << c.code << " bar " << i;
            }
            if (c.beside[i].second) {
                EXPECT_GE(g.after, kScale) << c.code << " bar " << i << ": after";
            } else {
                EXPECT_EQ(g.after, -1) << c.code << " bar " << i;
            }
        }
    }
}

// A numerator's ink stays above its bar, descenders and the script ell
// included, and a denominator's below it, at least a unit apart.
TEST_F(FractionPicture, PartsKeepTheirInkOffTheBar) {
    const char* cases[] = {"ﾀl/2ﾀ", "ﾀ2l/3ﾀ", "ﾀy/3ﾀ", "ﾀ(x+y)/2ﾀ", "ﾀ2(x-y)/(3y)ﾀ", "ﾀgjpq/yyyyﾀ"};
    for (const char* code : cases) {
        h.pf.CLS();  // each case on a screen of its own: text is fitted to the bars drawn before it
        h.pf.clear_record();
        draw(code, 100, 300);
        Picture pic(visible(), kScale);
        auto drawn = bars();
        ASSERT_EQ(drawn.size(), 1u) << code;
        const DrawOp& bar = drawn[0];
        // The bar covers y 323..327: the unit above and the unit below it.
        for (int x = pic.px(bar.x1); x < pic.px(bar.x2); ++x) {
            for (int y = pic.px(bar.y1 - 3); y < pic.px(bar.y1 - 2); ++y)
                ASSERT_FALSE(pic.ink(x, y)) << code << ": numerator ink just above the bar at x " << x / kScale;
            for (int y = pic.px(bar.y1 + 2); y < pic.px(bar.y1 + 3); ++y)
                ASSERT_FALSE(pic.ink(x, y)) << code << ": denominator ink just below the bar at x " << x / kScale;
        }
    }
}

}  // namespace
}  // namespace cw::test
