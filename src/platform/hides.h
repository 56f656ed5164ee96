// What a later drawing hides: whether the boxes painted over an earlier
// drawing since it was drawn, one alone or several together, cover its ink.
// The records of the drawing (the backdrop's bars, the shown texts, the
// screen's list) read it on what the later drawing paints over opaquely
// (Paint::over, paint.h).
#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/display.h"

namespace cw {

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
        if (box.within(o)) return false;  // nothing new
    under.erase(std::remove_if(under.begin(), under.end(), [&](const Bounds& o) { return o.within(box); }),
                under.end());
    if (under.size() >= kMostUnder) under.erase(under.begin());
    under.push_back(box);
    return under.size() > 1 && union_holds(under, whole);
}

// Whether a drawing whose ink lies in `ink` is hidden once `over` (what the
// later drawing paints over) is painted, lying wholly within it or within it
// and the boxes painted over parts of it since, which `under` keeps for the
// drawing.
inline bool hides(const Bounds& over, const Bounds& ink, std::vector<Bounds>& under) {
    if (over.empty()) return false;
    if (ink.within(over)) return true;
    return ink.overlaps(over) && add_under(under, over, ink);
}

}  // namespace cw
