// Panels and drills: the bound cursor, counted drills and their colours, the
// assignment line, the problem-area erases and the two-panel step.
#include <gtest/gtest.h>

#include "support/lesson_fixture.h"
#include "lessons/panels.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

TEST(ToolkitPanels, CursorWritesOnlyTheVariablesItIsBoundTo) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    set_cursor(g, 1, 2, 3);
    g.XI2 = 4;
    // A right-hand column of its own, as Dorrith's XJ1, XJ2, YJ1 (margin and indent are one variable).
    float xj1 = 600, xj2 = 0, yj1 = 200;
    Cursor right(g, xj1, xj1, xj2, yj1);
    right.line(90, 3, "ab");
    EXPECT_EQ(r.texts().back().x1, 600);
    EXPECT_EQ(r.texts().back().y1, 290);
    EXPECT_EQ(xj2, 654);
    EXPECT_EQ(yj1, 290);
    right.cont(0, "c");
    EXPECT_EQ(r.texts().back().x1, 654);
    EXPECT_EQ(xj2, 681);
    right.below(650, 50, 0, "d");
    EXPECT_EQ(r.texts().back().x1, 650);
    EXPECT_EQ(yj1, 340);
    right.put(10, 20, 3, "e", Keep::None);
    EXPECT_EQ(xj2, 677);
    EXPECT_EQ(yj1, 340);
    right.put(700, 400, 0, "fg", Keep::Indent);
    EXPECT_EQ(xj1, 754);
    right.put(700, 410, 0, "h", Keep::YOnly);
    EXPECT_EQ(yj1, 410);
    EXPECT_EQ(xj2, 677);
    // The program's own cursor is untouched.
    EXPECT_EQ((std::vector<float>{g.XI0, g.XI1, g.XI2, g.YI1}), (std::vector<float>{1, 2, 4, 3}));

    Cursor xi = Cursor::xi(g);
    xi.set(40, 94, 30);
    xi.line(50, 0, "x");
    EXPECT_EQ((std::vector<float>{g.XI0, g.XI1, g.XI2, g.YI1}), (std::vector<float>{40, 94, 121, 80}));
    EXPECT_EQ(xi.pen(), 121);
    EXPECT_EQ(xj1, 754);
}

TEST(ToolkitPanels, CountedDrillCountsFinishedProblems) {
    struct Case {
        std::string keys;
        std::vector<float> seen;
    } cases[] = {
        {enter("1"), {0}},
        {enter("2") + enter("0") + enter("1"), {0, 1, 2}},
        {enter("1/1"), {0}},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane", c.keys);
        std::vector<float> seen;
        ASSERT_TRUE(r.run([&](Program& g) {
            g.NO = 7;
            drill(g, Count::Finished, [&] { seen.push_back(g.NO); });
        }));
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(r.h.g.NO, static_cast<float>(c.seen.size()));
        EXPECT_EQ(r.h.g.AINP, 1);
    }
}

TEST(ToolkitPanels, ParityColour) {
    struct Case {
        float no, even, odd, want;
    } cases[] = {{0, 3, 0, 3}, {1, 3, 0, 0}, {2, 3, 0, 3}, {7, 3, 7, 7}, {10, 3, 7, 3}, {11, 3, 7, 7}};
    for (auto& c : cases) EXPECT_EQ(parity_colour(c.no, c.even, c.odd), c.want) << c.no;
}

TEST(ToolkitPanels, AssignmentLine) {
    struct Case {
        const char *page, *q, *want;
    } cases[] = {
        {"12", "1", "教科書P12 問1　をしなさい。"},
        {"14", "7", "教科書P14 問7　をしなさい。"},
        {"28", "1", "教科書P28 問1　をしなさい。"},
        {"16", "10,問11", "教科書P16 問10,問11　をしなさい。"},
    };
    for (auto& c : cases) EXPECT_EQ(assignment_text(c.page, c.q), c.want);
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    assignment(g, 352, 570, 7, "28", "1");
    auto t = r.texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].s, "教科書P28 問1　をしなさい。");
    EXPECT_EQ((std::vector<float>{t[0].x1, t[0].y1, static_cast<float>(t[0].c)}), (std::vector<float>{352, 570, 7}));
    EXPECT_EQ(g.XI2, g.X);
    EXPECT_EQ(g.YI1, 570);
}

TEST(ToolkitPanels, ProblemAreaErases) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    ProblemArea head{40, 30, 600, 160};
    erase_problem_head(g, head);
    erase_solution(g, head, 200);
    erase_solution(g, head, 140, 500);
    EXPECT_EQ(r.erases(40, 30, 640, 190), 1);
    EXPECT_EQ(r.erases(40, 200, 640, 1500), 1);
    EXPECT_EQ(r.erases(40, 140, 640, 640), 1);
}

TEST(ToolkitPanels, PanelEraseLeavesTheTextThatReachesIn) {
    struct Case {
        Reach keep;
        std::vector<std::array<float, 4>> boxes;
    } cases[] = {
        {{}, {{600, 30, 3200, 1800}}},
        {{580, 300}, {{600, 30, 3200, 1800}}},  // ends left of the panel
        {{700, 300}, {{600, 30, 3200, 295}, {705, 295, 3200, 1800}}},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane");
        auto& g = r.h.g;
        g.pf.SETDRAWWIDTH(5);
        set_panel(g, 600, 30, 3200, 1800);
        r.h.pf.clear_record();
        erase_panel(g, c.keep);
        auto fills = r.h.of(Op::Fill);
        ASSERT_EQ(fills.size(), c.boxes.size());
        for (size_t i = 0; i < fills.size(); ++i)
            EXPECT_EQ((std::array<float, 4>{fills[i].x1, fills[i].y1, fills[i].x2, fills[i].y2}), c.boxes[i]) << i;
    }
}

TEST(ToolkitPanels, TwoPanelStepRunsTheDrillLeftThenRight) {
    for (bool width5 : {false, true}) {
        LessonFixture r("kelvane", keys(1));
        std::vector<std::array<float, 5>> panels;
        bool after = false;
        ASSERT_TRUE(r.run([&](Program& g) {
            g.pf.SETDRAWWIDTH(3);
            TwoPanels at;
            at.width5 = width5;
            two_panel_step(
                g, at,
                [&](Program& g, const Reach& keep) {
                    panels.push_back({g.XKARA, g.YKARA, g.XMADE, g.YMADE, keep.x_end});
                    EXPECT_EQ(g.pf.GETDRAWWIDTH(), width5 ? 5 : 3);
                },
                {{50, 7, "head"}, {50, 0, "a very long method line that reaches into the right panel"}},
                [&] { after = true; });
        }));
        ASSERT_EQ(panels.size(), 2u);
        EXPECT_EQ((std::array<float, 4>{panels[0][0], panels[0][1], panels[0][2], panels[0][3]}),
                  (std::array<float, 4>{40, 30, 600, 1800}));
        EXPECT_EQ((std::array<float, 4>{panels[1][0], panels[1][1], panels[1][2], panels[1][3]}),
                  (std::array<float, 4>{600, 30, 3200, 1800}));
        EXPECT_EQ(panels[0][4], 0);
        EXPECT_GT(panels[1][4], 600);
        EXPECT_TRUE(after);
        EXPECT_EQ(r.keys_left(), 0u);
    }
}

}  // namespace
}  // namespace cw::test
