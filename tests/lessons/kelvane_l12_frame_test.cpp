// Kelvane lessons 1 and 2: entry from the main menu, goal screens and the
// sub-menu protocol.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/shell.h"
#include "lessons/kelvane/lesson1.h"
#include "lessons/kelvane/lesson2.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

const std::string kMenu1 = "①項　②問1　③次数　④問2　⑤次式　⑥問3　⑦終了";
const std::string kMenu2 = "①同類項　②計算　③問4　④終了";
const std::string kMainTitle = "　メニュー＞";  // the heading's part after the program's name

TEST(KelvaneLessonFrames, GoalScreens) {
    struct Case {
        int lesson;
        std::vector<std::pair<float, std::string>> lines;
    } cases[] = {
        {1, {{305, "文字を使った式を、"}, {355, "項の数やかけられている文字の個数に着目して調べよう。"}}},
        {2, {{305, "同類項をまとめよう"}}},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane");
        auto& g = r.g;
        g.XI0 = 99;
        r.run(c.lesson == 1 ? kelvane1::SHOW_LESSON_GOAL : kelvane2::SHOW_LESSON_GOAL);
        EXPECT_EQ(r.erases(0, 0, 1760, 1800), 1);
        auto t = r.texts();
        ASSERT_EQ(t.size(), c.lines.size() + 1);
        EXPECT_EQ(t[0].s, "<めあて>");
        EXPECT_EQ(t[0].c, 3);
        EXPECT_EQ(t[0].x1, 44);
        EXPECT_EQ(t[0].y1, 240);
        for (size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(t[i + 1].s, c.lines[i].second);
            EXPECT_EQ(t[i + 1].x1, 44);
            EXPECT_EQ(t[i + 1].y1, c.lines[i].first);
            EXPECT_EQ(t[i + 1].c, 0);
        }
        EXPECT_EQ(g.XI1, 44);
        EXPECT_EQ(g.YI1, c.lines.back().first);
        EXPECT_EQ(g.Y, g.YI1);
        EXPECT_EQ(g.XI2, g.X);
        EXPECT_EQ(g.CCC1, 0);
        EXPECT_EQ(g.AA_s, "");
        EXPECT_EQ(g.XI0, 99);  // not touched
    }
}

TEST(KelvaneLessonFrames, MainMenuOpensTheLessonAndItsLastItemReturns) {
    struct Case {
        std::string keys;
        std::string menu;
        std::string goal;
        int asked;
    } cases[] = {
        // Out of range, empty and 7.5 ask again; 7 returns to the main menu.
        {enter("1") + enter("8") + enter("0") + enter("") + enter("7.5") + enter("-2") + enter("7"), kMenu1,
         "文字を使った式を、", 6},
        {enter("2") + enter("5") + enter("6") + enter("") + enter("4"), kMenu2, "同類項をまとめよう", 4},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane", c.keys);
        EXPECT_EQ(r.run_program(), Ending::KeysOut);
        EXPECT_EQ(r.count(c.goal), 1);
        EXPECT_EQ(r.prompt_count(c.menu), c.asked);
        // The main menu was drawn before the lesson and again after it.
        EXPECT_EQ(r.count(kMainTitle), 2);
        // Nothing but the goal screen was drawn between: no step ran.
        auto t = r.texts();
        for (auto& op : t) EXPECT_EQ(op.s.find("解答"), std::string::npos);
        for (auto& op : r.prompts())
            if (op.s == c.menu) {
                EXPECT_EQ(op.x1, 16);
                EXPECT_EQ(op.y1, 666);
                EXPECT_EQ(op.c, 0);
            }
    }
}

TEST(KelvaneLessonFrames, EachItemRunsItsStepAndComesBack) {
    // Every step is given its keys until the keys run out inside it; the
    // step's first text shows that the dispatch went to the right place.
    struct Case {
        int lesson;
        int item;
        std::string first_text;
    } cases[] = {
        {1, 1, "問１　次の数量を表す式を書きなさい。"},
        {1, 2, "問1 解答"},
        {1, 3, "問4　"},  // followed by the letter part
        {1, 4, "問2 解答"},
        {1, 5, "問7　次の式は何次式ですか。"},
        {1, 6, "問3 解答"},
        {2, 1, "課1　次の式の同類項をいいなさい。"},
        {2, 2, "復習　次の計算をしなさい。"},
        {2, 3, "問4 解答"},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane", enter(std::to_string(c.item)));
        r.run(c.lesson == 1 ? kelvane1::START_LESSON1 : kelvane2::START_LESSON2);
        auto t = r.texts();
        size_t goal_lines = c.lesson == 1 ? 3 : 2;
        ASSERT_GT(t.size(), goal_lines) << c.lesson << "/" << c.item;
        EXPECT_EQ(t[goal_lines].s.rfind(c.first_text, 0), 0u) << c.lesson << "/" << c.item << ": " << t[goal_lines].s;
    }
}

TEST(KelvaneLessonFrames, AfterAStepTheMenuIsAskedAgainOverTheStepsScreen) {
    // Lesson 1, item 4: the 問2 answer page takes 5 keys, then the menu.
    LessonFixture r("kelvane", enter("4") + keys(5) + enter("9") + enter("7"));
    ASSERT_TRUE(r.run(kelvane1::START_LESSON1));
    EXPECT_EQ(r.prompt_count(kMenu1), 3);
    // Nothing erased the page after its last answer.
    auto all = r.pf.record();
    size_t last_answer = 0;
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].op == Op::Expr && all[i].s == "5") last_answer = i;
    ASSERT_GT(last_answer, 0u);
    for (size_t i = last_answer; i < all.size(); ++i)
        if (all[i].op == Op::Fill && all[i].f == 15) {
            EXPECT_GE(all[i].y1, kPromptBandTop) << "erase above the prompt band at " << i;
        }
}

TEST(KelvaneLessonFrames, GoalScreenOnlyOnEntry) {
    LessonFixture r("kelvane", enter("3") + keys(12) + enter("3") + keys(12) + enter("4"));
    ASSERT_TRUE(r.run(kelvane2::START_LESSON2));
    int goals = 0, pages = 0;
    for (auto& op : r.texts()) {
        goals += op.s == "<めあて>";
        pages += op.s == "問4 解答";
    }
    EXPECT_EQ(goals, 1);
    EXPECT_EQ(pages, 2);
}

}  // namespace
}  // namespace cw::test
