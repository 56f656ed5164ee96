// Sarnoth lesson 6 figures, read from the draw log: lines, dimension arcs
// (dot counts, ends and apexes) and label positions, within 0.1 of what the
// figures' geometry gives.
#include <gtest/gtest.h>

#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth_l36_support.h"

namespace cw::test {
namespace {

struct P {
    float x, y;
};

void expect_near(float x, float y, P want, const std::string& what) {
    EXPECT_NEAR(x, want.x, 0.1) << what;
    EXPECT_NEAR(y, want.y, 0.1) << what;
}

// The line ops of colour c and width w drawn before the first key (the
// figure; the texts revealed later draw signs with lines), in drawing order.
std::vector<DrawOp> lines(const StepRun& r, int c, int w) {
    std::vector<DrawOp> out;
    for (auto& op : r.h.pf.record()) {
        if (op.op == Op::Key) break;
        if (op.op == Op::Line && op.c == c && op.w == w) out.push_back(op);
    }
    return out;
}

void expect_line(const DrawOp& op, P a, P b, const std::string& what) {
    expect_near(op.x1, op.y1, a, what + " start");
    expect_near(op.x2, op.y2, b, what + " end");
}

// A dimension arc as drawn: its dot count, dot colour, the middle dot
// (the apex when the count is odd and the step divides 90°) and both ends.
struct ArcSeen {
    size_t dots;
    int colour;
    P apex;
};

void expect_arcs(const std::vector<std::vector<DrawOp>>& runs, size_t first, const std::vector<ArcSeen>& want,
                 const std::string& what) {
    ASSERT_GE(runs.size(), first + want.size()) << what;
    for (size_t i = 0; i < want.size(); ++i) {
        auto& run = runs[first + i];
        const std::string name = what + " arc " + std::to_string(i + 1);
        ASSERT_EQ(run.size(), want[i].dots) << name;
        for (auto& d : run) ASSERT_EQ(d.c, want[i].colour) << name;
        auto& mid = run[run.size() / 2];
        expect_near(mid.x1, mid.y1, want[i].apex, name + " apex");
    }
}

const DrawOp* text_at(const StepRun& r, const std::string& s, size_t nth = 0) {
    static std::vector<DrawOp> t;
    t = r.texts();
    for (auto& op : t)
        if (op.s == s && nth-- == 0) return &op;
    return nullptr;
}

void expect_text(const StepRun& r, const std::string& s, int colour, P at, size_t nth = 0) {
    auto* op = text_at(r, s, nth);
    ASSERT_NE(op, nullptr) << s;
    EXPECT_EQ(op->c, colour) << s;
    expect_near(op->x1, op->y1, at, "\"" + s + "\"");
}

TEST(SarnothLesson6Figures, NumbersInSixSectors) {
    StepRun r(keys(7));
    ASSERT_TRUE(r.run(sarnoth6::SHOW_NUMBERS_IN_SECTORS));
    auto& g = r.prog();

    auto l = lines(r, 0, 5);
    ASSERT_EQ(l.size(), 3u);
    expect_line(l[0], {1020, 126.8f}, {820, 473.2f}, "60° to 240°");
    expect_line(l[1], {820, 126.8f}, {1020, 473.2f}, "120° to 300°");
    expect_line(l[2], {720, 300}, {1120, 300}, "horizontal");

    auto runs = r.dot_runs();
    ASSERT_EQ(runs.size(), 5u);
    expect_arcs(runs, 0,
                {{61, 0, {920, 225}}, {61, 0, {895, 375}}, {181, 0, {920, 175}}, {181, 0, {895, 425}},
                 {181, 0, {920, 125}}},
                "spiral");
    // Each half turn starts where the one before ended.
    const P ends[] = {{870, 300}, {970, 300}, {820, 300}, {1020, 300}, {770, 300}, {1070, 300}};
    for (size_t i = 0; i < runs.size(); ++i) {
        P a = ends[i], b = ends[i + 1];
        auto& f = runs[i].front();
        auto& e = runs[i].back();
        bool forward = std::abs(f.x1 - a.x) < 0.1f || std::abs(f.x1 - b.x) > 0.1f;
        expect_near(f.x1, f.y1, forward ? a : b, "spiral start " + std::to_string(i + 1));
        expect_near(e.x1, e.y1, forward ? b : a, "spiral end " + std::to_string(i + 1));
    }
    expect_text(r, "8", 3, {906.5f, 181});
    expect_text(r, "14", 3, {893, 131});
    expect_text(r, "11", 3, {888, 375});

    struct Num {
        const char* s;
        P at;
    } numbers[] = {{"1", {875, 250}},  {"2", {905, 235}},  {"3", {935, 260}},   {"4", {935, 305}},
                   {"5", {905, 320}},  {"6", {855, 305}},  {"7", {835, 245}},   {"9", {975, 245}},
                   {"10", {960, 325}}, {"12", {780, 325}}, {"13", {770, 225}}, {"15", {1000, 225}}};
    for (auto& n : numbers) {
        // "1" to "5" also stand after the letters later, in colour 5: the number is the first in colour 3.
        bool found = false;
        for (auto& op : r.texts())
            if (op.s == n.s && op.c == 3 && !found) {
                expect_near(op.x1, op.y1, n.at, n.s);
                found = true;
            }
        EXPECT_TRUE(found) << n.s;
    }

    // The letters, and each remainder digit right after its letter.
    struct Letter {
        const char* s;
        P at;
        const char* remainder;
    } letters[] = {{"A", {745, 195}, "1"}, {"B", {905, 75}, "2"},  {"C", {1070, 175}, "3"},
                   {"D", {1020, 355}, "4"}, {"E", {905, 425}, "5"}, {"F", {745, 355}, "0"}};
    for (auto& le : letters) {
        expect_text(r, le.s, 5, le.at);
        const float after = le.at.x + measured(g, le.s);
        bool found = false;
        for (auto& op : r.texts())
            if (op.s == le.remainder && op.c == 5 && std::abs(op.x1 - after) < 0.1f && op.y1 == le.at.y) found = true;
        EXPECT_TRUE(found) << le.s << le.remainder;
    }

    // Question (2) starts on a cleared left side; the figure (from x 720) stays.
    EXPECT_EQ(r.erases(0, 0, 720, 1800), 1);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
    auto stages = r.stages();
    ASSERT_EQ(stages.size(), 8u);
    ASSERT_FALSE(stages[4].empty());
    EXPECT_EQ(stages[4].front().s, "(2)");
    // "答 D" is the only text in colour 5 besides the letters and the remainder digits.
    for (auto& op : r.texts())
        if (op.c == 5 && op.s.size() > 1) { EXPECT_EQ(op.s, "答 D"); }
}

TEST(SarnothLesson6Figures, SectorArea) {
    StepRun r(keys(3));
    ASSERT_TRUE(r.run(sarnoth6::SHOW_SECTOR_AREA));
    auto& g = r.prog();

    auto circles = r.h.of(Op::Circle);
    std::vector<DrawOp> arcs;
    for (auto& c : circles)
        if (c.r != 0.5f) arcs.push_back(c);
    ASSERT_EQ(arcs.size(), 2u);
    // The sector: 90° opening downward, filled in 13.
    expect_near(arcs[0].x1, arcs[0].y1, {1040, 70}, "sector centre");
    EXPECT_NEAR(arcs[0].r, 240, 0.1);
    EXPECT_NEAR(arcs[0].start, 0.125, 1e-6);
    EXPECT_NEAR(arcs[0].end, 0.375, 1e-6);
    EXPECT_TRUE(arcs[0].filled);
    EXPECT_EQ(arcs[0].f, 13);
    EXPECT_EQ(arcs[0].w, 5);
    // The angle mark: one arc of radius 22 between the radii, colour 5.
    expect_near(arcs[1].x1, arcs[1].y1, {1040, 70}, "angle mark centre");
    EXPECT_NEAR(arcs[1].r, 22, 0.1);
    EXPECT_NEAR(arcs[1].start, 0.125, 1e-4);
    EXPECT_NEAR(arcs[1].end, 0.375, 1e-4);
    EXPECT_FALSE(arcs[1].filled);
    EXPECT_EQ(arcs[1].c, 5);
    expect_text(r, "a%", 5, {1040 - measured(g, "a%") / 2, 100});

    auto l = lines(r, 0, 5);
    ASSERT_EQ(l.size(), 2u);
    expect_line(l[0], {870.3f, 239.7f}, {1040, 70}, "left radius");
    expect_line(l[1], {1209.7f, 239.7f}, {1040, 70}, "right radius");

    auto runs = r.dot_runs();
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].size(), 23u);
    for (auto& d : runs[0]) EXPECT_EQ(d.c, 3);
    expect_near(runs[0].front().x1, runs[0].front().y1, {1040, 70}, "first dot at the centre");
    expect_text(r, "r", 3, {941.0f - 0.854f * measured(g, "r"), 103.2f});
    expect_text(r, "S", 3, {1026, 190});
    expect_text(r, "l", 3, {1026, 310});
}

TEST(SarnothLesson6Figures, CylindersFromRectangle) {
    StepRun r(keys(9));
    ASSERT_TRUE(r.run(sarnoth6::SHOW_CYLINDERS_FROM_RECTANGLE));
    auto& g = r.prog();

    auto black = lines(r, 0, 5);
    ASSERT_EQ(black.size(), 8u);
    const P a{840, 150}, b{840, 300}, c{960, 300}, d{960, 150};
    expect_line(black[0], a, b, "AB");
    expect_line(black[1], b, c, "BC");
    expect_line(black[2], c, d, "CD");
    expect_line(black[3], d, a, "DA");
    expect_line(black[4], {750, 450}, {750, 600}, "P left side");
    expect_line(black[5], {990, 600}, {990, 450}, "P right side");
    expect_line(black[6], {1080, 300}, {1200, 300}, "Q top side");
    expect_line(black[7], {1080, 600}, {1200, 600}, "Q bottom side");
    auto radii = lines(r, 7, 5);
    ASSERT_EQ(radii.size(), 2u);
    expect_line(radii[0], {750, 450}, {870, 450}, "P radius AD");
    expect_line(radii[1], {1080, 300}, {1080, 450}, "Q radius AB");

    expect_text(r, "B", 0, {831.0f - 0.951f * measured(g, "B"), 291.9f});
    expect_text(r, "D", 0, {969.0f - 0.049f * measured(g, "D"), 114.1f});
    expect_text(r, "A", 0, {802, 110});
    expect_text(r, "C", 0, {964, 292});
    expect_text(r, "xcm", 3, {820 - measured(g, "xcm"), 203});
    expect_text(r, "ycm", 3, {900 - measured(g, "ycm") / 2, 86});

    auto runs = r.dot_runs();
    ASSERT_EQ(runs.size(), 14u);
    expect_arcs(runs, 0, {{31, 3, {820, 225}}, {31, 3, {900, 130}}}, "rectangle");
    expect_arcs(runs, 2,
                {{21, 7, {870, 525}},
                 {21, 7, {810, 600}},
                 {91, 0, {870, 470}},
                 {91, 0, {870, 434}},
                 {91, 0, {870, 620}},
                 {37, 0, {870, 584}}},
                "cylinder P");
    expect_arcs(runs, 8,
                {{21, 7, {1140, 450}},
                 {21, 7, {1200, 375}},
                 {181, 0, {1060, 450}},
                 {181, 0, {1096, 450}},
                 {181, 0, {1220, 450}},
                 {37, 0, {1184, 450}}},
                "cylinder Q");

    struct T {
        const char* s;
        int colour;
        P at;
        size_t nth;  // which drawing of that text
    } texts[] = {{"A", 7, {712, 410}, 1},   {"B", 7, {712, 608}, 1},   {"C", 7, {874, 592}, 1},
                 {"D", 7, {874, 410}, 1},   {"円柱P", 5, {813, 355}, 0}, {"A", 7, {1042, 260}, 2},
                 {"B", 7, {1042, 458}, 2},  {"C", 7, {1204, 442}, 2},  {"D", 7, {1204, 260}, 2},
                 {"円柱Q", 5, {1118, 205}, 0}};
    for (auto& t : texts) expect_text(r, t.s, t.colour, t.at, t.nth);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
}

}  // namespace
}  // namespace cw::test
