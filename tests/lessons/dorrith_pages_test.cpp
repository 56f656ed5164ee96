// Dorrith lessons 1 and 3, the fixed pages and cycles: the tile task and its
// figure, the examples' answers against the oracle, the cycles' order, the
// answer pages' key counts and every worked line's value.
#include <map>

#include "dorrith_support.h"

namespace cw::dtest {
namespace {

using oracle::expand;
using test::drill_keys;
using test::enter;
using test::Ending;
using test::keys;
using test::LessonFixture;

const char* const MENU1 = "①課題,例１　②問１　③指数例２　④問２　⑤終了";

TEST(DorrithLesson1, TileFigureCellsAndArcs) {
    LessonFixture f("dorrith", enter("1") + enter("1"));
    ASSERT_EQ(f.run_program(), Ending::KeysOut);
    auto page = f.pages().at(0);
    // Six tiles b wide and a high, bordered 0 and filled 11, two rows of three.
    std::vector<Seg> tiles;
    for (auto& op : page.of(Op::Fill))
        if (op.c == 0 && op.f == 11) tiles.push_back({op.x1, op.y1, op.x2, op.y2});
    EXPECT_EQ(tiles, (std::vector<Seg>{{176, 300, 264, 344}, {264, 300, 352, 344}, {352, 300, 440, 344},
                                       {176, 344, 264, 388}, {264, 344, 352, 388}, {352, 344, 440, 388}}));

    // The dots of each arc come before its label: their extent and colour.
    struct Extent {
        float x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        int colour = -1, dots = 0;
    };
    std::map<std::string, Extent> arcs;
    Extent cur;
    for (auto& op : page.ops()) {
        if (op.op == Op::Circle && op.filled && op.r == 0.5f) {
            cur.x0 = std::min(cur.x0, op.x1), cur.x1 = std::max(cur.x1, op.x1);
            cur.y0 = std::min(cur.y0, op.y1), cur.y1 = std::max(cur.y1, op.y1);
            cur.colour = op.c, ++cur.dots;
        } else if (op.op == Op::Expr && cur.dots > 0) {
            EXPECT_EQ(op.c, cur.colour) << op.s << ": the label has the dots' colour";
            arcs[op.s] = cur;
            cur = Extent{};
        }
    }
    ASSERT_EQ(arcs.size(), 4u);
    struct Want {
        const char* label;
        float x0, x1, y0, y1;
        int colour;
    } want[] = {
        {"3b", 176, 440, 300 - 48, 300, 7},  // over the top edge, 48 high
        {"b", 176, 264, 300 - 8, 300, 3},
        {"a", 176 - 16, 176, 300, 344, 3},  // left of the left edge, 16 wide
        {"2a", 176 - 64, 176, 300, 388, 7},
    };
    for (auto& w : want) {
        SCOPED_TRACE(w.label);
        auto& a = arcs[w.label];
        EXPECT_NEAR(a.x0, w.x0, 0.5);
        EXPECT_NEAR(a.x1, w.x1, 0.5);
        EXPECT_NEAR(a.y0, w.y0, 0.5);
        EXPECT_NEAR(a.y1, w.y1, 0.5);
        EXPECT_EQ(a.colour, w.colour);
    }
}

TEST(DorrithLesson1, TileTaskStagesAndTheExampleCycle) {
    // Six keys to the rule, a seventh to the first example, then eleven examples.
    LessonFixture f("dorrith", enter("1") + enter("1") + keys(7) + drill_keys(1, 11));
    ASSERT_EQ(f.run_program(), Ending::KeysOut);
    EXPECT_EQ(f.waits(), 7 + 11);
    auto pages = f.pages();
    EXPECT_EQ(pages.at(1).find("<式>")->y1, 210);
    EXPECT_EQ(pages.at(3).texts_in(5).size(), 6u) << "six tiles with ab";
    EXPECT_EQ(pages.at(4).find("=6ab")->x1, 484);
    auto derivation = pages.at(5).find("=(2*3)*(a*b)");
    ASSERT_TRUE(derivation);
    EXPECT_EQ(derivation->y1, 330);
    EXPECT_TRUE(pages.at(6).find("<単項式の乗法>"));
    EXPECT_TRUE(pages.at(6).find("係数の積に文字の積をかける"));

    // The examples stand right of the derivation's end: "=" advances 32 in the typesetter's normal style,
    // every other one-byte character (digits, letters, parentheses, "*" drawn as ×) 27.
    const float u = 484 + 32 + 27 * 11;
    std::vector<std::string> problems;
    for (auto& pass : f.passes()) {
        ASSERT_EQ(pass.erases(u, 30, u + 1320, 1330), 1);
        auto heading = pass.find("例1　次の計算をしなさい。");
        ASSERT_TRUE(heading);
        EXPECT_EQ(heading->x1, u);
        auto problem = pass.at(u + 40, 100);
        auto sign = pass.at(u, 180);
        ASSERT_EQ(problem.size(), 1u);
        ASSERT_EQ(sign.size(), 1u);
        auto texts = pass.texts();
        std::vector<DrawOp> answers;
        for (size_t i = 0; i + 1 < texts.size(); ++i)
            if (texts[i].x1 == u && texts[i].y1 == 180 && texts[i].s == "=") answers.push_back(texts[i + 1]);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].c, 5);
        EXPECT_EQ(expand(answers[0].s), expand(problem[0].s)) << problem[0].s << " = " << answers[0].s;
        EXPECT_TRUE(oracle::form_faults(answers[0].s).empty()) << answers[0].s;
        problems.push_back(problem[0].s);
    }
    ASSERT_EQ(problems.size(), 11u);
    EXPECT_EQ(problems[0], "4x*(-2y)");
    EXPECT_EQ(problems[10], problems[0]) << "after the tenth, the first again";
    EXPECT_EQ(std::set<std::string>(problems.begin(), problems.end()).size(), 10u);
    // Leaving: the assignment at once, and the sub-menu.
    EXPECT_EQ(f.at(240, 600).at(0).s, "教科書P17 問1　をしなさい。");
    EXPECT_EQ(f.prompt_count(MENU1), 2);
}

TEST(DorrithLesson1, PowersCycleAndRules) {
    LessonFixture f("dorrith", enter("1") + enter("3") + drill_keys(2, 9) + keys(1));
    ASSERT_EQ(f.run_program(), Ending::KeysOut);
    std::vector<std::string> problems;
    for (auto& pass : f.passes()) {
        auto problem = pass.at(120, 90);
        ASSERT_EQ(problem.size(), 1u);
        auto texts = pass.texts();
        std::vector<std::string> after_signs;
        for (size_t i = 0; i + 1 < texts.size(); ++i)
            if (texts[i].s == "=" && texts[i].x1 == 80) after_signs.push_back(texts[i + 1].s);
        ASSERT_EQ(after_signs.size(), 2u);
        for (auto& s : after_signs) EXPECT_EQ(expand(s), expand(problem[0].s)) << problem[0].s << " = " << s;
        EXPECT_EQ(pass.answers().at(0).s, after_signs[1]);
        problems.push_back(problem[0].s);
    }
    ASSERT_EQ(problems.size(), 9u);
    EXPECT_EQ(problems[8], problems[0]);
    EXPECT_EQ(std::set<std::string>(problems.begin(), problems.end()).size(), 8u);
    // One more key after leaving, then the rules and the assignment, and the sub-menu.
    EXPECT_EQ(f.waits(), 2 * 9 + 1);
    EXPECT_EQ(f.at(600, 105).at(0).s, "<単項式の乗法>");
    EXPECT_EQ(f.at(600, 330).size(), 1u);
    EXPECT_EQ(f.at(44, 570).at(0).s, "教科書P17 問2　をしなさい。");
    EXPECT_EQ(f.prompt_count(MENU1), 2);
}

struct AnswerPage {
    const char* name;
    const char* lesson;
    const char* item;
    const char* menu;
    int waits;
    size_t items;
};
const AnswerPage ANSWER_PAGES[] = {
    {"問1", "1", "2", MENU1, 6, 6},
    {"問2", "1", "4", MENU1, 5, 5},
    {"問3,4", "3", "5", MENU3, 19, 7},
};

TEST(DorrithAnswerPages, KeyCountsAndEveryLineHoldsItsProblem) {
    for (auto& p : ANSWER_PAGES) {
        SCOPED_TRACE(p.name);
        LessonFixture f("dorrith", enter(p.lesson) + enter(p.item) + keys(p.waits));
        ASSERT_EQ(f.run_program(), Ending::KeysOut);
        EXPECT_EQ(f.waits(), p.waits);
        EXPECT_EQ(f.prompt_count(p.menu), 2) << "the sub-menu follows the last key at once";
        auto items = items_of(f.all());
        EXPECT_EQ(items.size(), p.items);
        expect_items_hold(items);
        for (auto& it : items)
            for (auto& line : it.lines)
                if (line == it.lines.back()) { EXPECT_TRUE(oracle::form_faults(line).empty()) << line; }
    }
}

TEST(DorrithAnswerPages, Questions3And4OnTwoPages) {
    LessonFixture f("dorrith", enter("3") + enter("5") + keys(19));
    ASSERT_EQ(f.run_program(), Ending::KeysOut);
    auto pages = f.pages();
    // 49 texts from the first heading on, two whole-window erases (at the start and at the 13th key)
    // besides the main menu's two and the goal screen's, 8 strokes.
    auto texts = f.texts();
    size_t first = 0;
    while (first < texts.size() && texts[first].s != "問3 解答") ++first;
    EXPECT_EQ(texts.size() - first, 49u);
    int whole = 0, strokes_drawn = 0;
    for (auto& p : pages) {
        whole += p.erases(0, 0, 1760, 1800);
        strokes_drawn += static_cast<int>(strokes(p).size());
    }
    EXPECT_EQ(whole, 2 + 2 + 1);
    EXPECT_EQ(pages.at(13).erases(0, 0, 1760, 1800), 1);
    EXPECT_EQ(strokes_drawn, 8);
    EXPECT_EQ(pages.at(19).find("=ﾀ4/5ﾀb^2")->c, 5);
}

TEST(DorrithLesson3, ReciprocalCycleAndRule) {
    LessonFixture f("dorrith", enter("3") + enter("2") + drill_keys(2, 10) + keys(1));
    ASSERT_EQ(f.run_program(), Ending::KeysOut);
    std::vector<std::string> rows;
    for (auto& pass : f.passes()) {
        auto mono = pass.at(132, 170);
        ASSERT_EQ(mono.size(), 1u);
        auto texts = pass.texts();
        std::string one_fraction, reciprocal;
        for (size_t i = 0; i + 1 < texts.size(); ++i) {
            if (texts[i].x1 == 132 && texts[i].y1 == 170) one_fraction = texts[i + 1].s;
            if (texts[i].s == "逆数は、") reciprocal = texts[i + 1].s;
        }
        SCOPED_TRACE(mono[0].s);
        if (!one_fraction.empty()) { EXPECT_EQ(expand(one_fraction), expand(mono[0].s)); }
        EXPECT_EQ(expand(mono[0].s) * expand(reciprocal), oracle::Poly(1)) << reciprocal;
        EXPECT_EQ(pass.answers().at(0).s, reciprocal);
        rows.push_back(mono[0].s);
    }
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], "2x");
    EXPECT_EQ(rows[9], rows[0]);
    EXPECT_EQ(f.waits(), 2 * 10 + 1);
    EXPECT_EQ(f.at(88, 410).at(0).s, "※　分数を係数とする文字は、");
    EXPECT_EQ(f.at(88, 470).at(0).s, " 　分子につける。");
}

TEST(DorrithLesson3, PracticeEndsWithTheSummaryAfterTwoKeys) {
    LessonFixture f("dorrith", enter("3") + enter("4") + drill_keys(7, 1) + keys(2));
    ASSERT_EQ(f.run_program(7), Ending::KeysOut);
    EXPECT_EQ(f.waits(), 9);
    auto pages = f.pages();
    EXPECT_TRUE(pages.at(8).find("<分数をふくむ式の除法>"));
    EXPECT_FALSE(pages.at(8).find("教科書P18 問3,問4　をしなさい。"));
    EXPECT_EQ(f.at(352, 570).at(0).s, "教科書P18 問3,問4　をしなさい。");
    EXPECT_EQ(f.prompt_count(MENU3), 2);
}

}  // namespace
}  // namespace cw::dtest
