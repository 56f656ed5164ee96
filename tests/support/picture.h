// The pixels a list of operations renders to at the layout's own size, for
// comparing two lists' pictures exactly.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/render.h"

namespace cw::test {

inline std::vector<uint8_t> picture(const std::vector<DrawOp>& ops) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    render_ops(cr, ops);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    const uint8_t* d = cairo_image_surface_get_data(s);
    std::vector<uint8_t> out(d, d + cairo_image_surface_get_stride(s) * 900);
    cairo_surface_destroy(s);
    return out;
}

}  // namespace cw::test
