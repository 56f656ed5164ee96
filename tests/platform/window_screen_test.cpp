// The window's picture of the screen at its own scale: after an erase it
// shows what the screen's list, drawn anew at that scale (a resize's repaint),
// shows, and no ink of what the erase took away, in windows larger and
// smaller than the layout.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/glyph_layout.h"
#include "platform/palette.h"
#include "platform/render.h"
#include "platform/retained.h"
#include "platform/window_screen.h"
#include "support/window_picture.h"

namespace cw {
namespace {

using test::WindowPicture;

DrawOp text(float x, float y, const std::string& s, int p, int q, const char* face, bool italic = false) {
    DrawOp op;
    op.op = Op::Text;
    op.x1 = x, op.y1 = y, op.s = s, op.p = p, op.q = q, op.c = 5;
    op.font.face = face;
    op.font.size = face == std::string("ゴシック") ? 16 : 8;
    op.font.bold = true;
    op.font.italic = italic;
    return laid_out(op);
}

DrawOp shape(Op kind, float x1, float y1, float x2, float y2, int c, int w) {
    DrawOp op;
    op.op = kind;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.c = c, op.f = c, op.w = w;
    return op;
}

DrawOp arc(float x, float y, float r, float start, float end, int c, int w) {
    DrawOp op = shape(Op::Circle, x, y, x, y, c, w);
    op.r = r, op.start = start, op.end = end, op.filled = false;
    return op;
}

// An erase with a pen of width 1 that paints exactly the pixels of `ink`
// at the layout's size: as tight round a drawing as an erase can be and
// still take it away.
DrawOp erase_of(const Bounds& ink) {
    return shape(Op::Fill, ink.l + 0.5f, ink.t + 0.5f, ink.r - 0.5f, ink.b - 0.5f, BACKGROUND, 1);
}

// The window sizes schools' screens and projectors give, and the scale of
// the layout in each: 1.2, 1, 0.853, 0.711 and 0.444.
struct Size {
    int w, h;
};
const Size kSizes[] = {{1728, 1080}, {1440, 900}, {1366, 768}, {1024, 768}, {640, 480}};

struct Case {
    const char* what;
    std::vector<DrawOp> drawn;  // the first is what the erase takes away, tightly
    bool alone;                 // nothing else stays on the screen
    // What is drawn over it instead of the tight erase: a drawing that is
    // not an erase, or an erase that paints along a path.
    std::optional<DrawOp> over = std::nullopt;
};

// The same drawing in the background colour.
DrawOp in_background(DrawOp op) {
    op.c = op.f = BACKGROUND;
    return op;
}

TEST(WindowScreen, AnEraseLeavesNothingOfWhatItTookAwayAtAnySize) {
    const DrawOp leaning = text(301, 203, "fj", 10, 7, "Times New Roman", true);  // glyphs beyond their cells
    const DrawOp kanji = text(300.3f, 200.6f, "式の値", 2, 3, "ゴシック");
    const Case cases[] = {
        {"leaning serif letters", {leaning}, true},
        {"gothic text", {kanji}, true},
        {"a slanted line", {shape(Op::Line, 300.4f, 200.2f, 377.3f, 251.7f, 5, 3)}, true},
        {"a box's thin border", {shape(Op::Box, 300, 200, 520, 260, 0, 1)}, true},
        // Beside what the erase took, drawings it leaves stay as they were.
        {"a neighbour a pixel off", {kanji, text(300.3f, 149.6f, "値", 2, 3, "ゴシック"),
                                    shape(Op::Line, 250, 262, 600, 262, 0, 1)}, false},
        {"text the erase cuts", {leaning, text(380, 190, "あいう", 2, 3, "ゴシック")}, false},
        // A white box with a border of a colour is no erase: its border
        // stays, and what lay under it goes as the repaint takes it away.
        {"a white box with a coloured border over text", {kanji, shape(Op::Line, 250, 262, 600, 262, 0, 1)}, false,
         [] {
             DrawOp framed = shape(Op::Fill, 290, 180, 420, 240, 5, 1);
             framed.f = BACKGROUND;
             return framed;
         }()},
        // Drawn again in the background colour along a path, a drawing is
        // erased as the repaint erases it; what paints over nothing (an
        // outline, a slanted line, an arc) leaves what lies under it.
        {"an outline erased by its outline", {shape(Op::Box, 300, 200, 520, 260, 0, 1), kanji}, false,
         in_background(shape(Op::Box, 300, 200, 520, 260, 0, 1))},
        {"a slanted line erased by the line", {shape(Op::Line, 300.4f, 200.2f, 377.3f, 251.7f, 5, 3), kanji}, false,
         in_background(shape(Op::Line, 300.4f, 200.2f, 377.3f, 251.7f, 5, 3))},
        {"an arc erased by the arc", {arc(340.3f, 230.8f, 20.55f, 0.1f, 0.6f, 5, 2), kanji}, false,
         in_background(arc(340.3f, 230.8f, 20.55f, 0.1f, 0.6f, 5, 2))},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // Lines and circles at places across a pixel, so that at some scale the
    // rim of each reaches a device pixel past the erase's snapped edge.
    for (float d : {0.0f, 0.3f, 0.55f, 0.8f}) {
        all.push_back({"a slanted line, moved", {shape(Op::Line, 300 + d, 200 + 2 * d, 377 + 3 * d, 251 + d, 5, 3)}, true});
        all.push_back({"a circle, moved", {arc(340 + d, 230 + 3 * d, 20 + d, 0, 0, 5, 0)}, true});
    }
    GlyphLayout inks;
    for (const Case& c : all) {
        for (const Size& s : kSizes) {
            WindowPicture window(s.w, s.h);
            SCOPED_TRACE(std::string(c.what) + " at scale " + std::to_string(window.scale()));
            for (const DrawOp& op : c.drawn) window.draw(op);
            window.draw(c.over ? *c.over : erase_of(inks.ink(c.drawn[0], 1, true)));
            if (c.alone) {
                EXPECT_EQ(window.inked(), 0u);
            }
            const auto [x, y] = window.first_difference_from_repaint();
            EXPECT_EQ(x, -1) << "the window differs from its repaint at pixel (" << x << ", " << y << ")";
        }
    }
}

}  // namespace
}  // namespace cw
