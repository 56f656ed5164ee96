#include "platform/render.h"

namespace cw {

void render_ops(cairo_t* cr, const std::vector<DrawOp>& ops) {}
void render_op(cairo_t* cr, const DrawOp& op) {}
bool write_png(const std::vector<DrawOp>& ops, const std::string& path, double scale) { return false; }

}  // namespace cw
