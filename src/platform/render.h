// Rendering draw operations with Cairo and Pango, and where each one leaves
// its ink.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/glyph_layout.h"

typedef struct _cairo cairo_t;

namespace cw {

// Draws operations onto a Cairo context whose user space maps the 1440 x
// 900 layout to the target (drawing outside the layout is clipped by the
// caller), each over what lies under it: each colour index painted by its
// use (see palette.h) over the fill under it, and each glyph of a text where
// the layout placed it (DrawOp::glyphs).  It decides nothing itself.
class Painter {
public:
    explicit Painter(cairo_t* cr) : cr_(cr) {}
    // Draws an operation over what lies under it, `times` times over itself.
    void draw(const DrawOp& op, const Beneath& under, int times = 1);

private:
    void text(const DrawOp& op, const Beneath& under, int times);
    cairo_t* cr_;
};

// An operation as a screen keeps it: drawn over what lay under it when it
// was made, `times` times over itself.
struct KeptOp {
    DrawOp op;
    std::shared_ptr<const Beneath> beneath;
    int times = 1;
};

// Draws a history of operations from an empty screen, each over what the
// ones before it left under it.
void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops);
// Draws what a screen keeps.
void render_ops(cairo_t* cr, const std::vector<KeptOp>& ops);

// Writes the screen that ops leave as a PNG of (1440 x 900) * scale pixels.
// Returns false when the file cannot be written.
bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale = 1.0);
bool write_png(const std::vector<KeptOp>& ops, const std::string& path, double scale = 1.0);

// Whether the operation's drawing depends on nothing under it: it paints
// every pixel it touches in one colour, so drawing it again over itself
// changes nothing.
bool repaints_itself(const DrawOp& op);

// Where operations leave their ink: the box of whole pixels an operation
// touches when drawn at the layout's own size (one pixel a unit), its
// antialiased rim included.  In a larger or smaller window its ink lies
// within about a pixel of this box, scaled.  A text is measured from its
// glyphs as the layout placed them, landed on the layout's pixels
// (GlyphLayout::ink, the one measure of a text's ink), whose shapes it keeps
// among the `most` asked for last and the `most` before them (recent.h).
class InkBounds {
public:
    explicit InkBounds(size_t most = GlyphLayout::kMostShapes);
    InkBounds(const InkBounds&) = delete;
    InkBounds& operator=(const InkBounds&) = delete;

    Bounds operator()(const DrawOp& op);
    // How many glyph shapes it keeps.
    size_t size() const;

private:
    GlyphLayout glyphs_;
};

}  // namespace cw
