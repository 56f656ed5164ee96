// What lies under what is drawn next: the backdrop keeps what can still
// matter and forgets what later drawing put out of reach, so it stays small.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backdrop.h"

namespace cw {
namespace {

DrawOp line(float x1, float y1, float x2, float y2, int c, int w) {
    DrawOp op;
    op.op = Op::Line, op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.c = c, op.w = w;
    return op;
}
DrawOp bar(float x1, float x2, float y) {
    DrawOp op = line(x1, y, x2, y, 0, 2);
    op.bar = true;
    return op;
}
DrawOp fill(float x1, float y1, float x2, float y2, int c, int f) {
    DrawOp op = line(x1, y1, x2, y2, c, 3);
    op.op = Op::Fill, op.f = f;
    return op;
}
DrawOp erase(float x1, float y1, float x2, float y2) { return fill(x1, y1, x2, y2, BACKGROUND, BACKGROUND); }
DrawOp sector(float x, float y, float r, float start, float end, int f) {
    DrawOp op;
    op.op = Op::Circle, op.x1 = x, op.y1 = y, op.r = r, op.start = start, op.end = end;
    op.filled = true, op.c = 0, op.f = f, op.w = 3;
    return op;
}

// A fraction bar from 100 to 200 at y 300, and the box a glyph over it looks in.
const Bounds kNearBar{90, 280, 210, 320};

TEST(Backdrop, ForgetsWhatLaterDrawingPutsOutOfReach) {
    struct Case {
        const char* name;
        std::vector<DrawOp> ops;
        size_t held;                  // fills and bars held after them
        size_t bars_near = 0;         // bars that reach into kNearBar
        std::vector<std::pair<Bounds, int>> colours = {};  // the fill found at a point (the box's top left)
    } cases[] = {
        {"a bar drawn again where it lies is held once", {bar(100, 200, 300), bar(100, 200, 300), bar(100, 200, 300)}, 1, 1},
        {"bars side by side are each held", {bar(100, 150, 300), bar(150, 200, 300)}, 2, 2},
        // Only the same ends make the same bar: one from the same start to elsewhere is another, and
        // the glyphs over the rest of the first still keep clear of it.
        {"a shorter bar from the same start leaves the longer", {bar(100, 200, 300), bar(100, 150, 300)}, 2, 2},
        {"a longer bar from the same start leaves the shorter", {bar(100, 150, 300), bar(100, 200, 300)}, 2, 2},
        {"a bar to the same end from elsewhere leaves the other", {bar(100, 200, 300), bar(150, 200, 300)}, 2, 2},
        {"a box over a bar's ink takes it", {bar(100, 200, 300), erase(90, 290, 210, 310)}, 0, 0},
        {"two boxes over a bar's ink together take it",
         {bar(100, 200, 300), erase(90, 290, 150, 310), erase(150, 290, 210, 310)}, 0, 0},
        {"a box and a level line in the background colour together take it",
         {bar(100, 200, 300), erase(90, 290, 150, 310), line(140, 300, 205, 300, BACKGROUND, 4)}, 0, 0},
        {"boxes leaving a sliver of a bar's ink leave the bar",
         {bar(100, 200, 300), erase(90, 290, 150, 310), erase(155, 290, 210, 310)}, 1, 1},
        {"a box over one end of a bar leaves it", {bar(100, 200, 300), erase(90, 290, 190, 310)}, 1, 1},
        {"a coloured box over a bar takes it", {bar(100, 200, 300), fill(90, 290, 210, 310, 13, 4)}, 1, 0},
        {"a box covering a fill whole, border and all, takes it",
         {fill(100, 100, 200, 200, 13, 4), fill(98, 98, 202, 202, 13, 5)}, 1, 0, {{{150, 150}, 5}}},
        {"a box over part of a fill leaves the rest of it",
         {fill(100, 100, 200, 200, 13, 4), fill(100, 100, 150, 200, 13, 5)}, 2, 0, {{{120, 150}, 5}, {{180, 150}, 4}}},
        {"a sector drawn again is held once",
         {sector(500, 500, 40, 0.1f, 0.3f, 4), sector(500, 500, 40, 0.1f, 0.3f, 4)}, 1, 0, {{{520, 515}, 4}}},
        {"a disc over a smaller sector about its centre takes it",
         {sector(500, 500, 40, 0.1f, 0.3f, 4), sector(500, 500, 50, 0, 0, 5)}, 1, 0, {{{520, 515}, 5}}},
        {"a smaller disc leaves a sector's rim",
         {sector(500, 500, 40, 0.1f, 0.3f, 4), sector(500, 500, 20, 0, 0, 5)}, 2, 0,
         {{{505, 503}, 5}, {{520, 530}, 4}}},
        {"a sector of other turns leaves it",
         {sector(500, 500, 40, 0.1f, 0.3f, 4), sector(500, 500, 40, 0.5f, 0.7f, 5)}, 2, 0, {{{520, 515}, 4}}},
        {"a disc about another centre leaves it",
         {sector(500, 500, 40, 0, 0, 4), sector(501, 500, 60, 0, 0, 5)}, 2, 0, {{{520, 515}, 5}}},
        {"a clear takes everything",
         {fill(100, 100, 200, 200, 13, 4), bar(100, 200, 300), sector(500, 500, 40, 0, 0, 4), erase(0, 0, 1440, 900)},
         0, 0, {{{150, 150}, BACKGROUND}}},
    };
    for (const Case& c : cases) {
        Backdrop b;
        for (const DrawOp& op : c.ops) b.add(op);
        EXPECT_EQ(b.size(), c.held) << c.name;
        EXPECT_EQ(b.bars_across(kNearBar).size(), c.bars_near) << c.name;
        for (const auto& [at, colour] : c.colours) EXPECT_EQ(b.colour_at(at.l, at.t), colour) << c.name;
    }
}

}  // namespace
}  // namespace cw
