// Rendering draw operations with Cairo and Pango, and where each one leaves
// its ink.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/display.h"

typedef struct _cairo cairo_t;

namespace cw {

// Draws ops onto cr, whose user space must already map the 1440 x 900 layout
// to the target.  Drawing outside the layout is clipped by the caller.  An
// operation is drawn op.times times over itself.
void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops);
void render_op(cairo_t* cr, const DrawOp& op);

// Writes the screen that ops leave as a PNG of (1440 x 900) * scale pixels.
// Returns false when the file cannot be written.
bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale = 1.0);

// A box in layout units.
struct Bounds {
    float l = 0, t = 0, r = 0, b = 0;
    bool empty() const { return r <= l || b <= t; }
    bool inside(const Bounds& o) const { return l >= o.l && t >= o.t && r <= o.r && b <= o.b; }
    // Whether the two share an area (boxes that only touch do not).
    bool overlaps(const Bounds& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
    Bounds grown(float d) const { return {l - d, t - d, r + d, b + d}; }
};

// Whether the operation paints the whole layout in the background colour (a
// clear, or an erase of the whole window).
bool clears_screen(const DrawOp& op);

// Whether the operation's drawing depends on nothing under it: it paints
// every pixel it touches in a fixed colour, so drawing it again over itself
// changes nothing.
bool repaints_itself(const DrawOp& op);

// Where operations leave their ink: the box of whole pixels an operation
// touches when drawn at the layout's own size (one pixel a unit), its
// antialiased rim included.  In a larger or smaller window its ink lies
// within about a pixel of this box, scaled.  Text is measured glyph by glyph
// by drawing each glyph once at its place within a pixel, so whatever face
// draws it, bold or leaning, is measured as drawn; what one glyph, style and
// place within a pixel touches is remembered.
class InkBounds {
public:
    InkBounds();
    ~InkBounds();
    InkBounds(const InkBounds&) = delete;
    InkBounds& operator=(const InkBounds&) = delete;

    Bounds operator()(const DrawOp& op);

private:
    struct Glyphs;
    std::unique_ptr<Glyphs> glyphs_;
};

}  // namespace cw
