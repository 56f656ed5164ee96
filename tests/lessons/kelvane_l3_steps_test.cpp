// Lesson 3: the two-panel steps, the answer pages, the summary, the goal
// screen and the sub-menu, read from the display list of headless runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/shell.h"
#include "lessons/kelvane/lesson3.h"
#include "lessons/kelvane_l3_support.h"

namespace cw {
namespace {

using test::LessonFixture;

struct Text {
    float x, y, c;
    std::string s;
    bool operator==(const Text&) const = default;
};

void PrintTo(const Text& t, std::ostream* os) {
    *os << "(" << t.x << "," << t.y << ") c" << t.c << " \"" << t.s << "\"";
}

Text text_of(const DrawOp& op) { return {op.x1, op.y1, static_cast<float>(op.c), op.s}; }

// Typesetter calls in the work area (the prompt band's texts left out).
std::vector<Text> step_texts(const LessonFixture& h) {
    std::vector<Text> out;
    for (auto& op : h.all().of(Op::Expr))
        if (op.y1 < test::kPromptBandTop) out.push_back(text_of(op));
    return out;
}

bool contains(const std::vector<Text>& all, const Text& t) { return std::find(all.begin(), all.end(), t) != all.end(); }

// Runs `routine` with `keys`; true when it returned with every key used.
bool run_exactly(LessonFixture& h, void (*routine)(Program&)) {
    try {
        routine(h.g);
    } catch (const KeysExhausted&) {
        return false;
    }
    return h.backend.keys_left() == 0;
}

// ---------------------------------------------------------------------------
// The two-panel steps

struct StepCase {
    const char* name;
    void (*step)(Program&);
    int waits;                 // key presses of one drill problem
    bool final_key;            // a key wait and an assignment line after the right panel
    std::vector<Text> method;  // the method text under the left panel
    std::vector<Text> after;   // drawn after the right panel's drill
    int width_after;           // the draw width the step leaves (0: as it found it)
};

std::ostream& operator<<(std::ostream& os, const StepCase& c) { return os << c.name; }

std::string step_keys(const StepCase& c, int right_problems) {
    std::string k = std::string(static_cast<size_t>(c.waits), ' ') + "1\r" + " ";
    for (int i = 0; i < right_problems; ++i)
        k += std::string(static_cast<size_t>(c.waits), ' ') + (i + 1 < right_problems ? "2\r" : "1\r");
    if (c.final_key) k += " ";
    return k;
}

const StepCase kSteps[] = {
    {"Addition",
     kelvane3::TEACH_ADDITION,
     4,
     false,
     {{40, 395, 7, "   <式の加法の計算>"},
      {40, 445, 0, "①　それぞれの式に（　）をつける。"},
      {40, 495, 0, "②　+ でつなぐ。"},
      {40, 545, 0, "③　（　）をはずす。"},
      {40, 595, 0, "④　同類項をまとめる。"}},
     {},
     0},
    {"ColumnAddition",
     kelvane3::TEACH_COLUMN_ADDITION,
     3,
     true,
     {{40, 328, 3, "   <縦書きの加法>"},
      {40, 388, 0, "①　同類項が上下にそろうように"},
      {40, 448, 0, " 　並べて書く。"},
      {40, 508, 0, "②　それぞれの項を縦にたす。"}},
     {{44, 570, 7, "教科書P14 問5　をしなさい。"}},
     5},
    {"Subtraction",
     kelvane3::TEACH_SUBTRACTION,
     5,
     false,
     {{40, 410, 7, "   <式の減法の計算>"},
      {40, 460, 0, "①( )をつけ、- でつなぐ。"},
      {40, 510, 3, "②+( )にし、符号をすべて変える。"},
      {40, 560, 0, "③( )をはずし、計算する。"}},
     {},
     0},
    {"ColumnSubtraction",
     kelvane3::TEACH_COLUMN_SUBTRACTION,
     7,
     true,
     {{40, 318, 7, "   <縦書きの減法>"},
      {40, 368, 0, "①　同類項が上下にそろうように"},
      {40, 418, 0, " 　並べて書く。"},
      {40, 468, 3, "②　+(加法)になおす。"},
      {40, 528, 3, "　項は、すべて符号を変える"},
      {40, 578, 0, "③　それぞれの項を縦にたす。"}},
     {{600, 570, 7, "教科書P14 問6　をしなさい。"}},
     5},
};

class TwoPanelStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(TwoPanelStep, MethodTextBetweenThePanelsAndAssignmentAtTheEnd) {
    const StepCase& c = GetParam();
    LessonFixture h("kelvane", step_keys(c, 1));
    h.pf.SETDRAWWIDTH(3);
    ASSERT_TRUE(run_exactly(h, c.step));
    auto all = step_texts(h);
    // The method lines, in order, right after the left panel's last answer.
    auto first = std::find(all.begin(), all.end(), c.method[0]);
    ASSERT_NE(first, all.end());
    ASSERT_GE(static_cast<size_t>(all.end() - first), c.method.size());
    for (size_t i = 0; i < c.method.size(); ++i) EXPECT_EQ(first[static_cast<long>(i)], c.method[i]);
    // Everything before them is in the left panel, the right panel's after.
    for (auto it = all.begin(); it != first; ++it) EXPECT_LT(it->x, 600) << it->s;
    for (auto it = first + static_cast<long>(c.method.size()); it != all.end(); ++it)
        if (!contains(c.after, *it)) { EXPECT_GE(it->x, 600) << it->s; }
    for (auto& t : c.after) {
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all.back(), t);
    }
    if (c.width_after) { EXPECT_EQ(h.pf.GETDRAWWIDTH(), c.width_after); }
    EXPECT_EQ(h.g.XI0, 600);
    // The column steps draw each panel's rule 480 long at the width they set.
    std::vector<float> rules;
    for (auto& op : h.all().of(Op::Line)) {
        if (op.x2 - op.x1 != 480) continue;
        EXPECT_EQ(op.y1, 253);
        EXPECT_EQ(op.y2, 253);
        EXPECT_EQ(op.w, 5);
        EXPECT_EQ(op.c, 0);
        rules.push_back(op.x1);
    }
    const std::vector<float> panels = {40, 600};
    EXPECT_EQ(rules, c.width_after ? panels : std::vector<float>());
}

// The right panel's erase covers what the right panel drew, and nothing of
// the method text on the left, whose longest lines reach past x 600.
TEST_P(TwoPanelStep, RightPanelEraseSparesTheMethodText) {
    const StepCase& c = GetParam();
    LessonFixture h("kelvane", step_keys(c, 2));
    ASSERT_TRUE(run_exactly(h, c.step));
    const auto& rec = h.pf.record();
    // Where the method text ends, from the pen after each line.
    size_t method_at = 0;
    for (size_t i = 0; i < rec.size(); ++i)
        if (rec[i].op == Op::Expr && text_of(rec[i]) == c.method[0]) method_at = i;
    ASSERT_GT(method_at, 0u);
    std::vector<size_t> heads;  // the right panel's problem headings
    for (size_t i = method_at; i < rec.size(); ++i)
        if (rec[i].op == Op::Expr && rec[i].y1 == 30 && rec[i].x1 == 600) heads.push_back(i);
    ASSERT_EQ(heads.size(), 2u);

    // Cells of the method text: 27 units for one-byte characters, 34 for others.
    struct Cell {
        float x1, y1, x2, y2;
    };
    std::vector<Cell> cells;
    for (auto& m : c.method) {
        float x = m.x;
        for (auto& ch : split_chars(m.s)) {
            float w = ch.size() == 1 ? 27.0f : 34.0f;
            cells.push_back({x, m.y, x + w, m.y + 34});
            x += w;
        }
    }
    auto overlaps = [](const DrawOp& f, const Cell& k) {
        float m = static_cast<float>(f.w) / 2;
        return std::min(f.x1, f.x2) - m < k.x2 && std::max(f.x1, f.x2) + m > k.x1 && std::min(f.y1, f.y2) - m < k.y2 &&
               std::max(f.y1, f.y2) + m > k.y1;
    };
    for (size_t i = method_at; i < rec.size(); ++i) {
        if (rec[i].op != Op::Fill || rec[i].f != 15) continue;
        for (auto& k : cells) EXPECT_FALSE(overlaps(rec[i], k)) << "an erase reaches the method text at x " << k.x1;
    }
    // Every text of the right panel's first problem lies under an erase made
    // before the second problem's heading.
    for (size_t i = heads[0]; i < heads[1]; ++i) {
        if (rec[i].op != Op::Expr || rec[i].y1 >= test::kPromptBandTop) continue;
        bool covered = false;
        for (size_t j = heads[0]; j < heads[1] && !covered; ++j)
            if (rec[j].op == Op::Fill && rec[j].f == 15 && j > i)
                covered = overlaps(rec[j], {rec[i].x1 + 1, rec[i].y1 + 1, rec[i].x1 + 2, rec[i].y1 + 30}) &&
                          std::min(rec[j].x1, rec[j].x2) <= rec[i].x1 && std::min(rec[j].y1, rec[j].y2) <= rec[i].y1;
        EXPECT_TRUE(covered) << "\"" << rec[i].s << "\" at (" << rec[i].x1 << "," << rec[i].y1 << ") stays";
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, TwoPanelStep, ::testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Answer pages

struct StepPageCase {
    const char* name;
    void (*page)(Program&);
    int keys;
    Text last;                // the final answer
    std::vector<Text> shown;  // some texts of the page
};

std::ostream& operator<<(std::ostream& os, const StepPageCase& c) { return os << c.name; }

const StepPageCase kPages[] = {
    {"Q5",
     kelvane3::SHOW_ANSWERS_Q5,
     8,
     {788, 430, 5, "   -6b+6"},
     {{94, 30, 3, "問5 解答"},
      {40, 80, 3, "(1)"},
      {94, 80, 0, " (x+y)+(3x+2y)"},
      {94, 230, 5, "=4x+3y"},
      {40, 290, 3, "(2)"},
      {94, 440, 5, "=-11y-3"},
      {680, 80, 3, "(3)"},
      {788, 230, 5, "6x-7y"},
      {680, 280, 3, "(4)"}}},
    {"Q6",
     kelvane3::SHOW_SUBTRACTION_ANSWERS,
     12,
     {788, 430, 5, "2x-2y+12"},
     {{94, 30, 3, "問6 解答"},
      {94, 80, 0, " (3x+2y)-(x-5y)"},
      {94, 280, 5, "=2x+7y"},
      {40, 340, 3, "(2)"},
      {94, 540, 5, "=-a^2-2a-1"},
      {680, 80, 3, "(3)"},
      {734, 155, 3, "+- +  -"},
      {788, 230, 5, "  5b+5"},
      {680, 280, 3, "(4)"},
      {734, 355, 3, "+ -  -"}}},
    {"Q7",
     kelvane3::SHOW_SUM_AND_DIFFERENCE_ANSWERS,
     9,
     {108, 570, 5, "=-3a+6b"},
     {{108, 30, 3, "問7 解答"},
      {36, 90, 3, "(1)"},
      {117, 90, 0, " (a+4b)+(4a-2b)"},
      {108, 270, 5, "=5a+2b"},
      {36, 330, 3, "(2)"},
      {108, 390, 0, "=(a+4b)+(-4a+2b)"}}},
};

class AnswerPage : public ::testing::TestWithParam<StepPageCase> {};

TEST_P(AnswerPage, TakesItsKeysAndEndsOnTheFinalAnswer) {
    const StepPageCase& c = GetParam();
    LessonFixture h("kelvane", std::string(static_cast<size_t>(c.keys), 'x'));
    ASSERT_TRUE(run_exactly(h, c.page));
    auto all = step_texts(h);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back(), c.last);
    for (auto& t : c.shown) EXPECT_TRUE(contains(all, t)) << t.s;
    // Nothing but the final answer is in colour 5 after the last key.
    LessonFixture short_of_one("kelvane", std::string(static_cast<size_t>(c.keys - 1), 'x'));
    EXPECT_THROW(c.page(short_of_one.g), KeysExhausted);
    EXPECT_FALSE(contains(step_texts(short_of_one), c.last));
}

INSTANTIATE_TEST_SUITE_P(Pages, AnswerPage, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

// The column items' rules: width 3, from 27 right of the pen, the wider row plus 30.
TEST(AnswerPage, ColumnRules) {
    struct Case {
        void (*page)(Program&);
        int keys;
        std::vector<std::array<float, 3>> rules;  // x1, x2, y
    };
    const Case cases[] = {
        {kelvane3::SHOW_ANSWERS_Q5, 8, {{761, 926, 230}, {761, 1007, 430}}},
        {kelvane3::SHOW_SUBTRACTION_ANSWERS, 12, {{761, 953, 230}, {761, 1007, 430}}},
    };
    for (auto& c : cases) {
        LessonFixture h("kelvane", std::string(static_cast<size_t>(c.keys), 'x'));
        h.pf.SETDRAWWIDTH(5);
        ASSERT_TRUE(run_exactly(h, c.page));
        std::vector<std::array<float, 3>> got;
        for (auto& op : h.all().of(Op::Line)) {
            if (op.x2 - op.x1 < 100) continue;  // the strokes of "+" and "-"
            EXPECT_EQ(op.w, 3);
            got.push_back({op.x1, op.x2, op.y1});
        }
        EXPECT_EQ(got, c.rules);
        EXPECT_EQ(h.pf.GETDRAWWIDTH(), 5);
    }
}

// ---------------------------------------------------------------------------
// Summary, goal screen and sub-menu

TEST(Summary, FrameAtWidth8ThenTextsAtWidth5AndAssignmentAfterTheKey) {
    LessonFixture h("kelvane", "");
    h.pf.SETDRAWWIDTH(2);
    EXPECT_THROW(kelvane3::SHOW_ADD_SUBTRACT_SUMMARY(h.g), KeysExhausted);
    auto fills = h.all().of(Op::Fill);
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(fills[0].x1, 0);
    EXPECT_EQ(fills[0].y1, 0);
    EXPECT_EQ(fills[0].x2, 1760);
    EXPECT_EQ(fills[0].y2, 1500);
    EXPECT_EQ(fills[0].f, 15);
    EXPECT_EQ(fills[0].w, 2);
    EXPECT_EQ(fills[1].x1, 16);
    EXPECT_EQ(fills[1].y1, 9);
    EXPECT_EQ(fills[1].x2, 912);
    EXPECT_EQ(fills[1].y2, 507);
    EXPECT_EQ(fills[1].c, 9);
    EXPECT_EQ(fills[1].f, 15);
    EXPECT_EQ(fills[1].w, 8);
    const std::vector<Text> lines = {
        {32, 18, 5, "   <式の加法・減法>"},
        {32, 78, 3, "　計算のしかた"},
        {64, 138, 0, "①　それぞれの式に（　）をつける。"},
        {64, 198, 0, "②　+または- でつなぐ。"},
        {144, 258, 3, "-(減法)は、+(加法)になおす"},
        {104, 318, 3, "（　）の中の項は、すべて符号を変える"},
        {64, 378, 0, "③　（　）をはずす。"},
        {64, 438, 0, "④　同類項をまとめる。"},
    };
    EXPECT_EQ(step_texts(h), lines);

    LessonFixture k("kelvane", "x");
    ASSERT_TRUE(run_exactly(k, kelvane3::SHOW_ADD_SUBTRACT_SUMMARY));
    auto all = step_texts(k);
    EXPECT_EQ(all.back(), (Text{44, 570, 0, "教科書P14 問7　をしなさい。"}));
    EXPECT_EQ(k.pf.GETDRAWWIDTH(), 5);
}

const char* const kLesson3Menu = "①加法　②縦加法た2　③問5　④減法　⑤縦減法　⑥問6　⑦まとめ　⑧問7　⑨終了";

TEST(Lesson3Menu, GoalScreenThenMenuAskedAgainOutsideItsItemsAndLastItemLeaves) {
    LessonFixture h("kelvane", "3\r0\r10\r\r-1\r9\r");
    EXPECT_EQ(h.run_program(), test::Ending::KeysOut);
    auto all = step_texts(h);
    EXPECT_TRUE(contains(all, (Text{44, 240, 3, "<めあて>"})));
    EXPECT_TRUE(contains(all, (Text{44, 305, 0, "2つの多項式をたしたりひいたりできるようになろう。"})));
    EXPECT_EQ(h.prompt_count(kLesson3Menu), 5);
    EXPECT_EQ(h.count("　メニュー＞"), 2) << "back at the main menu after item 9";
    EXPECT_EQ(h.g.SENTAKU, 9);
}

// Every item of the sub-menu, one after another, with the keys each takes.
TEST(Lesson3Menu, AllNineItemsRunAndReturnToTheMenu) {
    auto drill = [](int waits) { return std::string(static_cast<size_t>(waits), ' ') + "1\r"; };
    std::string keys = "3\r";
    keys += "1\r" + drill(4) + " " + drill(4);
    keys += "2\r" + drill(3) + " " + drill(3) + " ";
    keys += "3\r" + std::string(8, ' ');
    keys += "4\r" + drill(5) + " " + drill(5);
    keys += "5\r" + drill(7) + " " + drill(7) + " ";
    keys += "6\r" + std::string(12, ' ');
    keys += "7\r ";
    keys += "8\r" + std::string(9, ' ');
    keys += "9\r";
    LessonFixture h("kelvane", keys);
    EXPECT_EQ(h.run_program(), test::Ending::KeysOut);
    EXPECT_EQ(h.prompt_count(kLesson3Menu), 9);
    EXPECT_EQ(h.g.SENTAKU, 9);
    auto all = step_texts(h);
    for (const char* s :
         {"例4　次の2つの式をたしなさい。", "教科書P14 問5　をしなさい。", "   -6b+6", "例5 左の式から右の式をひこう。",
          "教科書P14 問6　をしなさい。", "2x-2y+12", "教科書P14 問7　をしなさい。", "=-3a+6b"}) {
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Text& t) { return t.s == s; })) << s;
    }
    EXPECT_EQ(h.count("　メニュー＞"), 2);
}

}  // namespace
}  // namespace cw
