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

DeviceBox join(const DeviceBox& a, const DeviceBox& b) {
    return {std::min(a.l, b.l), std::min(a.t, b.t), std::max(a.r, b.r), std::max(a.b, b.b)};
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

// A drawing as the window takes it, worked out once as it comes.
struct Drawing {
    Paint paint;      // how it paints, as the platform described it
    Bounds ink;       // where it leaves ink at the layout's own size (the list's measure)
    bool erases;      // an erasing box (Paint::erases_box)
    DeviceBox solid;  // the window's pixels it paints over opaquely (Paint::over), within the clip
};

// Reads the drawing's description and the list's measure of its ink; cr's
// user space places the layout on the window's pixels.
Drawing drawing_of(cairo_t* cr, const WindowPlace& at, RetainedList& list, const DrawOp& op, const Paint& paint) {
    Drawing d{paint, list.ink(op, paint), paint.erases_box(), {0, 0, 0, 0}};
    // A hairline is one pixel of the window.
    const Bounds over = paint.on_device(static_cast<float>(1 / at.scale)).over;
    if (!over.empty()) {
        double l = over.l, t = over.t, r = over.r, b = over.b;
        cairo_user_to_device(cr, &l, &t);
        cairo_user_to_device(cr, &r, &b);
        d.solid = meet(snap_to_pixels(l, t, r, b), at.clip);
    }
    return d;
}

// The parts of d outside s: at most four boxes.
std::vector<DeviceBox> outside(const DeviceBox& d, const DeviceBox& s) {
    if (blank(d)) return {};
    const DeviceBox m = meet(d, s);
    if (blank(m)) return {d};
    std::vector<DeviceBox> out;
    for (const DeviceBox& p : {DeviceBox{d.l, d.t, d.r, m.t}, DeviceBox{d.l, m.b, d.r, d.b},
                               DeviceBox{d.l, m.t, m.l, m.b}, DeviceBox{m.r, m.t, d.r, m.b}})
        if (!blank(p)) out.push_back(p);
    return out;
}

// Draws the device box d again from the list: the background, then what
// the list keeps there, in its order, as a whole repaint draws it.  They are
// drawn on a picture of their own that holds every antialiased drawing
// among them whole (a text, an arc, a slanted line), and d is copied from
// it: cut by a clip, such a drawing's rim comes out a shade apart.  Reads
// the list and what it keeps of each drawing; writes d's pixels.
void draw_again(cairo_t* cr, const WindowPlace& at, RetainedList& list, const DeviceBox& d) {
    const std::vector<KeptOp> ops = list.kept_within(at.layout_box(d).grown(static_cast<float>(at.spill() / at.scale)));
    DeviceBox whole = d;
    for (const KeptOp& k : ops)
        if (k.paint.lands != Landing::Snapped) whole = join(whole, at.device_box(k.ink, at.spill()));
    whole = meet(whole, at.clip);
    const int w = static_cast<int>(whole.r - whole.l), h = static_cast<int>(whole.b - whole.t);
    if (w <= 0 || h <= 0) return;
    cairo_surface_t* own = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_set_device_offset(own, -whole.l, -whole.t);  // the window's pixels
    cairo_t* oc = cairo_create(own);
    set_background(oc);
    cairo_paint(oc);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_set_matrix(oc, &m);
    Painter painter(oc);
    for (const KeptOp& k : ops) painter.draw(k);
    cairo_destroy(oc);
    cairo_surface_flush(own);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, own, 0, 0);
    cairo_rectangle(cr, d.l, d.t, d.r - d.l, d.b - d.t);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(own);
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

DeviceBox WindowPlace::device_box(const Bounds& b, double more) const {
    return {std::floor(clip.l + b.l * scale - more) - kEdge, std::floor(clip.t + b.t * scale - more) - kEdge,
            std::ceil(clip.l + b.r * scale + more) + kEdge, std::ceil(clip.t + b.b * scale + more) + kEdge};
}

Bounds WindowPlace::layout_box(const DeviceBox& d) const {
    return {static_cast<float>((d.l - clip.l) / scale), static_cast<float>((d.t - clip.t) / scale),
            static_cast<float>((d.r - clip.l) / scale), static_cast<float>((d.b - clip.t) / scale)};
}

void draw_in_window(cairo_t* cr, const WindowPlace& at, RetainedList& list, const DrawOp& op, const Paint& paint,
                    const Beneath& beneath, const std::function<void(const DeviceBox&)>& changed) {
    if (!op.drawn()) return;
    const Drawing drawing = drawing_of(cr, at, list, op, paint);
    // Under an erase, everything but what was drawn there is the background
    // already (the list holds all that is on the screen); drawn at this
    // scale, a drawing beside the erase may reach into its pixels too.
    std::vector<Bounds> drawn_under =
        drawing.erases ? list.ink_within(drawing.ink.grown(static_cast<float>(at.spill() / at.scale)))
                       : std::vector<Bounds>{};
    std::vector<Bounds> hidden;
    list.add(op, paint, drawing.ink, beneath, &hidden);
    if (drawing.erases) {
        // What was drawn there loses the pixels the erase paints, as the
        // renderer paints them; a little more of what the erase covers
        // changes nothing.
        at_most_a_few(drawn_under);
        cairo_save(cr);
        cairo_identity_matrix(cr);
        set_background(cr);
        for (const Bounds& u : drawn_under) {
            const DeviceBox d = meet(at.device_box(u, at.spill()), drawing.solid);
            if (blank(d)) continue;
            cairo_rectangle(cr, d.l, d.t, d.r - d.l, d.b - d.t);
            changed(d);
        }
        cairo_fill(cr);
        cairo_restore(cr);
    } else {
        Painter(cr).draw(op, paint, beneath);
        if (!drawing.ink.empty()) changed(at.device_box(drawing.ink, at.spill()));
    }
    // What the list now hides leaves none of its pixels, wherever this
    // scale put them (an erase it hides, none of its wiping): there the
    // window shows what the list draws.  Where the operation painted over
    // every pixel, it shows it already.
    at_most_a_few(hidden);
    for (const Bounds& u : hidden)
        for (const DeviceBox& d : outside(meet(at.device_box(u, at.spill()), at.clip), drawing.solid)) {
            draw_again(cr, at, list, d);
            changed(d);
        }
}

}  // namespace cw
