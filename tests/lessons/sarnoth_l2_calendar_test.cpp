// Sarnoth lesson 2, the calendar steps: every cell shows its day, and each
// frame or group of highlighted days holds exactly the days whose sum the
// page states.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "lessons/sarnoth/lesson2.h"
#include "lessons/sarnoth_support.h"
#include "support/oracle.h"

namespace cw::sarnoth_test {
namespace {

// The month as a pupil reads it off a calendar: 31 days, the 1st a Thursday.
std::string day_at(int col, int row) {
    static const char* const week[] = {"日", "月", "火", "水", "木", "金", "土"};
    if (row == 0) return week[col - 1];
    int d = (row - 1) * 7 + col - 4;
    return d >= 1 && d <= 31 ? std::to_string(d) : "";
}

// The calendar cells drawn (70 x 50 boxes) and the text drawn in each, read back from the display list.
struct Calendar {
    float x0 = 1e9f, y0 = 1e9f;
    struct Cell {
        DrawOp box;
        std::string text;
    };
    std::vector<Cell> cells;

    explicit Calendar(const SarnothRun& r) {
        auto all = r.h.pf.record();
        for (size_t i = 0; i < all.size(); ++i) {
            const DrawOp& op = all[i];
            if (op.op != Op::Fill || op.x2 - op.x1 != 70 || op.y2 - op.y1 != 50) continue;
            Cell c{op, ""};
            // The cell's text is the next expression text drawn inside it, if one is.
            for (size_t j = i + 1; j < all.size() && all[j].op != Op::Fill; ++j)
                if (all[j].op == Op::Expr && all[j].x1 >= op.x1 && all[j].x1 < op.x2 && all[j].y1 == op.y1 + 3)
                    c.text = all[j].s;
            cells.push_back(c);
            x0 = std::min(x0, op.x1);
            y0 = std::min(y0, op.y1);
        }
    }
    int col(const DrawOp& b) const { return static_cast<int>((b.x1 - x0) / 70) + 1; }
    int row(const DrawOp& b) const { return static_cast<int>((b.y1 - y0) / 50); }
    // The days whose cells' centres lie inside the box (x1, y1)-(x2, y2).
    std::set<int> days_inside(const DrawOp& frame) const {
        std::set<int> out;
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 5; ++r) {
                float cx = x0 + 70.0f * static_cast<float>(c) - 35, cy = y0 + 50.0f * static_cast<float>(r) + 25;
                if (cx > frame.x1 && cx < frame.x2 && cy > frame.y1 && cy < frame.y2 && !day_at(c, r).empty())
                    out.insert(std::stoi(day_at(c, r)));
            }
        return out;
    }
    // Days drawn again on another fill.
    std::set<int> highlighted() const {
        std::set<int> out;
        for (auto& c : cells)
            if (c.box.f == 11) out.insert(std::stoi(c.text));
        return out;
    }
};

struct CalendarStep {
    const char* name;
    void (*step)(Program&);
    int keys;
    float x0, y0;
    int drawn;  // calendars drawn
};
const CalendarStep kSteps[] = {
    {"frames", sarnoth2::SHOW_CALENDAR_FRAMES, 10, 722, 70, 1},
    {"vertical", sarnoth2::EXPLAIN_CALENDAR_VERTICAL, 8, 722, 50, 1},
    {"diagonal", sarnoth2::EXPLAIN_CALENDAR_DIAGONAL, 8, 722, 50, 1},
    {"square", sarnoth2::TEST_CALENDAR_SQUARE, 23, 722, 70, 2},
    {"free", sarnoth2::SHOW_CALENDAR_FREE, 0, 722, 70, 1},
};

TEST(SarnothCalendar, EveryCellShowsItsDay) {
    for (auto& s : kSteps) {
        SarnothRun r(keys(s.keys));
        ASSERT_TRUE(r.run(s.step)) << s.name;
        Calendar cal(r);
        EXPECT_EQ(cal.x0, s.x0) << s.name;
        EXPECT_EQ(cal.y0, s.y0) << s.name;
        int plain = 0;
        for (auto& c : cal.cells) {
            EXPECT_EQ(c.text, day_at(cal.col(c.box), cal.row(c.box)))
                << s.name << " column " << cal.col(c.box) << " row " << cal.row(c.box);
            if (c.box.f == 13) ++plain;
        }
        EXPECT_EQ(plain, 42 * s.drawn) << s.name;
    }
}

// A calendar drawn after a step that filled the number tables with other values still shows the month.
TEST(SarnothCalendar, TablesAreFilledByEachStep) {
    SarnothRun r("");
    r.h.g.T_a(1) = 5;
    r.h.g.F_a(1) = 77;
    r.h.g.F_a(3) = -4;
    ASSERT_TRUE(r.run(sarnoth2::SHOW_CALENDAR_FREE));
    Calendar cal(r);
    for (auto& c : cal.cells) EXPECT_EQ(c.text, day_at(cal.col(c.box), cal.row(c.box)));
}

std::set<int> numbers_in(const std::string& sum) {
    std::set<int> out;
    for (auto& part : split(sum.substr(0, sum.find('=')), "+")) out.insert(std::stoi(part));
    return out;
}

int total(const std::set<int>& days) {
    int t = 0;
    for (int d : days) t += d;
    return t;
}

TEST(SarnothCalendar, GroupsOfThreeAreThreeTimesTheirMiddle) {
    SarnothRun r(keys(10));
    ASSERT_TRUE(r.run(sarnoth2::SHOW_CALENDAR_FRAMES));
    Calendar cal(r);
    std::vector<std::set<int>> groups;
    for (auto& b : r.h.of(Op::Box)) groups.push_back(cal.days_inside(b));
    groups.push_back(cal.highlighted());
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0], (std::set<int>{4, 5, 6}));     // a row
    EXPECT_EQ(groups[1], (std::set<int>{3, 10, 17}));   // a column
    EXPECT_EQ(groups[2], (std::set<int>{8, 14, 20}));   // down to the left
    int said = 0;
    for (auto& op : r.page_texts())
        if (op.s == "3の倍数" || op.s == " (真ん中の数の3倍)") ++said;
    EXPECT_EQ(said, 6);
    for (auto& g : groups) {
        std::vector<int> v(g.begin(), g.end());
        EXPECT_EQ(total(g) % 3, 0);
        EXPECT_EQ(total(g), 3 * v[1]);
    }
}

// The days marked in steps ⑦ and ⑧ are the proof's n, and its first two answers at that n.
TEST(SarnothCalendar, MarkedDaysAreTheProofsIntegers) {
    struct Case {
        void (*step)(Program&);
        bool framed;
    } cases[] = {{sarnoth2::EXPLAIN_CALENDAR_VERTICAL, true}, {sarnoth2::EXPLAIN_CALENDAR_DIAGONAL, false}};
    for (auto& c : cases) {
        SarnothRun r(keys(8));
        ASSERT_TRUE(r.run(c.step));
        Calendar cal(r);
        std::set<int> marked = c.framed ? cal.days_inside(r.h.of(Op::Box).at(0)) : cal.highlighted();
        ASSERT_EQ(marked.size(), 3u);
        std::vector<std::string> answers;
        for (auto& op : r.page_texts())
            if (op.c == 5) answers.push_back(op.s);
        ASSERT_EQ(answers.size(), 7u);
        const oracle::Values at{{"n", oracle::Rational(*marked.begin())}};
        std::set<int> proof{*marked.begin()};
        for (int k : {0, 1}) proof.insert(static_cast<int>(oracle::value(answers[k], at).num()));
        EXPECT_EQ(marked, proof);
        // n + ③ + ④ = ⑤ = ⑥ = 3 × ⑦ at that n, and that is the marked days' sum.
        const oracle::Rational sum(total(marked));
        EXPECT_EQ(oracle::Rational(*marked.begin()) + oracle::value(answers[2], at) + oracle::value(answers[3], at),
                  sum);
        EXPECT_EQ(oracle::value(answers[4], at), sum);
        EXPECT_EQ(oracle::value(answers[5], at), sum);
        EXPECT_EQ(oracle::Rational(3) * oracle::value(answers[6], at), sum);
    }
}

// Step ⑨: each square holds exactly the numbers its sum adds, and the sum is the one the page states.
TEST(SarnothCalendar, SquaresHoldTheNumbersTheirSumsAdd) {
    SarnothRun r(keys(23));
    ASSERT_TRUE(r.run(sarnoth2::TEST_CALENDAR_SQUARE));
    Calendar cal(r);
    std::vector<std::set<int>> squares;
    for (auto& b : r.h.of(Op::Box)) {
        EXPECT_EQ(b.x2 - b.x1, 135);
        EXPECT_EQ(b.y2 - b.y1, 100);
        squares.push_back(cal.days_inside(b));
    }
    ASSERT_EQ(squares.size(), 4u);  // A, B, C, and C again on the second page
    EXPECT_EQ(squares[3], squares[2]);
    auto texts = r.page_texts();
    int checked = 0;
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
        const std::string& s = texts[i].s;
        if (s.empty() || s.back() != '=' || s.find('+') == std::string::npos || s[0] == 'n') continue;
        const std::set<int> added = numbers_in(s);
        EXPECT_TRUE(std::find(squares.begin(), squares.end(), added) != squares.end()) << s;
        EXPECT_EQ(oracle::value(texts[i + 1].s, {}), oracle::Rational(total(added))) << s << texts[i + 1].s;
        ++checked;
    }
    EXPECT_EQ(checked, 3);
    // The counter-example's sum is a multiple of 4 and not of 8; the proof's n is its smallest day.
    EXPECT_EQ(total(squares[2]), 20);
    std::vector<std::string> answers;
    for (auto& op : texts)
        if (op.c == 5 && op.y1 >= 300) answers.push_back(op.s);
    ASSERT_EQ(answers.size(), 9u);
    const oracle::Values at{{"n", oracle::Rational(*squares[2].begin())}};
    std::set<int> proof{*squares[2].begin()};
    for (int k : {0, 1, 2}) proof.insert(static_cast<int>(oracle::value(answers[k], at).num()));
    EXPECT_EQ(proof, squares[2]);
    EXPECT_EQ(oracle::value(answers[7], at), oracle::Rational(20));
}

}  // namespace
}  // namespace cw::sarnoth_test
