// Every step of every lesson of the three programs with the random generator
// held at its smallest value (0) and at its largest (the last float below 1),
// so that every draw lands on an end of its range: each step must come back to
// its sub-menu without reaching the error screen, and the answers it shows
// must keep the textbook's writing rules.  The drills' own tests check their
// problems at these two values as well.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/lesson_fixture.h"
#include "support/oracle.h"

namespace cw::test {
namespace {

const std::string kMainMenu = "番号を入力して下さい。";
const std::string kLastItem = "終了";
const std::string kEntry = "入力";  // beside the entry of every number, after its question
const size_t kMostKeys = 400;      // far more than any step takes: a visit that needs more never ends

// The circled item numbers of a sub-menu line: the last is the way out.
int items_of(const std::string& menu) {
    int n = 0;
    for (const char* circled : {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪", "⑫"})
        if (menu.find(circled) != std::string::npos) ++n;
    return n;
}

// A pupil who opens lesson `lesson`, chooses `item` and then presses a key at every wait, asks for one more
// problem at the first next-step question of each loop and leaves it at the second (two problems a loop),
// and types the widest example numbers when asked; the visit ends when the sub-menu shows again.  With item
// 0 the pupil only opens the lesson.
struct Visit {
    LessonFixture f;
    std::string menu;                  // the sub-menu line, once shown
    std::vector<std::string> unknown;  // prompts the pupil had no answer for
    bool back_at_menu = false;
    Ending end = Ending::Returned;

    Visit(const std::string& program, int lesson, int item, const Draws& draws) : f(program) {
        f.seed(draws);
        size_t seen = 0;
        bool opened = false, asked_again = false;
        f.backend.on_wait = [&, lesson, item] {
            if (f.keys_left() > 0 || f.keys_used() > kMostKeys) return;
            std::string prompt;  // the question shown since the last answer
            const auto& rec = f.pf.record();
            for (; seen < rec.size(); ++seen)
                if (rec[seen].op == Op::Prompt && rec[seen].s != kEntry) prompt = rec[seen].s;
            if (prompt == kMainMenu) {
                if (!opened) f.backend.push_keys(enter(std::to_string(lesson)));
                opened = true;  // an item that opens no lesson shows the main menu again
            } else if (prompt.find(kLastItem) != std::string::npos) {
                if (menu.empty() && item > 0) {
                    menu = prompt;
                    f.backend.push_keys(enter(std::to_string(item)));
                } else {
                    if (menu.empty()) menu = prompt;
                    back_at_menu = true;
                }
            } else if (prompt == kAnyKey) {
                f.backend.push_keys("k");
            } else if (prompt == kNextStep) {
                f.backend.push_keys(enter(asked_again ? "1" : "2"));
                asked_again = !asked_again;
            } else if (prompt == "最も小さい整数を入力して下さい。") {
                f.backend.push_keys(enter("-9999"));
            } else if (prompt == "2けたの自然数を入力して下さい。") {
                f.backend.push_keys(enter("99"));
            } else if (!prompt.empty()) {
                unknown.push_back(prompt);
            }
        };
        end = f.run_program();
    }
};

// Every program, every lesson of its main menu, every step of each lesson.
struct Step {
    std::string program;
    int lesson, item;
};
std::vector<Step> every_step() {
    std::vector<Step> out;
    for (const char* program : {"kelvane", "dorrith", "sarnoth"}) {
        for (int lesson = 1; lesson <= 7; ++lesson) {
            Visit v(program, lesson, 0, 1);
            if (!v.back_at_menu) continue;  // the item opens no lesson
            for (int item = 1; item < items_of(v.menu); ++item) out.push_back({program, lesson, item});
        }
    }
    return out;
}

TEST(DrawExtremes, EveryStepComesBackAndKeepsTheWritingRules) {
    const std::vector<Step> steps = every_step();
    ASSERT_EQ(steps.size(), 33u + 28u + 41u) << "the steps of the sub-menus of Kelvane, Dorrith and Sarnoth";
    for (const Draws& draws : {kLowestRnd, kHighestRnd}) {
        for (const Step& s : steps) {
            SCOPED_TRACE(s.program + " lesson " + std::to_string(s.lesson) + " item " + std::to_string(s.item));
            SCOPED_TRACE(::testing::PrintToString(draws));
            Visit v(s.program, s.lesson, s.item, draws);
            ASSERT_FALSE(v.f.error()) << "error screen";
            EXPECT_EQ(v.end, Ending::KeysOut);
            EXPECT_TRUE(v.unknown.empty()) << v.unknown.front();
            EXPECT_TRUE(v.back_at_menu) << "the step did not come back to its sub-menu";
            // The rules a drawn number can break: lowest terms, no coefficient or exponent 1 or 0, no doubled
            // signs.  Answers drawn in pieces (a signed term after its line, words) are no whole expression.
            for (auto& answer : v.f.all().answers())
                for (auto& fault : oracle::form_faults(answer.s))
                    if (fault.rfind("unreadable", 0) != 0 && fault.rfind("leading", 0) != 0)
                        ADD_FAILURE() << answer.s << ": " << fault;
        }
    }
}

}  // namespace
}  // namespace cw::test
