// Rendering draw operations with Cairo and Pango.
#pragma once
#include <string>
#include <vector>

#include "platform/backdrop.h"
#include "platform/display.h"

typedef struct _cairo cairo_t;

namespace cw {

// Draws operations one after another onto a Cairo context whose user space
// maps the 1440 x 900 layout to the target (drawing outside the layout is
// clipped by the caller).  Each colour index is painted by its use (see
// palette.h), over what the operations before it left; text keeps its ink
// inside the filled box it is written in and clear of fraction bars.
class Painter {
public:
    explicit Painter(cairo_t* cr) : cr_(cr) {}
    void draw(const DrawOp& op);
    const Backdrop& backdrop() const { return backdrop_; }

private:
    void text(const DrawOp& op);
    cairo_t* cr_;
    Backdrop backdrop_;
};

// Draws ops with a painter of their own, from an empty screen.
void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops);

// Writes the screen that ops leave as a PNG of (1440 x 900) * scale pixels.
// Returns false when the file cannot be written.
bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale = 1.0);

}  // namespace cw
