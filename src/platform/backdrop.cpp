#include "platform/backdrop.h"

#include "platform/hides.h"

#include <algorithm>
#include <cmath>

namespace cw {

bool Backdrop::is_bar(const DrawOp& op) {
    return op.op == Op::Line && op.bar && op.y1 == op.y2 && op.x1 != op.x2;
}

bool Backdrop::Area::holds(float x, float y) const {
    if (box) return x >= tinted.l && x <= tinted.r && y >= tinted.t && y <= tinted.b;
    float dx = x - cx, dy = y - cy;
    if (dx * dx + dy * dy > r * r) return false;
    if (start == end) return true;
    // Fractions of a turn from +x towards +y (clockwise on the screen).
    constexpr float kTurn = 6.28318530718f;
    float a = std::atan2(dy, dx) / kTurn;
    if (a < 0) a += 1;
    float s = start - std::floor(start), e = end - std::floor(end);
    return s < e ? (a >= s && a <= e) : (a >= s || a <= e);
}

void Backdrop::paint_over_bars(const Bounds& box) {
    bars_.erase(std::remove_if(bars_.begin(), bars_.end(),
                               [&](Bar& b) {
                                   return hides(box, b.ink, b.under);
                               }),
                bars_.end());
}

void Backdrop::forget_hidden_sector() {
    // A sector drawn over an earlier one about the same centre, holding every
    // point of it within a box holding all of its: no point finds the
    // earlier one, and whatever drops the later drops it.
    const Area& a = areas_.back();
    if (a.box) return;
    areas_.erase(std::remove_if(areas_.begin(), areas_.end() - 1,
                                [&](const Area& old) {
                                    return !old.box && old.cx == a.cx && old.cy == a.cy && old.r <= a.r &&
                                           (a.start == a.end || (old.start == a.start && old.end == a.end)) &&
                                           old.outer.within(a.outer);
                                }),
                 areas_.end() - 1);
}

void Backdrop::add(const DrawOp& op, const Paint& paint) {
    if (paint.clears) {
        clear();
        return;
    }
    if (!paint.fills && paint.erases_box()) {
        // An upright or level line in the background colour erases the bars
        // it covers.
        paint_over_bars(paint.over);
        return;
    }
    if (is_bar(op)) {
        Bar bar{paint.pen, {}};
        // Drawn again where it lies, a bar is held once.
        bars_.erase(std::remove_if(bars_.begin(), bars_.end(), [&](const Bar& b) { return b.ink == bar.ink; }),
                    bars_.end());
        bars_.push_back(std::move(bar));
        return;
    }
    if (!paint.fills) return;
    Area a;
    a.colour = op.f;
    if (op.op == Op::Fill) {
        a.outer = paint.pen;
        const BorderInside in = border_inside(op, half_pen(op));
        a.inner = {static_cast<float>(in.l), static_cast<float>(in.t), static_cast<float>(in.r),
                   static_cast<float>(in.b)};
        a.tinted = paint.one_colour ? a.outer : a.inner;
        // What the box paints over whole is gone.
        areas_.erase(std::remove_if(areas_.begin(), areas_.end(),
                                    [&](const Area& old) { return old.outer.within(a.outer); }),
                     areas_.end());
        paint_over_bars(a.outer);
    } else {
        a.box = false;
        a.cx = op.x1, a.cy = op.y1, a.r = op.r, a.start = op.start, a.end = op.end;
        a.outer = paint.pen;
    }
    // Background laid on background changes nothing.
    if (erasing(a.colour) &&
        std::none_of(areas_.begin(), areas_.end(), [&](const Area& old) { return old.outer.overlaps(a.outer); }))
        return;
    areas_.push_back(a);
    forget_hidden_sector();
}

const Backdrop::Area* Backdrop::area_at(float x, float y) const {
    for (auto it = areas_.rbegin(); it != areas_.rend(); ++it)
        if (it->holds(x, y)) return &*it;
    return nullptr;
}

int Backdrop::colour_at(float x, float y) const {
    const Area* a = area_at(x, y);
    return a ? a->colour : BACKGROUND;
}

std::optional<Bounds> Backdrop::cell_at(float x, float y) const {
    const Area* a = area_at(x, y);
    if (!a || !a->box || erasing(a->colour)) return std::nullopt;
    return a->inner;
}

std::optional<Bounds> Backdrop::cell_holding(const Bounds& cell) const {
    const float x = (cell.l + cell.r) / 2, y = (cell.t + cell.b) / 2;
    std::optional<Bounds> inside = cell_at(x, y);
    if (!inside) return std::nullopt;
    const float w = cell.r - cell.l, h = cell.b - cell.t;
    const float over_x = std::max(0.0f, inside->l - cell.l) + std::max(0.0f, cell.r - inside->r);
    const float over_y = std::max(0.0f, inside->t - cell.t) + std::max(0.0f, cell.b - inside->b);
    if (over_x > w / 4 || over_y > h / 4) return std::nullopt;
    return inside;
}

int Backdrop::under_mark(const DrawOp& op) const {
    float x = op.x1, y = op.y1;
    switch (op.op) {
    case Op::Line: x = (op.x1 + op.x2) / 2, y = (op.y1 + op.y2) / 2; break;
    case Op::Box:
    case Op::Fill: x = (op.x1 + op.x2) / 2, y = std::min(op.y1, op.y2); break;  // on the top edge
    case Op::Circle: {
        // The middle of the arc (fractions of a turn, clockwise, wrapping past 1).
        float mid = 0;
        if (op.start != op.end) mid = op.end > op.start ? (op.start + op.end) / 2 : (op.start + op.end + 1) / 2;
        constexpr float kTurn = 6.28318530718f;
        x = op.x1 + op.r * std::cos(kTurn * mid), y = op.y1 + op.r * std::sin(kTurn * mid);
        break;
    }
    case Op::Polyline:
        if (!op.pts.empty()) x = op.pts[op.pts.size() / 2].first, y = op.pts[op.pts.size() / 2].second;
        break;
    default: break;
    }
    return colour_at(x, y);
}

Beneath Backdrop::beneath(const DrawOp& op) const {
    Beneath b;
    if (op.op != Op::Text) {
        b.mark = under_mark(op);
        return b;
    }
    for (const CharCell& c : char_cells(op)) b.chars.push_back(colour_at(c.cx(), c.cy()));
    return b;
}

std::vector<Bounds> Backdrop::bars_across(const Bounds& box) const {
    std::vector<Bounds> out;
    for (const Bar& b : bars_)
        if (b.ink.overlaps(box)) out.push_back(b.ink);
    return out;
}

}  // namespace cw
