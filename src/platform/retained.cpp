#include "platform/retained.h"

#include <algorithm>

#include "platform/basic.h"

namespace cw {

namespace {

// How far inside a filled box's outline an operation must lie to count as
// covered: the box's edges are snapped to the nearest device pixel, which
// moves them by up to half a pixel; the half unit kept here is enough down to
// a window a third of the layout's size.
constexpr float kSnapMargin = 0.5f;

Bounds box_of(float x1, float y1, float x2, float y2, float grow) {
    return {std::min(x1, x2) - grow, std::min(y1, y2) - grow, std::max(x1, x2) + grow, std::max(y1, y2) + grow};
}

float half_pen(const DrawOp& op) { return (op.w > 0 ? static_cast<float>(op.w) : 1.0f) / 2; }

}  // namespace

Bounds ink_bounds(const DrawOp& op) {
    // One unit more than the geometry for the antialiased rim.
    const float aa = 1.0f;
    switch (op.op) {
    case Op::Line:
    case Op::Box:
    case Op::Fill: return box_of(op.x1, op.y1, op.x2, op.y2, half_pen(op) + aa);
    case Op::Circle: return box_of(op.x1, op.y1, op.x1, op.y1, op.r + 2 * half_pen(op) + aa);
    case Op::Polyline: {
        if (op.pts.empty()) return box_of(0, 0, 0, 0, 0);
        Bounds b = box_of(op.pts[0].first, op.pts[0].second, op.pts[0].first, op.pts[0].second, 0);
        for (auto& [x, y] : op.pts) b = {std::min(b.l, x), std::min(b.t, y), std::max(b.r, x), std::max(b.b, y)};
        float g = half_pen(op) + aa;
        return {b.l - g, b.t - g, b.r + g, b.b + g};
    }
    case Op::Text: {
        // Cells of size/2 * p (one byte) or size * p (two bytes) by size * q.
        // The gothic face is fitted into its cells, its ink (antialiased rim
        // included) starting inside them; only its descenders ("(", "g")
        // reach below, by less than a sixth of the cell.  The serif letters
        // sit lower and lean out of their cells: a quarter of the cell height
        // is kept on either side and above, half of it below.
        // LEN counts the Shift-JIS bytes: one a half-width cell.
        float w = static_cast<float>(LEN(op.s)) * op.font.size / 2 * op.p;
        float h = op.font.size * op.q;
        if (op.font.face == "Times New Roman" || op.font.face == "MT Extra") {
            float g = h / 4 + aa;
            return {op.x1 - g, op.y1 - g, op.x1 + w + g, op.y1 + h * 1.5f + aa};
        }
        return {op.x1, op.y1, op.x1 + w, op.y1 + h + h / 6 + aa};
    }
    case Op::Cls: return {-1e9f, -1e9f, 1e9f, 1e9f};
    default: return box_of(0, 0, 0, 0, 0);
    }
}

bool RetainedList::covers_screen(const DrawOp& op) {
    if (op.op == Op::Cls) return true;
    if (op.op != Op::Fill || op.f != 15) return false;
    float l = op.x1 < op.x2 ? op.x1 : op.x2, r = op.x1 < op.x2 ? op.x2 : op.x1;
    float t = op.y1 < op.y2 ? op.y1 : op.y2, b = op.y1 < op.y2 ? op.y2 : op.y1;
    return l <= 0 && t <= 0 && r >= LAYOUT_W && b >= LAYOUT_H && (op.c == 15);
}

bool RetainedList::is_cursor_disc(const DrawOp& op) {
    return op.op == Op::Circle && op.filled && op.start == op.end && op.c == op.f;
}

template <class Pred>
void RetainedList::drop_if(Pred covered) {
    size_t kept = 0;
    for (size_t i = 0; i < ops_.size(); ++i) {
        if (covered(ops_[i], bounds_[i])) continue;
        if (kept != i) {
            ops_[kept] = std::move(ops_[i]);
            bounds_[kept] = bounds_[i];
        }
        ++kept;
    }
    ops_.resize(kept);
    bounds_.resize(kept);
}

void RetainedList::add(const DrawOp& op) {
    if (covers_screen(op)) {
        clear();
    } else if (op.op == Op::Fill) {
        // Borders and inside are both opaque and snapped to whole pixels:
        // the box paints every pixel of its outline's outer edge.
        // An earlier box is snapped by the same rule, which keeps order, so
        // one whose outline lies within this one's covers no pixel it does not.
        float h = half_pen(op);
        Bounds cover = box_of(op.x1, op.y1, op.x2, op.y2, h - kSnapMargin);
        Bounds outline = box_of(op.x1, op.y1, op.x2, op.y2, h);
        drop_if([&](const DrawOp& old, const Bounds& b) {
            if (old.op == Op::Fill) return box_of(old.x1, old.y1, old.x2, old.y2, half_pen(old)).inside(outline);
            return b.inside(cover);
        });
    } else if (is_cursor_disc(op)) {
        // Drawn without antialiasing: the same disc, or a larger one about
        // the same centre, takes back every pixel of the one before.
        drop_if([&](const DrawOp& old, const Bounds&) {
            return is_cursor_disc(old) && old.x1 == op.x1 && old.y1 == op.y1 && old.w <= op.w && old.r <= op.r;
        });
    }
    ops_.push_back(op);
    bounds_.push_back(ink_bounds(op));
}

}  // namespace cw
