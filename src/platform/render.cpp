#include "platform/render.h"

// The run-time headers come before glib's, whose ABS macro would clash.
#include "platform/basic.h"
#include "platform/fonts.h"
#include "platform/palette.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <unordered_map>

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

// Strokes the current path in the source colour.  What is painted in the
// background colour is an erase: it covers whole pixels and reaches a pixel
// further, so that it also takes away the anti-aliased fringe of the same
// shape drawn before.
void stroke_path(cairo_t* cr, double width, bool erase) {
    if (erase) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        width += 2 * device_pixel(cr);
    }
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

void fill_path(cairo_t* cr, bool erase) {
    if (erase) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2 * device_pixel(cr));
        cairo_stroke(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    } else {
        cairo_fill(cr);
    }
}

// The colours of one operation: its marks (and text) over what lies under
// it, and the inside of a fill.
struct Colours {
    Rgb ink, fill;
    bool ink_erases, fill_erases;  // painted in the background colour
};

Colours colours_of(const DrawOp& op, int under) {
    return {ink_rgb(op.c, under), fill_rgb(op.f), op.c == BACKGROUND, op.f == BACKGROUND};
}

void draw_line(cairo_t* cr, const DrawOp& op, const Colours& k) {
    double w = pen_width(cr, op.w);
    set_rgb(cr, k.ink);
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
    stroke_path(cr, w, k.ink_erases);
}

// Box outline or filled box: the border is centred on the edges.
void draw_box(cairo_t* cr, const DrawOp& op, bool filled, const Colours& k) {
    double w = pen_width(cr, op.w), h = w / 2;
    double l = std::min(op.x1, op.x2), r = std::max(op.x1, op.x2);
    double t = std::min(op.y1, op.y2), b = std::max(op.y1, op.y2);
    if (filled && op.c == op.f) {
        // A box in one colour (an erase, a highlighted cell) is all fill.
        set_rgb(cr, k.fill);
        fill_snapped(cr, l - h, t - h, r + h, b + h);
        return;
    }
    set_rgb(cr, k.ink);
    fill_snapped(cr, l - h, t - h, r + h, t + h);  // top
    fill_snapped(cr, l - h, b - h, r + h, b + h);  // bottom
    fill_snapped(cr, l - h, t - h, l + h, b + h);  // left
    fill_snapped(cr, r - h, t - h, r + h, b + h);  // right
    if (filled && r - l > w && b - t > w) {
        set_rgb(cr, k.fill);
        fill_snapped(cr, l + h, t + h, r - h, b - h);
    }
}

void draw_circle(cairo_t* cr, const DrawOp& op, const Colours& k) {
    if (op.r <= 0) return;
    double w = pen_width(cr, op.w);
    bool whole = op.start == op.end;
    // Fractions of a turn from +x towards +y: with y growing downward this
    // is cairo's own direction of growing angles, clockwise on the screen.
    double a0 = 2 * kPi * op.start, a1 = 2 * kPi * op.end;
    if (whole) a0 = 0, a1 = 2 * kPi;
    if (op.filled && whole && op.c == op.f) {
        // A disc in one colour (a dot; the entry cursor, drawn and erased on
        // every poll) is a mark: its outline is the rim of a larger disc.
        // Without antialiasing, so that the same disc in the background
        // colour takes every pixel back and leaves no rim.
        cairo_new_path(cr);
        cairo_arc(cr, op.x1, op.y1, op.r + w / 2, 0, 2 * kPi);
        cairo_close_path(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        set_rgb(cr, k.ink);
        fill_path(cr, k.ink_erases);
        return;
    }
    if (op.filled) {
        cairo_new_path(cr);
        if (!whole) cairo_move_to(cr, op.x1, op.y1);
        cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
        cairo_close_path(cr);
        set_rgb(cr, k.fill);
        fill_path(cr, k.fill_erases);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        if (!whole) cairo_move_to(cr, op.x1, op.y1);
        cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
        cairo_close_path(cr);
        // A sector in one colour is all fill, its rim too.
        bool one_colour = op.c == op.f;
        set_rgb(cr, one_colour ? k.fill : k.ink);
        stroke_path(cr, w, one_colour ? k.fill_erases : k.ink_erases);
        return;
    }
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
    if (whole) cairo_close_path(cr);
    set_rgb(cr, k.ink);
    stroke_path(cr, w, k.ink_erases);
}

void draw_polyline(cairo_t* cr, const DrawOp& op, const Colours& k) {
    if (op.pts.empty()) return;
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, op.pts[0].first, op.pts[0].second);
    for (size_t i = 1; i < op.pts.size(); ++i) cairo_line_to(cr, op.pts[i].first, op.pts[i].second);
    if (op.pts.size() == 1) cairo_line_to(cr, op.pts[0].first, op.pts[0].second);  // a dot
    set_rgb(cr, k.ink);
    stroke_path(cr, pen_width(cr, op.w), k.ink_erases);
}

bool drawable_char(const std::string& ch) {
    if (ch.empty()) return false;
    if (!g_utf8_validate(ch.data(), static_cast<gssize>(ch.size()), nullptr)) return false;
    char32_t cp = first_codepoint(ch);
    return cp >= 0x20 && cp != 0x7F;
}

// Room left between a glyph's ink and the border of the cell it is written
// in, and between a glyph's ink and a fraction bar above or below it, in
// layout units.
constexpr double kClearance = 1.0;
constexpr double kBarClearance = 1.5;

// Where a glyph is drawn: its layout's origin and scale in user space.
struct Placement {
    double tx, ty, sx, sy;
};

// A box in a glyph layout's own units, placed.
Bounds placed(const Bounds& b, const Placement& at) {
    return {static_cast<float>(at.tx + at.sx * b.l), static_cast<float>(at.ty + at.sy * b.t),
            static_cast<float>(at.tx + at.sx * b.r), static_cast<float>(at.ty + at.sy * b.b)};
}

// The box the layout's glyph outline covers, in the layout's own units:
// measured on a fine grid, so that curves are followed closely.
Bounds outline_box(cairo_t* cr, PangoLayout* layout) {
    constexpr double kFine = 16;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_scale(cr, kFine, kFine);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    pango_cairo_layout_path(cr, layout);
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_new_path(cr);
    cairo_restore(cr);
    return {static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x1), static_cast<float>(y1)};
}

Bounds grown(const Bounds& b, double by) {
    float d = static_cast<float>(by);
    return {b.l - d, b.t - d, b.r + d, b.b + d};
}

// Scales a placed glyph by k about (ax, ay), then moves it by (dx, dy).
void rescale(Placement& at, double k, double ax, double ay, double dx, double dy) {
    at.tx = ax + dx + k * (at.tx - ax);
    at.ty = ay + dy + k * (at.ty - ay);
    at.sx *= k;
    at.sy *= k;
}

// How far [lo, hi] must move to lie within [min, max] (as far as it can).
double nudge(double lo, double hi, double min, double max) { return lo < min ? min - lo : (hi > max ? max - hi : 0); }

// Shrinks a glyph (about the middle of its ink) and moves it, as little as
// it can, so that its ink lies within the limits; a glyph that would have to
// shrink to less than a third is left alone.
void fit(Placement& at, const Bounds& ink, double l, double t, double r, double b) {
    double w = ink.r - ink.l, h = ink.b - ink.t;
    if (w <= 0 || h <= 0) return;
    double k = std::min({1.0, (r - l) / w, (b - t) / h});
    if (!(k > 1.0 / 3)) return;
    double ax = (ink.l + ink.r) / 2.0, ay = (ink.t + ink.b) / 2.0;
    double dx = nudge(ax - k * w / 2, ax + k * w / 2, l, r), dy = nudge(ay - k * h / 2, ay + k * h / 2, t, b);
    rescale(at, k, ax, ay, dx, dy);
}

// What the painter needs to know of a glyph of a style to place it: its
// advance, its baseline and the box its outline covers, in the layout's
// own units.
struct GlyphShape {
    double advance = 0, baseline = 0;
    Bounds outline;
    double axis = 0;  // a sign's: the middle of the face's digits
};

// Sets the layout to a glyph of the character as the face draws it.
void set_glyph(PangoLayout* layout, const FaceChoice& face, const std::string& ch) {
    const std::string drawn = (face.script_ell && ch == "l") ? "\u2113" : ch;
    pango_layout_set_text(layout, drawn.c_str(), static_cast<int>(drawn.size()));
}

// Sets the layout to the glyph of a character and measures it: its outline
// when asked, and always for an operator sign, which is placed by it and by
// the middle of the face's digits.
GlyphShape measure(cairo_t* cr, PangoLayout* layout, const FaceChoice& face, const std::string& ch, bool outline) {
    GlyphShape g;
    const bool sign = sign_em_share(face, ch) > 0;
    if (sign) {
        PangoRectangle digit;
        pango_layout_set_text(layout, "0", 1);
        pango_layout_get_extents(layout, &digit, nullptr);
        g.axis = (digit.y + digit.height / 2.0) / PANGO_SCALE;
    }
    set_glyph(layout, face, ch);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    g.advance = static_cast<double>(logical.width) / PANGO_SCALE;
    g.baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
    if (outline || sign) g.outline = outline_box(cr, layout);
    return g;
}

// The ink of a full-height character of a face, from the top of its
// layout (none for faces without one).
struct Reference {
    double top = 0, bottom = 0;
};

// Where the glyph of a character goes before it is fitted to anything:
// stretched into its share of the cell, on the face's baseline.  An
// operator sign is set as a maths typesetter sets a binary operator, at its
// own proportions and at sign_em_share of the cell's height, its ink
// centred across the cell and on the middle of the digits (the reference
// character, when given in the glyph's own units, follows so that it stays
// where it lies in the cell).  A brace drawn heavier is drawn a little
// smaller, so that its ink, outline and all, covers what it would have
// covered and comes no nearer its neighbours, and a letter drawn heavier
// keeps its foot on the line.
Placement place(const DrawOp& op, const FaceChoice& face, const CharCell& c, const GlyphShape& g, double heavier,
                Reference* reference = nullptr) {
    const double s = op.font.size, cell_w = c.cell.r - c.cell.l;
    Placement at{c.cell.l, op.y1, cell_w * face.width_share / g.advance, op.q * face.height_share};
    if (face.proportional) {
        // Its own width at the magnification, narrowed to fit.
        at.sx = std::min(at.sx, static_cast<double>(op.p));
        at.tx += (cell_w - g.advance * at.sx) / 2;
    }
    if (face.baseline > 0) at.ty += face.baseline * s * op.q - g.baseline * at.sy;
    if (const double em = sign_em_share(face, c.ch); em > 0 && !g.outline.empty()) {
        const double middle = at.ty + at.sy * g.axis, k = em * (c.cell.b - c.cell.t) / s;
        const Placement sign{c.cx() - k * (g.outline.l + g.outline.r) / 2.0,
                             middle - k * (g.outline.t + g.outline.b) / 2.0, k, k};
        if (reference)
            *reference = {(at.ty + at.sy * reference->top - sign.ty) / k,
                          (at.ty + at.sy * reference->bottom - sign.ty) / k};
        at = sign;
    }
    if (heavier > 0) {
        const double weight = heavier * std::sqrt(at.sx * at.sy);
        if (!face.gothic) {
            at.ty -= weight / 2;
        } else {
            Bounds box = placed(g.outline, at);
            double w = box.r - box.l, h = box.b - box.t;
            if (w > 0 && h > 0)
                rescale(at, std::min(w / (w + weight), h / (h + weight)), (box.l + box.r) / 2.0,
                        (box.t + box.b) / 2.0, 0, 0);
        }
    }
    return at;
}

// How much heavier than its face a glyph is drawn, in layout units.
double heavier_of(const DrawOp& op, const FaceChoice& face, const std::string& ch) {
    return extra_weight(face, ch, op.font.bold) * op.font.size;
}

// The outline of a glyph drawn heavier reaches half the extra weight beyond
// its own.
double weight_reach(double heavier, const Placement& at) { return heavier * std::sqrt(at.sx * at.sy) / 2; }

// Fits a placed glyph whose outline covers `outline` (in the layout's own
// units), grown by `grow` for an extra weight, to what lies under and
// around its cell: in the filled box it is written in, text is first
// scaled alike by how the reference character fits the box, then each
// glyph is kept inside the box; and a glyph is kept clear of the fraction
// bars in the top or bottom third of its cell (a line through its middle is
// no bar of it), moved away from the bar as far as its cell leaves room and
// shrunk, its far side staying where it is, only where it does not.
void fit_to_surroundings(const Bounds& outline, double grow, const CharCell& c, const std::optional<Bounds>& cell,
                         const std::vector<Bounds>& bars_near, const Reference& reference, Placement& at) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    double l = -inf, t = -inf, r = inf, b = inf;
    if (cell) {
        l = cell->l + kClearance, t = cell->t + kClearance;
        r = cell->r - kClearance, b = cell->b - kClearance;
        if (reference.bottom > reference.top) {
            double nt = at.ty + at.sy * reference.top, nb = at.ty + at.sy * reference.bottom;
            double k = std::min(1.0, (b - t) / (nb - nt)), ay = (nt + nb) / 2;
            if (k > 1.0 / 3) rescale(at, k, c.cx(), ay, 0, nudge(ay - k * (ay - nt), ay + k * (nb - ay), t, b));
        }
    }
    const Bounds box = grown(placed(outline, at), grow);
    const float third = (c.cell.b - c.cell.t) / 3;
    const Bounds near{c.cell.l, static_cast<float>(box.t - 2 * kBarClearance), c.cell.r,
                      static_cast<float>(box.b + 2 * kBarClearance)};
    for (const Bounds& bar : bars_near) {
        if (!bar.overlaps(near)) continue;
        const float mid = (bar.t + bar.b) / 2;
        if (mid >= c.cell.b - third) {
            b = std::min(b, bar.t - kBarClearance);
            t = std::max(t, static_cast<double>(std::min(box.t, c.cell.t)));
        }
        if (mid <= c.cell.t + third) {
            t = std::max(t, bar.b + kBarClearance);
            b = std::min(b, static_cast<double>(std::max(box.b, c.cell.b)));
        }
    }
    fit(at, box, l, t, r, b);
}

// Draws a placed glyph in the source colour; with a weight, its outline is
// filled and laid round with a pen that wide, even in every direction.
void show_glyph(cairo_t* cr, PangoLayout* layout, const Placement& at, double weight) {
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

// A layout for one glyph at a time.  Glyphs are laid out in the layout's
// own units, whatever the window's size or a glyph's stretch: with hinting
// off, outlines and advances scale exactly, so the faces Pango finds for a
// style serve every size and stretch it is drawn at (finding them takes
// milliseconds, once a style rather than once a stretch).
PangoLayout* new_glyph_layout() {
    PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(context, fo);
    cairo_font_options_destroy(fo);
    PangoLayout* layout = pango_layout_new(context);
    g_object_unref(context);
    return layout;
}

// The face and size a text is drawn in, for a glyph layout.
PangoFontDescription* font_of(const DrawOp& op, const FaceChoice& face) {
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, face.family.c_str());
    pango_font_description_set_weight(desc, op.font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, op.font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc, op.font.size * PANGO_SCALE);
    return desc;
}

bool drawable_text(const DrawOp& op) { return op.font.size > 0 && op.p > 0 && op.q > 0 && !op.s.empty(); }

}  // namespace

void Painter::text(const DrawOp& op, const Beneath& under) {
    if (!drawable_text(op)) return;
    const FaceChoice& face = map_face(op.font.face, op.p, op.q);
    PangoFontDescription* desc = font_of(op, face);
    PangoLayout* layout = new_glyph_layout();
    pango_layout_set_font_description(layout, desc);

    const std::vector<CharCell> cells = char_cells(op);
    auto fit = op.fits.begin();
    for (size_t i = 0; i < cells.size(); ++i) {
        const CharCell& c = cells[i];
        while (fit != op.fits.end() && fit->index < static_cast<int>(i)) ++fit;
        if (!drawable_char(c.ch)) continue;
        const double heavier = heavier_of(op, face, c.ch);
        const GlyphShape g = measure(cr_, layout, face, c.ch, heavier > 0 && face.gothic);
        if (!(g.advance > 0)) continue;
        Placement at = place(op, face, c, g, heavier);
        if (fit != op.fits.end() && fit->index == static_cast<int>(i))
            rescale(at, fit->scale, c.cx(), c.cy(), fit->dx, fit->dy);
        const double weight = heavier * std::sqrt(at.sx * at.sy);
        set_rgb(cr_, ink_rgb(op.c, i < under.chars.size() ? under.chars[i] : BACKGROUND));
        for (int k = 0; k < std::max(op.times, 1); ++k) show_glyph(cr_, layout, at, weight);
    }
    g_object_unref(layout);
    pango_font_description_free(desc);
}

// ---- what is measured once --------------------------------------------------------------

namespace {

// Values remembered by key, at most `most` of the newest and as many of the
// generation before, which come back among the newest when asked for again:
// so what a long session keeps is about what it has drawn lately.  A value
// forgotten is made again, the same, when it is next asked for.
template <class Value>
class Recent {
public:
    explicit Recent(size_t most) : most_(std::max<size_t>(most, 1)) {}
    // The value of key: remembered, or made by make().
    template <class Make>
    Value get(const std::string& key, Make make) {
        if (auto it = now_.find(key); it != now_.end()) return it->second;
        Value v;
        if (auto it = before_.find(key); it != before_.end())
            v = std::move(it->second), before_.erase(it);
        else
            v = make();
        if (now_.size() >= most_) {
            before_ = std::move(now_);
            now_.clear();
        }
        now_.emplace(key, v);
        return v;
    }
    size_t size() const { return now_.size() + before_.size(); }

private:
    size_t most_;
    std::unordered_map<std::string, Value> now_, before_;
};

}  // namespace

// ---- fitting glyphs where they are drawn ------------------------------------------------

// What glyphs of each style are like, measured once on a layout of their own.
struct GlyphFitter::Shapes {
    explicit Shapes(size_t most)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1)), cr(cairo_create(surface)),
          layout(new_glyph_layout()), glyphs(most), references(most) {}
    ~Shapes() {
        g_object_unref(layout);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    Shapes(const Shapes&) = delete;
    Shapes& operator=(const Shapes&) = delete;

    // Sets the layout to the style of op.
    void style(const DrawOp& op, const FaceChoice& face) {
        key = face.family;
        key += op.font.bold ? 'b' : '-';
        key += op.font.italic ? 'i' : '-';
        key += std::to_string(op.font.size);
        key += ' ';
        if (key == current) return;
        current = key;
        PangoFontDescription* desc = font_of(op, face);
        pango_layout_set_font_description(layout, desc);
        pango_font_description_free(desc);
    }
    GlyphShape glyph(const FaceChoice& face, const std::string& ch) {
        return glyphs.get(current + (face.script_ell ? "ell " : "") + ch,
                          [&] { return measure(cr, layout, face, ch, true); });
    }
    Reference reference(const FaceChoice& face) {
        return references.get(current, [&] {
            Reference r;
            if (!face.gothic) return r;
            pango_layout_set_text(layout, "漢", -1);
            PangoRectangle ink;
            pango_layout_get_extents(layout, &ink, nullptr);
            return Reference{ink.y / double(PANGO_SCALE), (ink.y + ink.height) / double(PANGO_SCALE)};
        });
    }

    cairo_surface_t* surface;
    cairo_t* cr;
    PangoLayout* layout;
    std::string key, current;
    Recent<GlyphShape> glyphs;
    Recent<Reference> references;
};

GlyphFitter::GlyphFitter(size_t most) : most_(most) {}
GlyphFitter::~GlyphFitter() = default;

size_t GlyphFitter::size() const { return shapes_ ? shapes_->glyphs.size() + shapes_->references.size() : 0; }

std::vector<GlyphFit> GlyphFitter::operator()(const DrawOp& op, const Backdrop& under) {
    std::vector<GlyphFit> out;
    if (op.op != Op::Text || !drawable_text(op)) return out;
    const FaceChoice& face = map_face(op.font.face, op.p, op.q);
    const std::vector<CharCell> cells = char_cells(op);
    for (size_t i = 0; i < cells.size(); ++i) {
        const CharCell& c = cells[i];
        if (!drawable_char(c.ch)) continue;
        const std::optional<Bounds> cell = under.cell_holding(c.cell);
        // The bars a glyph keeps clear of lie next to its ink, which stays
        // well within a cell's height of its cell.
        const float h = c.cell.b - c.cell.t;
        const std::vector<Bounds> bars = under.bars_across({c.cell.l, c.cell.t - h, c.cell.r, c.cell.b + h});
        if (!cell && bars.empty()) continue;
        if (!shapes_) shapes_ = std::make_unique<Shapes>(most_);
        shapes_->style(op, face);
        const GlyphShape g = shapes_->glyph(face, c.ch);
        if (!(g.advance > 0) || g.outline.empty()) continue;
        const double heavier = heavier_of(op, face, c.ch);
        Reference reference = shapes_->reference(face);
        const Placement from = place(op, face, c, g, heavier, &reference);
        Placement at = from;
        fit_to_surroundings(g.outline, weight_reach(heavier, from), c, cell, bars, reference, at);
        // The same move, as a scale about the middle of the cell and a shift.
        const double k = at.sx / from.sx;
        const double dx = at.tx - c.cx() - k * (from.tx - c.cx()), dy = at.ty - c.cy() - k * (from.ty - c.cy());
        if (std::abs(k - 1) < 1e-4 && std::abs(dx) < 1e-3 && std::abs(dy) < 1e-3) continue;
        out.push_back({static_cast<int>(i), static_cast<float>(k), static_cast<float>(dx), static_cast<float>(dy)});
    }
    return out;
}

void Painter::draw(const DrawOp& op) {
    if (!op.drawn()) return;
    if (op.beneath)
        draw(op, *op.beneath);
    else
        draw(op, backdrop_.beneath(op));
}

void Painter::draw(const DrawOp& op, const Beneath& under) {
    if (!op.drawn()) return;
    const Colours k = colours_of(op, under.mark);
    // Text draws each glyph op.times times itself.
    const int times = op.op == Op::Text ? 1 : std::max(op.times, 1);
    for (int n = 0; n < times; ++n) {
        cairo_save(cr_);
        cairo_new_path(cr_);
        switch (op.op) {
        case Op::Line: draw_line(cr_, op, k); break;
        case Op::Box: draw_box(cr_, op, false, k); break;
        case Op::Fill: draw_box(cr_, op, true, k); break;
        case Op::Circle: draw_circle(cr_, op, k); break;
        case Op::Polyline: draw_polyline(cr_, op, k); break;
        case Op::Text: text(op, under); break;
        case Op::Cls:
            set_rgb(cr_, fill_rgb(BACKGROUND));
            cairo_paint(cr_);
            break;
        default: break;
        }
        cairo_restore(cr_);
    }
    backdrop_.add(op);
}

void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops) {
    Painter painter(cr);
    for (const DrawOp& op : ops) painter.draw(op);
}

bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale) {
    if (!(scale > 0)) return false;
    int w = static_cast<int>(std::lround(LAYOUT_W * scale)), h = static_cast<int>(std::lround(LAYOUT_H * scale));
    if (w <= 0 || h <= 0) return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(surface);
    set_rgb(cr, fill_rgb(BACKGROUND));
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    // Only what the last whole-screen clear left matters.
    size_t from = 0;
    for (size_t i = 0; i < ops.size(); ++i)
        if (clears_screen(ops[i])) from = i;
    Painter painter(cr);
    for (size_t i = from; i < ops.size(); ++i) painter.draw(ops[i]);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
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

Bounds box_around(double l, double t, double r, double b, double grow) {
    return {static_cast<float>(std::min(l, r) - grow), static_cast<float>(std::min(t, b) - grow),
            static_cast<float>(std::max(l, r) + grow), static_cast<float>(std::max(t, b) + grow)};
}

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

// A pen at the layout's size: width 0 is one pixel.
double pen_at_layout(int w) { return w > 0 ? static_cast<double>(w) : 1.0; }

void put(std::string& key, double v) { key.append(reinterpret_cast<const char*>(&v), sizeof v); }

}  // namespace

// What texts touch, each drawn once in a small picture of its own.
struct InkBounds::Texts {
    // The pixels a text touches, from the whole pixel its first cell starts
    // in; its glyphs' fits are part of it.
    Bounds of(const DrawOp& op, double px, double py) {
        std::string key;
        key.reserve(64 + op.s.size() + 16 * op.fits.size());
        key += static_cast<char>('0' + static_cast<int>(face_named(op.font.face)));
        key += op.font.bold ? 'b' : '-';
        key += op.font.italic ? 'i' : '-';
        for (double v : {static_cast<double>(op.font.size), static_cast<double>(op.p), static_cast<double>(op.q),
                         op.x1 - px, op.y1 - py})
            put(key, v);
        for (const GlyphFit& f : op.fits)
            for (double v : {static_cast<double>(f.index), static_cast<double>(f.scale), static_cast<double>(f.dx),
                             static_cast<double>(f.dy)})
                put(key, v);
        key += '|';
        key += op.s;
        return seen.get(key, [&] { return draw_once(op, px, py); });
    }

    static Bounds draw_once(const DrawOp& op, double px, double py) {
        DrawOp one = op;
        one.times = 1;
        one.c = 0;
        one.beneath.reset();
        // Glyphs stay near their cells: leaning serif letters and
        // descenders within a cell's height around them.
        double width = 0, height = static_cast<double>(op.font.size) * op.q;
        for (const CharCell& c : char_cells(op)) width += c.cell.r - c.cell.l;
        const int pad = static_cast<int>(std::ceil(std::max(height, width / std::max<size_t>(1, op.s.size())))) + 8;
        const int w = static_cast<int>(std::ceil(width)) + 2 * pad, h = static_cast<int>(std::ceil(height)) + 2 * pad;
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
        cairo_t* cr = cairo_create(surface);
        cairo_translate(cr, pad - px, pad - py);  // whole pixels: the glyphs land as they do on the screen
        Painter(cr).draw(one, Beneath{});
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

    explicit Texts(size_t most) : seen(most) {}
    Recent<Bounds> seen;
};

InkBounds::InkBounds(size_t most) : most_(most) {}
InkBounds::~InkBounds() = default;

size_t InkBounds::size() const { return texts_ ? texts_->seen.size() : 0; }

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
        if (op.font.size <= 0 || op.p <= 0 || op.q <= 0 || op.s.empty()) return {};
        if (!texts_) texts_ = std::make_unique<Texts>(most_);
        const double px = std::floor(op.x1), py = std::floor(op.y1);
        Bounds b = texts_->of(op, px, py);
        if (b.empty()) return b;
        return {static_cast<float>(b.l + px), static_cast<float>(b.t + py), static_cast<float>(b.r + px),
                static_cast<float>(b.b + py)};
    }
    case Op::Cls: return {-1e9f, -1e9f, 1e9f, 1e9f};
    default: return {};  // notes draw nothing
    }
}

}  // namespace cw
