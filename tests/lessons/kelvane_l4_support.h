// Helpers for the lesson 4 tests: a Kelvane run headless with scripted keys,
// its draw log cut into drill passes, and what a pupil sees in a pass: the
// texts by colour and line, the cancellation strokes with the glyphs under
// them, and the dotted arcs.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
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
    explicit LessonRun(const std::string& script, const test::Draws& seed_value = 1) : FixtureOf("kelvane", script) {
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

// A dotted arc: its dots in drawing order.
using ArcOps = std::vector<DrawOp>;
// Runs of consecutive dots (filled circles of radius 0.5).
inline std::vector<ArcOps> arcs(const std::vector<DrawOp>& ops) {
    std::vector<ArcOps> out;
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
inline bool above_chord(const ArcOps& a) {
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

// A text of a line and the stretch of the line it covers: from its pen to
// the next text's pen, the last one to 27 past its last glyph (the width of
// a half-width character) or to the end of its fraction bar.
struct Piece {
    std::string s;
    float from, to;
};
// The non-empty texts of colour c on line y, left to right, with their stretches.
inline std::vector<Piece> line_pieces(const std::vector<DrawOp>& ops, int c, float y) {
    std::vector<Piece> out;
    bool on_line = false;
    for (auto& op : ops) {
        if (op.op == Op::Expr) {
            on_line = op.c == c && op.y1 == y && !op.s.empty();
            if (on_line) out.push_back({op.s, op.x1, op.x1});
        } else if (on_line && op.op == Op::Text && op.y1 < LAYOUT_H) {
            out.back().to = std::max(out.back().to, op.x1 + 27);
        } else if (on_line && op.op == Op::Line && op.y1 < LAYOUT_H) {
            out.back().to = std::max(out.back().to, std::max(op.x1, op.x2));
        }
    }
    std::sort(out.begin(), out.end(), [](const Piece& a, const Piece& b) { return a.from < b.from; });
    for (size_t i = 0; i + 1 < out.size(); ++i) out[i].to = out[i + 1].from;
    return out;
}
// The arc joins pieces a and b of the line whose top is y: one end over each
// (at most 20 above the line's top: a fraction's anchor stands that high),
// and every dot above the line's top, between the two pieces.
inline ::testing::AssertionResult joins(const ArcOps& arc, const Piece& a, const Piece& b, float y) {
    auto over = [&](const DrawOp& d, const Piece& p) {
        return d.x1 >= p.from && d.x1 <= p.to && d.y1 <= y + 0.5 && d.y1 >= y - 20.5;
    };
    const DrawOp &p = arc.front(), &q = arc.back();
    if (!(over(p, a) && over(q, b)) && !(over(p, b) && over(q, a)))
        return ::testing::AssertionFailure() << "arc " << p.x1 << "," << p.y1 << " - " << q.x1 << "," << q.y1
                                             << " does not join \"" << a.s << "\" [" << a.from << "," << a.to
                                             << ") and \"" << b.s << "\" [" << b.from << "," << b.to << ") at y " << y;
    const float lo = std::min(a.from, b.from), hi = std::max(a.to, b.to);
    for (auto& d : arc)
        if (d.y1 > y + 0.5 || d.x1 < lo || d.x1 > hi)
            return ::testing::AssertionFailure() << "dot " << d.x1 << "," << d.y1 << " not above the line at y " << y
                                                 << " between x " << lo << " and " << hi;
    return ::testing::AssertionSuccess();
}

}  // namespace cw::l4test
