#include "platform/render.h"

#include "platform/glyph_layout.h"

// The run-time headers come before glib's, whose ABS macro would clash.
#include "platform/basic.h"
#include "platform/fonts.h"
#include "platform/paint.h"
#include "platform/palette.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace cw {

namespace {

constexpr double kPi = 3.14159265358979323846;

void set_rgb(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

// Size of one device pixel in user units.
double device_pixel(cairo_t* cr) {
    double dx = 1, dy = 0;
    cairo_device_to_user_distance(cr, &dx, &dy);
    double px = std::hypot(dx, dy);
    return px > 0 ? px : 1;
}

// The pen's width in user units; a hairline is one device pixel.
double pen_on_device(cairo_t* cr, const DrawOp& op) { return pen_width(op, device_pixel(cr)); }

// Fills the layout box [l, r] x [t, b] in whole device pixels
// (snap_to_pixels).
void fill_snapped(cairo_t* cr, double l, double t, double r, double b) {
    double x0 = l, y0 = t, x1 = r, y1 = b;
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    const DeviceBox d = snap_to_pixels(x0, y0, x1, y1);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, d.l, d.t, d.r - d.l, d.b - d.t);
    cairo_fill(cr);
    cairo_restore(cr);
}
void fill_snapped(cairo_t* cr, const Bounds& b) { fill_snapped(cr, b.l, b.t, b.r, b.b); }

// Strokes the current path in the source colour, landing as a part of an
// operation lands (Paint): Aliased in whole pixels, `reach` device pixels
// wider each side.
void stroke_path(cairo_t* cr, double width, Landing lands, float reach) {
    if (lands == Landing::Aliased) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        width += 2 * reach * device_pixel(cr);
    }
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

// Fills the current path in the source colour, landing as stroke_path does.
void fill_path(cairo_t* cr, Landing lands, float reach) {
    if (lands != Landing::Aliased) {
        cairo_fill(cr);
        return;
    }
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (reach > 0) {
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2 * reach * device_pixel(cr));
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

// The colours of one operation: its marks (and text) over what lies under
// it, and the inside of a fill.
struct Colours {
    Rgb ink, fill;
};

Colours colours_of(const DrawOp& op, int under) { return {ink_rgb(op.c, under), fill_rgb(op.f)}; }

void draw_line(cairo_t* cr, const DrawOp& op, const Paint& p, const Colours& k) {
    set_rgb(cr, k.ink);
    if (p.lands == Landing::Snapped) {
        fill_snapped(cr, p.pen);
        return;
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, op.x1, op.y1);
    cairo_line_to(cr, op.x2, op.y2);
    stroke_path(cr, pen_on_device(cr, op), p.lands, p.reach);
}

// Box outline or filled box: the border is centred on the edges.
void draw_box(cairo_t* cr, const DrawOp& op, const Paint& p, bool filled, const Colours& k) {
    if (!p.banded) {
        // A box in one colour (an erase, a highlighted cell) is all fill.
        set_rgb(cr, k.fill);
        fill_snapped(cr, p.pen);
        return;
    }
    const double h = pen_on_device(cr, op) / 2;
    set_rgb(cr, k.ink);
    border_bands(op, h, [cr](double l, double t, double r, double b) { fill_snapped(cr, l, t, r, b); });
    if (const BorderInside in = border_inside(op, h); filled && in.any) {
        set_rgb(cr, k.fill);
        fill_snapped(cr, in.l, in.t, in.r, in.b);
    }
}

void draw_circle(cairo_t* cr, const DrawOp& op, const Paint& p, const Colours& k) {
    if (p.lands == Landing::Nothing) return;
    double w = pen_on_device(cr, op);
    bool whole = op.start == op.end;
    // Fractions of a turn from +x towards +y: with y growing downward this
    // is cairo's own direction of growing angles, clockwise on the screen.
    double a0 = 2 * kPi * op.start, a1 = 2 * kPi * op.end;
    if (whole) a0 = 0, a1 = 2 * kPi;
    if (p.disc) {
        // A disc in one colour (a dot; the entry cursor, drawn and erased on
        // every poll) is a mark: its outline is the rim of a larger disc.
        // Without antialiasing, so that the same disc in the background
        // colour takes every pixel back and leaves no rim.
        cairo_new_path(cr);
        cairo_arc(cr, op.x1, op.y1, op.r + w / 2, 0, 2 * kPi);
        cairo_close_path(cr);
        set_rgb(cr, k.ink);
        fill_path(cr, p.lands, p.reach);
        return;
    }
    if (op.filled) {
        cairo_new_path(cr);
        if (!whole) cairo_move_to(cr, op.x1, op.y1);
        cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
        cairo_close_path(cr);
        set_rgb(cr, k.fill);
        fill_path(cr, p.fill_lands, p.reach);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        if (!whole) cairo_move_to(cr, op.x1, op.y1);
        cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
        cairo_close_path(cr);
        // A sector in one colour is all fill, its rim too.
        set_rgb(cr, p.one_colour ? k.fill : k.ink);
        stroke_path(cr, w, p.rim_lands, p.reach);
        return;
    }
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
    if (whole) cairo_close_path(cr);
    set_rgb(cr, k.ink);
    stroke_path(cr, w, p.lands, p.reach);
}

void draw_polyline(cairo_t* cr, const DrawOp& op, const Paint& p, const Colours& k) {
    if (p.lands == Landing::Nothing) return;
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, op.pts[0].first, op.pts[0].second);
    for (size_t i = 1; i < op.pts.size(); ++i) cairo_line_to(cr, op.pts[i].first, op.pts[i].second);
    if (op.pts.size() == 1) cairo_line_to(cr, op.pts[0].first, op.pts[0].second);  // a dot
    set_rgb(cr, k.ink);
    stroke_path(cr, pen_on_device(cr, op), p.lands, p.reach);
}


// Draws a placed glyph in the source colour; with a weight, its outline is
// filled and laid round with a pen that wide, even in every direction.
void show_glyph(cairo_t* cr, PangoLayout* layout, const PlacedGlyph& at) {
    const double weight = at.weight;
    cairo_save(cr);
    cairo_translate(cr, at.tx, at.ty);
    cairo_scale(cr, at.sx, at.sy);
    cairo_move_to(cr, 0, 0);
    if (weight > 0) {
        pango_cairo_layout_path(cr, layout);
        cairo_restore(cr);
        cairo_set_line_width(cr, weight);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
    } else {
        pango_cairo_show_layout(cr, layout);
        cairo_restore(cr);
    }
}

}  // namespace

void Painter::text(const DrawOp& op, const Beneath& under, int times) {
    if (op.glyphs.empty()) return;
    PangoFontDescription* desc = font_of(op, map_face(op.font.face, op.p, op.q));
    PangoLayout* layout = new_glyph_layout();
    pango_layout_set_font_description(layout, desc);
    for (const PlacedGlyph& g : op.glyphs) {
        pango_layout_set_text(layout, g.drawn.c_str(), static_cast<int>(g.drawn.size()));
        const size_t i = static_cast<size_t>(g.index);
        set_rgb(cr_, ink_rgb(op.c, i < under.chars.size() ? under.chars[i] : BACKGROUND));
        for (int k = 0; k < times; ++k) show_glyph(cr_, layout, g);
    }
    g_object_unref(layout);
    pango_font_description_free(desc);
}

void Painter::draw(const DrawOp& op, const Paint& paint, const Beneath& under, int times) {
    if (!op.drawn()) return;
    const Colours k = colours_of(op, under.mark);
    // A hairline is one device pixel wide.
    const Paint p = paint.on_device(static_cast<float>(device_pixel(cr_)));
    times = std::max(times, 1);
    if (op.op == Op::Text) {
        // Each glyph is drawn that many times over itself.
        cairo_save(cr_);
        cairo_new_path(cr_);
        text(op, under, times);
        cairo_restore(cr_);
        return;
    }
    for (int n = 0; n < times; ++n) {
        cairo_save(cr_);
        cairo_new_path(cr_);
        switch (op.op) {
        case Op::Line: draw_line(cr_, op, p, k); break;
        case Op::Box: draw_box(cr_, op, p, false, k); break;
        case Op::Fill: draw_box(cr_, op, p, true, k); break;
        case Op::Circle: draw_circle(cr_, op, p, k); break;
        case Op::Polyline: draw_polyline(cr_, op, p, k); break;
        case Op::Cls:
            set_rgb(cr_, fill_rgb(BACKGROUND));
            cairo_paint(cr_);
            break;
        default: break;
        }
        cairo_restore(cr_);
    }
}

void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops) {
    Painter painter(cr);
    Backdrop under;
    for (const DrawOp& op : ops) {
        const Paint paint = paint_of(op);
        painter.draw(op, paint, under.beneath(op));
        under.add(op, paint);
    }
}

void render_ops(cairo_t* cr, const std::vector<KeptOp>& ops) {
    Painter painter(cr);
    for (const KeptOp& k : ops) painter.draw(k);
}

namespace {

// Writes what draw paints onto a white picture of (1440 x 900) * scale
// pixels as a PNG.
template <class Draw>
bool write_picture(const std::string& path, double scale, Draw draw) {
    if (!(scale > 0)) return false;
    int w = static_cast<int>(std::lround(LAYOUT_W * scale)), h = static_cast<int>(std::lround(LAYOUT_H * scale));
    if (w <= 0 || h <= 0) return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(surface);
    set_rgb(cr, fill_rgb(BACKGROUND));
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace

bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale) {
    return write_picture(path, scale, [&](cairo_t* cr) {
        // Only what the last whole-screen clear left matters.
        size_t from = 0;
        for (size_t i = 0; i < ops.size(); ++i)
            if (paint_of(ops[i]).clears) from = i;
        render_ops(cr, std::vector<DrawOp>(ops.begin() + static_cast<std::ptrdiff_t>(from), ops.end()));
    });
}

bool write_png(const std::vector<KeptOp>& ops, const std::string& path, double scale) {
    return write_picture(path, scale, [&](cairo_t* cr) { render_ops(cr, ops); });
}

}  // namespace cw
