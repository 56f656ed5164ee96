#include "platform/glyph_layout.h"

// The run-time headers come before glib's, whose ABS macro would clash.
#include "platform/chars.h"
#include "platform/fonts.h"
#include "platform/recent.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>
#include <unordered_map>

namespace cw {

namespace {

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
// drawn `across` and `down` pixels a unit, by default on a fine grid, so
// that curves are followed closely.
constexpr double kFine = 16;
Bounds outline_box(cairo_t* cr, PangoLayout* layout, double across = kFine, double down = kFine) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_scale(cr, across, down);
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
    double axis = 0;         // a sign's: the middle of the face's digits
    bool emboldened = false;  // drawn by a face made bold as it draws (synthesised_bold)
    // A sign's, drawn by a face made bold as it draws: the box its outline
    // covers before the face thickens it, on the fine grid.
    Bounds own;
};

// Whether a font that draws the layout's text is made bold as it draws
// (reads the layout's runs, their fonts and the fonts' faces): a face with
// no bold of its own (IPAGothic, and a face that lends a serif text a glyph
// it lacks) is drawn bold by thickening each outline as it is loaded at the
// size it is drawn at, by a 24th of that size's height across as well as
// down, worked in whole 64ths of its pixels.  So such a glyph's ink is not
// its outline measured at one size and stretched: stretched 2 by 3 it
// reaches a 24th of its font size further right, and at each size it lands
// a little differently.
bool synthesised_bold(PangoLayout* layout) {
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
    for (GSList* run = line ? line->runs : nullptr; run; run = run->next) {
        PangoFont* font = static_cast<PangoGlyphItem*>(run->data)->item->analysis.font;
        if (!font || !PANGO_IS_CAIRO_FONT(font)) continue;
        cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font));
        cairo_font_face_t* face = scaled ? cairo_scaled_font_get_font_face(scaled) : nullptr;
        if (face && cairo_font_face_get_type(face) == CAIRO_FONT_TYPE_FT &&
            (cairo_ft_font_face_get_synthesize(face) & CAIRO_FT_SYNTHESIZE_BOLD))
            return true;
    }
    return false;
}

// How much wider a face made bold as it draws draws each stroke, as a share
// of its size: the outline is grown by a 24th of the size's height.
constexpr double kSynthesisedBold = 1.0 / 24;

// Sets the layout to a glyph of the character as the face draws it.
void set_glyph(PangoLayout* layout, const FaceChoice& face, const std::string& ch) {
    const std::string drawn = (face.script_ell && ch == "l") ? "\u2113" : ch;
    pango_layout_set_text(layout, drawn.c_str(), static_cast<int>(drawn.size()));
}

// Whether a text's glyphs are set as operator signs.
bool operator_signs(const DrawOp& op, const FaceChoice& face) {
    return op.role == GlyphRole::Operator && face.sign_em_share > 0;
}

// Sets the layout to the glyph of a character and measures it: its outline
// when asked (drawn at `drawn`, across and down, pixels a unit when given),
// and always for an operator sign, which is placed by it and by the middle
// of the face's digits (and, where its face makes it bold as it draws, by
// the outline it thickens).
GlyphShape measure(cairo_t* cr, PangoLayout* layout, const FaceChoice& face, const std::string& ch, bool outline,
                   bool sign, const std::pair<double, double>& drawn = {kFine, kFine}) {
    GlyphShape g;
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
    if (outline || sign) g.outline = outline_box(cr, layout, drawn.first, drawn.second);
    g.emboldened = synthesised_bold(layout);
    if (sign && g.emboldened) {
        // The same glyph of the face at its own weight, which it draws as
        // it is.
        PangoFontDescription* desc = pango_font_description_copy(pango_layout_get_font_description(layout));
        PangoFontDescription* own = pango_font_description_copy(desc);
        pango_font_description_set_weight(own, PANGO_WEIGHT_NORMAL);
        pango_layout_set_font_description(layout, own);
        g.own = outline_box(cr, layout);
        pango_layout_set_font_description(layout, desc);
        pango_font_description_free(own);
        pango_font_description_free(desc);
    }
    return g;
}

// The ink of a full-height character of a face, from the top of its
// layout (none for faces without one).
struct Reference {
    double top = 0, bottom = 0;
};

// The box a glyph's outline covers as drawn at a placement's scale, in its
// layout's own units (GlyphLayout::Shapes::covers); empty when it has none.
using Covers = std::function<Bounds(const Placement&)>;

// An operator sign's em is sign_em_share of its cell's height; one its
// face makes bold as it draws is drawn this much smaller, so that its ink,
// thickened, covers no more than the face's own outline at that em (the
// thickening, a share of the size, would otherwise make it larger and
// heavier than the signs are meant to be).
double sign_shrink(const GlyphShape& g) {
    const Bounds& thick = g.outline;
    if (!g.emboldened || g.own.empty() || thick.empty()) return 1;
    return std::min<double>({1.0, (g.own.r - g.own.l) / (thick.r - thick.l), (g.own.b - g.own.t) / (thick.b - thick.t)});
}

// Where the glyph of a character goes before it is fitted to anything:
// stretched into its share of the cell, on the face's baseline.  An
// operator sign is set as a maths typesetter sets a binary operator, at its
// own proportions and at sign_em_share of the cell's height, its ink
// centred across the cell and on the middle of the digits (the reference
// character, when given in the glyph's own units, follows so that it stays
// where it lies in the cell).  A brace drawn heavier is drawn a little
// smaller, so that its ink, outline and all, covers what it would have
// covered and comes no nearer its neighbours, and a letter drawn heavier
// keeps its foot on the line.  `covers` says what the glyph covers where
// it is placed.
Placement place(const DrawOp& op, const FaceChoice& face, const CharCell& c, const GlyphShape& g, double heavier,
                const Covers& covers, Reference* reference = nullptr) {
    const double s = op.font.size, cell_w = c.cell.r - c.cell.l;
    Placement at{c.cell.l, op.y1, cell_w * face.width_share / g.advance, op.q * face.height_share};
    if (face.proportional) {
        // Its own width at the magnification, narrowed to fit.
        at.sx = std::min(at.sx, static_cast<double>(op.p));
        at.tx += (cell_w - g.advance * at.sx) / 2;
    }
    if (face.baseline > 0) at.ty += face.baseline * s * op.q - g.baseline * at.sy;
    if (const double em = sign_em_share(face, c.ch); operator_signs(op, face) && !g.outline.empty()) {
        const double middle = at.ty + at.sy * g.axis, k = em * (c.cell.b - c.cell.t) / s * sign_shrink(g);
        const Bounds o = covers({0, 0, k, k});
        const Placement sign{c.cx() - k * (o.l + o.r) / 2.0, middle - k * (o.t + o.b) / 2.0, k, k};
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
            const Bounds box = placed(covers(at), at);
            double w = box.r - box.l, h = box.b - box.t;
            if (w > 0 && h > 0)
                rescale(at, std::min(w / (w + weight), h / (h + weight)), (box.l + box.r) / 2.0,
                        (box.t + box.b) / 2.0, 0, 0);
        }
    }
    return at;
}

// How much heavier than its face a glyph is drawn, in the units of its
// font size (place scales it with the glyph).  An operator sign is drawn
// with strokes operator_stroke wide where its face draws them lighter: its
// face's own strokes, and what a face made bold as it draws adds to them
// (the glyph's shape `g` says whether it is).
double heavier_of(const DrawOp& op, const FaceChoice& face, const CharCell& c, const GlyphShape& g) {
    if (operator_signs(op, face)) {
        const double k = sign_em_share(face, c.ch) * op.q * sign_shrink(g);  // its em is k * size
        const double own = (face.sign_stroke + (g.emboldened ? kSynthesisedBold : 0)) * op.font.size;
        return std::max(0.0, operator_stroke(k * op.font.size) / k - own);
    }
    return extra_weight(face, c.ch, op.font.bold) * op.font.size;
}

// The outline of a glyph drawn heavier reaches half the extra weight beyond
// its own.
double weight_reach(double heavier, const Placement& at) { return heavier * std::sqrt(at.sx * at.sy) / 2; }

// Fits a placed glyph whose ink is what `covers` says it covers, grown by
// `grow` for an extra weight, to what lies under and
// around its cell: in the filled box it is written in, text is first
// scaled alike by how the reference character fits the box, then each
// glyph is kept inside the box; and a glyph is kept clear of the fraction
// bars in the top or bottom third of its cell (a line through its middle is
// no bar of it), moved away from the bar as far as its cell leaves room and
// shrunk, its far side staying where it is, only where it does not.
void fit_to_surroundings(const Covers& covers, double grow, const CharCell& c, const std::optional<Bounds>& cell,
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
    const Bounds box = grown(placed(covers(at), at), grow);
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

// How far a point at layout place v moves, in layout units, when drawn at
// `scale` pixels a unit on the nearest whole pixel: the least and most of
// it (both ways, a point about halfway between two pixels).
std::pair<double, double> snap_shift(double v, double scale) {
    const double px = v * scale, frac = px - std::floor(px);
    // Within what the glyph positions are rounded to on their way.
    constexpr double kHalfway = 1.0 / 32;
    const double lo = std::abs(frac - 0.5) < kHalfway ? -frac : (frac < 0.5 ? -frac : 1 - frac);
    const double hi = std::abs(frac - 0.5) < kHalfway ? 1 - frac : lo;
    return {lo / scale, hi / scale};
}

bool drawable_text(const DrawOp& op) { return op.font.size > 0 && op.p > 0 && op.q > 0 && !op.s.empty(); }

}  // namespace

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



// ---- the shapes of glyphs, measured once ----------------------------------------------

// What glyphs of each style are like, measured once on a layout of their own.
struct GlyphLayout::Shapes {
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
        // Most texts come in the style of the one before: it is told apart
        // without building its key.
        if (&face == last_face && op.font.bold == last_font.bold && op.font.italic == last_font.italic &&
            op.font.size == last_font.size && !current.empty())
            return;
        last_face = &face;
        last_font = op.font;
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
    // A glyph's shape; its outline only when asked (measuring it is the
    // costly part), measured on the fine grid or, for a glyph its face
    // thickens as it draws it, as drawn at `drawn` pixels a unit, across and
    // down.
    GlyphShape glyph(const FaceChoice& face, const std::string& ch, bool sign, bool outline,
                     const std::pair<double, double>& drawn = {kFine, kFine}) {
        probe = current;
        if (face.script_ell) probe += "ell ";
        if (sign) probe += "sign ";
        if (outline) probe += "out ";
        if (drawn != std::pair{kFine, kFine}) {
            char at[64];
            std::snprintf(at, sizeof at, "at %a %a ", drawn.first, drawn.second);
            probe += at;
        }
        probe += ch;
        return glyphs.get(probe, [&] { return measure(cr, layout, face, ch, outline, sign, drawn); });
    }
    // The box a glyph's outline covers placed at `at`'s scale on a screen
    // of `scale` pixels a unit, in its layout's own units: the one measure
    // of a glyph, that the layout fits it by and that its ink is.  A glyph
    // its face draws scales exactly: its outline on the fine grid.  One its
    // face makes bold as it draws is thickened by a share of the size it is
    // drawn at, across as well as down, so stretched unequally it covers
    // more than its outline stretched: measured as drawn at that scale.
    // `s` is the glyph's shape, its outline measured.
    Bounds covers(const FaceChoice& face, const std::string& ch, bool sign, const GlyphShape& s, const Placement& at,
                  double scale) {
        if (!s.emboldened || !(at.sx > 0 && at.sy > 0)) return s.outline;
        return glyph(face, ch, sign, true, {scale * at.sx, scale * at.sy}).outline;
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
    std::string key, current, probe;
    const FaceChoice* last_face = nullptr;  // the style set last, as asked
    FontState last_font;
    Recent<GlyphShape> glyphs;
    Recent<Reference> references;
};

GlyphLayout::GlyphLayout(size_t most) : most_(most) {}
GlyphLayout::~GlyphLayout() = default;

size_t GlyphLayout::shapes() const { return shapes_ ? shapes_->glyphs.size() + shapes_->references.size() : 0; }

void GlyphLayout::operator()(DrawOp& op, const Backdrop& under) {
    op.glyphs.clear();
    op.fits.clear();
    if (op.op != Op::Text || !drawable_text(op)) return;
    const FaceChoice& face = map_face(op.font.face, op.p, op.q);
    if (!shapes_) shapes_ = std::make_unique<Shapes>(most_);
    shapes_->style(op, face);
    const bool sign = operator_signs(op, face);
    const std::vector<CharCell> cells = char_cells(op);
    for (size_t i = 0; i < cells.size(); ++i) {
        const CharCell& c = cells[i];
        if (!drawable_char(c.ch)) continue;
        // What lies under and around its cell, which it is fitted to: the
        // filled box it is written in, and the bars next to its ink, which
        // stays well within a cell's height of its cell.
        const std::optional<Bounds> cell = under.cell_holding(c.cell);
        const float h = c.cell.b - c.cell.t;
        const std::vector<Bounds> bars = under.bars_across({c.cell.l, c.cell.t - h, c.cell.r, c.cell.b + h});
        const bool fitting = cell || !bars.empty();
        // An operator sign's outline is measured whatever it is fitted to.
        GlyphShape g = shapes_->glyph(face, c.ch, sign, fitting);
        const double heavier = heavier_of(op, face, c, g);
        if (heavier > 0 && face.gothic && g.outline.empty()) g = shapes_->glyph(face, c.ch, sign, true);
        if (!(g.advance > 0)) continue;
        // The glyph is placed and fitted as the layout's own size draws it.
        const Covers covers = [&](const Placement& p) { return shapes_->covers(face, c.ch, sign, g, p, 1); };
        Reference reference = shapes_->reference(face);
        Placement at = place(op, face, c, g, heavier, covers, &reference);
        if (fitting && !g.outline.empty()) {
            Placement fitted = at;
            fit_to_surroundings(covers, weight_reach(heavier, at), c, cell, bars, reference, fitted);
            // The same move, as a scale about the middle of the cell and a
            // shift, as the operation records it.
            const double k = fitted.sx / at.sx;
            const double dx = fitted.tx - c.cx() - k * (at.tx - c.cx()), dy = fitted.ty - c.cy() - k * (at.ty - c.cy());
            if (std::abs(k - 1) >= 1e-4 || std::abs(dx) >= 1e-3 || std::abs(dy) >= 1e-3) {
                const GlyphFit f{static_cast<int>(i), static_cast<float>(k), static_cast<float>(dx),
                                 static_cast<float>(dy)};
                op.fits.push_back(f);
                rescale(at, f.scale, c.cx(), c.cy(), f.dx, f.dy);
            }
        }
        const std::string drawn = (face.script_ell && c.ch == "l") ? "\u2113" : c.ch;
        op.glyphs.push_back({static_cast<int>(i), drawn, at.tx, at.ty, at.sx, at.sy,
                             heavier * std::sqrt(at.sx * at.sy)});
    }
}

Bounds GlyphLayout::ink(const DrawOp& op, const Paint& paint, double scale, bool landed) {
    if (op.op != Op::Text) return scale > 0 ? mark_ink(op, paint, scale) : Bounds{};
    return ink(op, scale, landed);
}

Bounds GlyphLayout::ink(const DrawOp& op, double scale, bool landed) {
    if (!(scale > 0)) return {};
    if (op.op != Op::Text) return mark_ink(op, paint_of(op), scale);
    if (op.glyphs.empty() || !drawable_text(op)) return {};
    const FaceChoice& face = map_face(op.font.face, op.p, op.q);
    if (!shapes_) shapes_ = std::make_unique<Shapes>(most_);
    shapes_->style(op, face);
    const bool sign = operator_signs(op, face);
    double l = std::numeric_limits<double>::infinity(), t = l, r = -l, b = -l;
    for (const PlacedGlyph& g : op.glyphs) {
        // The shape of the glyph drawn (the face's own for a character it
        // draws as another); one its face thickens as it draws it, as drawn
        // at the scale.
        const Placement at{g.tx, g.ty, g.sx, g.sy};
        const GlyphShape shape = shapes_->glyph(face, g.drawn, sign, true);
        const Bounds outline = shapes_->covers(face, g.drawn, sign, shape, at, scale);
        if (outline.empty()) continue;
        Bounds box = placed(outline, at);
        if (g.weight > 0) {
            // Filled and laid round as a path, where it was placed.
            box = grown(box, g.weight / 2);
        } else if (landed) {
            // Drawn by its face, it lands with its origin (on its baseline)
            // moved to the nearest whole pixel.
            const auto [ll, lr] = snap_shift(g.tx, scale);
            const auto [tl, tr] = snap_shift(g.ty + g.sy * shape.baseline, scale);
            box = {static_cast<float>(box.l + ll), static_cast<float>(box.t + tl), static_cast<float>(box.r + lr),
                   static_cast<float>(box.b + tr)};
        }
        l = std::min<double>(l, box.l), t = std::min<double>(t, box.t);
        r = std::max<double>(r, box.r), b = std::max<double>(b, box.b);
    }
    if (!(r > l && b > t)) return {};
    // The antialiased rim: every pixel the ink reaches into.
    return {static_cast<float>(std::floor(l * scale) / scale), static_cast<float>(std::floor(t * scale) / scale),
            static_cast<float>(std::ceil(r * scale) / scale), static_cast<float>(std::ceil(b * scale) / scale)};
}

bool thickened_as_drawn(const DrawOp& text) {
    if (text.op != Op::Text || !drawable_text(text)) return false;
    const FaceChoice& face = map_face(text.font.face, text.p, text.q);
    PangoLayout* layout = new_glyph_layout();
    PangoFontDescription* desc = font_of(text, face);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    set_glyph(layout, face, char_cells(text).front().ch);
    const bool thickened = synthesised_bold(layout);
    g_object_unref(layout);
    return thickened;
}

DrawOp laid_out(DrawOp text) {
    GlyphLayout layout;
    layout(text, Backdrop{});
    return text;
}


}  // namespace cw
