// Dorrith's cancelling routines: the factors' places, and the strokes and
// values they draw over a written-out fraction.
#include <gtest/gtest.h>

#include "lessons/dorrith/cancel.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

using namespace cw::dorrith;
using lesson::load_texts;

// "=ﾀ12*a*b*b/2*a*bﾀ" with the third factor empty, in the denominator's row (ITI 1), and a third factor in
// the numerator's row (ITI 0).
TEST(DorrithCancel, FactorPlacesFromTheWidths) {
    LessonFixture f("dorrith");
    auto& g = f.g;
    struct Case {
        float iti;
        std::vector<std::string> texts;  // Y$(1..6)
        float want_x[7], want_y[7];      // from U(1), V(1) = (100, 200) and U(3), V(3) = (120, 238)
    } cases[] = {
        {1, {"12", "*a*b*b", "2", "*a*b", "", ""}, {0, 100, 164, 120, 152, 330, 330}, {0, 200, 200, 238, 238, 238, 238}},
        {0, {"7", "*a*a", "21", "*a", "5", "*b"}, {0, 100, 132, 120, 184, 310, 342}, {0, 200, 200, 238, 238, 200, 200}},
    };
    for (auto& c : cases) {
        g.ITI = c.iti;
        load_texts(g.Y_sa, 1, c.texts);
        g.U_a(1) = 100, g.V_a(1) = 200, g.U_a(3) = 120, g.V_a(3) = 238;
        g.BUN = 0;
        LAYOUT_FACTOR_POSITIONS(g);
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(g.U_a(k), c.want_x[k]) << "ITI " << c.iti << " k " << k;
            EXPECT_EQ(g.V_a(k), c.want_y[k]) << "ITI " << c.iti << " k " << k;
        }
        EXPECT_EQ(g.BUN, 0);
        EXPECT_EQ(g.A_s, c.texts[4]);
        EXPECT_EQ(g.LLT, 32.0f * static_cast<float>(c.texts[4].size()));
    }
    EXPECT_TRUE(f.all().visible_texts().empty());
    EXPECT_TRUE(f.all().lines().empty());
}

TEST(DorrithCancel, NumbersStruckWithTheirReducedValues) {
    LessonFixture f("dorrith");
    auto& g = f.g;
    g.pf.SETDRAWWIDTH(5);
    g.X_sa(1) = "12", g.X1 = 100, g.Y1 = 200;
    g.X_sa(2) = "2", g.X2 = 120, g.Y2 = 238;
    g.U_a(11) = 6, g.V_a(11) = 1;
    STRIKE_NUMBERS_SHOW_REDUCED(g);
    auto lines = f.all().lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(std::vector<float>({lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              std::vector<float>({100, 200, 164, 228}));
    EXPECT_EQ(std::vector<float>({lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2}),
              std::vector<float>({120, 238, 152, 266}));
    for (auto& l : lines) {
        EXPECT_EQ(l.c, 3);
        EXPECT_EQ(l.w, 5);
    }
    auto texts = f.all().visible_texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].s, "6");
    EXPECT_EQ(std::make_pair(texts[0].x1, texts[0].y1), std::make_pair(100.0f, 162.0f));
    EXPECT_EQ(texts[1].s, "1");
    EXPECT_EQ(std::make_pair(texts[1].x1, texts[1].y1), std::make_pair(120.0f, 270.0f));
    EXPECT_EQ(g.U_sa(11), "6");
    EXPECT_EQ(g.V_sa(11), "1");
    EXPECT_EQ(g.U_a(12), 64);
    EXPECT_EQ(g.U_a(13), 32);
    EXPECT_EQ(g.CCC1, 3);
    EXPECT_EQ(g.BUN, 0);
    EXPECT_EQ(g.Y, 270);
    EXPECT_EQ(std::make_pair(g.X1, g.X2), std::make_pair(100.0f, 120.0f));  // the anchors stay
}

TEST(DorrithCancel, CommonLettersStruckInPairsAcrossTwoWalks) {
    LessonFixture f("dorrith");
    auto& g = f.g;
    // "*a*b" (denominator, y 238) walked against "*a*b*b" (numerator, y 200), then "*b*b" against what is left.
    g.X_sa(1) = "*a*b", g.X1 = 120, g.Y1 = 238;
    g.X_sa(2) = "*a*b*b", g.X2 = 164, g.Y2 = 200;
    STRIKE_COMMON_LETTERS(g);
    EXPECT_EQ(g.X_sa(2), "*0*0*b");
    EXPECT_EQ(g.X_sa(1), "");
    EXPECT_EQ(g.X1, 260);
    g.X_sa(1) = "*b*b", g.X1 = 400, g.Y1 = 238;
    STRIKE_COMMON_LETTERS(g);
    EXPECT_EQ(g.X_sa(2), "*0*0*0");
    const std::vector<std::pair<float, float>> starts = {{158, 238}, {202, 200}, {228, 238},
                                                         {272, 200}, {438, 238}, {342, 200}};
    auto lines = f.all().lines();
    ASSERT_EQ(lines.size(), starts.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(std::make_pair(lines[i].x1, lines[i].y1), starts[i]) << i;
        EXPECT_EQ(lines[i].x2 - lines[i].x1, 32);
        EXPECT_EQ(lines[i].y2 - lines[i].y1, 28);
    }
    // An empty searched string: nothing drawn, the walked string whole.
    g.X_sa(1) = "*a", g.X1 = 5;
    g.X_sa(2) = "";
    f.clear();
    STRIKE_COMMON_LETTERS(g);
    EXPECT_TRUE(f.all().lines().empty());
    EXPECT_EQ(g.X_sa(1), "*a");
    EXPECT_EQ(g.X1, 5);
}

TEST(DorrithCancel, LetterFactorsStruckAsOftenAsTheSmallerExponent) {
    struct Case {
        float here, there;
        std::vector<float> xs;  // the strokes' starts, from anchor 2 at (100, 50)
        float kesu;             // KESU afterwards (7: left alone)
    } cases[] = {
        {2, 3, {138, 208}, 2},
        {3, 1, {138}, 1},
        {0, 2, {}, 7},
        {2, 0, {}, 7},
    };
    for (auto& c : cases) {
        LessonFixture f("dorrith");
        auto& g = dynamic_cast<Dorrith&>(f.g);
        g.KESU = 7;
        lesson::keep_anchor(g, 2, {100, 50});
        strike_letter_factors(g, 2, c.here, c.there);
        auto lines = f.all().lines();
        ASSERT_EQ(lines.size(), c.xs.size()) << c.here << " " << c.there;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].x1, c.xs[i]);
            EXPECT_EQ(lines[i].y1, 50);
        }
        EXPECT_EQ(g.KESU, c.kesu);
        if (!c.xs.empty()) { EXPECT_EQ(g.II, c.kesu + 1); }
    }
}

}  // namespace
}  // namespace cw::test
