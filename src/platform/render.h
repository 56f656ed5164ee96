// Rendering draw operations with Cairo and Pango.
#pragma once
#include <string>
#include <vector>

#include "platform/display.h"

typedef struct _cairo cairo_t;

namespace cw {

// Draws ops onto cr, whose user space must already map the 1440 x 900 layout
// to the target.  Drawing outside the layout is clipped by the caller.
void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops);
void render_op(cairo_t* cr, const DrawOp& op);

// Writes the screen that ops leave as a PNG of (1440 x 900) * scale pixels.
// Returns false when the file cannot be written.
bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale = 1.0);

}  // namespace cw
