// The retained display list: what a later operation paints over leaves it,
// and what is left renders the picture the whole history renders.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>
#include <optional>
#include <vector>

#include "platform/glyph_layout.h"
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
    return laid_out(op);
}

// An italic serif letter as the typesetter draws one.
DrawOp serif(float x, float y, const std::string& s = "a") {
    DrawOp op = text(x, y, s, 10, 7);
    op.font.face = "Times New Roman";
    op.font.size = 8;
    op.font.italic = true;
    return laid_out(op);
}

DrawOp line(float x1, float y1, float x2, float y2, int w = 3) {
    DrawOp op;
    op.op = Op::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.w = w;
    return op;
}

DrawOp coloured(DrawOp op, int c) {
    op.c = c;
    return op;
}

DrawOp disc(float x, float y, int c) {
    DrawOp op;
    op.op = Op::Circle;
    op.x1 = x, op.y1 = y, op.r = 4, op.filled = true, op.c = c, op.f = c;
    return op;
}

// The entry cursor drawn and erased `times` times at (x, y), as a drill's
// number entry blinks it: each drawing drops the one before, so the list
// drops an entry for every one and soon compacts what it holds.
std::vector<DrawOp> blinking(float x, float y, int times) {
    std::vector<DrawOp> out;
    for (int k = 0; k < times; ++k) out.push_back(disc(x, y, 5)), out.push_back(disc(x, y, 15));
    return out;
}

// The entry cursor drawn and erased at each of `places` places in turn,
// `times` times in all, as typing moves it: 20 units apart along lines of 50
// places, 30 units apart.
std::vector<DrawOp> moving(float x, float y, int places, int times) {
    std::vector<DrawOp> out;
    for (int k = 0; k < times; ++k) {
        const int place = k % places;
        const float at_x = x + 20.0f * static_cast<float>(place % 50);
        const float at_y = y + 30.0f * static_cast<float>(place / 50);
        out.push_back(disc(at_x, at_y, 5)), out.push_back(disc(at_x, at_y, 15));
    }
    return out;
}

// The operations of each part, one part after another.
std::vector<DrawOp> then(std::initializer_list<std::vector<DrawOp>> parts) {
    std::vector<DrawOp> out;
    for (const std::vector<DrawOp>& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// The most entries a list that keeps a few drawings holds, those dropped
// and not yet compacted away included, however many drawings were made: it
// holds no dead entry for every drawing ever made.
constexpr size_t kMostHeld = 2000;

using test::picture;

// The screen's list as the platform feeds it: each operation with what the
// ones before it left under it.
class Screen {
public:
    Bounds add(const DrawOp& op) {
        const Bounds ink = list_.add(op, under_.beneath(op));
        under_.add(op);
        return ink;
    }
    size_t size() const { return list_.size(); }
    size_t held() const { return list_.held(); }
    std::vector<DrawOp> ops() const { return list_.ops(); }
    std::vector<KeptOp> kept() const { return list_.kept(); }
    std::vector<Bounds> ink_within(const Bounds& area) { return list_.ink_within(area); }
    Bounds ink(const DrawOp& op) { return list_.ink(op); }
    void clear() {
        list_.clear();
        under_.clear();
    }

private:
    RetainedList list_;
    Backdrop under_;
};

struct Case {
    const char* name;
    std::vector<DrawOp> ops;
    size_t kept;  // how many operations the list keeps
    // How many entries it holds, dropped ones not yet compacted away
    // included, where a row says: one for each operation taken since the
    // last compaction.  The list compacts once the entries it dropped
    // outnumber 1,024 and those it keeps.
    std::optional<size_t> held = std::nullopt;
};

TEST(RetainedList, WhatIsPaintedOverLeavesAndThePictureStays) {
    const DrawOp heading = text(100, 180, "式");  // its cell from y 180 to 228
    // A text, and a box over the left edge of its ink alone, clear of its
    // cell's middle: the text drawn again after the box is drawn over the
    // same, though no copy of the one the box lies over.
    const DrawOp word = text(100, 100, "式");
    const Bounds word_ink = Screen().ink(word);
    const DrawOp edge = fill(word_ink.l - 30, word_ink.t - 10, word_ink.l + 2, word_ink.b + 10);
    // The cursor blinks beside it, in the same cells of the list's grid.
    const float cx = word_ink.r + 12, cy = word_ink.t + 8;
    // A hundred digits apart from one another.
    std::vector<DrawOp> digits;
    for (int k = 0; k < 100; ++k)
        digits.push_back(
            text(100 + 50 * static_cast<float>(k % 25), 300 + 60 * static_cast<float>(k / 25), std::to_string(k % 10)));
    // Four hundred digits, each at a place of its own, twenty lines of
    // twenty: a list keeping more than 300 operations.
    std::vector<DrawOp> many;
    for (int k = 0; k < 400; ++k)
        many.push_back(
            text(40 + 35 * static_cast<float>(k % 20), 40 + 42 * static_cast<float>(k / 20), std::to_string(k % 10)));
    const Case cases[] = {
        // One box over what came before it.
        {"text inside a box", {text(100, 100, "式"), fill(50, 50, 400, 300)}, 1, 2},
        {"text under a coloured panel", {text(100, 100, "式"), fill(50, 50, 400, 300, 13, 10)}, 1},
        {"text across the box's edge", {text(380, 100, "式の値"), fill(50, 50, 400, 300)}, 2},
        {"text starting at the box's corner", {text(50, 50, "式"), fill(50, 50, 400, 300)}, 1},
        {"text starting left of the box", {text(47, 60, "式"), fill(50, 50, 400, 300)}, 2},
        {"descender below the box", {text(100, 260, "(g)", 3, 3), fill(50, 50, 400, 300)}, 2},
        {"serif letter at the box's edge", {serif(100, 270), fill(50, 50, 400, 300)}, 2},
        {"serif letter inside", {serif(100, 150), fill(50, 50, 400, 300)}, 1},
        // The letter's cell starts above the box, its ink inside it.
        {"serif letter of a heading", {serif(139, 8, "x"), fill(0, 30, 680, 230)}, 1},
        {"wide line ending at the edge", {line(60, 100, 400, 100, 5), fill(50, 50, 400, 300)}, 2},
        {"line well inside", {line(60, 100, 300, 100, 5), fill(50, 50, 400, 300)}, 1},
        {"text drawn after the box", {fill(50, 50, 400, 300), text(100, 100, "式")}, 2},
        {"box inside a box", {fill(100, 100, 200, 200, 13, 4), fill(50, 50, 400, 300)}, 1},
        {"a thin border box covers its whole outline", {line(60, 60, 70, 70, 1), fill(50, 50, 80, 80, 13, 13, 3)}, 1},
        {"a level line covers what lies under it", {line(60, 100, 70, 100, 1), line(40, 100, 90, 100, 5)}, 1},
        {"cursor drawn and erased", {disc(500, 500, 5), disc(500, 500, 15)}, 1},
        {"cursor blinking", {disc(500, 500, 5), disc(500, 500, 15), disc(500, 500, 5), disc(500, 500, 15)}, 1, 4},
        {"cursor erased elsewhere", {disc(500, 500, 5), disc(520, 500, 15)}, 2},
        {"text under the cursor stays", {text(490, 490, "1"), disc(500, 500, 5), disc(500, 500, 15)}, 2},
        {"whole-screen clear", {text(100, 100, "式"), line(0, 0, 1440, 900), fill(0, 0, 1760, 1800)}, 1, 1},
        // Boxes one after another cover what lies under them together.
        {"two boxes meeting under the text", {heading, fill(50, 50, 400, 200), fill(50, 200, 400, 300)}, 2},
        {"two boxes with a gap under the text", {heading, fill(50, 50, 400, 195), fill(50, 205, 400, 300)}, 3},
        {"a box drawn before the text", {fill(50, 50, 400, 200), heading, fill(50, 200, 400, 300)}, 3},
        // Off the layout, or no ink at all.
        {"text below the layout", {text(100, 1800, "999", 4, 2)}, 0, 0},
        {"a line right of the layout", {line(1500, 100, 1600, 200)}, 0},
        {"a box beyond the layout's corner", {fill(1500, 950, 1760, 1800, 13, 4)}, 0},
        {"text reaching into the layout", {text(1430, 100, "式")}, 1},
        {"blanks", {text(100, 100, "　"), text(200, 100, "  ", 3, 3)}, 0},
        // Drawn again over itself.
        {"a level line drawn again across other text", {line(40, 253, 520, 253, 5), text(100, 230, "g", 3, 3),
                                                       line(40, 253, 520, 253, 5)}, 2},
        {"a slanted line drawn again", {line(100, 100, 300, 200), line(100, 100, 300, 200)}, 1},
        {"text drawn again, other text apart between", {text(100, 100, "式"), text(300, 100, "値"), text(100, 100, "式")}, 2},
        {"text drawn again over a neighbour", {text(100, 100, "式"), text(120, 100, "値"), text(100, 100, "式")}, 3},
        {"text drawn again in another colour", {text(100, 100, "式"), coloured(text(100, 100, "式"), 3), text(100, 100, "式")}, 3},
        // The box between two copies goes when the box is drawn again, and
        // the copies join.
        {"copies joined once what parted them is gone", {heading, fill(50, 50, 400, 200), heading, fill(50, 50, 400, 200)}, 2},
        // The cursor blinking a thousand times and more drops an entry each
        // time, so the list compacts what it holds, once or more, and keeps
        // what it kept as it was: each entry's place in the drawing order,
        // what it is, and how it paints.
        // The box drops the text, each drawing of the cursor after the
        // first the one before: the 1,025th and the 2,050th compact the
        // list, and 150 dropped ones stand after the last.
        {"a box over text, then the cursor blinking",
         then({{text(100, 100, "式"), fill(50, 50, 400, 300)}, blinking(500, 500, 1100)}), 2, 152},
        {"text, the cursor blinking, then a box over the text",
         then({{text(100, 100, "式")}, blinking(500, 500, 1100), {fill(50, 50, 400, 300)}}), 2},
        // A text drawn over itself a thousand times and more, each copy
        // joining the first, and a hundred digits; then the cursor drawn and
        // erased once at each of many places, each drawing first looked at
        // by its erase.
        {"text drawn over itself, texts, then the cursor moving along lines",
         then({std::vector<DrawOp>(1100, word), digits, moving(100, 600, 150, 150)}), 251},
        // The text lands where a dropped cursor was, and is drawn twice.
        {"text amid the cursor blinking, drawn again after it",
         then({blinking(500, 500, 600), {word}, blinking(500, 500, 600), {word}}), 2},
        // Copies a box keeps apart stay apart, in their order, while every
        // erase of the cursor beside them has the list try to join them.
        {"copies a box keeps apart, the cursor blinking beside them",
         then({{word, edge, word}, blinking(cx, cy, 1100)}), 4},
        {"copies a box keeps apart, the cursor blinking beside them, then a third",
         then({{word, edge, word}, blinking(cx, cy, 1100), {word}}), 4},
        {"copies a box keeps apart, the cursor blinking beside them, then the box again",
         then({{word, edge, word}, blinking(cx, cy, 1100), {edge}}), 3},
        // Four hundred digits kept, and the cursor blinking beside them:
        // each drawing of it after the first drops the one before, and the
        // 1,026th, the 1,025th dropped, compacts the list.
        {"digits, the cursor blinking beside them, the list about to compact",
         then({many, blinking(1300, 500, 512)}), 401, 1424},
        {"digits, the cursor blinking beside them, the list just compacted",
         then({many, blinking(1300, 500, 513)}), 401, 401},
        {"digits, the cursor blinking beside them, the list compacted and dropping again",
         then({many, blinking(1300, 500, 600)}), 401, 575},
        {"the cursor blinking among texts, each drawn again after it",
         then({{text(100, 100, "式"), text(300, 100, "値"), text(500, 100, "式の値")}, blinking(cx, cy, 1100),
               {text(100, 100, "式"), text(300, 100, "値"), text(500, 100, "式の値")}}), 4},
    };
    for (const Case& c : cases) {
        Screen list;
        for (const DrawOp& op : c.ops) list.add(op);
        EXPECT_EQ(list.size(), c.kept) << c.name;
        EXPECT_LE(list.held(), kMostHeld) << c.name;
        if (c.held) {
            EXPECT_EQ(list.held(), *c.held) << c.name;
        }
        EXPECT_TRUE(picture(list.kept()) == picture(c.ops)) << c.name;
    }
}

// Every copy of an antialiased glyph darkens its rim a little more, until the
// 255th; the list keeps one copy drawn as many times.
TEST(RetainedList, CopiesDrawnOverEachOtherStayOneWithItsCount) {
    struct Count {
        int drawn, times;
    };
    for (Count n : {Count{2, 2}, Count{40, 40}, Count{300, 255}}) {
        std::vector<DrawOp> all;
        Screen list;
        for (int k = 0; k < n.drawn; ++k) {
            all.push_back(text(100, 100, "式の値"));
            all.push_back(text(400, 100, "y", 3, 3));
            list.add(all[all.size() - 2]);
            list.add(all.back());
        }
        ASSERT_EQ(list.size(), 2u) << n.drawn;
        EXPECT_EQ(list.kept()[0].times, n.times) << n.drawn;
        EXPECT_TRUE(picture(list.kept()) == picture(all)) << n.drawn;
    }
}

// A glyph keeps clear of a fraction bar drawn just under it, without the bar
// touching it: drawn again after the bar, it is fitted higher, so it is no
// copy of the one before.
TEST(RetainedList, CopiesJoinOnlyWhenDrawnTheSame) {
    const DrawOp digit = text(100, 100, "2", 3, 3);
    GlyphLayout inks;
    const Bounds ink = inks.ink(digit, 1, true);
    DrawOp bar = line(80, ink.b + 2.5f, 160, ink.b + 2.5f, 4);
    bar.bar = true;
    ASSERT_FALSE(inks.ink(bar, 1, true).overlaps(ink));
    Backdrop drawn;
    drawn.add(bar);
    DrawOp fitted = digit;
    GlyphLayout()(fitted, drawn);
    ASSERT_FALSE(fitted.fits.empty());
    const std::vector<DrawOp> ops = {digit, bar, fitted};
    Screen list;
    for (const DrawOp& op : ops) list.add(op);
    EXPECT_EQ(list.size(), 3u);
    EXPECT_TRUE(picture(list.kept()) == picture(ops));
    // Drawn the same, with the bar apart, the copies join.
    Screen apart;
    for (const DrawOp& op : {digit, line(300, 300, 400, 300, 4), digit}) apart.add(op);
    EXPECT_EQ(apart.size(), 2u);
}

// A text is painted in the colour the fill under its cells' middles gives.
// A dark cell filled under the middle of a low stroke's cell, clear of its
// ink, lifts the copy drawn after it to a light tone: drawn over something
// else, it is no copy of the one before, though the same operation with
// nothing touching it in between.
TEST(RetainedList, CopiesJoinOnlyWhenDrawnOverTheSame) {
    const DrawOp low = text(100, 100, "_", 3, 3);  // a 24 x 48 cell, its ink at the foot
    const DrawOp dark = fill(108, 116, 116, 124, 10, 10, 1);  // the menu panel's fill, under the middle
    Screen list;
    ASSERT_FALSE(list.ink(dark).overlaps(list.ink(low)));
    Backdrop before;
    before.add(dark);
    ASSERT_NE(before.beneath(low), Backdrop{}.beneath(low));
    const std::vector<DrawOp> ops = {low, dark, low};
    for (const DrawOp& op : ops) list.add(op);
    EXPECT_EQ(list.size(), 3u);
    EXPECT_TRUE(picture(list.kept()) == picture(ops));
}

// The same character drawn as a character and as an operator sign is two
// drawings: the sign is set at its own proportions on the middle of the
// digits, its strokes as heavy as the signs'.  Through one screen list each
// is measured as its glyphs were placed, whichever came first, so an erase
// of either wipes all of its ink.
TEST(RetainedList, MeasuresEachTextAsItsGlyphsWerePlaced) {
    const test::Picture blank(std::vector<DrawOp>{});
    const Bounds layout{0, 0, 1440, 900};
    for (const char* ch : {"×", "÷"}) {
        const DrawOp character = text(100, 100, ch, 2, 3);
        DrawOp sign = character;
        sign.role = GlyphRole::Operator;
        sign = laid_out(sign);
        ASSERT_NE(character.glyphs, sign.glyphs) << ch;
        for (bool sign_first : {false, true}) {
            Screen list;
            const DrawOp& first = sign_first ? sign : character;
            const DrawOp& second = sign_first ? character : sign;
            for (const DrawOp* op : {&first, &second}) {
                const Bounds ink = list.add(*op);
                const test::Picture::Px drawn = test::Picture(std::vector<DrawOp>{*op}).differing(blank, layout);
                ASSERT_FALSE(drawn.empty()) << ch;
                const char* which = op->role == GlyphRole::Operator ? "operator" : "character";
                // All its ink, and no more than the faint rim a pixel beyond.
                EXPECT_TRUE((Bounds{static_cast<float>(drawn.l), static_cast<float>(drawn.t),
                                    static_cast<float>(drawn.r), static_cast<float>(drawn.b)}
                                 .within(ink)))
                    << ch << " " << which << (sign_first ? " after the sign" : " first");
                EXPECT_TRUE(ink.within(Bounds{static_cast<float>(drawn.l), static_cast<float>(drawn.t),
                                              static_cast<float>(drawn.r), static_cast<float>(drawn.b)}
                                           .grown(1)))
                    << ch << " " << which << (sign_first ? " after the sign" : " first");
            }
        }
    }
}

// A drill's session, problem after problem: each problem leaves the same
// drawings kept, however many came before, and the list holds no more than
// kMostHeld entries, what it dropped compacted away as it goes.
TEST(RetainedList, StaysSmallOverALongSession) {
    const std::vector<DrawOp> answers = {text(100, 100, "=-3a+7b"), text(100, 160, "=-3a+7b"),
                                         text(100, 220, "=-3a+7b"), text(100, 280, "=-3a+7b"),
                                         text(100, 340, "=-3a+7b")};
    struct Session {
        const char* name;
        std::vector<DrawOp> problem;  // the drawings of one problem
        size_t kept;                  // what the list keeps after each
    } sessions[] = {
        // The panel erased, five texts, the cursor drawn and erased and a
        // text never erased, drawn again: 45,000 operations.
        {"five answers",
         then({{fill(50, 50, 1000, 600)}, answers, blinking(1064, 656, 1), {text(1100, 300, "右")}}), 8},
        // Five drawings a problem, each dropping one drawn before: the list,
        // compacting once 1,025 are dropped, compacts every 205 problems at
        // the same drawing, so that what it looks for after one compaction
        // stands where it stood after the one before.
        {"two answers", then({{fill(50, 50, 1000, 600), answers[0], answers[1]}, blinking(1064, 656, 1)}), 4},
    };
    for (const Session& s : sessions) {
        Screen list;
        int problems_otherwise = 0, first_otherwise = -1;
        for (int problem = 0; problem < 5000; ++problem) {
            for (const DrawOp& op : s.problem) list.add(op);
            if (list.size() != s.kept && problems_otherwise++ == 0) first_otherwise = problem;
        }
        EXPECT_EQ(problems_otherwise, 0) << s.name << ": first after problem " << first_otherwise;
        EXPECT_LE(list.held(), kMostHeld) << s.name;
    }
}

}  // namespace
}  // namespace cw
