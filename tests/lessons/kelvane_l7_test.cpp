// Kelvane lesson 7: the running-track figures and their reveals, read from
// the display list.
#include <gtest/gtest.h>

#include "lessons/kelvane/lesson7.h"
#include "lessons/kelvane_l57_support.h"

namespace cw {
namespace {

using namespace l57test;
using oracle::expand;

// Half circles (outlines from a quarter to three quarters of a turn or back).
std::vector<DrawOp> half_circles(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> out;
    for (auto& op : of(ops, Op::Circle))
        if (!op.filled && op.start != op.end) out.push_back(op);
    return out;
}

bool has_line(const std::vector<DrawOp>& ops, float x1, float y1, float x2, float y2, int c) {
    for (auto& op : of(ops, Op::Line))
        if (op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 && op.c == c && op.w == 5) return true;
    return false;
}

// Every half circle ends on the straights: its top and bottom points are the
// ends of lines on the side of the bend.
void bends_meet_straights(const std::vector<DrawOp>& ops, const std::vector<DrawOp>& bends) {
    for (auto& b : bends) {
        const bool left = b.start == 0.25f && b.end == 0.75f;
        EXPECT_TRUE(left || (b.start == 0.75f && b.end == 0.25f));
        for (float y : {b.y1 - b.r, b.y1 + b.r}) {
            bool meets = false;
            for (auto& op : of(ops, Op::Line))
                meets |= op.y1 == y && op.y2 == y && (left ? std::min(op.x1, op.x2) : std::max(op.x1, op.x2)) == b.x1;
            EXPECT_TRUE(meets) << "bend r " << b.r << " about (" << b.x1 << "," << b.y1 << ") at y " << y;
        }
    }
}

const DrawOp* find_text(const std::vector<DrawOp>& t, const std::string& s, size_t nth = 0) {
    for (auto& op : t)
        if (op.s == s && nth-- == 0) return &op;
    return nullptr;
}

TEST(TrackP10, FirstPageFourLanesOfLinesAndHalfCircles) {
    ScriptRun r("");
    r.run(kelvane7::SHOW_TRACK_P10);
    EXPECT_FALSE(r.returned);
    const auto& rec = r.h.pf.record();
    // No grid: only the ten straights, the goal line and three start marks.
    auto lines = of(rec, Op::Line);
    EXPECT_EQ(lines.size(), 14u);
    for (float d : {0, 20, 40, 60, 80}) {
        EXPECT_TRUE(has_line(rec, 880, 90 - d, 1040, 90 - d, 0)) << d;
        EXPECT_TRUE(has_line(rec, 880, 250 + d, 1040, 250 + d, 0)) << d;
    }
    EXPECT_TRUE(has_line(rec, 960, 90, 960, 10, 3));
    EXPECT_TRUE(has_line(rec, 940, 70, 940, 50, 3));
    EXPECT_TRUE(has_line(rec, 920, 50, 920, 30, 3));
    EXPECT_TRUE(has_line(rec, 900, 30, 900, 10, 3));
    auto bends = half_circles(rec);
    ASSERT_EQ(bends.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(bends[i].r, 80 + 20 * static_cast<float>(i / 2));
        EXPECT_EQ(bends[i].x1, i % 2 ? 1040 : 880);
        EXPECT_EQ(bends[i].y1, 170);
        EXPECT_EQ(bends[i].c, 0);
        EXPECT_EQ(bends[i].w, 5);
    }
    bends_meet_straights(rec, bends);
    auto t = texts(rec);
    auto at = [&](const std::string& s, float x, float y, int c) {
        const DrawOp* op = find_text(t, s);
        ASSERT_NE(op, nullptr) << s;
        EXPECT_EQ(op->x1, x) << s;
        EXPECT_EQ(op->y1, y) << s;
        EXPECT_EQ(op->c, c) << s;
    };
    at("①第1レーンと第2レーンの1周の差は？", 40, 30, 3);
    at("ゴール", 960, 90, 7);
    at("S", 900, 90, 7);
    at("レーンの幅1m", 930, 150, 3);
    ASSERT_NE(find_text(t, "20m"), nullptr);
    ASSERT_NE(find_text(t, "40m"), nullptr);
    // The radius arc bulges into the infield, the straight's arc below it.
    auto d = dots(rec);
    ASSERT_EQ(d.size(), 2u * 19u);
    ArcSeen radius = arc_seen(d, 0, 19), straight = arc_seen(d, 19, 19);
    EXPECT_NEAR(radius.max_x, 890, 0.01);
    EXPECT_NEAR(radius.min_x, 880, 0.01);
    EXPECT_NEAR(straight.max_y, 260, 0.01);
    EXPECT_NEAR(straight.min_y, 250, 0.01);
    EXPECT_EQ(r.g.YI1, 30) << "the figure's labels leave the cursor on the heading";
}

TEST(TrackP10, RevealsAndTheLapDifferences) {
    ScriptRun r(keys(24));
    r.run(kelvane7::SHOW_TRACK_P10);
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(r.h.backend.keys_left(), 0u);
    const auto& rec = r.h.pf.record();

    // The joined bends: a disc at the centre and five full circles.
    int discs = 0, circles = 0;
    for (auto& op : of(rec, Op::Circle)) {
        if (op.x1 != 1040 || op.y1 != 490) continue;
        if (op.filled && op.r == 6) ++discs;
        if (!op.filled && op.start == 0 && op.end == 0) {
            EXPECT_EQ(op.r, 80 + 20 * static_cast<float>(circles));
            ++circles;
        }
    }
    EXPECT_EQ(discs, 1);
    EXPECT_EQ(circles, 5);

    auto t = texts(rec);
    // "=2π(m)" four times in colour 3, each continuing the line before it.
    std::vector<float> ys;
    for (size_t i = 1; i < t.size(); ++i)
        if (t[i].s == "=2π(m)") {
            EXPECT_EQ(t[i].c, 3);
            EXPECT_EQ(t[i].y1, t[i - 1].y1);
            EXPECT_GT(t[i].x1, t[i - 1].x1);
            ys.push_back(t[i].y1);
        }
    EXPECT_EQ(ys, (std::vector<float>{130, 180, 280, 380}));
    // The working of each line has the value 2π.
    auto value = [](std::string s) {
        auto m = s.find("(m)");
        if (m != std::string::npos) s.erase(m);
        return expand(s);
    };
    const oracle::Poly two_pi = oracle::Poly(2) * oracle::Poly::letter("π");
    auto line_at = [&](float y) {
        std::string s;
        for (auto& op : t)
            if (op.y1 == y && op.x1 >= 40 && op.x1 < 720) s += op.s;
        return s;
    };
    EXPECT_EQ(line_at(80), "(2π*21+40*2)-(2π*20+40*2)");
    EXPECT_EQ(value(line_at(80)), two_pi);
    for (float y : {130.0f, 180.0f, 280.0f, 380.0f}) {
        const std::string s = line_at(y);
        const oracle::Line l = oracle::split_line(s);
        EXPECT_GE(l.sides.size(), 2u) << s;
        for (auto& side : l.sides) EXPECT_EQ(value(side), two_pi) << s;
    }
    const char* lines[] = {"②第2レーンと第3レーンの1周の差は？", "③第3レーンと第4レーンの1周の差は？",
                           "④となり合うレーンの1周の差は？", "いつでも2πmで、同じといえそう。",
                           "⑤半径が変わってもいえそうですか？",
                           "半径をrmとしてとなり合うレーンの1周の差を調べてみよう。"};
    const float line_ys[] = {230, 330, 430, 480, 530, 580};
    for (int i = 0; i < 6; ++i) {
        const DrawOp* op = find_text(t, lines[i]);
        ASSERT_NE(op, nullptr) << lines[i];
        EXPECT_EQ(op->x1, 40);
        EXPECT_EQ(op->y1, line_ys[i]);
    }
    // The arcs on the circles: "21m" comes only with the second arc to lane 2.
    auto d = dots(rec);
    ASSERT_EQ(d.size(), 7u * 19u);
    ArcSeen on_radius = arc_seen(d, 2 * 19, 19);
    EXPECT_NEAR(on_radius.min_x, 1040, 0.01);
    EXPECT_NEAR(on_radius.max_x, 1040, 0.01) << "height 0: the dots lie on the radius";
    EXPECT_EQ(find_text(t, "21m", 1), nullptr);
    ASSERT_NE(find_text(t, "21m"), nullptr);
    for (const char* s : {"20m", "22m", "23m"}) EXPECT_NE(find_text(t, s), nullptr) << s;
    EXPECT_EQ(r.g.pf.GETDRAWWIDTH(), 5);
}

TEST(TrackRadiusR, FigureRevealsAndTheAnswer) {
    ScriptRun first_page("");
    first_page.run(kelvane7::SHOW_TRACK_RADIUS_R);
    const auto& page = first_page.h.pf.record();
    auto boxes = of(page, Op::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].x1, 844);
    EXPECT_EQ(boxes[0].y1, 70);
    EXPECT_EQ(boxes[0].x2, 1084);
    EXPECT_EQ(boxes[0].y2, 310);
    EXPECT_TRUE(has_line(page, 844, 50, 1084, 50, 0));
    EXPECT_TRUE(has_line(page, 844, 330, 1084, 330, 0));
    EXPECT_TRUE(has_line(page, 1084, 50, 1084, 70, 3));
    auto bends = half_circles(page);
    ASSERT_EQ(bends.size(), 4u);
    for (auto& b : bends) {
        EXPECT_EQ(b.y1, 190);
        EXPECT_TRUE(b.r == 120 || b.r == 140);
        // The inner bends end on the rectangle's corners, the outer on the outer straights.
        if (b.r == 140) continue;
        EXPECT_TRUE(b.x1 == 844 || b.x1 == 1084);
    }
    // The rectangle's top and bottom sides are the inner straights.
    std::vector<DrawOp> edges = of(page, Op::Line);
    for (float y : {boxes[0].y1, boxes[0].y2}) {
        DrawOp side;
        side.x1 = boxes[0].x1;
        side.x2 = boxes[0].x2;
        side.y1 = side.y2 = y;
        edges.push_back(side);
    }
    bends_meet_straights(edges, bends);

    ScriptRun r(keys(10));
    r.run(kelvane7::SHOW_TRACK_RADIUS_R);
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(r.h.backend.keys_left(), 0u);
    const auto& rec = r.h.pf.record();
    for (auto [x1, y1, x2, y2] : {std::array<float, 4>{844, 70, 1084, 70}, {844, 310, 1084, 310}, {844, 50, 1084, 50},
                                  {844, 330, 1084, 330}})
        EXPECT_TRUE(has_line(rec, x1, y1, x2, y2, 7));
    EXPECT_TRUE(has_line(rec, 964, 350, 964, 630, 0));
    int circles = 0;
    for (auto& op : of(rec, Op::Circle)) circles += op.x1 == 964 && op.y1 == 490 && op.start == 0 && op.end == 0;
    EXPECT_EQ(circles, 2);

    auto t = texts(rec);
    struct Want {
        const char* s;
        float y;
        int c;
    } want[] = {
        {"第1レーンの半円部分の半径を", 80, 0}, {"rm", 80, 3},       {"とすると", 130, 0},
        {"第2レーンの半径は", 190, 0},         {"(r+1)m ", 190, 3},  {"だから", 190, 0},
        {" 2π(r+1)", 250, 0},                  {"-2πr", 250, 0},     {"=2πr+2π-2πr", 310, 0},
        {"=2π", 310, 3},                       {"答 2πm", 370, 5},   {"＜解答例＞", 430, 3},
        {"2πには、rがふくまれていないから、", 430, 5}, {"半円部分の半径に関係なく決まる。", 490, 5},
    };
    std::vector<DrawOp> lesson_texts;
    for (auto& op : t)
        if (op.x1 < 700) lesson_texts.push_back(op);
    ASSERT_EQ(lesson_texts.size(), 1u + std::size(want));
    float pen = 0;
    for (size_t i = 0; i < std::size(want); ++i) {
        const DrawOp& op = lesson_texts[i + 1];
        EXPECT_EQ(op.s, want[i].s);
        EXPECT_EQ(op.y1, want[i].y);
        EXPECT_EQ(op.c, want[i].c) << op.s;
        if (i > 0 && op.y1 == lesson_texts[i].y1) {
            EXPECT_GT(op.x1, pen) << op.s << " continues the line";
        }
        pen = op.x1;
    }
    EXPECT_EQ(lesson_texts.back().x1, 220);
    // What was drawn works out: the difference row is 2π times lane 2's radius less 2π times lane 1's
    // (the radii as written, without their unit), every "=" row after it has its value, and the answer
    // (without its unit) is the last row's.
    auto drawn_at = [&](float y, int c = -1) {
        std::string line;
        for (auto& op : lesson_texts)
            if (op.y1 == y && (c < 0 || op.c == c)) line += op.s;
        return line;
    };
    auto without_unit = [](std::string s) {
        while (!s.empty() && s.back() == ' ') s.pop_back();
        EXPECT_EQ(s.back(), 'm') << s;
        return s.substr(0, s.size() - 1);
    };
    const oracle::Poly two_pi = expand("2π");
    const oracle::Poly r1 = expand(without_unit(drawn_at(80, 3))), r2 = expand(without_unit(drawn_at(190, 3)));
    const oracle::Poly difference = expand(drawn_at(250));
    EXPECT_EQ(difference, two_pi * r2 - two_pi * r1) << drawn_at(250);
    const std::string worked = drawn_at(310);
    std::vector<std::string> rows;
    for (size_t at = 0; (at = worked.find('=', at)) != std::string::npos;) {
        const size_t next = worked.find('=', at + 1);
        rows.push_back(worked.substr(at, next - at));
        at = next == std::string::npos ? worked.size() : next;
    }
    ASSERT_EQ(rows.size(), 2u) << worked;
    for (auto& row : rows) EXPECT_EQ(expand(row), difference) << row;
    const std::string answer = drawn_at(370, 5);
    ASSERT_EQ(answer.rfind("答 ", 0), 0u) << answer;
    EXPECT_EQ(expand(without_unit(answer.substr(std::string("答 ").size()))), expand(rows.back())) << answer;
    EXPECT_TRUE(oracle::form_faults(rows.back()).empty()) << rows.back();
    // Four radius arcs of 37 dots, two labelled rm and two (r+1)m.
    EXPECT_EQ(dots(rec).size(), 4u * 37u);
    EXPECT_NE(find_text(t, "rm", 2), nullptr);
    EXPECT_NE(find_text(t, "(r+1)m", 1), nullptr);
}

}  // namespace
}  // namespace cw
