// The cancellation module: letters paired across a written-out fraction,
// the factors' places, and the strokes and values the routines draw.
#include <gtest/gtest.h>

#include "lessons/cancel.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

TEST(ToolkitCancel, LetterPairing) {
    struct Case {
        const char* name;
        std::string walked, searched;
        std::vector<LetterPair> pairs;  // from walked x 100, searched x 1000
        std::string searched_after;
        float end;
    } cases[] = {
        {"a and b, the last b left", "*a*b", "*a*b*b", {{138, 1038}, {208, 1108}}, "*0*0*b", 240},
        {"a second walk takes the last b only", "*b*b", "*0*0*b", {{138, 1178}}, "*0*0*0", 240},
        {"a letter without partner is passed", "*a*b", "*b", {{208, 1038}}, "*0", 240},
        {"nothing to search", "*a*b", "", {}, "", 100},
        {"nothing walked", "", "*a", {}, "*a", 100},
        {"a squared against a", "*a*a", "*a", {{138, 1038}}, "*0", 240},
    };
    for (auto& c : cases) {
        LetterPairing p = pair_letters(c.walked, 100, c.searched, 1000);
        ASSERT_EQ(p.pairs.size(), c.pairs.size()) << c.name;
        for (size_t i = 0; i < p.pairs.size(); ++i) {
            EXPECT_EQ(p.pairs[i].walked_x, c.pairs[i].walked_x) << c.name << " " << i;
            EXPECT_EQ(p.pairs[i].partner_x, c.pairs[i].partner_x) << c.name << " " << i;
        }
        EXPECT_EQ(p.searched, c.searched_after) << c.name;
        EXPECT_EQ(p.walked_end, c.end) << c.name;
    }
    // The letter at position k starts 38 per "*" and 32 per letter in.
    EXPECT_EQ(letter_offset(2), 38);
    EXPECT_EQ(letter_offset(4), 108);
    EXPECT_EQ(letter_offset(6), 178);
}

// "=ﾀ12*a*b*b/2*a*bﾀ" with the third factor empty, in the denominator's row (ITI 1), and a third factor in
// the numerator's row (ITI 0).
TEST(ToolkitCancel, FactorPlacesFromTheWidths) {
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

TEST(ToolkitCancel, NumbersStruckWithTheirReducedValues) {
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

TEST(ToolkitCancel, CommonLettersStruckInPairsAcrossTwoWalks) {
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

}  // namespace
}  // namespace cw::test
