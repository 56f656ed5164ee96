// Sarnoth's lessons 1 and 2 from the main menu: goal screens, sub-menus, and
// every item running its step and coming back.
#include <gtest/gtest.h>

#include <random>

#include "lessons/sarnoth_support.h"

namespace cw::sarnoth_test {
namespace {

const char* const kMenu1 = "①倍数　②偶数　③奇数　④連続する数　⑤自然数　⑥まとめ　⑦練習1　⑧練習2　⑨終了";
const char* const kMenu2 =
    "①P21Q　②説明　③5連続数　④2けた和　⑤2けた差　⑥カレンダー　⑦縦　⑧斜め　⑨四角　⑩自由　⑪終了";

// The whole program from start-up, ended by the main menu's item 8.
struct ProgramRun : SarnothRun {
    bool ended;
    explicit ProgramRun(const std::string& script) : SarnothRun(script) {
        ended = run_program() == test::Ending::Returned;
    }
    int prompts(const std::string& s) const { return prompt_count(s); }
    std::optional<DrawOp> text(const std::string& s) const { return find(s); }
};

TEST(SarnothFrames, GoalScreensAndSubMenus) {
    struct Case {
        std::string item, heading_goal, menu, leave;
        float heading_colour, goal_x;
    } cases[] = {
        {"1", "文字を使って倍数や偶数、奇数を表そう。", kMenu1, "9", 5, 76},
        {"2", "文字を使った式を利用して、いろいろなことがらを説明しよう。", kMenu2, "11", 3, 44},
    };
    for (auto& c : cases) {
        // Out-of-range and empty choices ask again; the last item goes back to the main menu.
        ProgramRun r(enter(c.item) + enter("0") + enter("") + enter("12") + enter("-1") + enter(c.leave) +
                     enter("8"));
        EXPECT_TRUE(r.ended) << c.item;
        EXPECT_EQ(r.prompts(c.menu), 5) << c.item;
        EXPECT_EQ(r.prompts("番号を入力して下さい。"), 2) << c.item;
        const auto heading = r.text("<めあて>");
        ASSERT_TRUE(heading);
        EXPECT_EQ(heading->x1, 44);
        EXPECT_EQ(heading->y1, 240);
        EXPECT_EQ(heading->c, c.heading_colour);
        const auto goal = r.text(c.heading_goal);
        ASSERT_TRUE(goal);
        EXPECT_EQ(goal->x1, c.goal_x);
        EXPECT_EQ(goal->y1, 305);
    }
}

// Every item of both sub-menus runs its step and comes back to its sub-menu, with enough keys for any page.
TEST(SarnothFrames, EveryItemRunsAndReturns) {
    struct Item {
        std::string lesson, choose, answer, menu;
    };
    std::vector<Item> items;
    const std::string page = keys(40);  // more than any page takes; extra keys fall on the sub-menu, ignored
    for (int i = 1; i <= 8; ++i) {
        std::string answer = page;
        if (i >= 7) answer = keys(10) + enter("1");
        items.push_back({"1", std::to_string(i), answer, kMenu1});
    }
    for (int i = 1; i <= 10; ++i) {
        std::string answer = page;
        if (i == 1 || i == 3) answer = keys(4) + enter("5") + "k" + enter("1") + page;
        if (i == 4 || i == 5) answer = keys(4) + enter("47") + "k" + enter("1") + page;
        items.push_back({"2", std::to_string(i), answer, kMenu2});
    }
    for (auto& it : items) {
        ProgramRun r(enter(it.lesson) + enter(it.choose) + it.answer + "\r" + enter(it.menu == kMenu1 ? "9" : "11") +
                     enter("8"));
        EXPECT_TRUE(r.ended) << "lesson " << it.lesson << " item " << it.choose;
        EXPECT_EQ(r.prompts(it.menu), 3) << "lesson " << it.lesson << " item " << it.choose;
    }
}

// Random keys inside each lesson, mostly what a pupil types: no error screen, whatever is typed at the
// example questions and the drills.
TEST(SarnothFrames, RandomKeysInsideTheLessonsReachNoErrorScreen) {
    static const std::string pool = "12345678910123456789\r\r\r\r\r\r\r0./-\bk +\x0c";
    for (const char* lesson : {"1", "2"}) {
        std::mt19937 rng(lesson[0]);
        std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
        for (int run = 0; run < 2; ++run) {
            std::string script = enter(lesson);
            for (int i = 0; i < 2500; ++i) script += pool[pick(rng)];
            SarnothRun r(script);
            r.pf.set_recording(false);
            const test::Ending end = r.run_program();
            EXPECT_NE(end, test::Ending::ErrorScreen)
                << "lesson " << lesson << " run " << run << ": error " << r.error()->code << " at " << r.error()->site;
        }
    }
}

}  // namespace
}  // namespace cw::sarnoth_test
