// Where each glyph of a text goes: the one place that decides it.
//
// A text operation names its characters, their cells (char_cells), their
// style and their role (GlyphRole); the layout measures each glyph in its
// face, places it in its cell by the face's rules (stretched into its share
// of the cell on the face's baseline; an operator sign set as a maths
// typesetter sets a binary operator; braces and letters drawn heavier kept
// within their ink), then fits it to what lies under it (inside the filled
// box its character is written in, clear of the fraction bars next to it)
// and records the outcome in the operation: DrawOp::glyphs, each glyph's
// place, scale and weight, and DrawOp::fits, the glyphs the fitting moved.
// The painter draws what is recorded and decides nothing.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/backdrop.h"
#include "platform/display.h"

typedef struct _PangoLayout PangoLayout;
typedef struct _PangoFontDescription PangoFontDescription;

namespace cw {

struct FaceChoice;

// What a glyph of a style is like is measured once and remembered while it
// is among the `most` glyphs measured or asked for last (or the `most` before
// them); one forgotten is measured again, the same.
class GlyphLayout {
public:
    static constexpr size_t kMostShapes = 1024;
    explicit GlyphLayout(size_t most = kMostShapes);
    ~GlyphLayout();
    GlyphLayout(const GlyphLayout&) = delete;
    GlyphLayout& operator=(const GlyphLayout&) = delete;

    // Lays out a text drawn next over `under`: sets text.glyphs and text.fits.
    void operator()(DrawOp& text, const Backdrop& under);
    // Where an operation leaves its ink, the one measure of it: the whole
    // pixels it reaches into at `scale` pixels a unit, in layout units.  A
    // mark as it paints (mark_ink); a text from the outlines of its glyphs
    // where the layout placed them, with the weight laid round them (it keeps
    // the glyphs' shapes, and draws nothing); a glyph its face makes bold as
    // it draws (a face with no bold of its own) from its outline as drawn at
    // that scale.  The layout places and fits each glyph by the same measure,
    // as drawn at one pixel a unit.
    //
    // `landed`: as a screen paints text, where a glyph its face draws (one
    // with no weight) lands with its origin on the nearest whole pixel,
    // half a pixel at most from its place, and its ink with it.  What a
    // screen keeps and wipes is measured so; what text is placed by (the
    // lessons' decisions, taken once for screens of every size) is measured
    // where the glyphs were placed.
    Bounds ink(const DrawOp& op, double scale = 1, bool landed = false);
    // The same, for a drawing whose description is made already (a mark
    // is measured as it paints).
    Bounds ink(const DrawOp& op, const Paint& paint, double scale = 1, bool landed = false);
    // How many glyph shapes it has measured and keeps.
    size_t shapes() const;

private:
    struct Shapes;
    size_t most_;
    std::unique_ptr<Shapes> shapes_;
};

// A text laid out as if drawn on a blank screen (for operations made by
// hand, in tests and tools).
DrawOp laid_out(DrawOp text);

// Whether the face a text is drawn in draws its first character bold by
// thickening its outline as it draws it (a face with no bold of its own).
bool thickened_as_drawn(const DrawOp& text);

// A layout for one glyph at a time, in a face's own units (hinting off, so
// outlines and advances scale exactly); the caller unrefs it.
PangoLayout* new_glyph_layout();
// The face and size a text is drawn in; the caller frees it.
PangoFontDescription* font_of(const DrawOp& text, const FaceChoice& face);

}  // namespace cw
