#include "platform/render.h"

// The run-time headers come before glib's, whose ABS macro would clash.
#include "platform/basic.h"
#include "platform/fonts.h"
#include "platform/palette.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

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

PangoFontDescription* font_of(const DrawOp& op, const FaceChoice& face) {
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, face.family.c_str());
    pango_font_description_set_weight(desc, op.font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, op.font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc, op.font.size * PANGO_SCALE);
    return desc;
}

cairo_font_options_t* glyph_options() {
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    return fo;
}

// The text a character's glyph is drawn from.
std::string glyph_text(const FaceChoice& face, const std::string& raw) {
    return (face.script_ell && raw == "l") ? "\u2113" : raw;
}

// Text: every character is stretched into its own cell, size/2 * p wide for a
// one-byte character and size * p for a two-byte one, size * q high, laid
// side by side from the top left corner.
double cell_width(const DrawOp& op, const std::string& ch) { return sj_width(ch) * (op.font.size / 2.0) * op.p; }
bool text_drawn(const DrawOp& op) { return op.font.size > 0 && op.p > 0 && op.q > 0 && !op.s.empty(); }

// Where the glyph laid out in `layout` goes in its cell: its layout's origin
// at (dx, dy) from the cell's top left, scaled by (sx, sy).
struct GlyphFit {
    bool shown = false;  // a glyph with no advance is not drawn
    double dx = 0, dy = 0, sx = 1, sy = 1;
};

GlyphFit fit_glyph(PangoLayout* layout, const FaceChoice& face, const DrawOp& op, double cell_w) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    double adv = static_cast<double>(logical.width) / PANGO_SCALE;
    double base = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
    GlyphFit fit;
    if (adv <= 0) return fit;
    fit.shown = true;
    fit.sx = cell_w * face.width_share / adv;
    fit.sy = op.q * face.height_share;
    if (face.proportional) {
        // Its own width at the magnification, narrowed to fit.
        fit.sx = std::min(fit.sx, static_cast<double>(op.p));
        fit.dx = (cell_w - adv * fit.sx) / 2;
    }
    if (face.baseline > 0) fit.dy = face.baseline * op.font.size * op.q - base * fit.sy;
    return fit;
}

// A layout for one glyph at a time.  Glyphs are laid out in the layout's
// own units, whatever the window's size: with hinting off the outlines and
// advances scale exactly, so the faces Pango finds for a style serve every
// size and stretch it is drawn at (finding them takes milliseconds, once).
PangoLayout* new_glyph_layout() {
    PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* fo = glyph_options();
    pango_cairo_context_set_font_options(context, fo);
    cairo_font_options_destroy(fo);
    PangoLayout* layout = pango_layout_new(context);
    g_object_unref(context);
    return layout;
}

// Draws the text with its first cell's top left at (x0, y0).
void draw_text_at(cairo_t* cr, const DrawOp& op, double x0, double y0) {
    if (!text_drawn(op)) return;
    const FaceChoice& face = map_face(op.font.face);
    PangoFontDescription* desc = font_of(op, face);
    PangoLayout* layout = new_glyph_layout();
    pango_layout_set_font_description(layout, desc);
    set_colour(cr, op.c);

    double x = x0;
    for (const std::string& raw : split_chars(op.s)) {
        double cell_w = cell_width(op, raw);
        if (drawable_char(raw)) {
            std::string ch = glyph_text(face, raw);
            pango_layout_set_text(layout, ch.c_str(), static_cast<int>(ch.size()));
            GlyphFit fit = fit_glyph(layout, face, op, cell_w);
            if (fit.shown) {
                cairo_save(cr);
                cairo_translate(cr, x + fit.dx, y0 + fit.dy);
                cairo_scale(cr, fit.sx, fit.sy);
                cairo_move_to(cr, 0, 0);
                for (int k = 0; k < std::max(op.times, 1); ++k) pango_cairo_show_layout(cr, layout);
                cairo_restore(cr);
            }
        }
        x += cell_w;
    }
    g_object_unref(layout);
    pango_font_description_free(desc);
}

void draw_text(cairo_t* cr, const DrawOp& op) { draw_text_at(cr, op, op.x1, op.y1); }

Bounds box_around(double l, double t, double r, double b, double grow) {
    return {static_cast<float>(std::min(l, r) - grow), static_cast<float>(std::min(t, b) - grow),
            static_cast<float>(std::max(l, r) + grow), static_cast<float>(std::max(t, b) + grow)};
}

void render_shape(cairo_t* cr, const DrawOp& op) {
    cairo_save(cr);
    cairo_new_path(cr);
    switch (op.op) {
    case Op::Line: draw_line(cr, op); break;
    case Op::Box: draw_box(cr, op, false); break;
    case Op::Fill: draw_box(cr, op, true); break;
    case Op::Circle: draw_circle(cr, op); break;
    case Op::Polyline: draw_polyline(cr, op); break;
    case Op::Cls:
        set_colour(cr, BACKGROUND);
        cairo_paint(cr);
        break;
    default: break;  // text is drawn by draw_text; notes are never drawn
    }
    cairo_restore(cr);
}

}  // namespace

void render_op(cairo_t* cr, const DrawOp& op) {
    if (op.op == Op::Text) {
        cairo_save(cr);
        draw_text(cr, op);  // each glyph op.times times
        cairo_restore(cr);
        return;
    }
    for (int k = 0; k < std::max(op.times, 1); ++k) render_shape(cr, op);
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
        if (clears_screen(ops[i])) from = i;
    for (size_t i = from; i < ops.size(); ++i) render_op(cr, ops[i]);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

bool clears_screen(const DrawOp& op) {
    if (op.op == Op::Cls) return true;
    if (op.op != Op::Fill || op.f != BACKGROUND || op.c != BACKGROUND) return false;
    return std::min(op.x1, op.x2) <= 0 && std::min(op.y1, op.y2) <= 0 && std::max(op.x1, op.x2) >= LAYOUT_W &&
           std::max(op.y1, op.y2) >= LAYOUT_H;
}

bool repaints_itself(const DrawOp& op) {
    switch (op.op) {
    case Op::Cls:
    case Op::Box:
    case Op::Fill: return true;  // whole pixels in one colour each
    case Op::Line: return op.x1 == op.x2 || op.y1 == op.y2 || op.c == BACKGROUND;
    case Op::Circle:
        if (op.r <= 0 || (op.filled && op.start == op.end && op.c == op.f)) return true;  // the one-colour disc
        return op.c == BACKGROUND && (!op.filled || op.f == BACKGROUND);
    case Op::Polyline: return op.c == BACKGROUND;
    default: return false;  // text is antialiased in every colour
    }
}

// ---- ink bounds -------------------------------------------------------------------------

namespace {

// The whole pixels at the layout's size that a shape within [l, r] x [t, b]
// may touch; a little is added for curves drawn as short straight pieces.
Bounds pixels_around(double l, double t, double r, double b, double grow) {
    const double slack = 0.25;
    Bounds box = box_around(l, t, r, b, grow + slack);
    return {std::floor(box.l), std::floor(box.t), std::ceil(box.r), std::ceil(box.b)};
}

// The pixels fill_snapped paints at the layout's size.
Bounds snapped_pixels(double l, double t, double r, double b) {
    double dl = std::round(std::min(l, r)), dr = std::round(std::max(l, r));
    double dt = std::round(std::min(t, b)), db = std::round(std::max(t, b));
    if (dr <= dl) dr = dl + 1;
    if (db <= dt) db = dt + 1;
    return {static_cast<float>(dl), static_cast<float>(dt), static_cast<float>(dr), static_cast<float>(db)};
}

Bounds joined(const Bounds& a, const Bounds& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.l, b.l), std::min(a.t, b.t), std::max(a.r, b.r), std::max(a.b, b.b)};
}

// A pen at the layout's size: width 0 is one pixel.
double pen_at_layout(int w) { return w > 0 ? static_cast<double>(w) : 1.0; }

}  // namespace

// What each glyph touches, drawn once in a small picture of its own.
struct InkBounds::Glyphs {
    // The pixels one character's glyph touches, from the whole pixel its
    // cell starts in; (fx, fy) is where in that pixel the cell starts.
    Bounds in_cell(const DrawOp& op, const std::string& raw, double fx, double fy) {
        std::string key;
        key.reserve(40 + raw.size());
        key += static_cast<char>('0' + static_cast<int>(face_named(op.font.face)));
        key += op.font.bold ? 'b' : '-';
        key += op.font.italic ? 'i' : '-';
        for (double v : {static_cast<double>(op.font.size), static_cast<double>(op.p), static_cast<double>(op.q), fx, fy})
            key.append(reinterpret_cast<const char*>(&v), sizeof v);
        key += raw;
        auto it = cells.find(key);
        if (it != cells.end()) return it->second;
        Bounds b = draw_once(op, raw, fx, fy);
        cells.emplace(std::move(key), b);
        return b;
    }

    static Bounds draw_once(const DrawOp& op, const std::string& raw, double fx, double fy) {
        if (!drawable_char(raw)) return {};
        DrawOp one = op;
        one.s = raw;
        one.times = 1;
        one.c = 0;
        // A glyph stays near its cell: leaning serif letters and descenders
        // within a cell's height around it.
        const double cell_w = cell_width(op, raw), cell_h = static_cast<double>(op.font.size) * op.q;
        const int pad = static_cast<int>(std::ceil(std::max(cell_w, cell_h))) + 4;
        const int w = static_cast<int>(std::ceil(cell_w)) + 2 * pad, h = static_cast<int>(std::ceil(cell_h)) + 2 * pad;
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
        cairo_t* cr = cairo_create(surface);
        draw_text_at(cr, one, pad + fx, pad + fy);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        int l = w, t = h, r = -1, b = -1;
        for (int y = 0; y < h; ++y) {
            const unsigned char* row = data + static_cast<size_t>(y) * stride;
            for (int x = 0; x < w; ++x)
                if (row[x]) l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
        }
        cairo_surface_destroy(surface);
        if (r < 0) return {};
        if (l == 0 || t == 0 || r == w - 1 || b == h - 1) {
            // Ink at the picture's edge may go on beyond it: the whole
            // picture and as much again.
            l = -w, t = -h, r = 2 * w, b = 2 * h;
        }
        return {static_cast<float>(l - pad), static_cast<float>(t - pad), static_cast<float>(r + 1 - pad),
                static_cast<float>(b + 1 - pad)};
    }

    std::unordered_map<std::string, Bounds> cells;
};

InkBounds::InkBounds() = default;
InkBounds::~InkBounds() = default;

Bounds InkBounds::operator()(const DrawOp& op) {
    switch (op.op) {
    case Op::Box:
    case Op::Fill: {
        double h = pen_at_layout(op.w) / 2;
        return snapped_pixels(std::min(op.x1, op.x2) - h, std::min(op.y1, op.y2) - h, std::max(op.x1, op.x2) + h,
                              std::max(op.y1, op.y2) + h);
    }
    case Op::Line: {
        double h = pen_at_layout(op.w) / 2;
        if (op.x1 == op.x2 || op.y1 == op.y2)
            return snapped_pixels(std::min(op.x1, op.x2) - h, std::min(op.y1, op.y2) - h,
                                  std::max(op.x1, op.x2) + h, std::max(op.y1, op.y2) + h);
        // Round ends; the background colour reaches a pixel further.
        return pixels_around(op.x1, op.y1, op.x2, op.y2, h + (op.c == BACKGROUND ? 1 : 0));
    }
    case Op::Circle: {
        if (op.r <= 0) return {};
        // The cursor's disc reaches half a pen beyond its radius, an outline
        // half a pen (a pixel more in the background colour).
        return pixels_around(op.x1, op.y1, op.x1, op.y1, op.r + pen_at_layout(op.w) / 2 + 1);
    }
    case Op::Polyline: {
        if (op.pts.empty()) return {};
        double l = op.pts[0].first, r = l, t = op.pts[0].second, b = t;
        for (auto& [x, y] : op.pts)
            l = std::min<double>(l, x), r = std::max<double>(r, x), t = std::min<double>(t, y), b = std::max<double>(b, y);
        return pixels_around(l, t, r, b, pen_at_layout(op.w) / 2 + (op.c == BACKGROUND ? 1 : 0));
    }
    case Op::Text: {
        if (!text_drawn(op)) return {};
        if (!glyphs_) glyphs_ = std::make_unique<Glyphs>();
        Bounds all;
        const double y = op.y1, py = std::floor(y);
        double x = op.x1;  // as draw_text steps from cell to cell
        for (const std::string& raw : split_chars(op.s)) {
            const double px = std::floor(x);
            Bounds g = glyphs_->in_cell(op, raw, x - px, y - py);
            if (!g.empty())
                all = joined(all, {static_cast<float>(g.l + px), static_cast<float>(g.t + py), static_cast<float>(g.r + px),
                                   static_cast<float>(g.b + py)});
            x += cell_width(op, raw);
        }
        return all;
    }
    case Op::Cls: return {-1e9f, -1e9f, 1e9f, 1e9f};
    default: return {};  // notes draw nothing
    }
}

}  // namespace cw
