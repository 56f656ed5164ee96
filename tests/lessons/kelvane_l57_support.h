// Helpers for the tests of Kelvane lessons 5 to 7: a started Kelvane that
// types its keys as the screen asks for them, and readers of what it drew.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "lessons/kelvane/kelvane.h"
#include "shell/shell.h"
#include "support/lesson_fixture.h"
#include "support/oracle.h"

namespace cw::l57test {

using test::enter;
using test::kAnyKey;
using test::keys;
using test::kNextStep;

// A started Kelvane (the shared lesson fixture) whose pupil answers what the
// screen asks: any key at an any-key wait; at a next-step question "1" and
// Enter when its number (from 1) is in `leave_at`, else "2" and Enter;
// nothing at any other question, so a run ends at the sub-menu.  With
// on_problem set, each problem's operations (the glyphs left out) are handed
// over at its next-step question and the record starts afresh.
struct PupilRun {
    test::FixtureOf<Kelvane> f{"kelvane"};
    test::Harness& h = f.h;
    Kelvane& g = f.prog();
    std::vector<int> leave_at;
    std::vector<int> waits{0};  // any-key waits before each next-step question, and after the last
    std::function<void(const std::vector<DrawOp>&)> on_problem;
    std::function<void()> before_key;  // called each time the program asks for a key
    bool returned = false;

    // Leaves the drill at the `problems`-th question.
    explicit PupilRun(int problems, const test::Draws& seed = 1) : PupilRun(std::vector<int>{problems}, seed) {}
    PupilRun(std::vector<int> leave, const test::Draws& seed) : leave_at(std::move(leave)) {
        f.seed(seed);
        h.backend.on_wait = [this] {
            if (before_key) before_key();
            type();
        };
    }

    void type() {
        if (h.backend.keys_left() > 0) return;
        const auto& rec = h.pf.record();
        for (auto it = rec.rbegin(); it != rec.rend(); ++it) {
            if (it->op != Op::Prompt || it->s == "入力") continue;
            if (it->s == kAnyKey) {
                ++waits.back();
                h.backend.push_keys(" ");
            } else if (it->s == kNextStep) {
                const int n = static_cast<int>(waits.size());
                const bool last = std::find(leave_at.begin(), leave_at.end(), n) != leave_at.end();
                waits.push_back(0);
                if (on_problem) {
                    std::vector<DrawOp> ops;
                    for (auto& op : rec)
                        if (op.op != Op::Text && op.op != Op::Key) ops.push_back(op);
                    h.pf.clear_record();
                    on_problem(ops);
                }
                h.backend.push_keys(last ? "1\r" : "2\r");
            }
            return;
        }
    }

    void run(const std::function<void(Kelvane&)>& routine) {
        returned = f.run(routine);
    }
};

// A started Kelvane (the shared lesson fixture) with a fixed key script.
struct ScriptRun {
    test::FixtureOf<Kelvane> f;
    test::Harness& h = f.h;
    Kelvane& g = f.prog();
    bool returned = false;

    explicit ScriptRun(const std::string& keys) : f("kelvane", keys) {}
    void run(const std::function<void(Kelvane&)>& routine) {
        returned = f.run(routine);
    }
};

// A trap for the multiplier's no-repeat memory (FMAESU).  For each
// multiplier, a seed with which the problem generator, its memory cleared,
// makes a problem that begins with that multiplier, and remembering it, one
// that does not.  Seeding the program so before each problem, a program that
// keeps its memory begins with another multiplier; one that lost it (in the
// generator, the drill, the screen, between visits) repeats the last.
class MemoryTrap {
public:
    // make: the generator; it reads FMAESU and leaves the multiplier in T(1).
    explicit MemoryTrap(void (*make)(Kelvane&)) {
        ScriptRun scratch("");
        auto first = [&](int seed, float memory) {
            scratch.g.FMAESU = memory;
            scratch.g.pf.RANDOMIZE(seed);
            make(scratch.g);
            return scratch.g.T_a(1);
        };
        for (int s = 1; s <= 2000; ++s) {
            const float v = first(s, 0);
            if (!seeds_.count(v) && first(s, v) != v) seeds_.emplace(v, s);
        }
    }
    // Seeds g so that its next problem, were the memory lost, would repeat FMAESU.
    void set(Kelvane& g) {
        auto it = seeds_.find(g.FMAESU);
        if (it == seeds_.end()) return;  // nothing remembered yet
        g.pf.RANDOMIZE(it->second);
        ++set_;
    }
    int times_set() const { return set_; }

private:
    std::map<float, int> seeds_;
    int set_ = 0;
};

// The lessons' texts (typesetter calls) among some operations; the empty
// label texts of unlabelled arcs, which draw nothing, are left out.
inline std::vector<DrawOp> texts(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> out;
    for (auto& op : ops)
        if (op.op == Op::Expr && !op.s.empty()) out.push_back(op);
    return out;
}

// The dots of dimension arcs: filled circles of radius 0.5.
inline std::vector<DrawOp> dots(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> out;
    for (auto& op : ops)
        if (op.op == Op::Circle && op.filled && op.r == 0.5f) out.push_back(op);
    return out;
}

// Operations of one kind.
inline std::vector<DrawOp> of(const std::vector<DrawOp>& ops, Op kind) {
    std::vector<DrawOp> out;
    for (auto& op : ops)
        if (op.op == kind) out.push_back(op);
    return out;
}

// One dotted arc read back: its end dots and how far it rises above or sinks
// below the line through its ends.
struct ArcSeen {
    float x_first, y_first, x_last, y_last;
    float min_y, max_y, min_x, max_x;
    int colour;
    size_t count;
};
inline ArcSeen arc_seen(const std::vector<DrawOp>& d, size_t first, size_t count) {
    ArcSeen a{d[first].x1, d[first].y1, d[first + count - 1].x1, d[first + count - 1].y1,
              d[first].y1, d[first].y1, d[first].x1, d[first].x1, d[first].c, count};
    for (size_t i = first; i < first + count; ++i) {
        a.min_y = std::min(a.min_y, d[i].y1);
        a.max_y = std::max(a.max_y, d[i].y1);
        a.min_x = std::min(a.min_x, d[i].x1);
        a.max_x = std::max(a.max_x, d[i].x1);
        EXPECT_EQ(d[i].c, a.colour) << "one colour along an arc";
    }
    return a;
}

inline oracle::Rational coefficient(const oracle::Poly& p, const std::string& letter) {
    return letter.empty() ? p.coefficient({}) : p.coefficient({{letter, 1}});
}

// Checks an answer page's problems: each label, its problem text right after it, then
// its rows at the label's x + 72; every row has the problem's value and the last is
// the answer, in colour 5.  Returns how many problems it read.
inline int check_blocks(const std::vector<DrawOp>& t) {
    size_t i = 0;
    int blocks = 0;
    while (i < t.size()) {
        if (t[i].s.front() != '(' || i + 2 >= t.size()) {
            ADD_FAILURE() << "not a label and a problem: " << t[i].s;
            return blocks;
        }
        const oracle::Poly value = oracle::expand(t[i + 1].s);
        EXPECT_EQ(t[i + 1].x1, t[i].x1 + 81) << "the problem follows its label";
        EXPECT_EQ(t[i + 1].y1, t[i].y1);
        size_t j = i + 2;
        while (j < t.size() && t[j].s.front() == '=') {
            EXPECT_EQ(oracle::expand(t[j].s), value) << t[i + 1].s << " " << t[j].s;
            EXPECT_EQ(t[j].x1, t[i].x1 + 72);
            ++j;
        }
        EXPECT_EQ(t[j - 1].c, 5) << t[j - 1].s;
        EXPECT_TRUE(oracle::form_faults(t[j - 1].s).empty()) << t[j - 1].s;
        i = j;
        ++blocks;
    }
    return blocks;
}

}  // namespace cw::l57test
