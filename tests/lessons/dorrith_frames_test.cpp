// The frames of Dorrith lessons 1 to 3: the main-menu item opens the goal
// screen and the sub-menu, a number out of range asks again without erasing,
// the last item returns to the main menu, and entering again shows the goal.
#include "dorrith_support.h"

namespace cw::dtest {
namespace {

using test::enter;
using test::Ending;
using test::LessonFixture;

struct Frame {
    const char* lesson;
    const char* goal;
    const char* menu;
    int items;
};
const Frame FRAMES[] = {
    {"1", "(文字式×文字式)の計算を考えよう。", "①課題,例１　②問１　③指数例２　④問２　⑤終了", 5},
    {"2", "(文字式÷文字式)の計算を考えよう。", "①復習　②文字　③数+文字　④累乗　⑤練習　⑥終了", 6},
    {"3", "分数をふくむ式の除法の仕方を考えよう。", "①復習　②逆数　③課題　④練習　⑤問３,4　⑥終了", 6},
};

TEST(DorrithFrames, GoalMenuReaskAndReturn) {
    for (auto& fr : FRAMES) {
        SCOPED_TRACE(fr.lesson);
        const std::string last = std::to_string(fr.items);
        // Out of range: 0, one past the last item, a negative number, an empty
        // entry, and a value just past either end.
        const std::string out_of_range = enter("0") + enter(std::to_string(fr.items + 1)) + enter("-1") +
                                         enter("") + enter(last + ".5") + enter("0.5");
        LessonFixture f("dorrith", enter(fr.lesson) + out_of_range + enter(last) + enter(fr.lesson) + enter(last) +
                                       enter("8"));
        ASSERT_EQ(f.run_program(), Ending::Returned);
        // Twice entered, twice the goal; the menu line asked 7 times on the first visit, once on the second.
        EXPECT_EQ(f.count("<めあて>"), 2);
        ASSERT_EQ(f.at(44, 305).size(), 2u);
        EXPECT_EQ(f.at(44, 305)[0].s, fr.goal);
        EXPECT_EQ(f.prompt_count(fr.menu), 8);
        EXPECT_EQ(f.count("　メニュー＞"), 3);
        // Asking again erases nothing but the prompt band: no step's panel is erased.
        EXPECT_EQ(f.erases(0, 0, 1320, 1300), 0);
        EXPECT_EQ(f.erases(0, 657, 992, 720), 8);
    }
}

TEST(DorrithFrames, WholeValuesAtTheEndsAreTaken) {
    // 1.0 opens the first step; 12/2 is 6 and leaves lesson 3.
    LessonFixture f("dorrith", enter("3") + enter("1.0") + test::keys(6) + enter("12/2") + enter("8"));
    ASSERT_EQ(f.run_program(), Ending::Returned);
    EXPECT_EQ(f.count("復習　次の計算をしなさい。"), 1);
    EXPECT_EQ(f.count("　メニュー＞"), 2);
}

}  // namespace
}  // namespace cw::dtest
