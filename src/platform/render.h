// Rendering draw operations with Cairo and Pango.
#pragma once
#include <string>
#include <vector>

#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/kept_op.h"
#include "platform/paint.h"

typedef struct _cairo cairo_t;

namespace cw {

// Draws operations onto a Cairo context whose user space maps the 1440 x
// 900 layout to the target (drawing outside the layout is clipped by the
// caller), each over what lies under it: each colour index painted by its
// use (see palette.h) over the fill under it, and each glyph of a text where
// the layout placed it (DrawOp::glyphs).  It decides nothing itself: how
// each operation lands on pixels is its Paint (paint.h).
class Painter {
public:
    explicit Painter(cairo_t* cr) : cr_(cr) {}
    // Draws an operation, painting as `paint` says (read at this device's
    // size: Paint::on_device), over what lies under it, `times` times over
    // itself.
    void draw(const DrawOp& op, const Paint& paint, const Beneath& under, int times = 1);
    // Draws what a screen keeps, as it keeps it.
    void draw(const KeptOp& k) { draw(k.op, k.paint, k.beneath ? *k.beneath : Beneath{}, k.times); }

private:
    void text(const DrawOp& op, const Beneath& under, int times);
    cairo_t* cr_;
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

}  // namespace cw
