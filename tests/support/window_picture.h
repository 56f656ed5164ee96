// A window's picture of the screen, drawn on an image of its size as the
// window backend draws it, and the picture a repaint of the screen's list
// (a resize) gives, for comparing the two.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/palette.h"
#include "platform/render.h"
#include "platform/retained.h"
#include "platform/window_screen.h"

namespace cw::test {

// The windows smaller than the layout the sweeps draw every screen in: a
// projector's 1366 x 768, and the smallest a school's screen gives.
constexpr std::pair<int, int> kSmallerWindows[] = {{1366, 768}, {1024, 768}, {640, 480}};

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
        if (repaint_) cairo_surface_destroy(repaint_);
    }
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    double scale() const { return at_.scale; }

    void draw(const DrawOp& op) {
        const Paint paint = paint_of(op);
        const Beneath under = drawn_.beneath(op);
        if (op.drawn()) drawn_.add(op, paint);
        draw_in_window(cr_, at_, list_, op, paint, under, [](const DeviceBox&) {});
    }

    RetainedList& list() { return list_; }
    const WindowPlace& place() const { return at_; }
    // The window's pixels.
    std::vector<uint32_t> pixels() { return read(surface_); }
    // The first pixel (x, y) where the window differs from what a repaint of
    // its list gives, or (-1, -1).  The repaint is drawn on one image kept
    // for it and the two are compared where they lie, so that looking at
    // every page takes no new memory.
    std::pair<int, int> first_difference_from_repaint() {
        if (!repaint_) repaint_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w_, h_);
        cairo_t* cr = cairo_create(repaint_);
        set_up(cr);
        render_ops(cr, list_.kept());
        cairo_destroy(cr);
        cairo_surface_flush(repaint_);
        cairo_surface_flush(surface_);
        const uint8_t* a = cairo_image_surface_get_data(surface_);
        const uint8_t* b = cairo_image_surface_get_data(repaint_);
        const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface_));
        for (int y = 0; y < h_; ++y) {
            const auto* ra = reinterpret_cast<const uint32_t*>(a + static_cast<size_t>(y) * stride);
            const auto* rb = reinterpret_cast<const uint32_t*>(b + static_cast<size_t>(y) * stride);
            // Rows alike, most of them, are passed over in one comparison.
            if (std::memcmp(ra, rb, 4 * static_cast<size_t>(w_)) == 0) continue;
            for (int x = 0; x < w_; ++x)
                if ((ra[x] ^ rb[x]) & 0xFFFFFF) return {x, y};
        }
        return {-1, -1};
    }
    // Whether any pixel of the window is not the background: a comparison
    // of a blank window proves nothing.
    bool shows_ink() {
        cairo_surface_flush(surface_);
        const uint32_t background = background_pixel();
        const std::vector<uint32_t> blank(static_cast<size_t>(w_), background | 0xFF000000u);
        const uint8_t* data = cairo_image_surface_get_data(surface_);
        const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface_));
        for (int y = 0; y < h_; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
            // Rows of background, most of them, are passed over in one comparison.
            if (std::memcmp(row, blank.data(), 4 * blank.size()) == 0) continue;
            for (int x = 0; x < w_; ++x)
                if ((row[x] & 0xFFFFFF) != background) return true;
        }
        return false;
    }
    // How many pixels of the window are not the background.
    size_t inked() {
        const uint32_t background = background_pixel();
        size_t n = 0;
        for (uint32_t p : pixels()) n += p != background;
        return n;
    }

private:
    // The background's colour as a pixel of the image (its unused top byte 0).
    static uint32_t background_pixel() {
        const Rgb bg = fill_rgb(BACKGROUND);
        return (static_cast<uint32_t>(bg.r) << 16) | (static_cast<uint32_t>(bg.g) << 8) | bg.b;
    }
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
    cairo_surface_t* repaint_ = nullptr;  // where first_difference_from_repaint draws
    cairo_t* cr_;
    RetainedList list_;
    Backdrop drawn_;
};

}  // namespace cw::test
