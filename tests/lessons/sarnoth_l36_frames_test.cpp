// Sarnoth lessons 3 to 6 from the main menu: the sub-menu protocol, lesson
// 3's goal screen and the bench table of lesson 3 step ①.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <regex>

#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth_l36_support.h"

namespace cw::test {
namespace {

const std::string kMenuLast = "8　終了";  // drawn once with every main menu

// A whole program run from the main menu.
struct ProgramRun : StepRun {
    explicit ProgramRun(const std::string& keys) : StepRun(keys) { ran_out = run_program() == Ending::KeysOut; }
    bool ran_out = false;
};

TEST(SarnothLessonFrames, SubMenusAskAgainOutOfRangeAndReturnOnTheirLastItem) {
    struct Case {
        int lesson;
        std::string menu;
        int n;
    } cases[] = {
        {3, "①P27Q　②基本例題　③練習１　④問１　⑤例２　⑥練習２　⑦問２　⑧練習３　⑨問３　⑩問４　⑪終了", 11},
        {4, "①　②　③終了", 3},
        {5, "①1,2,3　②4　③5　④6　⑤7　⑥8　⑦終了", 7},
        {6, "①　②　③　④　⑤　⑥終了", 6},
    };
    for (auto& c : cases) {
        const std::string n = std::to_string(c.n);
        // n + 1, 0, empty, 0.5, n.5 and -1 are asked again; n returns; 8 ends the program.
        ProgramRun r(enter(std::to_string(c.lesson)) + enter(std::to_string(c.n + 1)) + enter("0") + enter("") +
                     enter("0.5") + enter(n + ".5") + enter("-1") + enter(n) + enter("8"));
        EXPECT_FALSE(r.ran_out) << "lesson " << c.lesson;
        EXPECT_EQ(r.keys_left(), 0u);
        EXPECT_EQ(r.prompt_count(c.menu), 7) << "lesson " << c.lesson;
        EXPECT_EQ(r.count(kMenuLast), 2) << "lesson " << c.lesson;
        EXPECT_EQ(r.h.g.AINP, 8) << "the main menu's entry";
        // Only lesson 3 draws a goal screen; the others leave the erased window to their sub-menu.
        const bool goal = r.find("<めあて>") != nullptr;
        EXPECT_EQ(goal, c.lesson == 3) << "lesson " << c.lesson;
    }
}

TEST(SarnothLessonFrames, Lesson3GoalScreen) {
    ProgramRun r(enter("3"));
    auto* head = r.find("<めあて>");
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->c, 3);
    EXPECT_EQ(head->x1, 44);
    EXPECT_EQ(head->y1, 240);
    auto* goal = r.find("等式を変形して、ある文字について解けるようになろう。");
    ASSERT_NE(goal, nullptr);
    EXPECT_EQ(goal->c, 0);
    EXPECT_EQ(goal->x1, 44);
    EXPECT_EQ(goal->y1, 305);
}

TEST(SarnothLessonFrames, AFractionInsideTheBoundsRunsAStep) {
    // 3/2 is 1.5: lesson 4's page 1, which takes five keys.
    ProgramRun r(enter("4") + enter("3/2") + keys(5) + enter("3") + enter("8"));
    EXPECT_FALSE(r.ran_out);
    EXPECT_NE(r.find("xは整数だから、9の倍数である。"), nullptr);
}

TEST(SarnothLessonFrames, AStepsLastScreenStaysUnderTheSubMenu) {
    // Lesson 5's page of problem 8 ends without a wait; the sub-menu is asked under it, nothing erased.
    ProgramRun r(enter("5") + enter("6") + keys(5));
    EXPECT_TRUE(r.ran_out);
    auto& rec = r.h.pf.record();
    size_t last_text = 0, last_prompt = 0;
    for (size_t i = 0; i < rec.size(); ++i) {
        if (rec[i].op == Op::Expr && rec[i].s == "nは整数だから、6の倍数である。") last_text = i;
        if (rec[i].op == Op::Prompt && rec[i].s == "①1,2,3　②4　③5　④6　⑤7　⑥8　⑦終了") last_prompt = i;
    }
    ASSERT_GT(last_text, 0u);
    EXPECT_GT(last_prompt, last_text);
    for (size_t i = last_text; i < rec.size(); ++i)
        if (rec[i].op == Op::Fill && rec[i].f == 15) { EXPECT_GE(rec[i].y1, kPromptBandTop) << "only the prompt band is erased"; }
}

// Lesson 6's first two pages set no draw width: their cell borders take the
// width in force, 3 from start-up and 5 after the sectors page (step ③).
TEST(SarnothLessonFrames, Lesson6PagesDrawTheirCellsInTheWidthInForce) {
    struct Case {
        std::string keys;
        int width;
    } cases[] = {
        {enter("6") + enter("1") + keys(2), 3},
        {enter("6") + enter("3") + keys(7) + enter("1") + keys(2), 5},
        {enter("6") + enter("3") + keys(7) + enter("2") + keys(7), 5},
    };
    for (auto& c : cases) {
        ProgramRun r(c.keys);
        // The last heading's title cell: the last box bordered in 5 and filled in 4.
        const DrawOp* title = nullptr;
        for (auto& op : r.h.pf.record())
            if (op.op == Op::Fill && op.c == 5 && op.f == 4) title = &op;
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->w, c.width) << c.keys.size();
    }
}

// Problem 6 (1): the collected form, the substitution and its value, with
// only the two values in colour 5.
TEST(SarnothLessonFrames, Problem6ValuesAreTheOnlyAnswersInColour5) {
    StepRun r(keys(4));
    ASSERT_TRUE(r.run([](Sarnoth& g) { sarnoth5::SHOW_PROBLEM_6(g); }));
    std::vector<std::string> fives;
    for (auto& op : r.texts())
        if (op.c == 5) fives.push_back(op.s);
    EXPECT_EQ(fives, (std::vector<std::string>{"=-8", "=4"}));
    auto* collected = r.find("=-2x+6y");
    ASSERT_NE(collected, nullptr);
    EXPECT_EQ(collected->y1, 270);

    // The rows of (1) after the collected form, by their form and not only their value, worked out from
    // what the page drew: the values of the heading put into the collected form's terms (a negative value
    // in parentheses), each product's value with its sign as the textbook writes it, then their sum.
    std::map<std::string, std::string> at;  // letter -> value text
    std::optional<DrawOp> heading;
    for (auto& op : r.texts())
        if (op.x1 == 108 && op.s.find("を代入して") != std::string::npos) heading = op;
    ASSERT_TRUE(heading);
    static const std::regex value(R"(([a-z])=(-?\d+|-?ﾀ\d+/\d+ﾀ))");
    for (std::sregex_iterator it(heading->s.begin(), heading->s.end(), value), end; it != end; ++it)
        at[(*it)[1]] = (*it)[2];
    ASSERT_EQ(at.size(), 2u) << heading->s;
    std::string substituted = "=", products = "=";
    oracle::Rational sum(0);
    static const std::regex term(R"(([+-]?\d*)([a-z]))");
    const auto collected_row = r.at(108, 270);
    ASSERT_EQ(collected_row.size(), 1u);
    const std::string form = collected_row[0].s.substr(1);
    for (std::sregex_iterator it(form.begin(), form.end(), term), end; it != end; ++it) {
        const std::string coefficient = (*it)[1], letter = (*it)[2];
        const std::string v = at.at(letter);
        substituted += coefficient + "*" + (v[0] == '-' ? "(" + v + ")" : v);
        const oracle::Rational product = oracle::value(coefficient + "*(" + v + ")", {});
        products += (product < oracle::Rational(0) || products == "=" ? "" : "+") + product.str();
        sum = sum + product;
    }
    struct Row {
        std::string s;
        float y;
        int c;
    } want[] = {{substituted, 430, 0}, {products, 510, 0}, {"=" + sum.str(), 570, 5}};
    for (auto& w : want) {
        auto drawn = r.at(108, w.y);
        ASSERT_EQ(drawn.size(), 1u) << w.s;
        EXPECT_EQ(drawn[0].s, w.s);
        EXPECT_EQ(drawn[0].c, w.c) << w.s;
        EXPECT_TRUE(oracle::form_faults(w.s).empty()) << w.s;
    }
    EXPECT_EQ(want[0].s, "=-2*3+6*(-ﾀ1/3ﾀ)");  // what the derivation gives, read once
}

// Lesson 3 step ①: the y row holds, for each x of the row above, the y with
// 3x + 2y = 32, or "*" where that y is not a whole number; one cell per key.
TEST(SarnothBenchTable, EveryCellSatisfiesTheEquation) {
    StepRun r(keys(31));
    ASSERT_TRUE(r.run([](Sarnoth& g) { sarnoth3::SHOW_BENCH_SEATING_TABLE(g); }));
    auto& g = r.prog();

    // Each table cell: its filled box, then its text.
    std::map<float, std::string> x_row, y_row;
    std::vector<float> y_order;
    auto& rec = r.h.pf.record();
    for (size_t i = 0; i + 1 < rec.size(); ++i) {
        auto& box = rec[i];
        if (box.op != Op::Fill || box.f == 15 || box.x2 - box.x1 != 60) continue;
        EXPECT_EQ(box.y2 - box.y1, 50);
        EXPECT_LE(box.y2, 620) << "above the prompt band";
        auto& text = rec[i + 1];
        ASSERT_EQ(text.op, Op::Expr);
        if (box.y1 == 520) x_row[box.x1] = text.s;
        if (box.y1 == 570 && text.c == 5) {
            y_row[box.x1] = text.s;
            y_order.push_back(box.x1);
        }
    }
    ASSERT_EQ(x_row.size(), 12u);
    ASSERT_EQ(y_row.size(), 12u);
    EXPECT_TRUE(std::is_sorted(y_order.begin(), y_order.end())) << "filled left to right";
    int stars = 0;
    for (auto& [col, xs] : x_row) {
        const auto x = oracle::Rational(std::stoi(xs));
        const std::string& ys = y_row.at(col);
        if (ys == "*") {
            ++stars;
            // No whole y: 32 - 3x is odd.
            EXPECT_FALSE(((oracle::Rational(32) - oracle::Rational(3) * x) / oracle::Rational(2)).is_integer()) << xs;
        } else {
            EXPECT_EQ(oracle::value("3x+2y", {{"x", x}, {"y", oracle::Rational(std::stoi(ys))}}), oracle::Rational(32))
                << xs << " " << ys;
        }
    }
    EXPECT_EQ(stars, 6);
    EXPECT_EQ(x_row.begin()->second, "0");
    EXPECT_EQ(x_row.rbegin()->second, "11");

    // One y cell per key: the table comes with the 18th key, its cells with keys 19 to 30.
    auto stages = r.stages();
    ASSERT_EQ(stages.size(), 32u);
    for (int k = 19; k <= 30; ++k) EXPECT_EQ(stages[static_cast<size_t>(k)].size(), 1u) << "key " << k;
    // The closing label stands 20 after the transformed equation, on its line.
    auto* eq = r.find("y=16-ﾀ3/2ﾀx");
    ASSERT_NE(eq, nullptr);
    const float eq_x = eq->x1, eq_y = eq->y1;
    ASSERT_EQ(stages[31].size(), 1u);
    EXPECT_EQ(stages[31][0].s, "(yについて解く)");
    EXPECT_EQ(stages[31][0].c, 5);
    EXPECT_NEAR(stages[31][0].x1, eq_x + measured(g, "y=16-ﾀ3/2ﾀx") + 20, 0.01);
    EXPECT_EQ(stages[31][0].y1, eq_y);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
}

}  // namespace
}  // namespace cw::test
