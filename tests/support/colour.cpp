#include "support/colour.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace cw::test {

namespace {

using Linear = std::array<double, 3>;  // red, green, blue, 0 .. 1, proportional to light

Linear linear(Rgb c) {
    auto channel = [](uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

// What a dichromat sees of a colour, in the same linear RGB.
using Matrix = std::array<Linear, 3>;
constexpr Matrix kDeuteranope = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kProtanope = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};

Linear seen(const Linear& c, Vision v) {
    if (v == Vision::Normal) return c;
    const Matrix& m = v == Vision::Deuteranope ? kDeuteranope : kProtanope;
    Linear out{};
    for (size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * c[0] + m[i][1] * c[1] + m[i][2] * c[2], 0.0, 1.0);
    return out;
}

struct Lab {
    double l, a, b;
};

Lab lab(const Linear& c) {
    const auto [r, g, b] = c;
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

}  // namespace

double contrast_ratio(Rgb a, Rgb b) {
    double la = relative_luminance(a), lb = relative_luminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

const char* vision_name(Vision v) {
    switch (v) {
    case Vision::Normal: return "normal vision";
    case Vision::Deuteranope: return "a deuteranope";
    case Vision::Protanope: return "a protanope";
    }
    return "?";
}

double colour_difference(Rgb a, Rgb b, Vision seen_by) {
    const Lab p = lab(seen(linear(a), seen_by)), q = lab(seen(linear(b), seen_by));
    return std::hypot(p.l - q.l, p.a - q.a, p.b - q.b);
}

}  // namespace cw::test
