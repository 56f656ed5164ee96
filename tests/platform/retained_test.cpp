// The retained display list: what a later operation paints over leaves it,
// and what is left renders the picture the whole history renders.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>
#include <vector>

#include "platform/render.h"
#include "support/picture.h"
#include "platform/retained.h"

namespace cw {
namespace {

DrawOp fill(float x1, float y1, float x2, float y2, int c = 15, int f = 15, int w = 3) {
    DrawOp op;
    op.op = Op::Fill;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.c = c, op.f = f, op.w = w;
    return op;
}

DrawOp text(float x, float y, const std::string& s, int p = 2, int q = 3) {
    DrawOp op;
    op.op = Op::Text;
    op.x1 = x, op.y1 = y, op.s = s, op.p = p, op.q = q;
    op.font.face = "ゴシック";
    op.font.bold = true;
    return op;
}

// An italic serif letter as the typesetter draws one.
DrawOp serif(float x, float y) {
    DrawOp op = text(x, y, "a", 10, 7);
    op.font.face = "Times New Roman";
    op.font.size = 8;
    op.font.italic = true;
    return op;
}

DrawOp line(float x1, float y1, float x2, float y2, int w = 3) {
    DrawOp op;
    op.op = Op::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.w = w;
    return op;
}

DrawOp disc(float x, float y, int c) {
    DrawOp op;
    op.op = Op::Circle;
    op.x1 = x, op.y1 = y, op.r = 4, op.filled = true, op.c = c, op.f = c;
    return op;
}

using test::picture;

struct Case {
    const char* name;
    std::vector<DrawOp> ops;
    size_t kept;  // how many operations the list keeps
};

TEST(RetainedList, WhatIsPaintedOverLeavesAndThePictureStays) {
    const Case cases[] = {
        {"text inside a box", {text(100, 100, "式"), fill(50, 50, 400, 300)}, 1},
        {"text under a coloured panel", {text(100, 100, "式"), fill(50, 50, 400, 300, 13, 10)}, 1},
        {"text across the box's edge", {text(380, 100, "式の値"), fill(50, 50, 400, 300)}, 2},
        {"text starting at the box's corner", {text(50, 50, "式"), fill(50, 50, 400, 300)}, 1},
        {"text starting left of the box", {text(47, 60, "式"), fill(50, 50, 400, 300)}, 2},
        {"descender below the box", {text(100, 260, "(g)", 3, 3), fill(50, 50, 400, 300)}, 2},
        {"serif letter at the box's edge", {serif(100, 270), fill(50, 50, 400, 300)}, 2},
        {"serif letter inside", {serif(100, 150), fill(50, 50, 400, 300)}, 1},
        {"wide line ending at the edge", {line(60, 100, 400, 100, 5), fill(50, 50, 400, 300)}, 2},
        {"line well inside", {line(60, 100, 300, 100, 5), fill(50, 50, 400, 300)}, 1},
        {"text drawn after the box", {fill(50, 50, 400, 300), text(100, 100, "式")}, 2},
        {"box inside a box", {fill(100, 100, 200, 200, 13, 4), fill(50, 50, 400, 300)}, 1},
        {"a thin border box covers its whole outline", {line(60, 60, 70, 70, 1), fill(50, 50, 80, 80, 13, 13, 3)}, 1},
        {"cursor drawn and erased", {disc(500, 500, 5), disc(500, 500, 15)}, 1},
        {"cursor blinking", {disc(500, 500, 5), disc(500, 500, 15), disc(500, 500, 5), disc(500, 500, 15)}, 1},
        {"cursor erased elsewhere", {disc(500, 500, 5), disc(520, 500, 15)}, 2},
        {"text under the cursor stays", {text(490, 490, "1"), disc(500, 500, 5), disc(500, 500, 15)}, 2},
        {"whole-screen clear", {text(100, 100, "式"), line(0, 0, 1440, 900), fill(0, 0, 1760, 1800)}, 1},
    };
    for (const Case& c : cases) {
        RetainedList list;
        for (const DrawOp& op : c.ops) list.add(op);
        EXPECT_EQ(list.ops().size(), c.kept) << c.name;
        EXPECT_TRUE(picture(list.ops()) == picture(c.ops)) << c.name;
    }
}

TEST(RetainedList, StaysSmallOverALongSession) {
    RetainedList list;
    for (int pass = 0; pass < 5000; ++pass) {
        list.add(fill(50, 50, 1000, 600));  // the panel erase of a drill
        for (int k = 0; k < 5; ++k) list.add(text(100, 100 + 60 * k, "=-3a+7b"));
        list.add(disc(1064, 656, 5));
        list.add(disc(1064, 656, 15));
    }
    EXPECT_LE(list.ops().size(), 10u);
}

TEST(InkBounds, ReachBeyondTheGeometry) {
    // The gothic face inks inside its cells (two of 24 by 48 here), but for
    // descenders below them.
    Bounds t = ink_bounds(text(100, 100, "ab", 3, 3));
    EXPECT_EQ(t.l, 100);
    EXPECT_EQ(t.t, 100);
    EXPECT_EQ(t.r, 148);
    EXPECT_GT(t.b, 148 + 6);
    Bounds a = ink_bounds(serif(100, 100));  // a cell of 40 by 56
    EXPECT_LT(a.l, 100);
    EXPECT_GT(a.b, 156 + 20);
    Bounds l = ink_bounds(line(10, 20, 30, 20, 6));
    EXPECT_LE(l.t, 17);
    EXPECT_GE(l.b, 23);
}

}  // namespace
}  // namespace cw
