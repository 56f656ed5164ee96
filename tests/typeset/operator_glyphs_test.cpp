// How the times, divide and plus-minus signs come out of the typesetter, as
// a pupil at the back of a room sees them: an operator between two operands
// as heavy and nearly as tall as the digits and the minus beside it, on
// the line and in a fraction's parts; a sign with nothing on one side, and
// a × written in Japanese text, at its character's full size.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/render.h"
#include "typeset/typeset_fixture.h"

namespace cw::test {
namespace {

// The ink of one drawn text, painted alone at `scale` pixels a unit: the
// pixels at least half dark.
struct Ink {
    float top = 0, bottom = 0, height = 0;
    // The width of its strokes, measured across them: the level strokes'
    // (a minus, the bars of ÷ and ±) down a column near its left end, the
    // slanting strokes of × along rows between its ends and its crossing.
    float stroke = 0;
    // Its weight as the eye takes it in: twice its area over the length of
    // its outline, about w for strokes w wide (a stroke that steps from
    // pixel to pixel has a longer outline, and reads lighter).
    float weight = 0;
};

// Drawn at (dx, dy) pixels from where the layout's grid puts it.
Ink ink_of(const DrawOp& op, int scale = 8, double dx = 0, double dy = 0) {
    const float pad = 60;
    const Bounds box{op.x1 - pad, op.y1 - pad, op.x1 + 2 * pad, op.y1 + 2 * pad};
    const int w = static_cast<int>((box.r - box.l) * scale), h = static_cast<int>((box.b - box.t) * scale);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, dx, dy);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -box.l, -box.t);
    DrawOp one = op;
    one.c = 0;
    render_ops(cr, {one});
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    auto dark = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && data[y * stride + x] >= 128; };
    int l = w, t = h, r = -1, b = -1;
    double area = 0, edges = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (dark(x, y)) {
                l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
                ++area;
                edges += !dark(x + 1, y) + !dark(x - 1, y) + !dark(x, y + 1) + !dark(x, y - 1);
            }
    Ink ink;
    if (edges > 0) ink.weight = static_cast<float>(2 * area / edges / scale);
    if (b >= 0) {
        ink.top = box.t + static_cast<float>(t) / scale;
        ink.bottom = box.t + static_cast<float>(b + 1) / scale;
        ink.height = ink.bottom - ink.top;
        // The mean length of the runs of ink a line of pixels crosses.
        auto mean_run = [&](int x0, int y0, int dx, int dy) {
            int runs = 0, length = 0;
            for (int x = x0, y = y0; x <= r && y <= b; x += dx, y += dy) {
                if (!dark(x, y)) continue;
                ++length;
                if (!dark(x - dx, y - dy)) ++runs;
            }
            return runs ? static_cast<double>(length) / runs : 0.0;
        };
        double across = 0;
        if (op.op == Op::Text && op.s == "×") {
            const double slope = std::atan2(b + 1 - t, r + 1 - l), rows = (b + 1 - t) * 0.1;
            for (int y = t + static_cast<int>(2 * rows); y <= t + static_cast<int>(3 * rows); ++y)
                across += mean_run(l, y, 1, 0) * std::sin(slope) / (static_cast<int>(3 * rows) - static_cast<int>(2 * rows) + 1);
        } else {
            across = mean_run(l + static_cast<int>((r + 1 - l) * 0.12), t, 0, 1);
        }
        ink.stroke = static_cast<float>(across / scale);
    }
    cairo_surface_destroy(surface);
    return ink;
}

// The ink as a projector showing the layout at one pixel a unit shows it:
// the mean over the places a text takes within a pixel, a quarter of a
// pixel apart, of its height and weight in whole pixels at least half dark.
Ink projected(const DrawOp& op) {
    constexpr int kSteps = 4;
    Ink mean;
    for (int i = 0; i < kSteps; ++i)
        for (int j = 0; j < kSteps; ++j) {
            const Ink k = ink_of(op, 1, double(i) / kSteps, double(j) / kSteps);
            mean.height += k.height / (kSteps * kSteps);
            mean.stroke += k.stroke / (kSteps * kSteps);
            mean.weight += k.weight / (kSteps * kSteps);
        }
    return mean;
}

class OperatorGlyphs : public TypesetTest {
protected:
    // The text drawn for one character of what was last typeset.
    DrawOp glyph(const std::string& ch) const {
        for (const DrawOp& op : visible(Op::Text))
            if (op.s == ch) return op;
        ADD_FAILURE() << "no " << ch << " drawn";
        return {};
    }
    // The typesetter's minus stroke, measured as the signs are.
    float minus_stroke() const {
        for (const DrawOp& op : visible(Op::Line))
            if (op.y1 == op.y2 && !op.bar) return ink_of(op).stroke;
        ADD_FAILURE() << "no minus drawn";
        return 0;
    }
};

// An operator sign between two operands: at least 0.6 of the digits'
// height and 0.55 of the minus's stroke, centred on the digits' middle,
// in every place the typesetter sets one.
TEST_F(OperatorGlyphs, OperatorsWeighAsTheirNeighbours) {
    struct Case {
        const char* text;
        const char* sign;
        const char* where;
    };
    const Case cases[] = {
        {"6*3-2", "×", "on the line"},
        {"6/3-2", "÷", "on the line"},
        {"6@3-2", "±", "on the line"},
        {"ﾀ6*3-2/5ﾀ", "×", "in a numerator"},
        {"ﾀ5/6*3-2ﾀ", "×", "in a denominator"},
        {"ﾀ6@3-2/5ﾀ", "±", "in a numerator"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + c.where);
        h.pf.clear_record();
        draw(c.text, 100, 200);
        const Ink sign = ink_of(glyph(c.sign)), digit = ink_of(glyph("6"));
        ASSERT_GT(digit.height, 0);
        EXPECT_GE(sign.height / digit.height, 0.6f);
        EXPECT_GE(sign.stroke / minus_stroke(), 0.55f);
        const float middle = (digit.top + digit.bottom) / 2, sign_middle = (sign.top + sign.bottom) / 2;
        EXPECT_NEAR(sign_middle, middle, 0.05f * digit.height);
    }
}

// The same as a class sees it on a projector showing the screen at one
// pixel a unit (a 1440-wide picture), where a light stroke loses what of it
// is less than half dark: the times sign of a fraction's parts, the
// smallest, keeps 0.55 of the minus's weight and 0.6 of the digits' height.
TEST_F(OperatorGlyphs, OperatorsWeighAsTheirNeighboursAtOnePixelAUnit) {
    struct Case {
        const char* text;
        const char* sign;
        const char* where;
    };
    const Case cases[] = {
        {"ﾀ6*3-2/5ﾀ", "×", "in a numerator"},
        {"ﾀ5/6*3-2ﾀ", "×", "in a denominator"},
        {"6*3-2", "×", "on the line"},
        {"6/3-2", "÷", "on the line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + c.where);
        h.pf.clear_record();
        draw(c.text, 100, 200);
        DrawOp minus;
        for (const DrawOp& op : visible(Op::Line))
            if (op.y1 == op.y2 && !op.bar) minus = op;
        const Ink sign = projected(glyph(c.sign)), digit = projected(glyph("6")), bar = projected(minus);
        ASSERT_GT(digit.height, 0);
        ASSERT_GT(bar.stroke, 0);
        EXPECT_GE(sign.height / digit.height, 0.6f);
        EXPECT_GE(sign.weight / bar.weight, 0.55f);
    }
}

// A sign with no operand on one side is an ordinary symbol, and a × in
// Japanese text is a character: both keep their character's full size.
TEST_F(OperatorGlyphs, SignsThatAreNoOperatorKeepTheirSize) {
    struct Case {
        const char* text;
        const char* sign;
        const char* beside;
        float least = 0.7f;  // of the height of the character beside it
    };
    const Case cases[] = {
        {"*", "×", nullptr},      // a mark alone in a table cell
        {"*6", "×", "6"},         // nothing before it
        {"3と*の6", "×", "6"},    // a word of Japanese text
        // A character among kanji: the face's own ×, 0.70 of its kanji's
        // height, as the operator (0.51) is not.
        {"多項式*数", "×", "数", 0.69f},
        {"式、/数", "÷", "数", 0.69f},
    };
    h.pf.clear_record();
    draw("6", 100, 200);
    const float digit = ink_of(glyph("6")).height;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        h.pf.clear_record();
        draw(c.text, 100, 200);
        const float beside = c.beside ? ink_of(glyph(c.beside)).height : digit;
        EXPECT_GE(ink_of(glyph(c.sign)).height / beside, c.least);
    }
}

TEST_F(OperatorGlyphs, TimesInJapaneseTextIsACharacter) {
    h.pf.SETFONTSIZE(16);
    h.pf.SETFONTBOLD(-1);
    h.pf.SYMBOL(100, 200, 1, 1, 13, "マウスで×をクリック");
    const DrawOp text = visible(Op::Text).back();
    DrawOp times = text, kana = text;
    times.s = "×";
    times.x1 += 4 * 16;
    kana.s = "を";
    const float ratio = ink_of(times).height / ink_of(kana).height;
    EXPECT_GE(ratio, 0.7f);
}

}  // namespace
}  // namespace cw::test
