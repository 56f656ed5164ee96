// The record of what lies under what is drawn next: which operations are
// fills and bars, what a later fill or an erase leaves of them, and what it
// answers about a point, a character's cell or a mark.
#include <gtest/gtest.h>

#include "platform/backdrop.h"

namespace cw {

// Failure messages show a box by its edges (outside the unnamed namespace,
// where the printer finds it by the type).
void PrintTo(const Bounds& b, std::ostream* os) {
    *os << "(" << b.l << ", " << b.t << ")-(" << b.r << ", " << b.b << ")";
}

namespace {

DrawOp line(float x1, float y1, float x2, float y2, int c, int w = 3) {
    DrawOp op;
    op.op = Op::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.c = c, op.w = w;
    return op;
}
DrawOp bar(float x1, float x2, float y, int w = 4) {
    DrawOp op = line(x1, y, x2, y, 0, w);
    op.bar = true;
    return op;
}
DrawOp box(Op kind, float x1, float y1, float x2, float y2, int c, int f, int w = 2) {
    DrawOp op = line(x1, y1, x2, y2, c, w);
    op.op = kind;
    op.f = f;
    return op;
}
// A filled box in one colour, border and inside.
DrawOp tint(float x1, float y1, float x2, float y2, int f) { return box(Op::Fill, x1, y1, x2, y2, f, f); }
// A circle or arc (start..end in fractions of a turn, clockwise from the right).
DrawOp circle(float cx, float cy, float r, int c, int f, bool filled, float start = 0, float end = 0) {
    DrawOp op;
    op.op = Op::Circle;
    op.x1 = cx, op.y1 = cy, op.r = r;
    op.c = c, op.f = f, op.filled = filled;
    op.start = start, op.end = end;
    return op;
}
DrawOp polyline(std::vector<std::pair<float, float>> pts) {
    DrawOp op;
    op.op = Op::Polyline;
    op.pts = std::move(pts);
    return op;
}
DrawOp text(float x, float y, const std::string& s) {
    DrawOp op;
    op.op = Op::Text;
    op.x1 = x, op.y1 = y, op.s = s;
    return op;
}
DrawOp cls() {
    DrawOp op;
    op.op = Op::Cls;
    return op;
}

Backdrop after(const std::vector<DrawOp>& ops) {
    Backdrop b;
    for (const DrawOp& op : ops) b.add(op);
    return b;
}

const Bounds kScreen{0, 0, LAYOUT_W, LAYOUT_H};

TEST(Backdrop, WhatIsAFillAndWhatIsABar) {
    struct Case {
        const char* what;
        DrawOp op;
        bool fill, bar;
    } cases[] = {
        {"a filled box", box(Op::Fill, 100, 100, 200, 150, 0, 5), true, false},
        {"a filled box in one colour", tint(100, 100, 200, 150, 5), true, false},
        {"a box's outline", box(Op::Box, 100, 100, 200, 150, 0, 0), false, false},
        {"a disc with a border of its own", circle(300, 300, 40, 0, 7, true), true, false},
        {"a sector with a border of its own", circle(300, 300, 40, 0, 7, true, 0, 0.25f), true, false},
        {"a disc in one colour (a dot, the entry cursor)", circle(300, 300, 4, 5, 5, true), false, false},
        {"a circle's outline", circle(300, 300, 40, 0, 0, false), false, false},
        {"an arc", circle(300, 300, 40, 0, 0, false, 0, 0.5f), false, false},
        {"a filled circle of no size", circle(300, 300, 0, 0, 7, true), false, false},
        {"a level line drawn as a bar", bar(100, 200, 150), false, true},
        {"a level line", line(100, 150, 200, 150, 0, 4), false, false},
        {"a slanted line drawn as a bar", [] { DrawOp op = bar(100, 200, 150); op.y2 = 160; return op; }(), false,
         false},
        {"a bar of no length", bar(100, 100, 150), false, false},
        {"a text", text(100, 100, "12"), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(paint_of(c.op).fills, c.fill) << c.what;
        EXPECT_EQ(Backdrop::is_bar(c.op), c.bar) << c.what;
    }
}

// A bar (ink 98..202 across, 148..152 down) and what is drawn after it.
TEST(Backdrop, WhatCoversABarWholeDropsItWhatTouchesItKeepsIt) {
    const DrawOp the_bar = bar(100, 200, 150);
    const Bounds ink{98, 148, 202, 152};
    struct Case {
        const char* what;
        DrawOp later;
        bool kept;
    } cases[] = {
        {"a fill over all of it", box(Op::Fill, 90, 140, 210, 160, 0, 5), false},
        {"a fill whose border just covers it", box(Op::Fill, 99, 149, 201, 151, 0, 5, 2), false},
        {"a fill over one end", box(Op::Fill, 190, 140, 300, 160, 0, 5), true},
        {"a fill across its middle", box(Op::Fill, 120, 100, 180, 200, 0, 5), true},
        {"a fill a unit short of its end", box(Op::Fill, 90, 140, 200, 160, 0, 5, 2), true},
        {"a fill elsewhere", box(Op::Fill, 500, 500, 600, 600, 0, 5), true},
        {"a level line in the background over all of it", line(98, 150, 202, 150, BACKGROUND, 4), false},
        {"a level line in the background over half of it", line(100, 150, 150, 150, BACKGROUND, 4), true},
        {"a thinner line in the background over its length", line(98, 150, 202, 150, BACKGROUND, 2), true},
        {"a level line in ink over all of it", line(98, 150, 202, 150, 0, 4), true},
        {"a clear", cls(), false},
        {"the whole screen filled with the background", tint(0, 0, LAYOUT_W, LAYOUT_H, BACKGROUND), false},
    };
    for (const Case& c : cases) {
        const Backdrop b = after({the_bar, c.later});
        const std::vector<Bounds> expected = c.kept ? std::vector<Bounds>{ink} : std::vector<Bounds>{};
        EXPECT_EQ(b.bars_across(kScreen), expected) << c.what;
    }
}

// An earlier fill shows only where a later one does not tint: here, under a
// later box's border, which is a mark and not a tint.
TEST(Backdrop, WhatCoversAFillWholeDropsItWhatTouchesItKeepsIt) {
    const DrawOp earlier = tint(100, 100, 200, 200, 3);  // one colour: tints 99..201
    struct Case {
        const char* what;
        DrawOp later;
        float x, y;
        int colour;
    } cases[] = {
        {"a box over all of it, on the box's border", box(Op::Fill, 100, 100, 200, 200, 0, 5, 4), 99.5f, 150,
         BACKGROUND},
        {"a box over all of it, inside", box(Op::Fill, 100, 100, 200, 200, 0, 5, 4), 150, 150, 5},
        {"a box over all but its left edge", box(Op::Fill, 102, 100, 200, 200, 0, 5, 4), 99.5f, 150, 3},
        {"a box over its right half", box(Op::Fill, 150, 90, 300, 210, 0, 5, 4), 120, 150, 3},
        {"a box over its right half, inside", box(Op::Fill, 150, 90, 300, 210, 0, 5, 4), 170, 150, 5},
        {"a disc over all of it", circle(150, 150, 100, 0, 5, true), 99.5f, 150, 5},
        {"a disc in its middle", circle(150, 150, 20, 0, 5, true), 110, 110, 3},
        {"a clear", cls(), 150, 150, BACKGROUND},
    };
    for (const Case& c : cases)
        EXPECT_EQ(after({earlier, c.later}).colour_at(c.x, c.y), c.colour) << c.what;
}

TEST(Backdrop, ThePointTakesTheLastFillThatTintsIt) {
    struct Case {
        const char* what;
        std::vector<DrawOp> drawn;
        float x, y;
        int colour;
    } cases[] = {
        {"nothing drawn", {}, 150, 150, BACKGROUND},
        {"inside a box", {box(Op::Fill, 100, 100, 200, 200, 0, 5, 4)}, 150, 150, 5},
        {"on a box's border of its own", {box(Op::Fill, 100, 100, 200, 200, 0, 5, 4)}, 100, 150, BACKGROUND},
        {"on a box's border in its own colour", {box(Op::Fill, 100, 100, 200, 200, 5, 5, 4)}, 101, 150, 5},
        {"beside a box", {box(Op::Fill, 100, 100, 200, 200, 0, 5, 4)}, 210, 150, BACKGROUND},
        {"where two boxes overlap, the later",
         {box(Op::Fill, 100, 100, 200, 200, 0, 5), box(Op::Fill, 150, 100, 250, 200, 0, 6)}, 175, 150, 6},
        {"an area filled again with the background",
         {box(Op::Fill, 100, 100, 200, 200, 0, 5), tint(120, 120, 180, 180, BACKGROUND)}, 150, 150, BACKGROUND},
        {"a box's outline leaves the fill under it",
         {box(Op::Fill, 100, 100, 200, 200, 0, 5), box(Op::Box, 120, 120, 180, 180, 0, 0)}, 150, 150, 5},
        {"inside a disc with a border", {circle(500, 500, 50, 0, 7, true)}, 500, 500, 7},
        {"inside a dot", {circle(500, 500, 50, 7, 7, true)}, 500, 500, BACKGROUND},
        {"inside a sector, below and right of its centre", {circle(500, 500, 50, 0, 7, true, 0, 0.25f)}, 520, 520,
         7},
        {"outside a sector, above and right of its centre", {circle(500, 500, 50, 0, 7, true, 0, 0.25f)}, 520, 480,
         BACKGROUND},
        {"inside a sector across the right, above", {circle(500, 500, 50, 0, 7, true, 0.75f, 0.25f)}, 520, 480, 7},
        {"outside a sector across the right, below left", {circle(500, 500, 50, 0, 7, true, 0.75f, 0.25f)}, 480,
         520, BACKGROUND},
        {"beyond a sector's radius", {circle(500, 500, 50, 0, 7, true, 0, 0.25f)}, 540, 540, BACKGROUND},
        {"a box over a disc", {circle(500, 500, 50, 0, 7, true), box(Op::Fill, 490, 490, 600, 600, 0, 4)}, 500,
         500, 4},
        {"a disc over a box", {box(Op::Fill, 400, 400, 600, 600, 0, 4), circle(500, 500, 50, 0, 7, true)}, 500,
         500, 7},
        {"after a clear", {box(Op::Fill, 100, 100, 200, 200, 0, 5), cls()}, 150, 150, BACKGROUND},
    };
    for (const Case& c : cases) EXPECT_EQ(after(c.drawn).colour_at(c.x, c.y), c.colour) << c.what;
}

// A box with a border 4 wide, 100..300 by 100..140: inside 102..298 by 102..138.
TEST(Backdrop, ACharacterIsInTheBoxThatHoldsMostOfItsCell) {
    const DrawOp cell_box = box(Op::Fill, 100, 100, 300, 140, 0, 5, 4);
    const Bounds inside{102, 102, 298, 138};
    struct Case {
        const char* what;
        std::vector<DrawOp> drawn;
        Bounds cell;
        bool held;
    } cases[] = {
        {"inside", {cell_box}, {150, 105, 166, 135}, true},
        {"a quarter of its width over the right edge", {cell_box}, {286, 105, 302, 135}, true},
        {"more than a quarter over the right edge", {cell_box}, {288, 105, 304, 135}, false},
        {"a quarter of its height over the top", {cell_box}, {150, 92, 166, 132}, true},
        {"more than a quarter over the top", {cell_box}, {150, 91, 166, 131}, false},
        {"an eighth of its height over the top and the bottom", {cell_box}, {150, 96, 166, 144}, true},
        {"more than an eighth over the top and the bottom", {cell_box}, {150, 95, 166, 145}, false},
        {"across two boxes side by side",
         {cell_box, box(Op::Fill, 300, 100, 500, 140, 0, 6, 4)},
         {296, 105, 316, 135},
         false},
        {"outside", {cell_box}, {350, 105, 366, 135}, false},
        {"in a box in the background colour", {tint(100, 100, 300, 140, BACKGROUND)}, {150, 105, 166, 135}, false},
        {"in a box erased with the background",
         {cell_box, tint(100, 100, 300, 140, BACKGROUND)},
         {150, 105, 166, 135},
         false},
        {"in a disc", {circle(200, 120, 60, 0, 5, true)}, {192, 112, 208, 128}, false},
        {"in a box a disc lies over", {cell_box, circle(158, 120, 10, 0, 7, true)}, {150, 105, 166, 135}, false},
    };
    for (const Case& c : cases) {
        const std::optional<Bounds> held = after(c.drawn).cell_holding(c.cell);
        EXPECT_EQ(held.has_value(), c.held) << c.what;
        if (held) {
            EXPECT_EQ(*held, inside) << c.what;
        }
    }
}

// Two tints side by side, 5 left of x = 400 and 6 right of it, over the top
// 400 units; the background below.
TEST(Backdrop, AMarkIsPaintedOverTheFillUnderItsMiddle) {
    const Backdrop b = after({tint(0, 0, 400, 400, 5), tint(400, 0, 800, 400, 6)});
    struct Case {
        const char* what;
        DrawOp mark;
        int under;
    } cases[] = {
        {"a line, by its middle", line(100, 100, 300, 100, 0), 5},
        {"a line reaching into the other tint", line(300, 100, 900, 100, 0), 6},
        {"a line down into the background", line(300, 100, 300, 900, 0), BACKGROUND},
        {"a box, by the middle of its top edge", box(Op::Box, 100, 300, 300, 800, 0, 0), 5},
        {"a box drawn from its bottom corner", box(Op::Box, 300, 800, 100, 300, 0, 0), 5},
        {"a filled box's border, by its top edge", box(Op::Fill, 450, 350, 750, 800, 0, 3), 6},
        {"an arc, by its middle", circle(400, 200, 100, 0, 0, false, 0.25f, 0.75f), 5},
        {"an arc across the right, by its middle", circle(400, 200, 100, 0, 0, false, 0.75f, 0.25f), 6},
        {"an arc over the bottom", circle(400, 350, 100, 0, 0, false, 0, 0.5f), BACKGROUND},
        {"a polyline, by its middle point", polyline({{100, 100}, {500, 100}, {300, 600}}), 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(b.under_mark(c.mark), c.under) << c.what;
        EXPECT_EQ(b.beneath(c.mark), (Beneath{c.under, {}})) << c.what;
    }
    // A text: each character by the middle of its cell, half a size wide for
    // a one-byte character and a size for a two-byte one.
    EXPECT_EQ(b.beneath(text(384, 100, "ab")).chars, (std::vector<int>{5, 5}));
    EXPECT_EQ(b.beneath(text(392, 100, "ab")).chars, (std::vector<int>{5, 6}));
    EXPECT_EQ(b.beneath(text(776, 100, "漢ab")).chars, (std::vector<int>{6, 6, BACKGROUND}));
}

// A bar 100..200 at 150, 4 wide: its ink 98..202 by 148..152.
TEST(Backdrop, TheBarsReachingIntoABoxAreTheirInk) {
    const Backdrop b = after({bar(100, 200, 150), bar(300, 400, 150, 2), line(100, 300, 200, 300, 0, 4)});
    struct Case {
        const char* what;
        Bounds box;
        std::vector<Bounds> bars;
    } cases[] = {
        {"a box over the first bar's ink", {120, 140, 140, 149}, {{98, 148, 202, 152}}},
        {"a box that only touches it from above", {98, 130, 202, 148}, {}},
        {"a box beside its end", {202.5f, 140, 250, 160}, {}},
        {"a box over both", {150, 100, 350, 200}, {{98, 148, 202, 152}, {299, 149, 401, 151}}},
        {"a box over a line that is no bar", {120, 290, 140, 310}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(b.bars_across(c.box), c.bars) << c.what;
}

}  // namespace
}  // namespace cw
