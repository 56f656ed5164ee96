// Pages as data: rows and their stages, answer pages, page turns, the cells
// of answer-page headings and drills over fixed tables.
#include <gtest/gtest.h>

#include <set>

#include "support/lesson_fixture.h"
#include "lessons/pages.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

TEST(ToolkitPages, AnswerPagePlacesAndStages) {
    const lesson::AnswerPage page;
    const std::vector<PageRow> rows = {
        page.first_problem(0, 0, "p1"), page.cont(1, 0, "w"),     page.cont(1, 5, "r"),
        page.next_problem(3, 0, "p2"),  page.working(4, 5, "=r"), page.next_column(5),
        page.first_problem(5, 0, "p3"), page.at(6, 10, 20, 3, "at"),
    };
    for (int given = 5; given <= 6; ++given) {
        LessonFixture r("kelvane", keys(given));
        bool done = r.run([&](Program& g) { page.play(g, "H", rows); });
        EXPECT_EQ(done, given == 6);
        if (!done) continue;
        auto t = r.texts();
        ASSERT_EQ(t.size(), 8u);
        struct Want {
            float x, y;
            int c;
        } want[] = {{108, 30, 3}, {36, 90, 0}, {-1, 90, 0}, {-1, 90, 5},
                    {36, 170, 0}, {108, 230, 5}, {568, 90, 0}, {10, 20, 3}};
        for (size_t i = 0; i < t.size(); ++i) {
            if (want[i].x >= 0) {
                EXPECT_EQ(t[i].x1, want[i].x) << i;
            }
            EXPECT_EQ(t[i].y1, want[i].y) << i;
            EXPECT_EQ(t[i].c, want[i].c) << i;
        }
        EXPECT_EQ(t[2].x1, t[1].x1 + 27 * 2);  // "p1" is two one-byte characters
        EXPECT_EQ(r.erases(0, 0, 1760, 1800), 1);
    }
}

TEST(ToolkitPages, AnswerPageLayoutFieldsPlaceEachBuilder) {
    // Every field away from its default: each builder's row lands where its own field says.
    const lesson::AnswerPage page{.xi1 = 200, .yi1 = 50, .label_dx = -50, .first_dy = 70, .next_dy = 90, .working_dy = 40,
                          .column_xi1 = 900};
    LessonFixture r("kelvane");
    ASSERT_TRUE(r.run([&](Program& g) {
        page.play(g, "H", {page.first_problem(0, 3, "p"), page.working(0, 0, "w"), page.next_problem(0, 3, "q"),
                           page.next_column(0), page.first_problem(0, 3, "r"), page.at(0, 11, 22, 5, "a")});
    }));
    struct Want {
        const char* s;
        float x, y;
    } want[] = {{"H", 200, 50}, {"p", 150, 120}, {"w", 200, 160}, {"q", 150, 250}, {"r", 850, 120}, {"a", 11, 22}};
    auto t = r.texts();
    ASSERT_EQ(t.size(), std::size(want));
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].s, want[i].s) << i;
        EXPECT_EQ(t[i].x1, want[i].x) << want[i].s;
        EXPECT_EQ(t[i].y1, want[i].y) << want[i].s;
    }
}

TEST(ToolkitPages, RowsFromEachBaseAndKeep) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    ASSERT_TRUE(r.run([&](Program& g) {
        set_cursor(g, 40, 94, 30);
        g.XI3 = 500;
        play_rows(g, {
                         text(0, indent(0), 3, "H"),            // (94, 30), pen kept: XI2 121
                         text(0, margin(50), 3, "(1)"),         // (40, 80): XI2 121
                         text(0, pen(10), 0, "ab"),             // (131, 80): XI2 185
                         aside(0, screen(7, 9), 5, "lab"),      // (7, 9), cursor untouched
                         text(0, indent(60, 5), 0, "c"),        // (99, 140)
                         sign_row(0, "+-"),                     // (94, 115), untouched
                         text(0, operand(50), 5, "d"),          // (500, 190)
                         text(0, indent(10), 0, "e", Keep::YOnly),  // (94, 200): XI2 stays
                         column(0, 680, 734, 30),
                         text(0, margin(50), 3, "f"),           // (680, 80)
                         column(0, 900, 40),
                         text(0, indent(0), 3, "g"),            // (900, 40)
                     });
    }));
    struct Want {
        float x, y;
        const char* s;
        int c;
    } want[] = {{94, 30, "H", 3},  {40, 80, "(1)", 3}, {131, 80, "ab", 0}, {7, 9, "lab", 5},
                {99, 140, "c", 0}, {94, 115, "+-", 3}, {500, 190, "d", 5}, {94, 200, "e", 0},
                {680, 80, "f", 3}, {900, 40, "g", 3}};
    auto t = r.texts();
    ASSERT_EQ(t.size(), std::size(want));
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].x1, want[i].x) << i;
        EXPECT_EQ(t[i].y1, want[i].y) << i;
        EXPECT_EQ(t[i].s, want[i].s) << i;
        EXPECT_EQ(t[i].c, want[i].c) << i;
    }
    EXPECT_EQ(g.XI0, 680);  // the second column change leaves the margin
    EXPECT_EQ(g.XI1, 900);
}

TEST(ToolkitPages, StagesWaitOnceForEachKey) {
    std::vector<PageRow> rows = {text(0, screen(0, 0), 0, "a"), text(1, screen(0, 0), 0, "b"),
                                 text(1, screen(0, 0), 0, "c"), text(3, screen(0, 0), 0, "d")};
    struct Case {
        int keys;
        bool done;
        size_t drawn;
    } cases[] = {{0, false, 1}, {1, false, 3}, {2, false, 3}, {3, true, 4}};
    for (auto& c : cases) {
        LessonFixture r("kelvane", keys(c.keys));
        EXPECT_EQ(r.run([&](Program& g) { play_rows(g, rows); }), c.done) << c.keys;
        EXPECT_EQ(r.texts().size(), c.drawn) << c.keys;
    }
}

TEST(ToolkitPages, ActionsRunAtTheirStageBetweenTexts) {
    // An action sees the cursor the text before it left, and the text after it sees what it did.
    std::vector<float> seen;
    std::vector<PageRow> rows = {
        text(0, screen(100, 50), 0, "ab"),
        action(1, [&](Program& g) { seen.push_back(g.XI2); g.XI2 = 400; }),
        text(1, pen(), 0, "c"),
        action(2, [&](Program& g) { seen.push_back(g.XI2); }),
    };
    struct Case {
        int keys;
        size_t runs;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}};
    for (auto& c : cases) {
        seen.clear();
        LessonFixture r("kelvane", keys(c.keys));
        r.run([&](Program& g) { play_rows(g, rows); });
        ASSERT_EQ(seen.size(), c.runs) << c.keys;
        if (c.runs >= 1) {
            EXPECT_EQ(seen[0], 100 + 27 * 2);
        }
        if (c.runs == 2) {
            EXPECT_EQ(seen[1], 400 + 27);
        }
    }
}

TEST(ToolkitPages, ColumnSumAtThePen) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    ASSERT_TRUE(r.run([&](Program& g) {
        set_cursor(g, 680, 734, 80);
        play_rows(g, {column_sum(0, indent(50), "a+2b+7", "a-3b+2", "-"), sign_row(0, "+- +  -"),
                      text(0, operand(50), 5, "  5b+5")});
    }));
    // Upper row at (788, 130), lower row at (788, 180), the signs 25 above it, the answer on the rule's line.
    EXPECT_EQ(r.at(788, 130).size(), 1u);
    EXPECT_EQ(r.at(788, 180).size(), 1u);
    ASSERT_EQ(r.at(734, 155).size(), 1u);
    EXPECT_EQ(r.at(734, 155)[0].s, "+- +  -");
    ASSERT_EQ(r.at(788, 230).size(), 1u);
    EXPECT_EQ(r.at(788, 230)[0].c, 5);
    bool rule = false;
    for (auto& l : r.h.of(Op::Line))
        if (l.x1 == 761 && l.y1 == 230 && l.x2 == 761 + 192 && l.c == 0) rule = true;
    EXPECT_TRUE(rule);
    EXPECT_EQ(g.XI3, 788);
    EXPECT_EQ(g.YI1, 230);
}

TEST(ToolkitPages, PageTurnTakesTwoKeys) {
    struct Case {
        int keys;
        bool done;
    } cases[] = {{1, false}, {2, true}};
    for (auto& c : cases) {
        LessonFixture r("kelvane", keys(c.keys));
        r.h.g.YI1 = 500;
        EXPECT_EQ(r.run([&](Program& g) { turn_page(g, 1600, 1800); }), c.done);
        EXPECT_EQ(r.erases(0, 0, 1600, 1800), c.done ? 1 : 0);
        EXPECT_EQ(r.h.g.YI1, c.done ? 30 : 500);
    }
}

TEST(ToolkitPages, RowsTurnToANewPage) {
    LessonFixture r("kelvane", keys(3));
    ASSERT_TRUE(r.run([&](Program& g) {
        set_cursor(g, 40, 40, 30);
        play_rows(g, {text(0, indent(0), 0, "one"), text(1, indent(60), 0, "two"), new_page(3, 1600, 1800),
                      text(3, indent(0), 5, "three")});
    }));
    EXPECT_EQ(r.erases(0, 0, 1600, 1800), 1);
    ASSERT_EQ(r.at(40, 30).size(), 2u);
    EXPECT_EQ(r.at(40, 30)[1].s, "three");
    EXPECT_EQ(r.keys_left(), 0u);
}

TEST(ToolkitPages, HeadingCells) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    title_cell(g, 108, 30, "P32 章の問題A");
    EXPECT_EQ(g.X, 504);
    number_cell(g, g.X + 44, 30, "4");
    EXPECT_EQ(g.X, 592);
    auto fills = r.h.of(Op::Fill);
    ASSERT_EQ(fills.size(), 2u);
    struct Want {
        float x1, y1, x2, y2;
        int c, f;
    } want[] = {{108, 30, 504, 74, 5, 4}, {548, 30, 592, 74, 4, 3}};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ((std::vector<float>{fills[i].x1, fills[i].y1, fills[i].x2, fills[i].y2}),
                  (std::vector<float>{want[i].x1, want[i].y1, want[i].x2, want[i].y2}));
        EXPECT_EQ(fills[i].c, want[i].c);
        EXPECT_EQ(fills[i].f, want[i].f);
    }
    auto t = r.texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].s, "P32 章の問題A");
    EXPECT_EQ(t[0].c, 13);
    EXPECT_EQ(t[0].y1, 30);
    EXPECT_EQ(t[1].s, "4");
    EXPECT_EQ(t[1].c, 13);
}

TEST(ToolkitPages, CellsOfAnySize) {
    struct Case {
        float x, y, w, h;
        std::string s;
        float text, border, fill;
        float text_y;  // a line sits in the middle; a fraction's bar does
    } cases[] = {
        {40, 520, 180, 50, "3人がけx", 0, 3, 13, 523},
        {220, 570, 60, 50, "ﾀ1/2ﾀ", 5, 3, 11, 570},
        {108, 30, 44, 44, "4", 13, 4, 3, 30},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane");
        auto& g = r.h.g;
        draw_cell(g, c.x, c.y, c.w, c.h, c.s, c.text, c.border, c.fill);
        EXPECT_EQ(g.X, c.x + c.w) << c.s;
        EXPECT_EQ(g.Y, c.y) << c.s;
        auto fills = r.h.of(Op::Fill);
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ((std::vector<float>{fills[0].x1, fills[0].y1, fills[0].x2, fills[0].y2}),
                  (std::vector<float>{c.x, c.y, c.x + c.w, c.y + c.h}))
            << c.s;
        EXPECT_EQ(fills[0].c, c.border);
        EXPECT_EQ(fills[0].f, c.fill);
        auto t = r.texts();
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].s, c.s);
        EXPECT_EQ(t[0].c, c.text);
        EXPECT_EQ(t[0].y1, c.text_y) << c.s;
    }
}

TableDrill letters(Order order, float count, Program& g) {
    return {.tables = {{1, {"a", "b", "c", "d"}}, {11, {"A", "B", "C", "D"}}},
            .order = order,
            .count = count,
            .cursor = {{40, 94, 30}},
            .panel = {0, 30, 680, 230},
            .rows_of_problem = [&g]() -> std::vector<PageRow> {
                return {text(0, margin(0), 3, "H", Keep::YOnly), text(0, indent(60), 0, g.T_sa(g.NO)),
                        text(1, pen(10), 5, g.T_sa(g.NO + 10))};
            }};
}

TEST(ToolkitPages, TableDrillCyclesThroughTheRows) {
    // Six problems: each a key, then 2 (go on) or, last, 1 (leave).
    std::string script;
    for (int i = 0; i < 5; ++i) script += keys(1) + enter("2");
    script += keys(1) + enter("1");
    LessonFixture r("kelvane", script);
    ASSERT_TRUE(r.run([&](Program& g) {
        g.NO = 0;
        table_drill(g, letters(Order::Cycle, 4, g));
    }));
    std::vector<std::string> shown, answers;
    for (auto& t : r.texts()) {
        if (t.x1 == 94 && t.y1 == 90) shown.push_back(t.s);
        if (t.c == 5) answers.push_back(t.s);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"a", "b", "c", "d", "a", "b"}));
    EXPECT_EQ(answers, (std::vector<std::string>{"A", "B", "C", "D", "A", "B"}));
    EXPECT_EQ(r.erases(0, 30, 680, 230), 6);
    EXPECT_EQ(r.keys_left(), 0u);
}

TEST(ToolkitPages, TableDrillRandomRowsStayInTheTable) {
    std::set<std::string> seen;
    for (const Draws& seed : seeds_and_extremes(60)) {
        LessonFixture r("kelvane", keys(1) + enter("1"));
        r.seed(seed);
        ASSERT_TRUE(r.run([&](Program& g) { table_drill(g, letters(Order::Random, 4, g)); }));
        auto t = r.texts();
        ASSERT_EQ(t.size(), 3u);
        // The answer belongs to the problem shown.
        ASSERT_EQ(t[2].s.size(), 1u);
        EXPECT_EQ(t[2].s[0], t[1].s[0] - 'a' + 'A');
        seen.insert(t[1].s);
    }
    EXPECT_EQ(seen, (std::set<std::string>{"a", "b", "c", "d"}));
}

}  // namespace
}  // namespace cw::test
