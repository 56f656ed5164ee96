// The platform's drawing calls: where an operation goes, measuring, which
// makes operations that go nowhere, sketching, which hands them back, and
// the texts the screen shows.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/headless.h"
#include "platform/platform.h"
#include "support/picture.h"

namespace cw {
namespace {

struct Drawing {
    Drawing() : pf(backend) {
        pf.set_recording(true);
        pf.observer = [this](const DrawOp&) { ++observed; };
    }
    // One operation of each kind, and a note.
    void draw_each() {
        pf.LINE(10, 10, 100, 10, 0);
        pf.BOX(10, 20, 100, 60, 1);
        pf.FILL(10, 70, 100, 90, 2, 3);
        pf.CIRCLE(200, 200, 20, 4);
        pf.CONNECT({{300, 300}, {320, 340}}, 5);
        pf.SYMBOL(400, 400, 1, 1, 6, "x");
        pf.note(Op::Expr, 400, 400, 6, "x");
    }
    HeadlessBackend backend;
    Platform pf;
    int observed = 0;
};

TEST(Measuring, OperationsGoNowhere) {
    Drawing r;
    {
        Platform::MeasuringScope outer(r.pf);
        {
            Platform::MeasuringScope inner(r.pf);  // scopes nest
            r.draw_each();
        }
        EXPECT_TRUE(r.pf.measuring());
        r.draw_each();
    }
    EXPECT_FALSE(r.pf.measuring());
    EXPECT_TRUE(r.pf.record().empty());
    EXPECT_EQ(r.observed, 0);
    EXPECT_TRUE(r.backend.screen().ops().empty());

    r.draw_each();
    EXPECT_EQ(r.pf.record().size(), 7u);
    EXPECT_EQ(r.observed, 7);
    EXPECT_EQ(r.backend.screen().ops().size(), 6u);
}

TEST(Measuring, ArgumentsAreCheckedAsEver) {
    Drawing r;
    Platform::MeasuringScope hidden(r.pf);
    EXPECT_THROW(r.pf.LINE(0, 0, 1, 1, 16), RuntimeError);
    EXPECT_THROW(r.pf.SYMBOL(0, 0, 1, 1, -1, "x"), RuntimeError);
}

TEST(Measuring, EndsWhenAnErrorLeavesTheScope) {
    Drawing r;
    try {
        Platform::MeasuringScope hidden(r.pf);
        r.pf.FILL(0, 0, 1, 1, 0, 99);
    } catch (const RuntimeError&) {
    }
    EXPECT_FALSE(r.pf.measuring());
    r.pf.LINE(0, 0, 1, 1, 0);
    EXPECT_EQ(r.pf.record().size(), 1u);
}


TEST(Sketching, TheDrawnOperationsComeBackAndNothingIsShown) {
    Drawing r;
    std::vector<DrawOp> sketch;
    {
        Platform::SketchScope seeing(r.pf, sketch);
        EXPECT_TRUE(r.pf.measuring());
        r.draw_each();
        {
            Platform::MeasuringScope hidden(r.pf);  // measuring inside a sketch stays hidden
            r.pf.SYMBOL(500, 500, 1, 1, 6, "y");
        }
    }
    EXPECT_FALSE(r.pf.measuring());
    ASSERT_EQ(sketch.size(), 6u);  // the six drawn ones: no note, nothing measured
    EXPECT_EQ(sketch[0].op, Op::Line);
    EXPECT_EQ(sketch[5].op, Op::Text);
    EXPECT_EQ(sketch[5].s, "x");
    EXPECT_TRUE(r.pf.record().empty());
    EXPECT_EQ(r.observed, 0);
    EXPECT_TRUE(r.backend.screen().ops().empty());
    EXPECT_TRUE(r.pf.shown_texts().texts().empty());
}

TEST(Sketching, TextIsFittedAsWhenDrawn) {
    Drawing r;
    r.pf.FILL(100, 100, 140, 140, 0, 4);  // a cell lower than the text's 48
    std::vector<DrawOp> sketch;
    {
        Platform::SketchScope seeing(r.pf, sketch);
        r.pf.SETFONTSIZE(16);
        r.pf.SYMBOL(104, 100, 3, 3, 0, "7");
    }
    r.pf.SYMBOL(104, 100, 3, 3, 0, "7");
    ASSERT_EQ(sketch.size(), 1u);
    EXPECT_FALSE(sketch[0].fits.empty());
    EXPECT_EQ(sketch[0].fits, r.pf.record().back().fits);
}

// What a drawing would cover is the box of all its ink, as drawn over what
// lies under it now, and nothing of it is drawn.
TEST(Sketching, CoversIsTheInkOfAllADrawingDraws) {
    Drawing r;
    r.pf.FILL(100, 100, 140, 140, 0, 4);  // a cell the digit is fitted into
    r.pf.SETFONTSIZE(16);
    const Bounds covered = r.pf.covers([&] {
        r.pf.SYMBOL(104, 100, 3, 3, 0, "7");
        r.pf.SETDRAWWIDTH(3);
        r.pf.LINE(300, 200, 320, 240, 0);
    });
    ASSERT_EQ(r.pf.record().size(), 1u);  // the fill alone
    EXPECT_TRUE(r.pf.shown_texts().texts().empty());
    r.pf.SYMBOL(104, 100, 3, 3, 0, "7");
    r.pf.LINE(300, 200, 320, 240, 0);
    const auto& drawn = r.pf.record();
    EXPECT_EQ(covered, r.pf.ink(drawn[1]).united(r.pf.ink(drawn[2])));
    EXPECT_TRUE(r.pf.covers([] {}).empty());
}

// The texts of the shown-texts record, as "text@x,y".
std::vector<std::string> shown(const Platform& pf) {
    std::vector<std::string> out;
    for (auto& t : pf.shown_texts().texts())
        out.push_back(t.op.s + "@" + std::to_string(static_cast<int>(t.op.x1)) + "," +
                      std::to_string(static_cast<int>(t.op.y1)));
    return out;
}

TEST(ShownTexts, WhatTheDrawingLeavesOnTheScreen) {
    using V = std::vector<std::string>;
    Drawing r;
    r.pf.SYMBOL(100, 100, 1, 1, 0, "12");
    r.pf.SYMBOL(200, 100, 1, 1, 0, "ab");
    r.pf.SYMBOL(300, 100, 1, 1, 0, "cd");
    EXPECT_EQ(shown(r.pf), (V{"12@100,100", "ab@200,100", "cd@300,100"}));
    // A fill over a text whole hides it; one over a part of it does not.
    r.pf.FILL(190, 90, 240, 130, 15, 15);
    r.pf.FILL(290, 90, 305, 130, 15, 15);
    EXPECT_EQ(shown(r.pf), (V{"12@100,100", "cd@300,100"}));
    // The same text again in the background colour erases it; drawn again, it is one text.
    r.pf.SYMBOL(100, 100, 1, 1, 15, "12");
    r.pf.SYMBOL(300, 100, 1, 1, 2, "cd");
    EXPECT_EQ(shown(r.pf), (V{"cd@300,100"}));
    // A fill over all of a text's ink hides it, though its cells reach
    // beyond the fill (a drill's erase that stops short of a cell's foot).
    r.pf.SYMBOL(500, 100, 3, 3, 0, "7");
    const Bounds ink = r.pf.ink(r.pf.record().back());
    ASSERT_LT(ink.b, 100 + 16 * 3);
    r.pf.FILL(ink.l - 2, ink.t - 2, ink.r + 2, ink.b + 1, 15, 15);
    EXPECT_EQ(shown(r.pf), (V{"cd@300,100"}));
    // Boxes painted over parts of a text hide it once they cover all its ink
    // together, as on the screen's list: a fill, then an erase line in the
    // background colour.
    r.pf.SYMBOL(600, 100, 3, 3, 0, "8");
    const Bounds eight = r.pf.ink(r.pf.record().back());
    const float middle = (eight.t + eight.b) / 2;
    r.pf.FILL(eight.l - 2, eight.t - 2, eight.r + 2, middle, 15, 15);
    EXPECT_EQ(shown(r.pf), (V{"cd@300,100", "8@600,100"}));
    const float w = std::ceil(eight.b - middle) + 2;  // from just above the middle to below the foot
    r.pf.SETDRAWWIDTH(w);
    r.pf.LINE(eight.l - 4, middle - 1 + w / 2, eight.r + 4, middle - 1 + w / 2, 15);
    r.pf.SETDRAWWIDTH(1);
    EXPECT_EQ(shown(r.pf), (V{"cd@300,100"}));
    r.pf.SYMBOL(400, 100, 1, 1, 0, "ef");
    r.pf.CLS();
    EXPECT_TRUE(shown(r.pf).empty());
    // What is never erased stays bounded: the latest texts are kept.
    for (int i = 0; i < static_cast<int>(ShownTexts::kMost) + 100; ++i)
        r.pf.SYMBOL(static_cast<float>(i % 1000), static_cast<float>(50 + i / 1000 * 20), 1, 1, 0, "9");
    ASSERT_EQ(r.pf.shown_texts().texts().size(), ShownTexts::kMost);
    EXPECT_EQ(r.pf.shown_texts().texts().back().op.x1, static_cast<float>((ShownTexts::kMost + 99) % 1000));
}

TEST(ShownTexts, InkWithinAnArea) {
    Drawing r;
    r.pf.SETFONTSIZE(16);
    r.pf.SYMBOL(100, 100, 3, 3, 0, "2");  // a 24 x 48 cell
    r.pf.SYMBOL(400, 100, 3, 3, 0, "3");
    const auto near = r.pf.text_ink_within({90, 90, 200, 200});
    ASSERT_EQ(near.size(), 1u);
    // The digit's ink, inside its cell and less than it.
    EXPECT_GE(near[0].l, 100);
    EXPECT_LE(near[0].r, 124);
    EXPECT_GT(near[0].t, 100);
    EXPECT_LT(near[0].b, 148);
    EXPECT_EQ(near[0], r.pf.ink(r.pf.record()[0]));
    EXPECT_TRUE(r.pf.text_ink_within({200, 90, 300, 200}).empty());
}

// The ink the platform keeps for a text is where its glyphs paint: it holds
// every pixel they paint and reaches at most a pixel beyond them, for glyphs
// drawn heavier (laid round with a pen, half of it outside their outline),
// large and small.
TEST(ShownTexts, ATextsInkIsWhereItsGlyphsPaint) {
    struct Case {
        const char* name;
        const char* face;
        float size;
        bool italic;
        int p, q;
        const char* text;
        bool sign = false;
    } cases[] = {
        {"a brace", "ゴシック", 16, false, 3, 3, "{"},
        {"a large brace", "ゴシック", 16, false, 12, 12, "}"},
        {"an italic letter", "Times New Roman", 8, true, 10, 7, "a"},
        {"a large italic letter", "Times New Roman", 16, true, 30, 21, "x"},
        {"an operator sign", "ゴシック", 11, false, 3, 3, "×", true},
        {"a large operator sign", "ゴシック", 16, false, 12, 12, "×", true},
    };
    for (const Case& c : cases) {
        Drawing r;
        r.pf.SETFONTNAME(c.face);
        r.pf.SETFONTSIZE(c.size);
        r.pf.SETFONTBOLD(1);
        r.pf.SETFONTITALIC(c.italic ? 1 : 0);
        if (c.sign) r.pf.operator_sign(300, 100, c.p, c.q, 0, c.text);
        else r.pf.SYMBOL(300, 100, c.p, c.q, 0, c.text);
        ASSERT_EQ(r.pf.record().size(), 1u) << c.name;
        const DrawOp& op = r.pf.record()[0];
        ASSERT_FALSE(op.glyphs.empty()) << c.name;
        const std::vector<Bounds> kept = r.pf.text_ink_within({0, 0, LAYOUT_W, LAYOUT_H});
        ASSERT_EQ(kept.size(), 1u) << c.name;
        const Bounds ink = kept[0];
        const test::Picture drawn(std::vector<DrawOp>{op}), blank(std::vector<DrawOp>{});
        const test::Picture::Px painted = drawn.differing(blank, {0, 0, LAYOUT_W, LAYOUT_H});
        ASSERT_FALSE(painted.empty()) << c.name;
        EXPECT_LE(ink.l, painted.l) << c.name;
        EXPECT_LE(ink.t, painted.t) << c.name;
        EXPECT_GE(ink.r, painted.r) << c.name;
        EXPECT_GE(ink.b, painted.b) << c.name;
        EXPECT_LE(painted.l - ink.l, 1) << c.name;
        EXPECT_LE(painted.t - ink.t, 1) << c.name;
        EXPECT_LE(ink.r - painted.r, 1) << c.name;
        EXPECT_LE(ink.b - painted.b, 1) << c.name;
    }
}

}  // namespace
}  // namespace cw
