// The lesson toolkit: cursor bookkeeping, the sub-menu protocol, the drill
// loop, answer pages and term texts.
#include <gtest/gtest.h>

#include "support/lesson_fixture.h"
#include "lessons/toolkit.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

TEST(Toolkit, TermTextFollowsTheSignAndCoefficientRules) {
    struct Case {
        float n;
        const char* letter;
        bool leading;
        const char* want;
    } cases[] = {
        {3, "x", true, "3x"},    {3, "x", false, "+3x"},  {-3, "x", true, "-3x"}, {-3, "x", false, "-3x"},
        {1, "a", true, "a"},     {1, "a", false, "+a"},   {-1, "a", true, "-a"},  {-1, "a", false, "-a"},
        {0, "x", true, ""},      {0, "x", false, ""},     {0, "", false, ""},     {1, "", true, "1"},
        {1, "", false, "+1"},    {-1, "", false, "-1"},   {12, "", false, "+12"}, {-10, "y", false, "-10y"},
        {10, "b", false, "+10b"}, {11, "ab", true, "11ab"},
    };
    for (auto& c : cases)
        EXPECT_EQ(term_text(c.n, c.letter, c.leading), c.want) << c.n << " " << c.letter << " " << c.leading;
}

TEST(Toolkit, LetterTextsCompactAndWrittenOut) {
    struct Case {
        float e;
        const char* compact;
        const char* factors;
    } cases[] = {
        {-2, "", ""}, {-1, "", ""}, {0, "", ""}, {1, "a", "*a"}, {2, "a^2", "*a*a"}, {3, "a^3", "*a*a*a"},
    };
    for (auto& c : cases) {
        EXPECT_EQ(letter_power("a", c.e), c.compact) << c.e;
        EXPECT_EQ(letter_factors("a", c.e), c.factors) << c.e;
    }
    EXPECT_EQ(letter_power("b", 2), "b^2");
    EXPECT_EQ(letter_factors("b", 1), "*b");
}

TEST(Toolkit, SlotRulesRewriteOnlyTheSlotsGiven) {
    NumArray n(8);
    StrArray s(8);
    float vals[] = {0, 1, -1, 0, 5, -5, 1, -1, 2};
    for (int i = 0; i <= 8; ++i) {
        n(i) = vals[i];
        s(i) = number_text(vals[i]);
    }
    add_plus_signs(n, s, 1, 7);
    EXPECT_EQ(s(1), "+1");
    EXPECT_EQ(s(4), "+5");
    EXPECT_EQ(s(5), "-5");
    EXPECT_EQ(s(8), "2");  // outside the range
    unit_coefficients(n, s, 1, 5);
    EXPECT_EQ(s(1), "");
    EXPECT_EQ(s(2), "-");
    EXPECT_EQ(s(6), "+1");  // outside the range
    drop_zero_terms(n, s, 0, 3);
    EXPECT_EQ(s(0), "");
    EXPECT_EQ(s(3), "");
}

TEST(Toolkit, RightJustifyCountsCharacters) {
    EXPECT_EQ(rjust("3a", 4), "  3a");
    EXPECT_EQ(rjust("", 3), "   ");
    EXPECT_EQ(rjust("-12a", 4), "-12a");
    EXPECT_EQ(rjust("-123a", 4), "-123a");
}

TEST(Toolkit, CursorKeepModes) {
    LessonFixture r("kelvane");
    auto& g = r.g;
    g.XI1 = 5;
    g.XI2 = 6;
    g.YI1 = 7;
    put(g, 100, 200, 0, "ab", Keep::None);
    EXPECT_EQ(g.XI2, 6);
    EXPECT_EQ(g.YI1, 7);
    put(g, 100, 200, 0, "ab", Keep::YOnly);
    EXPECT_EQ(g.XI2, 6);
    EXPECT_EQ(g.YI1, 200);
    put(g, 100, 210, 0, "ab", Keep::Indent);
    EXPECT_EQ(g.XI1, 154);
    EXPECT_EQ(g.YI1, 210);
    put(g, 100, 220, 3, "ab");
    EXPECT_EQ(g.XI2, 154);
    EXPECT_EQ(g.YI1, 220);
    cont(g, 5, "c");
    below(g, 40, 50, 0, "d");
    auto t = r.texts();
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[4].x1, 154);
    EXPECT_EQ(t[4].y1, 220);
    EXPECT_EQ(t[4].c, 5);
    EXPECT_EQ(t[5].x1, 40);
    EXPECT_EQ(t[5].y1, 270);
}

TEST(Toolkit, GoalScreenForm) {
    LessonFixture r("kelvane");
    auto& g = r.g;
    goal_screen(g, {"one", "two", "three"}, 5);
    EXPECT_EQ(r.erases(0, 0, 1760, 1800), 1);
    auto t = r.texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].s, "<めあて>");
    EXPECT_EQ(t[0].c, 5);
    EXPECT_EQ(t[0].x1, 44);
    EXPECT_EQ(t[0].y1, 240);
    float ys[] = {305, 355, 405};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t[i + 1].x1, 44);
        EXPECT_EQ(t[i + 1].y1, ys[i]);
        EXPECT_EQ(t[i + 1].c, 0);
    }
    EXPECT_EQ(g.XI1, 44);
    EXPECT_EQ(g.YI1, 405);
    EXPECT_EQ(g.XI2, g.X);
    EXPECT_EQ(g.CCC1, 0);
}

TEST(Toolkit, ChooseItemAsksAgainOutsideTheRange) {
    struct Case {
        std::string keys;
        int item;
        int asked;
    } cases[] = {
        {enter("3"), 3, 1},
        {enter("0") + enter("8") + enter("") + enter("-1") + enter("7.5") + enter("7"), 7, 6},
        {enter("5/2"), 2, 1},    // 2.5 rounds down
        {enter("3/2"), 1, 1},    // 1.5
        {enter("1/2") + enter("1"), 1, 2},  // 0.5 is below 1
        {enter("7/1"), 7, 1},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane", c.keys);
        int item = 0;
        ASSERT_TRUE(r.run([&](Program& g) { item = choose_item(g, "①a　②b　③c　④d　⑤e　⑥f　⑦終了", 7); }))
            << c.keys;
        EXPECT_EQ(item, c.item) << c.keys;
        EXPECT_EQ(r.prompt_count("①a　②b　③c　④d　⑤e　⑥f　⑦終了"), c.asked) << c.keys;
        EXPECT_EQ(r.keys_left(), 0u);
        // Each ask is followed by the prompt band's erase.
        EXPECT_EQ(r.erases(0, 657, 992, 720), c.asked);
    }
}

TEST(Toolkit, ChooseItemCanSetAinpTo10) {
    LessonFixture r("kelvane", enter("2"));
    r.run([](Program& g) { choose_item(g, "①a　②終了", 2, true); });
    EXPECT_EQ(r.g.SENTAKU, 2);
    EXPECT_EQ(r.g.AINP, 10);
}

TEST(Toolkit, SubMenuRunsStepsUntilTheLastItem) {
    LessonFixture r("kelvane", enter("2") + enter("9") + enter("1") + enter("2") + enter("4") + enter("3"));
    std::vector<int> ran;
    auto step = [&](int k) { return [&ran, k](Program&) { ran.push_back(k); }; };
    ASSERT_TRUE(r.run([&](Program& g) { run_submenu(g, "menu", {step(1), step(2), step(3)}); }));
    EXPECT_EQ(ran, (std::vector<int>{2, 1, 2}));
    // The "3" after the last item is left for whoever asks next.
    EXPECT_EQ(r.keys_left(), 2u);
    EXPECT_EQ(r.prompt_count("menu"), 5);
}

// Item 7 of the Dorrith and Sarnoth main menus has no title and goes straight back to the menu: the run draws
// what a number out of range draws (the menu twice, no key asked) but for the number echoed and, between the
// two menus, the erase the main menu makes before every item.
TEST(Toolkit, BlankMenuItemGoesStraightBackToTheMenu) {
    // What a run drew, without the key notes, the window's erases and the echo of `typed` in the prompt band.
    auto drawn = [](const LessonFixture& f, const std::string& typed) {
        std::vector<DrawOp> ops;
        for (auto& op : f.pf.record()) {
            const bool erase = op.op == Op::Fill && op.f == 15 && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 &&
                               op.y2 == 1800;
            const bool echo = op.op == Op::Text && op.y1 >= kPromptBandTop && op.s == typed;
            if (op.op != Op::Key && !erase && !echo) ops.push_back(op);
        }
        return ops;
    };
    for (const char* program : {"dorrith", "sarnoth"}) {
        SCOPED_TRACE(program);
        LessonFixture item7(program, enter("7") + enter("8"));
        LessonFixture again(program, enter("0") + enter("8"));
        ASSERT_EQ(item7.run_program(), Ending::Returned);
        ASSERT_EQ(again.run_program(), Ending::Returned);
        EXPECT_EQ(item7.keys_left(), 0u);
        EXPECT_EQ(item7.prompt_count(kAnyKey), 0);
        EXPECT_EQ(item7.count("8　終了"), 2);
        EXPECT_EQ(item7.erases(0, 0, 1760, 1800), again.erases(0, 0, 1760, 1800) + 1);
        EXPECT_TRUE(drawn(item7, "７") == drawn(again, "０"));
    }
}

TEST(Toolkit, DrillEndsOnlyOnExactlyOne) {
    struct Case {
        std::string keys;
        int problems;
    } cases[] = {
        {enter("1"), 1},
        {enter("") + enter("0") + enter("3") + enter("-1") + enter("1"), 5},
        {enter("2") + enter("2/2"), 2},
        {enter("1.0"), 1},
        {enter("11") + enter("0.5") + enter("1"), 3},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane", c.keys);
        int problems = 0;
        ASSERT_TRUE(r.run([&](Program& g) {
            g.AINP = 1;  // a stale 1 must not skip the first problem
            drill(g, [&] { ++problems; });
        }));
        EXPECT_EQ(problems, c.problems) << c.keys;
        EXPECT_EQ(r.g.AINP, 1);
    }
}

TEST(Toolkit, RowChoice) {
    LessonFixture r("kelvane");
    auto& g = r.g;
    g.NO = 0;
    std::vector<float> seen;
    for (int i = 0; i < 8; ++i) {
        next_row(g, 3);
        seen.push_back(g.NO);
    }
    EXPECT_EQ(seen, (std::vector<float>{1, 2, 3, 1, 2, 3, 1, 2}));
    std::vector<int> hits(11, 0);
    for (int i = 0; i < 2000; ++i) {
        random_row(g, 10);
        ASSERT_GE(g.NO, 1);
        ASSERT_LE(g.NO, 10);
        ASSERT_EQ(g.NO, static_cast<int>(g.NO));
        ++hits[static_cast<size_t>(g.NO)];
    }
    for (int k = 1; k <= 10; ++k) EXPECT_GT(hits[static_cast<size_t>(k)], 100) << k;
}


}  // namespace
}  // namespace cw::test
