// Rendering draw operations with Cairo and Pango, and where each one leaves
// its ink.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/backdrop.h"
#include "platform/display.h"

typedef struct _cairo cairo_t;

namespace cw {

// Draws operations one after another onto a Cairo context whose user space
// maps the 1440 x 900 layout to the target (drawing outside the layout is
// clipped by the caller).  Each colour index is painted by its use (see
// palette.h), over what the operations before it left; each glyph of a text
// where its cell puts it, fitted as the text's fits say.  An operation is
// drawn op.times times over itself.
class Painter {
public:
    explicit Painter(cairo_t* cr) : cr_(cr) {}
    // Draws an operation over what it lies on: what it was kept with
    // (op.beneath), else what this painter has drawn before it.
    void draw(const DrawOp& op);
    // Draws an operation over what is given.
    void draw(const DrawOp& op, const Beneath& under);
    // Takes note of an operation drawn some other way.
    void note(const DrawOp& op) { backdrop_.add(op); }
    const Backdrop& backdrop() const { return backdrop_; }

private:
    void text(const DrawOp& op, const Beneath& under);
    cairo_t* cr_;
    Backdrop backdrop_;
};

// Works out, when a text is drawn, how its glyphs are fitted to what lies
// under them (DrawOp::fits): in the filled box a character is written in
// (Backdrop::cell_holding), the text is scaled alike by how a full-height
// character of its face fits the box and each glyph is kept inside it; a
// glyph is kept clear of the fraction bars next to it, moved away from a bar
// as far as its cell leaves room and shrunk only for the rest.  What a
// glyph of a style is like is measured once and remembered while it is
// among the `most` glyphs measured or asked for last (or the `most` before
// them); one forgotten is measured again, the same.
class GlyphFitter {
public:
    static constexpr size_t kMostShapes = 1024;
    explicit GlyphFitter(size_t most = kMostShapes);
    ~GlyphFitter();
    GlyphFitter(const GlyphFitter&) = delete;
    GlyphFitter& operator=(const GlyphFitter&) = delete;

    std::vector<GlyphFit> operator()(const DrawOp& text, const Backdrop& under);
    // How many shapes it remembers.
    size_t size() const;

private:
    struct Shapes;
    size_t most_;
    std::unique_ptr<Shapes> shapes_;
};

// Draws ops with a painter of their own, from an empty screen.
void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops);

// Writes the screen that ops leave as a PNG of (1440 x 900) * scale pixels.
// Returns false when the file cannot be written.
bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale = 1.0);

// Whether the operation's drawing depends on nothing under it: it paints
// every pixel it touches in one colour, so drawing it again over itself
// changes nothing.
bool repaints_itself(const DrawOp& op);

// Where operations leave their ink: the box of whole pixels an operation
// touches when drawn at the layout's own size (one pixel a unit), its
// antialiased rim included.  In a larger or smaller window its ink lies
// within about a pixel of this box, scaled.  Text is measured by drawing it
// once, so whatever face draws it, bold or leaning or fitted, is measured as
// drawn; what one text, style, fit and place within a pixel touches is
// remembered, as glyph shapes are (GlyphFitter), among the `most` asked for
// last and the `most` before them.
class InkBounds {
public:
    static constexpr size_t kMostTexts = 4096;
    explicit InkBounds(size_t most = kMostTexts);
    ~InkBounds();
    InkBounds(const InkBounds&) = delete;
    InkBounds& operator=(const InkBounds&) = delete;

    Bounds operator()(const DrawOp& op);
    // How many texts it remembers.
    size_t size() const;

private:
    struct Texts;
    size_t most_;
    std::unique_ptr<Texts> texts_;
};

}  // namespace cw
