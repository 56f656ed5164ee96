// What an operation covers, and what a later one hides: the one place the
// records of the drawing (the fills and bars under what is drawn next, the
// texts the screen shows, the screen's list) and the measures of ink read
// it from.
#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/display.h"

namespace cw {

// Half the width of the pen an operation is drawn with; width 0 is a
// hairline `hairline` layout units wide (one pixel: a unit at the layout's
// own size).
inline float half_pen(const DrawOp& op, float hairline = 1) {
    return (op.w > 0 ? static_cast<float>(op.w) : hairline) / 2;
}

// The box a pen-drawn operation covers, in layout units: what the pen is
// drawn through (a line's ends, a box's or a fill's corners, a circle's
// centre out to its radius, whatever part of the turn it draws, a
// polyline's points) and half the pen round that.  Empty for anything else.
inline Bounds pen_covers(const DrawOp& op, float hairline = 1) {
    float l = std::min(op.x1, op.x2), t = std::min(op.y1, op.y2), r = std::max(op.x1, op.x2), b = std::max(op.y1, op.y2);
    switch (op.op) {
    case Op::Line:
    case Op::Box:
    case Op::Fill: break;
    case Op::Circle: l = op.x1 - op.r, r = op.x1 + op.r, t = op.y1 - op.r, b = op.y1 + op.r; break;
    case Op::Polyline:
        if (op.pts.empty()) return {};
        l = r = op.pts[0].first, t = b = op.pts[0].second;
        for (auto& [x, y] : op.pts) l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
        break;
    default: return {};
    }
    const float h = half_pen(op, hairline);
    return {l - h, t - h, r + h, b + h};
}

// What an operation paints over opaquely, so that nothing drawn there
// before shows through: a filled box, border and all, and an upright or
// level line, square-ended.  Empty for anything else: a box's outline leaves
// its inside, round ends and rims leave the corners of their box, text the
// gaps between its strokes.
inline Bounds paints_over(const DrawOp& op, float hairline = 1) {
    if (op.op == Op::Fill || (op.op == Op::Line && (op.x1 == op.x2 || op.y1 == op.y2))) return pen_covers(op, hairline);
    return {};
}

// Whether the boxes together hold every point of b (each box with its edges).
inline bool union_holds(const std::vector<Bounds>& boxes, const Bounds& b) {
    std::vector<float> xs{b.l, b.r}, ys{b.t, b.b};
    for (const Bounds& o : boxes) {
        if (o.l > b.l && o.l < b.r) xs.push_back(o.l);
        if (o.r > b.l && o.r < b.r) xs.push_back(o.r);
        if (o.t > b.t && o.t < b.b) ys.push_back(o.t);
        if (o.b > b.t && o.b < b.b) ys.push_back(o.b);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (size_t i = 0; i + 1 < xs.size(); ++i)
        for (size_t j = 0; j + 1 < ys.size(); ++j) {
            const float x = (xs[i] + xs[i + 1]) / 2, y = (ys[j] + ys[j + 1]) / 2;
            bool held = false;
            for (const Bounds& o : boxes) held = held || (x >= o.l && x <= o.r && y >= o.t && y <= o.b);
            if (!held) return false;
        }
    return true;
}

// The most boxes remembered over one drawing.
constexpr size_t kMostUnder = 8;

// Adds a box painted over some of `whole` to those painted over it before
// (the last few of them); whether they now cover all of it together.
inline bool add_under(std::vector<Bounds>& under, const Bounds& box, const Bounds& whole) {
    for (const Bounds& o : under)
        if (box.inside(o)) return false;  // nothing new
    under.erase(std::remove_if(under.begin(), under.end(), [&](const Bounds& o) { return o.inside(box); }),
                under.end());
    if (under.size() >= kMostUnder) under.erase(under.begin());
    under.push_back(box);
    return under.size() > 1 && union_holds(under, whole);
}

// What a later fill hides: whether a drawing whose ink lies in `ink` is
// hidden once `over` (what the later operation paints over) is painted,
// lying wholly within it or within it and the boxes painted over parts of
// it since, which `under` keeps for the drawing.
inline bool hides(const Bounds& over, const Bounds& ink, std::vector<Bounds>& under) {
    if (over.empty()) return false;
    if (ink.inside(over)) return true;
    return ink.overlaps(over) && add_under(under, over, ink);
}

}  // namespace cw
