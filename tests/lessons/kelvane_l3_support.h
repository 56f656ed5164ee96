// Helpers for the lesson 3 tests: running a drill headless with scripted keys
// and reading polynomials back from the texts it drew, through the oracle.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "lessons/kelvane/lesson3.h"
#include "shell/shell.h"
#include "support/lesson_fixture.h"
#include "support/oracle.h"

namespace cw::l3test {

using oracle::Poly;

// The polynomial pa + qb + r.
inline Poly poly(int p, int q, int r) {
    return Poly(p) * Poly::letter("a") + Poly(q) * Poly::letter("b") + Poly(r);
}
// The coefficient of a or b, or the constant term for "".
inline int coef(const Poly& p, const std::string& letter) {
    auto k = letter.empty() ? p.coefficient() : p.coefficient({{letter, 1}});
    EXPECT_TRUE(k.is_integer()) << p;
    return static_cast<int>(k.num());
}

// The polynomial a drawn text reads as (blanks and one leading "=" skipped);
// nothing for a text that is not one, and for the empty text.
inline std::optional<Poly> parse(const std::string& text) {
    try {
        return oracle::expand(text);
    } catch (const oracle::OracleError&) {
        return std::nullopt;
    }
}

// How the textbook writes a polynomial.
inline std::string written(const Poly& p) { return p.str(); }

inline std::string no_blanks(const std::string& s) {
    std::string out;
    for (char ch : s)
        if (ch != ' ') out += ch;
    return out;
}

// The typesetter's advance for the one-byte texts of the drills.
inline float width27(const std::string& s) { return 27.0f * static_cast<float>(s.size()); }

// One drill run: `problems` problems, each taking `waits` key presses before
// the next-step question; every problem but the last is followed by "2".
struct DrillRun : test::LessonFixture {
    std::vector<std::vector<DrawOp>> problems;  // typesetter calls of each problem

    DrillRun(void (*drill)(Program&), int waits, int count, const test::Draws& seed, float xkara,
             const std::string& heading)
        : LessonFixture("kelvane", test::drill_keys(waits, count)) {
        this->seed(seed);
        g.UE = 30;
        g.XKARA = xkara;
        g.XMADE = xkara == 40 ? 600 : 3200;
        g.YKARA = 30;
        g.YMADE = 1800;
        pf.SETDRAWWIDTH(5);
        run(drill);
        for (auto& op : texts()) {
            if (op.y1 >= test::kPromptBandTop) continue;  // the prompt band's texts
            if (op.s == heading) problems.emplace_back();
            if (!problems.empty()) problems.back().push_back(op);
        }
    }
};

// The first seed whose first problem, made by `make` as the drill makes it,
// is `wanted`; -1 when none is found.  `made` is left at the program that
// holds that problem.
inline int find_seed(void (*make)(Program&), bool (*wanted)(const Program&), Program*& made) {
    static test::LessonFixture probe("kelvane");
    probe.pf.set_recording(false);
    made = &probe.g;
    for (int s = 1; s < 400000; ++s) {
        probe.seed(s);
        make(probe.g);
        if (wanted(probe.g)) return s;
    }
    return -1;
}

// The texts of one problem drawn at row y, in drawing order.
inline std::vector<DrawOp> at_row(const std::vector<DrawOp>& ops, float y) {
    std::vector<DrawOp> out;
    for (auto& op : ops)
        if (op.y1 == y) out.push_back(op);
    return out;
}

inline std::string joined(const std::vector<DrawOp>& ops) {
    std::string s;
    for (auto& op : ops) s += op.s;
    return s;
}

}  // namespace cw::l3test
