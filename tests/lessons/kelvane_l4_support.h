// Helpers for the lesson 4 tests: a Kelvane run headless with scripted keys,
// its draw log cut into drill passes, and what a pupil sees in a pass: the
// texts by colour and line, the cancellation strokes with the glyphs under
// them, and the dotted arcs.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "lessons/kelvane/kelvane.h"
#include "shell/shell.h"
#include "support/lesson_fixture.h"

namespace cw::l4test {

using test::drill_keys;
using test::enter;
using test::kAnyKey;
using test::keys;
using test::kNextStep;

// A started Kelvane with scripted keys and a fixed random seed.
struct LessonRun : test::FixtureOf<Kelvane> {
    explicit LessonRun(const std::string& script, int seed_value = 1) : FixtureOf("kelvane", script) {
        seed(seed_value);
    }
    const std::vector<DrawOp>& record() const { return pf.record(); }
};

// The record cut at every next-step question: pass k holds what was drawn
// before the k-th question (after the one before it).  What follows the last
// question is left out.
inline std::vector<std::vector<DrawOp>> passes(const std::vector<DrawOp>& record) {
    std::vector<std::vector<DrawOp>> out(1);
    for (auto& op : record) {
        if (op.op == Op::Prompt && op.s == kNextStep) {
            out.emplace_back();
            continue;
        }
        out.back().push_back(op);
    }
    out.pop_back();
    return out;
}

// Expression texts of colour c above the prompt band, in drawing order.
inline std::vector<DrawOp> exprs(const std::vector<DrawOp>& ops, int c) {
    std::vector<DrawOp> out;
    for (auto& op : ops)
        if (op.op == Op::Expr && op.c == c && op.y1 < test::kPromptBandTop) out.push_back(op);
    return out;
}
// The texts of colour c on line y joined in drawing order.
inline std::string line_text(const std::vector<DrawOp>& ops, int c, float y) {
    std::string s;
    for (auto& op : exprs(ops, c))
        if (op.y1 == y) s += op.s;
    return s;
}
// All texts of colour c joined in drawing order.
inline std::string joined(const std::vector<DrawOp>& ops, int c) {
    std::string s;
    for (auto& op : exprs(ops, c)) s += op.s;
    return s;
}

// A cancellation stroke and what the pupil reads at it.
struct Stroke {
    DrawOp line;
    std::string struck;  // the glyphs of the struck line whose left edge lies under the stroke
    float first_x = -1;  // left edge of the first struck glyph
};
// Colour-3 strokes rising to the right, with the non-colour-3 glyphs on the
// stroke's top line whose left edges lie within its span.
inline std::vector<Stroke> strokes(const std::vector<DrawOp>& ops) {
    std::vector<Stroke> out;
    for (auto& op : ops) {
        if (op.op != Op::Line || op.c != 3 || !(op.y1 > op.y2 && op.x2 > op.x1)) continue;
        Stroke s{op, "", -1};
        for (auto& t : ops)
            if (t.op == Op::Text && t.c != 3 && t.y1 == op.y2 && t.x1 >= op.x1 && t.x1 < op.x2) {
                if (s.first_x < 0) s.first_x = t.x1;
                s.struck += t.s;
            }
        out.push_back(s);
    }
    return out;
}
// The colour-3 glyphs drawn with their left edge at (x, y), joined.
inline std::string marks_at(const std::vector<DrawOp>& ops, float x, float y) {
    std::string s;
    for (auto& t : ops)
        if (t.op == Op::Text && t.c == 3 && t.y1 == y && t.x1 >= x && t.x1 < x + 27) s += t.s;
    return s;
}

// A dotted arc: its dots in drawing order.
using Arc = std::vector<DrawOp>;
// Runs of consecutive dots (filled circles of radius 0.5).
inline std::vector<Arc> arcs(const std::vector<DrawOp>& ops) {
    std::vector<Arc> out;
    bool in_run = false;
    for (auto& op : ops) {
        bool dot = op.op == Op::Circle && op.r == 0.5f && op.filled;
        if (dot && !in_run) out.emplace_back();
        if (dot) out.back().push_back(op);
        if (op.drawn() || op.op == Op::Expr) in_run = dot;
    }
    return out;
}
// True when every dot of the arc lies on the upper side of the chord between
// its end dots (smaller y), within the chord's x range.
inline bool above_chord(const Arc& a) {
    const auto &p = a.front(), &q = a.back();
    const double lo = std::min(p.x1, q.x1) - 0.5, hi = std::max(p.x1, q.x1) + 0.5;
    for (auto& d : a) {
        if (d.x1 < lo || d.x1 > hi) return false;
        double t = (q.x1 == p.x1) ? 0 : (d.x1 - p.x1) / (q.x1 - p.x1);
        double chord_y = p.y1 + t * (q.y1 - p.y1);
        if (d.y1 > chord_y + 0.5) return false;
    }
    return true;
}

}  // namespace cw::l4test
