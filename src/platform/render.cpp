#include "platform/render.h"

// The run-time headers come before glib's, whose ABS macro would clash.
#include "platform/basic.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/retained.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace cw {

namespace {

constexpr double kPi = 3.14159265358979323846;

void set_colour(cairo_t* cr, int index) {
    Rgb c = palette_rgb(index);
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// Size of one device pixel in user units.
double device_pixel(cairo_t* cr) {
    double dx = 1, dy = 0;
    cairo_device_to_user_distance(cr, &dx, &dy);
    double px = std::hypot(dx, dy);
    return px > 0 ? px : 1;
}

// A logical width in user units; width 0 is one device pixel.
double pen_width(cairo_t* cr, int w) { return w > 0 ? static_cast<double>(w) : device_pixel(cr); }

// Fills the rectangle [l, r] x [t, b] with its edges moved to the nearest
// device pixel edges, so the same call always covers the same pixels and
// leaves no half-covered pixels behind.
void fill_snapped(cairo_t* cr, double l, double t, double r, double b) {
    double x0 = l, y0 = t, x1 = r, y1 = b;
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    double dl = std::round(std::min(x0, x1)), dr = std::round(std::max(x0, x1));
    double dt = std::round(std::min(y0, y1)), db = std::round(std::max(y0, y1));
    if (dr <= dl) dr = dl + 1;
    if (db <= dt) db = dt + 1;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, dl, dt, dr - dl, db - dt);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Strokes the current path.  What is painted in the background colour is an
// erase: it covers whole pixels and reaches a pixel further, so that it also
// takes away the anti-aliased fringe of the same shape drawn before.
void stroke_path(cairo_t* cr, double width, int colour) {
    set_colour(cr, colour);
    if (colour == BACKGROUND) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        width += 2 * device_pixel(cr);
    }
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

void fill_path(cairo_t* cr, int colour) {
    set_colour(cr, colour);
    if (colour == BACKGROUND) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2 * device_pixel(cr));
        cairo_stroke(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    } else {
        cairo_fill(cr);
    }
}

void draw_line(cairo_t* cr, const DrawOp& op) {
    double w = pen_width(cr, op.w);
    set_colour(cr, op.c);
    if (op.x1 == op.x2 || op.y1 == op.y2) {
        // Upright and level lines are pixel-aligned boxes (square ends).
        double h = w / 2;
        fill_snapped(cr, std::min(op.x1, op.x2) - h, std::min(op.y1, op.y2) - h, std::max(op.x1, op.x2) + h,
                     std::max(op.y1, op.y2) + h);
        return;
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, op.x1, op.y1);
    cairo_line_to(cr, op.x2, op.y2);
    stroke_path(cr, w, op.c);
}

// Box outline or filled box: the border is centred on the edges.
void draw_box(cairo_t* cr, const DrawOp& op, bool filled) {
    double w = pen_width(cr, op.w), h = w / 2;
    double l = std::min(op.x1, op.x2), r = std::max(op.x1, op.x2);
    double t = std::min(op.y1, op.y2), b = std::max(op.y1, op.y2);
    set_colour(cr, op.c);
    if (filled && op.c == op.f) {
        fill_snapped(cr, l - h, t - h, r + h, b + h);
        return;
    }
    fill_snapped(cr, l - h, t - h, r + h, t + h);  // top
    fill_snapped(cr, l - h, b - h, r + h, b + h);  // bottom
    fill_snapped(cr, l - h, t - h, l + h, b + h);  // left
    fill_snapped(cr, r - h, t - h, r + h, b + h);  // right
    if (filled && r - l > w && b - t > w) {
        set_colour(cr, op.f);
        fill_snapped(cr, l + h, t + h, r - h, b - h);
    }
}

void draw_circle(cairo_t* cr, const DrawOp& op) {
    if (op.r <= 0) return;
    double w = pen_width(cr, op.w);
    bool whole = op.start == op.end;
    // Fractions of a turn from +x towards +y: with y growing downward this
    // is cairo's own direction of growing angles, clockwise on the screen.
    double a0 = 2 * kPi * op.start, a1 = 2 * kPi * op.end;
    if (whole) a0 = 0, a1 = 2 * kPi;
    if (op.filled && whole && op.c == op.f) {
        // A disc in one colour (the entry cursor, drawn and erased on every
        // poll): its outline is the rim of a larger disc.
        // Without antialiasing, so that the same disc in the background
        // colour takes every pixel back and leaves no rim.
        cairo_new_path(cr);
        cairo_arc(cr, op.x1, op.y1, op.r + w / 2, 0, 2 * kPi);
        cairo_close_path(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        fill_path(cr, op.f);
        return;
    }
    if (op.filled) {
        cairo_new_path(cr);
        if (!whole) cairo_move_to(cr, op.x1, op.y1);
        cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
        cairo_close_path(cr);
        fill_path(cr, op.f);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        if (!whole) cairo_move_to(cr, op.x1, op.y1);
        cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
        cairo_close_path(cr);
        stroke_path(cr, w, op.c);
        return;
    }
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
    if (whole) cairo_close_path(cr);
    stroke_path(cr, w, op.c);
}

void draw_polyline(cairo_t* cr, const DrawOp& op) {
    if (op.pts.empty()) return;
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, op.pts[0].first, op.pts[0].second);
    for (size_t i = 1; i < op.pts.size(); ++i) cairo_line_to(cr, op.pts[i].first, op.pts[i].second);
    if (op.pts.size() == 1) cairo_line_to(cr, op.pts[0].first, op.pts[0].second);  // a dot
    stroke_path(cr, pen_width(cr, op.w), op.c);
}

bool drawable_char(const std::string& ch) {
    if (ch.empty()) return false;
    if (!g_utf8_validate(ch.data(), static_cast<gssize>(ch.size()), nullptr)) return false;
    char32_t cp = first_codepoint(ch);
    return cp >= 0x20 && cp != 0x7F;
}

// Text: every character is stretched into its own cell, size/2 * p wide for a
// one-byte character and size * p for a two-byte one, size * q high, laid
// side by side from the top left corner.
void draw_text(cairo_t* cr, const DrawOp& op) {
    double s = op.font.size;
    if (s <= 0 || op.p <= 0 || op.q <= 0 || op.s.empty()) return;
    const FaceChoice& face = map_face(op.font.face);

    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, face.family.c_str());
    pango_font_description_set_weight(desc, op.font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, op.font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc, s * PANGO_SCALE);

    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);

    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), fo);
    pango_layout_set_font_description(layout, desc);
    set_colour(cr, op.c);

    double x = op.x1;
    for (const std::string& raw : split_chars(op.s)) {
        double cell_w = sj_width(raw) * (s / 2) * op.p;
        if (drawable_char(raw)) {
            std::string ch = (face.script_ell && raw == "l") ? "\u2113" : raw;
            cairo_save(cr);
            cairo_translate(cr, x, op.y1);
            pango_layout_set_text(layout, ch.c_str(), static_cast<int>(ch.size()));
            pango_cairo_update_layout(cr, layout);
            PangoRectangle logical;
            pango_layout_get_extents(layout, nullptr, &logical);
            double adv = static_cast<double>(logical.width) / PANGO_SCALE;
            double base = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
            if (adv > 0) {
                double share = face.width_share;
                double sx = cell_w * share / adv;
                double sy = op.q * face.height_share;
                if (face.proportional) {
                    // Its own width at the magnification, narrowed to fit.
                    sx = std::min(sx, static_cast<double>(op.p));
                    cairo_translate(cr, (cell_w - adv * sx) / 2, 0);
                }
                if (face.baseline > 0) cairo_translate(cr, 0, face.baseline * s * op.q - base * sy);
                cairo_scale(cr, sx, sy);
                cairo_move_to(cr, 0, 0);
                pango_cairo_update_layout(cr, layout);
                pango_cairo_show_layout(cr, layout);
            }
            cairo_restore(cr);
        }
        x += cell_w;
    }
    g_object_unref(layout);
    cairo_font_options_destroy(fo);
    pango_font_description_free(desc);
}

}  // namespace

void render_op(cairo_t* cr, const DrawOp& op) {
    cairo_save(cr);
    cairo_new_path(cr);
    switch (op.op) {
    case Op::Line: draw_line(cr, op); break;
    case Op::Box: draw_box(cr, op, false); break;
    case Op::Fill: draw_box(cr, op, true); break;
    case Op::Circle: draw_circle(cr, op); break;
    case Op::Polyline: draw_polyline(cr, op); break;
    case Op::Text: draw_text(cr, op); break;
    case Op::Cls:
        set_colour(cr, BACKGROUND);
        cairo_paint(cr);
        break;
    default: break;  // notes are never drawn
    }
    cairo_restore(cr);
}

void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops) {
    for (const DrawOp& op : ops) render_op(cr, op);
}

bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale) {
    if (!(scale > 0)) return false;
    int w = static_cast<int>(std::lround(LAYOUT_W * scale)), h = static_cast<int>(std::lround(LAYOUT_H * scale));
    if (w <= 0 || h <= 0) return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(surface);
    set_colour(cr, BACKGROUND);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    // Only what the last whole-screen clear left matters.
    size_t from = 0;
    for (size_t i = 0; i < ops.size(); ++i)
        if (RetainedList::covers_screen(ops[i])) from = i;
    for (size_t i = from; i < ops.size(); ++i) render_op(cr, ops[i]);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace cw
