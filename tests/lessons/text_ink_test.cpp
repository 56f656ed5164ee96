// The one measure of a text's ink over every text of the tour: the screen's
// list (RetainedList::ink) and the platform (what shown texts and sketches are
// measured by) measure each text from its glyphs as the layout placed them,
// and the box holds every pixel the painter paints, at the layout's size and
// at the other sizes a window is drawn at.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <sstream>
#include <vector>

#include "platform/glyph_layout.h"
#include "platform/render.h"
#include "support/tour.h"

namespace cw::test {
namespace {

// The pixels a text paints at `scale` pixels a unit, on a screen whose
// pixels start at the layout's corner, as a box in layout units.
Bounds painted(const DrawOp& op, double scale) {
    const float reach = op.font.size * static_cast<float>(std::max(op.p, op.q));
    float right = op.x1;
    for (const CharCell& c : char_cells(op)) right = c.cell.r;
    const double l = std::floor((op.x1 - 2 * reach) * scale), t = std::floor((op.y1 - 2 * reach) * scale);
    const int w = static_cast<int>(std::ceil((right + 2 * reach) * scale - l));
    const int h = static_cast<int>(std::ceil((op.y1 + op.font.size * static_cast<float>(op.q) + 2 * reach) * scale - t));
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_translate(cr, -l, -t);
    cairo_scale(cr, scale, scale);
    DrawOp black = op;
    black.c = 0;
    Painter(cr).draw(black, paint_of(black), Beneath{});
    cairo_destroy(cr);
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    const std::vector<unsigned char> blank(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = data + y * stride;
        if (std::memcmp(row, blank.data(), blank.size()) == 0) continue;  // no ink: one comparison
        int first = 0, last = w - 1;
        while (!row[first]) ++first;
        while (!row[last]) --last;
        x0 = std::min(x0, first), x1 = std::max(x1, last), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
    cairo_surface_destroy(s);
    if (x1 < 0) return {};
    EXPECT_TRUE(x0 > 0 && y0 > 0 && x1 < w - 1 && y1 < h - 1) << op.s << ": ink at the picture's edge";
    return {static_cast<float>((x0 + l) / scale), static_cast<float>((y0 + t) / scale),
            static_cast<float>((x1 + 1 + l) / scale), static_cast<float>((y1 + 1 + t) / scale)};
}

std::string named(const DrawOp& op, double scale) {
    std::ostringstream s;
    s << '"' << op.s << "\" (" << op.x1 << ", " << op.y1 << ")" << (op.role == GlyphRole::Operator ? " operator" : "")
      << " at scale " << scale;
    return s.str();
}

// The other sizes a window is drawn at, each text of every fifth.
constexpr double kWindowScales[] = {2.0, 1.2, 0.853, 0.711, 0.444};
constexpr int kScales = static_cast<int>(std::size(kWindowScales));

// What one step measured: its texts at the layout's size, and at each of
// the window's other sizes.
struct TextsMeasured {
    int texts = 0;
    int at_scale[kScales] = {};
};

// One step's texts.
TextsMeasured check_texts(const Step& step) {
    GlyphLayout screen;
    GlyphLayout windows;
    TextsMeasured m;
    int failures = 0;
    WalkOptions options;
    options.on_op = [&](const DrawOp& op, const Program& g) {
        if (op.op != Op::Text || op.glyphs.empty() || failures > 10) return;
        ++m.texts;
        const Bounds listed = screen.ink(op, 1, true);
        const Bounds placed = const_cast<Program&>(g).pf.ink(op);
        // The screen's measure is the platform's, with the glyphs landed
        // on the layout's pixels: half a pixel moves a side at most a
        // pixel either way.
        const bool agree = placed.empty() ? listed.empty() : std::abs(listed.l - placed.l) <= 1 &&
                           std::abs(listed.t - placed.t) <= 1 && std::abs(listed.r - placed.r) <= 1 &&
                           std::abs(listed.b - placed.b) <= 1;
        EXPECT_TRUE(agree) << step.name() << ": " << named(op, 1);
        const Bounds at1 = painted(op, 1);
        const bool holds = at1.empty() || at1.within(listed);
        EXPECT_TRUE(holds) << step.name() << ": " << named(op, 1);
        // Every fifth text at the other sizes a window is drawn at.
        if (m.texts % 5 == 0)
            for (int k = 0; k < kScales; ++k) {
                const double scale = kWindowScales[k];
                const Bounds p = painted(op, scale);
                const bool held = p.empty() || p.within(windows.ink(op, scale, true));
                EXPECT_TRUE(held) << step.name() << ": " << named(op, scale);
                failures += !held;
                ++m.at_scale[k];
            }
        failures += !agree + !holds;
    };
    walk(step, options);
    if (failures > 10) return m;  // the failures are said; the counts stop with them
    // Every step writes, and every fifth of its texts is measured at each
    // other size.
    EXPECT_GE(m.texts, 5) << step.name();
    for (int k = 0; k < kScales; ++k)
        EXPECT_EQ(m.at_scale[k], m.texts / 5) << step.name() << ": texts measured at scale " << kWindowScales[k];
    return m;
}

// The texts the tour writes in each lesson, all its steps' together: the
// tour fixes them (each page writes what it writes, under either face), so a
// sweep that measures fewer shows.
const std::map<std::string, int> kTextsOfLessons = {
    {"kelvane-1", 1777}, {"kelvane-2", 881},  {"kelvane-3", 2906}, {"kelvane-4", 3551}, {"kelvane-5", 1019},
    {"kelvane-6", 1672}, {"kelvane-7", 836},  {"dorrith-1", 1032}, {"dorrith-2", 1101}, {"dorrith-3", 1616},
    {"dorrith-4", 1499}, {"dorrith-5", 1945}, {"dorrith-6", 903},  {"sarnoth-1", 3511}, {"sarnoth-2", 4806},
    {"sarnoth-3", 3484}, {"sarnoth-4", 339},  {"sarnoth-5", 1313}, {"sarnoth-6", 1128},
};

// One lesson a test, so the lessons run side by side (and each process
// starts once for the steps of its lesson).
class TextInk : public testing::TestWithParam<std::string> {};

TEST_P(TextInk, OneMeasureHoldsWhatThePainterPaintsAtEverySize) {
    const std::vector<std::string> steps = steps_of_lesson(GetParam());
    int texts = 0;
    for (const std::string& step : steps) texts += check_texts(step_named(step)).texts;
    EXPECT_EQ(texts, kTextsOfLessons.at(GetParam())) << "texts measured, of " << steps.size() << " steps";
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, TextInk, testing::ValuesIn(lesson_names()), StepTestName());

}  // namespace
}  // namespace cw::test
