// The pixels a list of operations renders to, for comparing two lists'
// pictures exactly and for reading where ink went.
#pragma once
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/display.h"
#include "platform/render.h"
#include "platform/retained.h"

namespace cw::test {

// The screen ops leave, at `scale` times the layout's size.
class Picture {
public:
    // A history of operations (std::vector<DrawOp>) or what a screen keeps
    // (std::vector<KeptOp>).
    template <class Ops>
    explicit Picture(const Ops& ops, double scale = 1.0) {
        draw(ops, scale);
    }
    // Draws ops anew, on the memory this picture already holds: a check
    // that looks at many screens keeps one picture for them and takes no
    // new memory a screen.
    template <class Ops>
    void draw(const Ops& ops, double scale = 1.0) {
        scale_ = scale;
        w_ = static_cast<int>(std::lround(1440 * scale));
        h_ = static_cast<int>(std::lround(900 * scale));
        stride_ = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, w_);
        data_.resize(static_cast<size_t>(stride_) * static_cast<size_t>(h_));
        cairo_surface_t* s =
            cairo_image_surface_create_for_data(data_.data(), CAIRO_FORMAT_RGB24, w_, h_, stride_);
        cairo_t* cr = cairo_create(s);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_scale(cr, scale, scale);
        render_ops(cr, ops);
        cairo_destroy(cr);
        cairo_surface_flush(s);
        cairo_surface_destroy(s);
    }
    int width() const { return w_; }
    int height() const { return h_; }
    double scale() const { return scale_; }
    const std::vector<uint8_t>& bytes() const { return data_; }
    uint32_t pixel(int px, int py) const {
        if (px < 0 || py < 0 || px >= w_ || py >= h_) return 0xFFFFFF;
        const uint8_t* row = data_.data() + static_cast<size_t>(py) * static_cast<size_t>(stride_);
        return reinterpret_cast<const uint32_t*>(row)[px] & 0xFFFFFF;
    }
    bool ink(int px, int py) const { return pixel(px, py) != 0xFFFFFF; }
    // The pixel rows or columns of a layout span [a, b).
    int px(double layout) const { return static_cast<int>(std::floor(layout * scale_ + 1e-6)); }

    // The box (in pixels, right and bottom exclusive) of the pixels that
    // differ from another picture of the same size within the layout box b.
    struct Px {
        int l = 1 << 30, t = 1 << 30, r = -1, b = -1;
        bool empty() const { return r < 0; }
    };
    Px differing(const Picture& o, const Bounds& b) const {
        Px e;
        each_row_apart(o, b, [&](int x0, int x1, int y) {
            for (int x = x0; x < x1; ++x)
                if (pixel(x, y) != o.pixel(x, y)) grow(e, x, y);
        });
        return e;
    }

    // The box (as differing gives it) of the pixels within b that show ink
    // where another picture of the same size shows none.
    Px ink_beyond(const Picture& o, const Bounds& b) const {
        Px e;
        each_row_apart(o, b, [&](int x0, int x1, int y) {
            for (int x = x0; x < x1; ++x)
                if (ink(x, y) && !o.ink(x, y)) grow(e, x, y);
        });
        return e;
    }

private:
    static void grow(Px& e, int x, int y) {
        e.l = std::min(e.l, x), e.r = std::max(e.r, x + 1);
        e.t = std::min(e.t, y), e.b = std::max(e.b, y + 1);
    }
    // Calls look(x0, x1, y) for each pixel row y within the layout box b
    // (its pixels [x0, x1)) whose bytes differ from the other picture's:
    // rows alike, most of them, are passed over in one comparison.
    template <class Look>
    void each_row_apart(const Picture& o, const Bounds& b, Look look) const {
        const int x0 = std::max(0, px(b.l)), x1 = std::min(w_, px(b.r) + 1);
        if (x0 >= x1) return;
        const bool alike = o.w_ == w_ && o.h_ == h_ && o.stride_ == stride_;  // else every row is looked at
        for (int y = std::max(0, px(b.t)); y < std::min(h_, px(b.b) + 1); ++y) {
            const size_t at = static_cast<size_t>(y) * static_cast<size_t>(stride_) + 4 * static_cast<size_t>(x0);
            if (!alike || std::memcmp(data_.data() + at, o.data_.data() + at, 4 * static_cast<size_t>(x1 - x0)) != 0)
                look(x0, x1, y);
        }
    }

    double scale_ = 1;
    int w_ = 0, h_ = 0, stride_ = 0;
    std::vector<uint8_t> data_;
};

// The drawing of an operation, whatever it was drawn over and however many times.
inline const DrawOp& drawing(const DrawOp& op) { return op; }
inline const DrawOp& drawing(const KeptOp& k) { return k.op; }

// The operations (as drawn, or as the screen keeps them) with each drawing
// that is drawn again later, at the same place, left to its last copy: what
// each one shows, once.
template <class Ops>
Ops drawn_once(const Ops& ops) {
    // Looked for among the later ones with the same kind, place and text.
    auto key = [](const DrawOp& op) {
        return std::hash<std::string>{}(op.s) ^ (std::hash<float>{}(op.x1) * 3) ^ (std::hash<float>{}(op.y1) * 7) ^
               (std::hash<float>{}(op.x2) * 11) ^ (std::hash<float>{}(op.y2) * 13) ^ static_cast<size_t>(op.op);
    };
    std::unordered_multimap<size_t, size_t> later;
    Ops out;
    for (size_t i = ops.size(); i-- > 0;) {
        const DrawOp& op = drawing(ops[i]);
        const size_t k = key(op);
        auto [from, to] = later.equal_range(k);
        const bool again = std::any_of(from, to, [&](const auto& e) { return drawing(ops[e.second]) == op; });
        if (again) continue;
        later.emplace(k, i);
        out.push_back(ops[i]);
        if constexpr (std::is_same_v<Ops, std::vector<KeptOp>>) out.back().times = 1;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

inline std::vector<uint8_t> picture(const std::vector<DrawOp>& ops) { return Picture(ops).bytes(); }
inline std::vector<uint8_t> picture(const std::vector<KeptOp>& ops) { return Picture(ops).bytes(); }

}  // namespace cw::test
