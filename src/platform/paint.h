// How an operation paints, the one description of it (paint_of): the box
// its pen covers, what it paints over opaquely, how it lands on the device's
// pixels and whether it erases.  The painter, the window, the records of the
// drawing (backdrop, shown texts, the screen's list) and the measure of ink
// read it; the rules it is made of (the pen, how a box lands on pixels, a
// border's bands and inside) follow it.  What a later drawing hides is in
// hides.h.
#pragma once
#include <algorithm>
#include <cmath>
#include <optional>
#ifdef CW_COUNT_PAINTS
#include <cstdio>
#endif

#include "platform/display.h"

namespace cw {

// How an operation lands on the device's pixels.
enum class Landing : unsigned char {
    Nothing,      // no pixel: a note, a circle of no radius, a polyline of no points
    Snapped,      // boxes snapped to whole pixels: a box, a filled box, an upright or level line, a clear
    Aliased,      // along a path, in whole pixels: an erase, a disc in one colour
    Antialiased,  // with a shaded rim: text, slanted lines, arcs and polylines in a colour
};

// How an operation paints its pixels: what the painter, the screen's list,
// the window, the backdrop, the shown texts and the measure of ink read.
// Boxes in layout units, a hairline `hairline` wide.
struct Paint {
    Landing lands = Landing::Nothing;
    // A filled circle or sector (not a disc) paints its fill and then its
    // rim over the fill's edge, each landing as its colour says; the whole
    // lands as its rim (Nothing for the rest).
    Landing fill_lands = Landing::Nothing, rim_lands = Landing::Nothing;
    Bounds pen;  // the box its pen covers (all the layout for a clear)
    // What it paints over opaquely, so that nothing drawn there before shows
    // through: a filled box, border and all, an upright or level line, a
    // clear.  Empty for the rest: a box's outline leaves its inside, round
    // ends and rims the corners of their box, text the gaps between strokes.
    Bounds over;
    bool one_colour = true;  // false for a filled box or circle whose border is not its fill's colour
    // All it paints is in the background colour (erasing), so that it leaves
    // the background where it paints, whatever it lands as: along a path in
    // whole pixels (Aliased, reach 1), a box snapped, a text antialiased.
    bool erases = false;
    bool clears = false;     // the whole layout in the background colour
    bool disc = false;       // a whole disc in one colour (a dot, the entry cursor): a mark
    bool fills = false;      // lays a tint that what is drawn over it takes its colour from
    // Painted as its border's four bands (border_bands), each snapped on its
    // own, and its inside (border_inside): a box's outline, a filled box
    // whose border is not its fill's colour.
    bool banded = false;
    // Device pixels beyond its pen it may paint: a part that lands Aliased
    // and erases is drawn this much wider each side (1), so that it takes
    // back every pixel the same shape drawn before reached.
    float reach = 0;
    // What its pen is drawn through (the pen box less half the pen), and
    // whether it is drawn with a hairline pen, one device pixel wide: what
    // its pen box on a device of another size is worked out from
    // (on_device).
    Bounds through;
    bool hairline_pen = false;

    // Whether drawing it again over itself changes nothing.
    bool repaints_itself() const { return lands != Landing::Antialiased; }
    // Whether it paints a box in the background colour and nothing else (a
    // box filled in it, an upright or level line drawn in it, a clear): an
    // erasing box.  A box's outline paints over nothing.
    bool erases_box() const { return erases && !over.empty(); }
    // The same drawing on a device where a hairline is `hairline` layout
    // units: its pen box, and what it paints over opaquely, with a hairline
    // pen that wide.  Everything else is the same at every size.
    Paint on_device(float hairline) const {
        Paint p = *this;
        if (!hairline_pen) return p;
        p.pen = through.grown(hairline / 2);
        if (!over.empty()) p.over = p.pen;
        return p;
    }
};

// What paint_of is made of, below it.
inline bool erasing(int colour);
inline std::optional<Bounds> pen_through(const DrawOp& op);
inline float half_pen(const DrawOp& op, float hairline = 1);

#ifdef CW_COUNT_PAINTS
// In the benchmark's counting build only (bench/run.sh): how many
// descriptions were made and how many drawings (Platform::emit), said on
// stderr as the process ends.
struct PaintCount {
    long made = 0, drawings = 0;
    ~PaintCount() { std::fprintf(stderr, "paint_of: %ld descriptions for %ld drawings\n", made, drawings); }
};
inline PaintCount paint_count;
#endif

// Describes how an operation paints, once for each drawing: the platform
// makes it as the drawing is made and hands it on to whatever records,
// keeps or paints it; on a device of another size it is read through
// Paint::on_device.  At the layout's own size by default, where a hairline
// is a unit.
inline Paint paint_of(const DrawOp& op, float hairline = 1) {
#ifdef CW_COUNT_PAINTS
    ++paint_count.made;
#endif
    Paint p;
    // The box its pen covers: what the pen is drawn through and half the
    // pen round that.
    if (const std::optional<Bounds> through = pen_through(op)) {
        p.through = *through;
        p.pen = through->grown(half_pen(op, hairline));
        p.hairline_pen = op.w <= 0;
    }
    p.erases = erasing(op.c);
    switch (op.op) {
    case Op::Cls:
        p.pen = p.over = {0, 0, LAYOUT_W, LAYOUT_H};
        p.lands = Landing::Snapped;
        p.erases = p.clears = true;
        break;
    case Op::Box:
        p.lands = Landing::Snapped;
        p.banded = true;
        break;
    case Op::Fill:
        p.lands = Landing::Snapped;
        p.over = p.pen;
        p.one_colour = op.c == op.f;
        p.banded = !p.one_colour;
        p.erases = erasing(op.c) && erasing(op.f);
        p.fills = true;
        // Corner to corner over the layout, as a whole-window erase is drawn.
        p.clears = p.erases && std::min(op.x1, op.x2) <= 0 && std::min(op.y1, op.y2) <= 0 &&
                   std::max(op.x1, op.x2) >= LAYOUT_W && std::max(op.y1, op.y2) >= LAYOUT_H;
        break;
    case Op::Line:
    case Op::Polyline:
        if (op.op == Op::Polyline && op.pts.empty()) {
            p.lands = Landing::Nothing;
        } else if (op.op == Op::Line && (op.x1 == op.x2 || op.y1 == op.y2)) {
            p.lands = Landing::Snapped;  // upright or level: a box, square-ended
            p.over = p.pen;
        } else {
            p.lands = p.erases ? Landing::Aliased : Landing::Antialiased;
            p.reach = p.erases ? 1 : 0;
        }
        break;
    case Op::Circle: {
        if (op.r <= 0) break;
        auto part = [](int colour) { return erasing(colour) ? Landing::Aliased : Landing::Antialiased; };
        p.one_colour = !op.filled || op.c == op.f;
        p.erases = erasing(op.c) && (!op.filled || erasing(op.f));
        p.disc = op.filled && op.start == op.end && op.c == op.f;
        p.fills = op.filled && !p.disc;
        p.lands = p.disc || p.erases ? Landing::Aliased : Landing::Antialiased;
        if (p.fills) p.fill_lands = part(op.f), p.lands = p.rim_lands = part(op.c);
        p.reach = erasing(op.c) || (op.filled && erasing(op.f)) ? 1 : 0;
        break;
    }
    case Op::Text: p.lands = Landing::Antialiased; break;
    default: p.erases = false; break;
    }
    return p;
}

// Whether a colour is the background's: what is painted in it alone erases
// (Paint::erases), landing as Paint says.
inline bool erasing(int colour) { return colour == BACKGROUND; }

// The width of the pen an operation is drawn with; width 0 is a hairline
// `hairline` layout units wide (one device pixel).
inline double pen_width(const DrawOp& op, double hairline) {
    return op.w > 0 ? static_cast<double>(op.w) : hairline;
}

// Half the width of the pen, a hairline `hairline` wide (one pixel: a unit
// at the layout's own size).
inline float half_pen(const DrawOp& op, float hairline) {
    return static_cast<float>(pen_width(op, hairline) / 2);
}

// What a pen-drawn operation's pen is drawn through, in layout units: a
// line's ends, a box's or a fill's corners, a circle's centre out to its
// radius, whatever part of the turn it draws, a polyline's points (a box
// of no area, for a dot).  None for anything else.
inline std::optional<Bounds> pen_through(const DrawOp& op) {
    float l = std::min(op.x1, op.x2), t = std::min(op.y1, op.y2), r = std::max(op.x1, op.x2), b = std::max(op.y1, op.y2);
    switch (op.op) {
    case Op::Line:
    case Op::Box:
    case Op::Fill: break;
    case Op::Circle: l = op.x1 - op.r, r = op.x1 + op.r, t = op.y1 - op.r, b = op.y1 + op.r; break;
    case Op::Polyline:
        if (op.pts.empty()) return std::nullopt;
        l = r = op.pts[0].first, t = b = op.pts[0].second;
        for (auto& [x, y] : op.pts) l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
        break;
    default: return std::nullopt;
    }
    return Bounds{l, t, r, b};
}

// How far, in device pixels, a curve drawn as short straight pieces may
// stray from the curve it stands for.
constexpr double kCurvePieces = 0.25;

// A box of device pixels, right and bottom exclusive.
struct DeviceBox {
    double l, t, r, b;
};

// How a box lands on device pixels, at any scale, the one rule for it: its
// edges (given on the device) moved to the nearest pixel edges, at least a
// pixel across and down, so that it covers the same pixels every time.
inline DeviceBox snap_to_pixels(double l, double t, double r, double b) {
    DeviceBox d{std::round(std::min(l, r)), std::round(std::min(t, b)), std::round(std::max(l, r)),
                std::round(std::max(t, b))};
    if (d.r <= d.l) d.r = d.l + 1;
    if (d.b <= d.t) d.b = d.t + 1;
    return d;
}

// The four bands a box's border is painted as (top, bottom, left, right),
// each `half` a pen either side of its edge: fn(l, t, r, b) in layout units.
template <class Fn>
void border_bands(const DrawOp& op, double half, Fn fn) {
    const double l = std::min(op.x1, op.x2), r = std::max(op.x1, op.x2);
    const double t = std::min(op.y1, op.y2), b = std::max(op.y1, op.y2);
    fn(l - half, t - half, r + half, t + half);
    fn(l - half, b - half, r + half, b + half);
    fn(l - half, t - half, l + half, b + half);
    fn(r - half, t - half, r + half, b + half);
}

// The inside of a filled box within its border (the border `half` a pen
// either side of its edges), in layout units; `any` is false where the
// border leaves none.
struct BorderInside {
    double l, t, r, b;
    bool any;
};
inline BorderInside border_inside(const DrawOp& op, double half) {
    const double l = std::min(op.x1, op.x2), r = std::max(op.x1, op.x2);
    const double t = std::min(op.y1, op.y2), b = std::max(op.y1, op.y2);
    return {l + half, t + half, r - half, b - half, r - l > 2 * half && b - t > 2 * half};
}

// Where an operation other than text, painting as `paint` says, leaves its
// ink at `scale` device pixels a unit: the whole pixels it paints, its rim
// included, in layout units (GlyphLayout::ink measures text and calls this
// for the rest).
inline Bounds mark_ink(const DrawOp& op, const Paint& paint, double scale = 1) {
    const float hairline = static_cast<float>(1 / scale);
    const Paint p = paint.on_device(hairline);
    DeviceBox d{};
    if (p.lands == Landing::Nothing) return {};
    if (p.lands == Landing::Snapped) {
        d = snap_to_pixels(p.pen.l * scale, p.pen.t * scale, p.pen.r * scale, p.pen.b * scale);
        if (p.banded)  // each band a pixel wide at least
            border_bands(op, half_pen(op, hairline), [&](double l, double t, double r, double b) {
                const DeviceBox e = snap_to_pixels(l * scale, t * scale, r * scale, b * scale);
                d = {std::min(d.l, e.l), std::min(d.t, e.t), std::max(d.r, e.r), std::max(d.b, e.b)};
            });
    } else {
        // Every pixel the pen reaches into, and the slack of curves drawn as
        // short straight pieces.
        const double out = p.reach + kCurvePieces;
        d = {std::floor(p.pen.l * scale - out), std::floor(p.pen.t * scale - out), std::ceil(p.pen.r * scale + out),
             std::ceil(p.pen.b * scale + out)};
    }
    return {static_cast<float>(d.l / scale), static_cast<float>(d.t / scale), static_cast<float>(d.r / scale),
            static_cast<float>(d.b / scale)};
}

}  // namespace cw
