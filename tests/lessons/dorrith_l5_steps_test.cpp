// Dorrith lesson 5: the frame, the reviews with their wrong forms, the worked
// question and the answers to 問7 with their cancellation strokes.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "lessons/dorrith/dorrith.h"
#include "lessons/dorrith/lesson5.h"
#include "lessons/dorrith_l56_support.h"
#include "lessons/dorrith_support.h"

namespace cw {
namespace {

using l56test::braces;
using l56test::check_item;
using l56test::Item;
using l56test::read_items;
using oracle::Rational;
using test::enter;
using test::keys;
using test::FixtureOf;
using test::LessonFixture;

const std::string kMenu = "①復習　②Q　③練習　④問7　⑤終了";

// ---- the frame ----------------------------------------------------------------------

TEST(Lesson5Frame, GoalScreenThenTheMenu) {
    LessonFixture f("dorrith", enter("5") + enter("5") + enter("5") + enter("5") + enter("8"));
    EXPECT_EQ(f.run_program(), test::Ending::Returned);
    auto heading = f.find("<めあて>");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->x1, 44);
    EXPECT_EQ(heading->y1, 240);
    EXPECT_EQ(heading->c, 3);
    auto goal = f.find("式の値を簡単に求める方法を考えよう。");
    ASSERT_TRUE(goal);
    EXPECT_EQ(goal->x1, 44);
    EXPECT_EQ(goal->y1, 305);
    EXPECT_EQ(goal->c, 0);
    // Entered twice, left twice by item 5: the goal screen each time, no key wait.
    EXPECT_EQ(f.count("<めあて>"), 2);
    EXPECT_EQ(f.prompt_count(kMenu), 2);
    EXPECT_EQ(f.waits(), 0);
}

TEST(Lesson5Frame, RefusedEntriesLeaveTheScreen) {
    for (std::string entry : {"0", "6", "-3", "", "0.9", "5.1"}) {
        SCOPED_TRACE(entry);
        LessonFixture f("dorrith", enter("5") + enter(entry) + enter("5") + enter("8"));
        EXPECT_EQ(f.run_program(), test::Ending::Returned);
        EXPECT_EQ(f.prompt_count(kMenu), 2);
        // Between the two menu lines only the prompt band changed.
        int seen = 0;
        const auto all = f.all();
        for (auto& op : all.ops()) {
            if (op.op == Op::Prompt && op.s == kMenu) ++seen;
            if (seen == 1 && op.op == Op::Expr) { EXPECT_GE(op.y1, test::kPromptBandTop) << op.s; }
            if (seen == 1 && op.op == Op::Fill) { EXPECT_GE(op.y1, test::kPromptBandTop); }
        }
    }
}

// Every item runs its step and comes back to the menu line; 3/2 opens step ①.
TEST(Lesson5Frame, EveryItemRunsAndReturns) {
    struct Case {
        std::string entry, keys_after, marker;
        int waits;
    };
    const Case cases[] = {
        {"1", keys(22), "復習3　x=5,y=-4 のとき、", 22},
        {"3/2", keys(22), "復習3　x=5,y=-4 のとき、", 22},
        {"2", keys(18), "=2a-20b", 18},
        {"3", keys(1) + keys(15) + enter("1") + keys(1), "教科書P19 問7　をしなさい。", -1},
        {"4", keys(9), "=6b", 9},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.entry);
        LessonFixture f("dorrith", enter("5") + enter(c.entry) + c.keys_after + enter("5") + enter("8"));
        EXPECT_EQ(f.run_program(4), test::Ending::Returned);
        EXPECT_EQ(f.count(c.marker), 1);
        EXPECT_EQ(f.prompt_count(kMenu), 2);
        if (c.waits >= 0) { EXPECT_EQ(f.waits(), c.waits); }
    }
}

// ---- step ①: the reviews ------------------------------------------------------------------

struct ReviewRun {
    FixtureOf<Dorrith> f;
    ReviewRun() : f("dorrith", keys(22)) { EXPECT_TRUE(f.run(dorrith5::SHOW_SUBSTITUTION_REVIEWS)); }
};

TEST(SubstitutionReviews, WorkingLinesHaveTheValue) {
    ReviewRun run;
    EXPECT_EQ(run.f.waits(), 22);
    EXPECT_EQ(run.f.keys_left(), 0u);
    // Each review as its lines stand last on screen (a wrong form is overwritten in place).
    std::vector<std::map<std::pair<float, float>, std::string>> reviews;
    for (auto& op : run.f.all().visible_texts()) {
        if (op.x1 >= 560) continue;
        if (op.s.rfind("復習", 0) == 0) reviews.emplace_back();
        if (!reviews.empty()) reviews.back()[{op.x1, op.y1}] = op.s;
    }
    ASSERT_EQ(reviews.size(), 3u);
    const Rational values[] = {Rational(-2), Rational(14), Rational(7)};
    for (size_t i = 0; i < 3; ++i) {
        auto& r = reviews[i];
        SCOPED_TRACE((r[{48, 27}]));
        auto at = l56test::substituted(r[{92, 197}]);
        EXPECT_EQ(oracle::value(r[{92, 137}], at), values[i]);
        for (float y : {257.0f, 317.0f, 377.0f})
            EXPECT_EQ(oracle::value(oracle::split_line(r[{48, y}]).sides.at(0), {}), values[i]) << r[{48, y}];
    }
}

// The two wrong forms are each drawn once, erased by a box from their top left, 52 high, and replaced at the
// same place; review 3 has none.
TEST(SubstitutionReviews, WrongFormsAreCorrectedInPlace) {
    ReviewRun run;
    auto pages = run.f.pages();
    ASSERT_EQ(pages.size(), 23u);
    struct Case {
        std::string wrong, right;
        int stage;
        float w;
    };
    for (auto& c : {Case{"=6-42", "=6-4*2 ", 3, 220}, Case{"=6-4*-2 ", "=6-4*(-2) ", 10, 352}}) {
        SCOPED_TRACE(c.wrong);
        EXPECT_EQ(run.f.count(c.wrong), 1);
        // Stage k is on the page that ends with the k-th key of the step, the vocabulary's two included.
        const size_t shown = static_cast<size_t>(c.stage) + 2;
        EXPECT_EQ(pages[shown].count(c.wrong), 1);
        EXPECT_EQ(pages[shown + 1].erases(48, 257, 48 + c.w, 257 + 52), 1);
        auto right = pages[shown + 1].at(48, 257);
        ASSERT_EQ(right.size(), 1u);
        EXPECT_EQ(right[0].s, c.right);
    }
    EXPECT_EQ(run.f.erases(0, 0, 1320, 1300), 1);
    EXPECT_EQ(run.f.erases(0, 0, 560, 1300), 2);
}

TEST(SubstitutionReviews, RightColumnBuildsUpBesideTheReviews) {
    ReviewRun run;
    auto& d = run.f.prog();
    const std::pair<std::string, std::pair<float, float>> right[] = {
        {"式の値", {600, 30}},
        {"代入", {600, 90}},
        {"…式の中の文字に数をあてはめること", {600, 140}},
        {"文字の値", {600, 200}},
        {"<式の値の求め方>", {600, 290}},
        {"① 代入するときは、", {600, 340}},
        {"文字式の表し方に戻る", {650, 390}},
        {"② 負の数を代入するときは、", {600, 440}},
        {"（　）をつける", {650, 490}},
        {"③ 2文字以上に代入する場合もある", {600, 540}},
    };
    for (auto& [s, at] : right) {
        auto op = run.f.find(s);
        ASSERT_TRUE(op) << s;
        EXPECT_EQ(op->x1, at.first) << s;
        EXPECT_EQ(op->y1, at.second) << s;
    }
    // Nothing of the right-hand column is ever erased (the later erases stop at x 560).
    for (auto& e : run.f.all().erases())
        if (e.y1 < test::kPromptBandTop && !(e.x1 == 0 && e.x2 == 1320)) {
            EXPECT_LE(e.x2, 560);
        }
    EXPECT_EQ(d.XJ1, 600);
    EXPECT_EQ(d.YJ1, 540);
}

TEST(SubstitutionReviews, VocabularyLeavesTheLeftCursor) {
    FixtureOf<Dorrith> f("dorrith", keys(2));
    f.g.XI1 = 48;
    f.g.XI2 = 123;
    f.g.YI1 = 137;
    ASSERT_TRUE(f.run(dorrith5::SHOW_VALUE_VOCABULARY));
    auto& d = f.prog();
    EXPECT_EQ(f.g.XI1, 48);
    EXPECT_EQ(f.g.XI2, 123);
    EXPECT_EQ(f.g.YI1, 137);
    EXPECT_EQ(d.XJ1, 600);
    EXPECT_EQ(d.YJ1, 200);
    EXPECT_EQ(f.waits(), 2);
    auto def = f.find("…文字にあてはめる数");
    ASSERT_TRUE(def);
    EXPECT_EQ(d.XJ2, f.g.X);
    EXPECT_GT(def->x1, 600);
    EXPECT_EQ(def->y1, 200);
}

// ---- step ②: the worked question --------------------------------------------------------

TEST(WorkedQuestion, BothSolutionsGiveSeventy) {
    LessonFixture f("dorrith", keys(18));
    ASSERT_TRUE(f.run(dorrith5::SHOW_WORKED_QUESTION));
    EXPECT_EQ(f.waits(), 18);
    EXPECT_EQ(f.keys_left(), 0u);
    std::map<float, std::string> left, right;
    for (auto& op : f.all().visible_texts()) {
        if (op.y1 < 150 || op.y1 >= test::kPromptBandTop) continue;
        (op.x1 < 640 ? left : right)[op.y1] += op.s;
    }
    const std::string problem = "2(3a-4b)-4(a+3b)";
    ASSERT_TRUE(f.find(problem + " の値を求めよう。"));
    const oracle::Values ab{{"a", Rational(5)}, {"b", Rational(-3)}};
    // 解１: the substituted expression over two rows, then each row's value.
    EXPECT_EQ(oracle::value(braces(left[210] + left[270]).substr(1), {}), Rational(70));
    for (float y : {330.0f, 390.0f, 450.0f, 510.0f}) EXPECT_EQ(oracle::value(left[y].substr(1), {}), Rational(70));
    // 解2: simplified first, then substituted.
    for (float y : {210.0f, 270.0f}) EXPECT_EQ(oracle::expand(right[y]), oracle::expand(problem)) << right[y];
    EXPECT_EQ(l56test::substituted(right[330]), ab);
    for (float y : {390.0f, 450.0f, 510.0f}) EXPECT_EQ(oracle::value(right[y].substr(1), {}), Rational(70));
    EXPECT_EQ(oracle::expand(problem).at(ab), Rational(70));
    EXPECT_EQ(f.all().texts_in(5).size(), 2u);
}

// ---- step ④: the answers to 問7 ------------------------------------------------------------

struct Q7Run {
    LessonFixture f;
    Q7Run() : f("dorrith", keys(9)) { EXPECT_TRUE(f.run(dorrith5::SHOW_ANSWERS_Q7)); }
};

TEST(AnswersQ7, RowsHaveTheProblemsValues) {
    Q7Run run;
    EXPECT_EQ(run.f.waits(), 9);
    EXPECT_EQ(run.f.keys_left(), 0u);
    auto items = read_items(run.f.all().visible_texts());
    ASSERT_EQ(items.size(), 2u);
    // (2)'s cancellation marks (the reduced 6 and 1 in colour 3) are not rows.
    for (auto& it : items) {
        Item maths = it;
        maths.rows.clear();
        for (auto& r : it.rows)
            if (r.colours != std::vector<int>{3}) maths.rows.push_back(r);
        check_item(maths);
    }
    EXPECT_EQ(items[0].rows.back().text, "=-9");
    EXPECT_EQ(items[1].rows.back().text, "=6*ﾀ1/3ﾀ=2");
}

// The strokes of the cancellation at the places the answer page gives, 5 wide in colour 3; the reduced
// values 6 over the struck 12 and 1 under the struck 2; what is left unstruck is the next row.
TEST(AnswersQ7, CancellationStrokes) {
    Q7Run run;
    auto pages = run.f.pages();
    ASSERT_EQ(pages.size(), 10u);
    struct Stroke {
        float x1, y1, x2, y2;
    };
    auto strokes_of = [](const test::Span& s) {
        std::vector<Stroke> out;
        for (auto& op : s.lines())
            if (op.c == 3) {
                EXPECT_EQ(op.w, 5);
                out.push_back({op.x1, op.y1, op.x2, op.y2});
            }
        return out;
    };
    auto numbers = strokes_of(pages[5]);
    auto letters = strokes_of(pages[6]);
    const Stroke want_numbers[] = {{716, 240, 780, 268}, {767, 278, 799, 306}};
    const Stroke want_letters[] = {
        {837, 278, 869, 306}, {818, 240, 850, 268}, {907, 278, 939, 306}, {888, 240, 920, 268}};
    ASSERT_EQ(numbers.size(), 2u);
    ASSERT_EQ(letters.size(), 4u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(numbers[i].x1, want_numbers[i].x1);
        EXPECT_EQ(numbers[i].y1, want_numbers[i].y1);
        EXPECT_EQ(numbers[i].x2, want_numbers[i].x2);
        EXPECT_EQ(numbers[i].y2, want_numbers[i].y2);
    }
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(letters[i].x1, want_letters[i].x1);
        EXPECT_EQ(letters[i].y1, want_letters[i].y1);
        EXPECT_EQ(letters[i].x2, want_letters[i].x2);
        EXPECT_EQ(letters[i].y2, want_letters[i].y2);
    }
    // The line above's "2ab" stands level with the place over the "12" (716, 202): the "6" goes left of it,
    // at its height, over the stroke's start (how far, a word's space from the "2ab" by the ink of the face's
    // digits, ToolkitStrokes.AValueLevelWithTheLineAboveMovesSideways holds); the "1" stands where the
    // script puts it, under the struck "2".
    auto six = pages[5].value_placed_from(716, 202);
    auto one = pages[5].at(767, 310);
    ASSERT_TRUE(six);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(six->s, "6");
    EXPECT_EQ(six->y1, 202);
    EXPECT_LT(six->x1, 716);
    EXPECT_GE(six->x1, want_numbers[0].x1 - 16) << "the \"6\" stays over the stroke's start, not a cell away";
    EXPECT_EQ(one[0].s, "1");
    EXPECT_EQ(six->c, 3);
    EXPECT_EQ(one[0].c, 3);
    // Read back as a pupil reads it: in the written-out fraction every factor a stroke starts on and runs
    // across is gone, or stands as the value written over (numerator) or under (denominator) it; what is
    // left is the next row.
    const auto written_calls = pages[4].texts();
    size_t call = 0;
    while (call < written_calls.size() && written_calls[call].s != "=ﾀ12*a*b*b/2*a*bﾀ") ++call;
    ASSERT_LT(call, written_calls.size());
    const auto cells = dtest::cells_of(pages[4].drawn_by(call));
    const test::Span struck_pages(
        [&] {
            auto ops = pages[5].ops();
            ops.insert(ops.end(), pages[6].ops().begin(), pages[6].ops().end());
            return ops;
        }());
    // The product the row of cells at `top` leaves; nothing when a factor of it has no cell there.
    auto left_of = [&](float top, float value_dy) -> std::optional<std::string> {
        std::string product = "1", read;
        std::vector<std::vector<dtest::Cell>> factors(1);
        for (auto& c : cells) {
            if (c.top != top) continue;
            read += c.ch;
            if (c.ch == "×")
                factors.emplace_back();
            else
                factors.back().push_back(c);
        }
        for (auto& f : factors) {
            if (f.empty()) {
                ADD_FAILURE() << "the written-out fraction's row at y " << top << " reads \"" << read
                              << "\": a factor with no character at that height";
                return std::nullopt;
            }
            std::string text;
            for (auto& c : f) text += c.ch;
            for (auto& st : struck_pages.lines())
                if (st.c == 3 && st.x1 == f.front().x && st.y1 == top && st.x2 >= f.back().x + 32) {
                    text = "1";
                    if (auto v = struck_pages.value_placed_from(st.x1, top + value_dy)) text = v->s;
                }
            product += "*" + text;
        }
        return product;
    };
    const auto numerator = left_of(240, -38), denominator = left_of(278, 32);
    ASSERT_TRUE(numerator && denominator);
    const auto next = pages[7].texts();
    ASSERT_FALSE(next.empty());
    EXPECT_EQ(next.back().s, "=6b");
    EXPECT_EQ(oracle::expand("(" + *numerator + ")/(" + *denominator + ")"), oracle::expand(next.back().s))
        << *numerator << " over " << *denominator;
}

}  // namespace
}  // namespace cw
