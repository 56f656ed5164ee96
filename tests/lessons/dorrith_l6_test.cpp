// Dorrith lesson 6: the sub-menu and the six answer pages.
#include <gtest/gtest.h>

#include "lessons/dorrith/lesson6.h"
#include "lessons/dorrith_l56_support.h"

namespace cw {
namespace {

using l56test::check_item;
using l56test::read_items;
using test::enter;
using test::LessonFixture;

std::vector<DrawOp> page_texts(int n) {
    LessonFixture f("dorrith");
    EXPECT_TRUE(f.run([n](Program& g) { dorrith6::SHOW_BASIC_PROBLEMS_PAGE(g, n); }));
    EXPECT_EQ(f.waits(), 0) << "a page is drawn whole";
    EXPECT_EQ(f.erases(0, 0, 1760, 1800), 1);
    return f.all().visible_texts();
}

struct PageCase {
    int page;
    int items;
    int rows;  // working and answer rows checked against the problem
    float lowest;
};

class BasicProblemsPage : public ::testing::TestWithParam<PageCase> {};

// Every working row of every item equals its problem (as a polynomial, or at the substituted values), each
// item ends on its one answer in colour 5, and nothing reaches the prompt band.
TEST_P(BasicProblemsPage, EveryRowEqualsItsProblem) {
    const auto c = GetParam();
    auto texts = page_texts(c.page);
    auto items = read_items(texts);
    ASSERT_EQ(static_cast<int>(items.size()), c.items);
    int rows = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        auto& it = items[i];
        EXPECT_EQ(it.label, "(" + std::to_string(i + 1) + ")");
        rows += check_item(it);
        ASSERT_FALSE(it.rows.empty());
        // The answer: the last colour of the last row, and no other text of the item in colour 5.
        int fives = 0;
        for (auto& r : it.rows)
            for (int col : r.colours) fives += col == 5;
        EXPECT_EQ(fives, 1) << it.label;
        EXPECT_EQ(it.rows.back().colours.back(), 5) << it.label;
    }
    EXPECT_EQ(rows, c.rows);
    float lowest = 0;
    for (auto& op : texts) lowest = std::max(lowest, op.y1);
    EXPECT_EQ(lowest, c.lowest);
}

INSTANTIATE_TEST_SUITE_P(Pages, BasicProblemsPage,
                         ::testing::Values(PageCase{2, 5, 13, 590}, PageCase{3, 4, 10, 460},
                                           PageCase{4, 2, 10, 500}, PageCase{5, 6, 13, 570},
                                           PageCase{6, 2, 11, 500}));

TEST(BasicProblemsPage, PageOneNamesTheTermsAndTheDegree) {
    auto texts = page_texts(1);
    auto items = read_items(texts);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].problem, "2x^2,-5x,9");
    EXPECT_EQ(items[1].problem, "2次式");
    EXPECT_TRUE(items[0].rows.empty());
    EXPECT_TRUE(items[1].rows.empty());
}

// The title and number cells of every page, and where the columns begin.
TEST(BasicProblemsPage, CellsAndColumns) {
    struct Case {
        int page;
        float label_x, label_y;  // the first label of the last column
    };
    for (auto c : {Case{1, 36, 150}, Case{2, 612, 410}, Case{3, 612, 280}, Case{4, 612, 100}, Case{5, 684, 350},
                   Case{6, 612, 30}}) {
        SCOPED_TRACE(c.page);
        LessonFixture f("dorrith");
        f.g.pf.SETDRAWWIDTH(5);
        ASSERT_TRUE(f.run([&](Program& g) { dorrith6::SHOW_BASIC_PROBLEMS_PAGE(g, c.page); }));
        auto fills = f.all().of(Op::Fill);
        // The cells: the title 396 x 44 at (72, 30) bordered 5 on 4, the number 44 x 44 at (512, 30) 4 on 3,
        // both drawn with the line width the page found.
        int cells = 0;
        for (auto& op : fills) {
            if (op.x1 == 72 && op.y1 == 30 && op.x2 == 468 && op.y2 == 74 && op.c == 5 && op.f == 4) {
                EXPECT_EQ(op.w, 5);
                ++cells;
            }
            if (op.x1 == 512 && op.y1 == 30 && op.x2 == 556 && op.y2 == 74 && op.c == 4 && op.f == 3) {
                EXPECT_EQ(op.w, 5);
                ++cells;
            }
        }
        EXPECT_EQ(cells, 2);
        EXPECT_EQ(f.count("P20(式 基本の問題)"), 1);
        EXPECT_EQ(f.count(std::to_string(c.page)), 1);
        std::optional<DrawOp> last;
        for (auto& op : f.all().texts_in(3))
            if (op.s.front() == '(') last = op;
        ASSERT_TRUE(last);
        EXPECT_EQ(last->x1, c.label_x);
        EXPECT_EQ(last->y1, c.label_y);
    }
}

// What a sub-menu entry does: the ops between the k-th showing of the menu line and the next one.
std::vector<DrawOp> between_prompts(const LessonFixture& f, const std::string& menu, int k) {
    std::vector<DrawOp> out;
    int seen = 0;
    const auto all = f.all();
    for (auto& op : all.ops()) {
        if (op.op == Op::Prompt && op.s == menu) ++seen;
        if (seen == k && op.op != Op::Prompt) out.push_back(op);
    }
    return out;
}

// Whether a stretch of ops drew or erased anything above the prompt band.
bool touches_page(const std::vector<DrawOp>& ops) {
    for (auto& op : ops) {
        if (op.op == Op::Expr && op.y1 < test::kPromptBandTop) return true;
        if (op.op == Op::Fill && op.y1 < test::kPromptBandTop) return true;
    }
    return false;
}

// The sub-menu: 1 to 7 accepted, anything else asked again without touching the page; 7 back to the menu.
TEST(Lesson6Menu, RangeAndReturn) {
    const std::string menu = "①　②　③　④　⑤　⑥　⑦終了";
    struct Case {
        std::string entry;
        bool opens;
    };
    for (auto& c : {Case{"0", false}, Case{"8", false}, Case{"-3", false}, Case{"", false}, Case{"0.9", false},
                    Case{"7.1", false}, Case{"1", true}, Case{"6", true}, Case{"5/2", true}}) {
        SCOPED_TRACE(c.entry);
        LessonFixture f("dorrith", enter("6") + enter("3") + enter(c.entry) + enter("7") + enter("8"));
        EXPECT_EQ(f.run_program(), test::Ending::Returned);
        EXPECT_EQ(f.prompt_count(menu), 3);
        auto after_entry = between_prompts(f, menu, 2);
        EXPECT_EQ(touches_page(after_entry), c.opens);
        // The main menu comes back after 7: its items drawn twice in all.
        EXPECT_EQ(f.count("7　"), 2);
    }
}

}  // namespace
}  // namespace cw
