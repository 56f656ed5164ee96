// A window's picture of the screen, drawn on an image of its size as the
// window backend draws it, and the picture a repaint of the screen's list
// (a resize) gives, for comparing the two.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/palette.h"
#include "platform/render.h"
#include "platform/retained.h"
#include "platform/window_screen.h"

namespace cw::test {

// A window of w by h pixels, drawn as the window backend draws: the layout
// placed in it and each operation drawn through draw_in_window.
class WindowPicture {
public:
    WindowPicture(int w, int h) : w_(w), h_(h), at_(place_in_window(w, h)) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cr_ = cairo_create(surface_);
        set_up(cr_);
    }
    ~WindowPicture() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    double scale() const { return at_.scale; }

    void draw(const DrawOp& op) {
        const Beneath under = drawn_.beneath(op);
        if (op.drawn()) drawn_.add(op);
        draw_in_window(cr_, at_, list_, op, under, [](const DeviceBox&) {});
    }

    RetainedList& list() { return list_; }
    const WindowPlace& place() const { return at_; }
    // The window's pixels.
    std::vector<uint32_t> pixels() { return read(surface_); }
    // The pixels a repaint of the list (a resize) gives.
    std::vector<uint32_t> repainted() {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w_, h_);
        cairo_t* cr = cairo_create(s);
        set_up(cr);
        render_ops(cr, list_.kept());
        cairo_destroy(cr);
        std::vector<uint32_t> out = read(s);
        cairo_surface_destroy(s);
        return out;
    }
    // The first pixel (x, y) where two pictures differ, or (-1, -1).
    std::pair<int, int> first_difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) const {
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i]) return {static_cast<int>(i % w_), static_cast<int>(i / w_)};
        return {-1, -1};
    }
    // How many pixels of the window are not the background.
    size_t inked() {
        const Rgb bg = fill_rgb(BACKGROUND);
        const uint32_t background = (static_cast<uint32_t>(bg.r) << 16) | (static_cast<uint32_t>(bg.g) << 8) | bg.b;
        size_t n = 0;
        for (uint32_t p : pixels()) n += p != background;
        return n;
    }

private:
    void set_up(cairo_t* cr) const {
        const Rgb bg = fill_rgb(BACKGROUND);
        cairo_set_source_rgb(cr, bg.r / 255.0, bg.g / 255.0, bg.b / 255.0);
        cairo_paint(cr);
        const DeviceBox& c = at_.clip;
        cairo_rectangle(cr, c.l, c.t, c.r - c.l, c.b - c.t);
        cairo_clip(cr);
        cairo_translate(cr, c.l, c.t);
        cairo_scale(cr, at_.scale, at_.scale);
    }
    std::vector<uint32_t> read(cairo_surface_t* s) const {
        cairo_surface_flush(s);
        const uint8_t* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        std::vector<uint32_t> out;
        out.reserve(static_cast<size_t>(w_) * static_cast<size_t>(h_));
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                out.push_back(reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride)[x] & 0xFFFFFF);
        return out;
    }

    int w_, h_;
    WindowPlace at_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    RetainedList list_;
    Backdrop drawn_;
};

}  // namespace cw::test
