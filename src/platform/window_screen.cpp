// Erasing in a window's picture of the screen, at the window's own scale.
#include "platform/window_screen.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/palette.h"
#include "platform/render.h"

namespace cw {

namespace {

// An erase over more drawings than this wipes (or draws again) one box
// around them all.
constexpr size_t kMaxErasePieces = 48;

DeviceBox meet(const DeviceBox& a, const DeviceBox& b) {
    return {std::max(a.l, b.l), std::max(a.t, b.t), std::min(a.r, b.r), std::min(a.b, b.b)};
}

bool blank(const DeviceBox& d) { return d.r <= d.l || d.b <= d.t; }

// One box around all of them, when there are too many to take one by one.
void at_most_a_few(std::vector<Bounds>& boxes) {
    if (boxes.size() <= kMaxErasePieces) return;
    Bounds all = boxes[0];
    for (const Bounds& b : boxes) all = all.united(b);
    boxes.assign(1, all);
}

void set_background(cairo_t* cr) {
    const Rgb bg = fill_rgb(BACKGROUND);
    cairo_set_source_rgb(cr, bg.r / 255.0, bg.g / 255.0, bg.b / 255.0);
}

// The device pixels the renderer's fill of the erase paints (fill_snapped),
// within the window's clip.
DeviceBox erase_pixels(cairo_t* cr, const WindowPlace& at, const DrawOp& op) {
    if (op.op != Op::Fill) return at.clip;
    const double h = (op.w > 0 ? op.w : 1.0 / at.scale) / 2;
    double l = std::min(op.x1, op.x2) - h, t = std::min(op.y1, op.y2) - h;
    double r = std::max(op.x1, op.x2) + h, b = std::max(op.y1, op.y2) + h;
    cairo_user_to_device(cr, &l, &t);
    cairo_user_to_device(cr, &r, &b);
    l = std::round(l), t = std::round(t), r = std::max(std::round(r), l + 1), b = std::max(std::round(b), t + 1);
    return meet({l, t, r, b}, at.clip);
}

// Draws the device box d again from the list: the background, then what
// the list keeps there, in its order, as a whole repaint draws it.
void draw_again(cairo_t* cr, const WindowPlace& at, RetainedList& list, const DeviceBox& d) {
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, d.l, d.t, d.r - d.l, d.b - d.t);
    cairo_clip(cr);  // in whole pixels: what is drawn within is drawn as without it
    set_background(cr);
    cairo_paint(cr);
    cairo_set_matrix(cr, &m);
    // A drawing's ink at this scale lies within about a device pixel of its
    // ink at the layout's size, scaled.
    const float reach = static_cast<float>(2 / at.scale + 1);
    Painter painter(cr);
    for (const KeptOp& k : list.kept_within(at.layout_box(d).grown(reach)))
        painter.draw(k.op, *k.beneath, k.times);
    cairo_restore(cr);
}

}  // namespace

WindowPlace place_in_window(int w, int h) {
    WindowPlace at;
    at.scale = std::min(w / static_cast<double>(LAYOUT_W), h / static_cast<double>(LAYOUT_H));
    at.clip.l = std::round((w - LAYOUT_W * at.scale) / 2);
    at.clip.t = std::round((h - LAYOUT_H * at.scale) / 2);
    at.clip.r = std::min<double>(w, at.clip.l + std::round(LAYOUT_W * at.scale));
    at.clip.b = std::min<double>(h, at.clip.t + std::round(LAYOUT_H * at.scale));
    return at;
}

bool erases_in_window(const DrawOp& op) {
    return op.op == Op::Cls || (op.op == Op::Fill && op.c == BACKGROUND && op.f == BACKGROUND);
}

DeviceBox WindowPlace::device_box(const Bounds& b) const {
    return {std::floor(clip.l + b.l * scale) - 1, std::floor(clip.t + b.t * scale) - 1,
            std::ceil(clip.l + b.r * scale) + 1, std::ceil(clip.t + b.b * scale) + 1};
}

Bounds WindowPlace::layout_box(const DeviceBox& d) const {
    return {static_cast<float>((d.l - clip.l) / scale), static_cast<float>((d.t - clip.t) / scale),
            static_cast<float>((d.r - clip.l) / scale), static_cast<float>((d.b - clip.t) / scale)};
}

void erase_in_window(cairo_t* cr, const WindowPlace& at, RetainedList& list, const DrawOp& op,
                     const Beneath& beneath, const std::function<void(const DeviceBox&)>& changed) {
    const Bounds layout{0, 0, LAYOUT_W, LAYOUT_H};
    const Bounds area = op.op == Op::Cls ? layout : list.ink(op);
    // Everything else under the erase is the background already (the list
    // holds all that is on the screen): only where something was drawn
    // changes.
    std::vector<Bounds> under = list.ink_within(area);
    list.add(op, beneath);
    // What the list still keeps there, and what it dropped.
    std::vector<Bounds> still = list.ink_within(area), kept, gone;
    for (const Bounds& u : under) {
        auto it = std::find(still.begin(), still.end(), u);
        if (it == still.end()) {
            gone.push_back(u);
        } else {
            kept.push_back(u);
            still.erase(it);
        }
    }
    at_most_a_few(kept);
    at_most_a_few(gone);

    // What stays loses the pixels the erase paints, as the renderer paints
    // them; a little more of what the erase covers changes nothing.
    const DeviceBox box = erase_pixels(cr, at, op);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    set_background(cr);
    for (const Bounds& u : kept) {
        const DeviceBox d = meet(at.device_box(u.grown(2)), box);
        if (blank(d)) continue;
        cairo_rectangle(cr, d.l, d.t, d.r - d.l, d.b - d.t);
        changed(d);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    // What went leaves none of its pixels, wherever this scale put them.
    for (const Bounds& u : gone) {
        const DeviceBox d = meet(at.device_box(u.grown(2)), at.clip);
        if (blank(d)) continue;
        draw_again(cr, at, list, d);
        changed(d);
    }
}

}  // namespace cw
