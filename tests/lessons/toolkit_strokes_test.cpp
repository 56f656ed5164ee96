// Cancellation strokes: how each kind slants and where its value goes, and the
// plain computations of where the strokes over a written-out fraction go.
#include <gtest/gtest.h>

#include "lessons/strokes.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

std::vector<DrawOp> lines(const LessonFixture& r) { return r.h.of(Op::Line); }

TEST(ToolkitStrokes, KelvaneProductCancellationsOfTheWorkedExample) {
    // ½(6x+4): the 6 at (691, 240) reduced to 3, the first denominator at (632, 268).
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    g.XI2 = 1;
    g.YI1 = 2;
    cancel_product(g, {.number = {691, 240}, .number_chars = 1, .reduced = "3", .denominator = {632, 268},
                       .denominator_chars = 1});
    cancel_product(g, {.number = {831, 240},
                       .number_chars = 2,
                       .reduced = "",
                       .number_rule = kWideNumberStroke,
                       .denominator = {772, 268},
                       .denominator_chars = 1,
                       .denominator_rule = kSmallDenominatorStroke,
                       .denominator_drawer = Drawer::Plain});
    struct Want {
        float x1, y1, x2, y2;
    } want[] = {{691, 280, 718, 240}, {632, 296, 659, 268}, {831, 286, 895, 240}, {772, 296, 804, 268}};
    auto l = lines(r);
    ASSERT_EQ(l.size(), 4u);
    for (size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].x1, want[i].x1) << i;
        EXPECT_EQ(l[i].y1, want[i].y1) << i;
        EXPECT_EQ(l[i].x2, want[i].x2) << i;
        EXPECT_EQ(l[i].y2, want[i].y2) << i;
        EXPECT_EQ(l[i].c, 3) << i;
    }
    auto t = r.texts();
    ASSERT_EQ(t.size(), 2u);  // the plain "1" is no typesetter text, and an empty value draws nothing
    EXPECT_EQ(t[0].s, "3");
    EXPECT_EQ(t[0].x1, 691);
    EXPECT_EQ(t[0].y1, 210);
    EXPECT_EQ(t[1].s, "1");
    EXPECT_EQ(t[1].x1, 632);
    EXPECT_EQ(t[1].y1, 296);
    bool plain_one = false;
    for (auto& op : r.h.of(Op::Text))
        if (op.s == "1" && op.c == 3 && op.x1 == 772) plain_one = true;
    EXPECT_TRUE(plain_one);
    EXPECT_EQ(g.XI2, 1);
    EXPECT_EQ(g.YI1, 2);
}

TEST(ToolkitStrokes, DorrithStrokesAndValues) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    g.XI2 = 1;
    g.YI1 = 2;
    strike_factor(g, {147, 279}, 1);
    value_above(g, {147, 279}, "2");
    strike_factor(g, {182, 319}, 1);
    value_below(g, {182, 319}, "1");
    strike_factor(g, {455, 279}, 2);
    auto l = lines(r);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ((std::vector<float>{l[0].x1, l[0].y1, l[0].x2, l[0].y2}), (std::vector<float>{147, 279, 179, 307}));
    EXPECT_EQ((std::vector<float>{l[1].x1, l[1].y1, l[1].x2, l[1].y2}), (std::vector<float>{182, 319, 214, 347}));
    EXPECT_EQ((std::vector<float>{l[2].x1, l[2].y1, l[2].x2, l[2].y2}), (std::vector<float>{455, 279, 519, 307}));
    auto t = r.texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ((std::vector<float>{t[0].x1, t[0].y1}), (std::vector<float>{143, 246}));
    EXPECT_EQ((std::vector<float>{t[1].x1, t[1].y1}), (std::vector<float>{182, 351}));
    EXPECT_EQ(t[0].c, 3);
    EXPECT_EQ(g.XI2, 1);
    EXPECT_EQ(g.YI1, 2);
}

TEST(ToolkitStrokes, KeptAnchorsCancelAPairDenominatorFirst) {
    LessonFixture r("dorrith");
    auto& g = r.h.g;
    keep_anchor(g, 1, {147, 279});
    keep_anchor(g, 11, {182, 319});
    cancel_pair(g, 11, "1", 1, "5", 2);
    auto l = lines(r);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ((std::vector<float>{l[0].x1, l[0].y1, l[0].x2, l[0].y2}), (std::vector<float>{182, 319, 214, 347}));
    EXPECT_EQ((std::vector<float>{l[1].x1, l[1].y1, l[1].x2, l[1].y2}), (std::vector<float>{147, 279, 211, 307}));
    auto t = r.texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].s, "1");
    EXPECT_EQ((std::vector<float>{t[0].x1, t[0].y1}), (std::vector<float>{182, 351}));
    EXPECT_EQ(t[1].s, "5");
    EXPECT_EQ((std::vector<float>{t[1].x1, t[1].y1}), (std::vector<float>{143, 246}));
}

TEST(ToolkitStrokes, LetterPairing) {
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

TEST(ToolkitStrokes, StruckLetterFactorsFollowTheSmallerExponent) {
    struct Case {
        float here, there;
        int struck;
    } cases[] = {{2, 1, 1}, {1, 2, 1}, {2, 2, 2}, {3, 2, 2}, {0, 2, 0}, {2, 0, 0}, {0, 0, 0}};
    for (auto& c : cases) EXPECT_EQ(struck_factor_count(c.here, c.there), c.struck) << c.here << " " << c.there;
    // "*a*a*a" from x 100: the letters at 138, 208, 278, the same places as letter_offset gives.
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(letter_factor_anchor({100, 50}, static_cast<float>(i)), (Anchor{100 + letter_offset(2 * i), 50}));
    }
    EXPECT_EQ(letter_factor_anchor({100, 50}, 2), (Anchor{208, 50}));
}

}  // namespace
}  // namespace cw::test
