// Kelvane lessons 5 to 7: entry from the main menu, goal screens and the
// sub-menu protocol.
#include <gtest/gtest.h>

#include "lessons/kelvane/lesson5.h"
#include "lessons/kelvane/lesson6.h"
#include "lessons/kelvane/lesson7.h"
#include "lessons/kelvane_l57_support.h"

namespace cw {
namespace {

using namespace l57test;

struct Lesson {
    int item;
    void (*entry)(Kelvane&);
    void (*goal)(Kelvane&);
    const char* sentence;
    const char* menu;
    int items;
    bool ainp10;  // the sub-menu sets AINP = 10 after copying it
};

const Lesson kLessons[] = {
    {5, kelvane5::KELVANE_LESSON_5, kelvane5::SHOW_LESSON_GOAL, "かっこのある式の計算ができるようになろう。",
     "①例8　②問10　③問11　④終了", 4, true},
    {6, kelvane6::KELVANE_LESSON_6, kelvane6::SHOW_LESSON_GOAL, "分数をふくむ式の計算ができるようになろう。",
     "①解き方１（分数係数）　②分数表現　③解き方２ ④問12　⑤終了", 5, true},
    {7, kelvane7::KELVANE_LESSON_7, kelvane7::SHOW_LESSON_GOAL, "セパレートコースのスタート地点の差を考えよう。",
     "①P10Ｑ　②P12Q　③終了", 3, false},
};

int prompt_count(const ScriptRun& r, const std::string& s) {
    int n = 0;
    for (auto& op : r.h.of(Op::Prompt)) n += op.s == s;
    return n;
}

TEST(KelvaneLessons5To7, GoalScreens) {
    for (auto& l : kLessons) {
        ScriptRun r("");
        r.run(l.goal);
        auto t = texts(r.h.pf.record());
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t[0].s, "<めあて>");
        EXPECT_EQ(t[0].c, 3);
        EXPECT_EQ(t[0].y1, 240);
        EXPECT_EQ(t[1].s, l.sentence);
        EXPECT_EQ(t[1].x1, 44);
        EXPECT_EQ(t[1].y1, 305);
        EXPECT_EQ(t[1].c, 0);
        EXPECT_EQ(r.g.XI1, 44);
        EXPECT_EQ(r.g.YI1, 305);
        EXPECT_EQ(r.g.XI2, r.g.X);
    }
}

TEST(KelvaneLessons5To7, OutOfRangeAsksAgainAndTheLastItemReturns) {
    for (auto& l : kLessons) {
        const std::string last = std::to_string(l.items);
        ScriptRun r(enter("0") + enter(std::to_string(l.items + 1)) + enter("-1") + enter("") + enter(last));
        r.run(l.entry);
        EXPECT_TRUE(r.returned) << l.item;
        EXPECT_EQ(prompt_count(r, l.menu), 5) << l.item;
        // Only the goal screen was drawn: no step ran and nothing was erased above the band.
        EXPECT_EQ(texts(r.h.pf.record()).size(), 2u) << l.item;
        for (auto& op : of(r.h.pf.record(), Op::Fill))
            if (op.f == 15) {
                EXPECT_TRUE(op.y1 >= test::kPromptBandTop || (op.x2 == 1760 && op.y2 == 1800)) << l.item;
            }
        for (auto& op : r.h.of(Op::Prompt))
            if (op.s == l.menu) {
                EXPECT_EQ(op.x1, 16);
                EXPECT_EQ(op.y1, 666);
            }
    }
}

TEST(KelvaneLessons5To7, EachItemOpensItsStep) {
    struct Case {
        int lesson;
        int item;
        const char* first_text;
    } cases[] = {
        {5, 1, "例8 次の計算をしなさい。"}, {5, 2, "問10 解答"},
        {5, 3, "問11 解答"},                 {6, 1, "例9　次の計算をしなさい。"},
        {6, 2, "問2　次の①、②の式は同じ意味ですか。"}, {6, 3, "例9 次の計算をしなさい。"},
        {6, 4, "問12 解答"},                 {7, 1, "①第1レーンと第2レーンの1周の差は？"},
        {7, 2, "半径をrmとして。"},
    };
    for (auto& c : cases) {
        const Lesson& l = kLessons[c.lesson - 5];
        ScriptRun r(enter(std::to_string(c.item)));
        r.run(l.entry);
        auto t = texts(r.h.pf.record());
        ASSERT_GT(t.size(), 2u) << c.lesson << "/" << c.item;
        EXPECT_EQ(t[2].s, c.first_text) << c.lesson << "/" << c.item;
        // Lessons 5 and 6 set AINP to 10 after reading it (a drill then sets 3); lesson 7 leaves it.
        if (c.lesson == 7) {
            EXPECT_EQ(r.g.AINP, c.item);
        }
        if (c.lesson == 5 && c.item > 1) {
            EXPECT_EQ(r.g.AINP, 10);
        }
    }
}

TEST(KelvaneLessons5To7, AfterAStepTheMenuIsAskedOverItsPageAndTheGoalIsNotShownAgain) {
    // Lesson 6: the notation question needs no key; the menu comes at once.
    ScriptRun r(enter("2") + enter("2") + enter("5"));
    r.run(kelvane6::KELVANE_LESSON_6);
    EXPECT_TRUE(r.returned);
    int goals = 0, questions = 0;
    for (auto& op : texts(r.h.pf.record())) {
        goals += op.s == "<めあて>";
        questions += op.s == "問2　次の①、②の式は同じ意味ですか。";
    }
    EXPECT_EQ(goals, 1);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(prompt_count(r, kLessons[1].menu), 3);
}

TEST(KelvaneLessons5To7, FromTheMainMenu) {
    for (auto& l : kLessons) {
        ScriptRun r(enter(std::to_string(l.item)) + enter(std::to_string(l.items)));
        try {
            run_program(r.h.g);
        } catch (const KeysExhausted&) {
        }
        int titles = 0, goals = 0;
        for (auto& op : texts(r.h.pf.record())) {
            titles += op.s == "　メニュー＞";  // the heading's part after the program's name
            goals += op.s == l.sentence;
        }
        EXPECT_EQ(goals, 1) << l.item;
        EXPECT_EQ(titles, 2) << l.item << ": the main menu again after the lesson";
    }
}

TEST(KelvaneLessons5To7, FixedPagesTakeTheirKeys) {
    // Each page returns after exactly this many key presses: with one fewer it
    // is still waiting, and the next key goes to the sub-menu's number entry.
    struct Case {
        const char* name;
        void (*step)(Kelvane&);
        int keys;
    } cases[] = {
        {"問10", kelvane5::SHOW_ANSWERS_Q10, 4},
        {"問11", kelvane5::SHOW_ANSWERS_Q11, 3},
        {"解き方１", kelvane6::SHOW_WORKED_EXAMPLE1, 15},
        {"分数表現", kelvane6::SHOW_NOTATION_QUESTION, 0},
        {"問12", kelvane6::SHOW_ANSWERS_Q12, 21},
        {"P10Ｑ", kelvane7::SHOW_TRACK_P10, 24},
        {"P12Q", kelvane7::SHOW_TRACK_RADIUS_R, 10},
    };
    for (auto& c : cases) {
        ScriptRun enough(keys(c.keys));
        enough.run(c.step);
        EXPECT_TRUE(enough.returned) << c.name;
        EXPECT_EQ(enough.f.keys_left(), 0u) << c.name;
        EXPECT_EQ(enough.f.waits(), c.keys) << c.name;
        if (c.keys == 0) continue;
        ScriptRun fewer(keys(c.keys - 1));
        fewer.run(c.step);
        EXPECT_FALSE(fewer.returned) << c.name;
    }
}

}  // namespace
}  // namespace cw
