// The typesetter entry and the glyph metrics of its run.
#include <gtest/gtest.h>

#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw {
namespace {

struct Typeset {
    test::Harness h;
    Typeset(const std::string& text, float bun = 0, float x = 100, float y = 200) {
        INITIALIZE_PROGRAM(h.g);
        h.pf.clear_record();
        h.g.X = x;
        h.g.Y = y;
        h.g.CCC1 = 0;
        h.g.BUN = bun;
        h.g.AA_s = text;
        DRAW_EXPRESSION_TEXT(h.g);
    }
    std::vector<DrawOp> texts() const { return h.of(Op::Text); }
    std::vector<DrawOp> lines() const { return h.of(Op::Line); }
};

struct Glyph {
    const char* s;
    float x, y;
    int p, q;
};

void expect_glyphs(const Typeset& t, std::initializer_list<Glyph> want, const std::string& what) {
    auto texts = t.texts();
    ASSERT_EQ(texts.size(), want.size()) << what;
    size_t i = 0;
    for (const Glyph& w : want) {
        EXPECT_EQ(texts[i].s, w.s) << what << " glyph " << i;
        EXPECT_EQ(texts[i].x1, w.x) << what << " glyph " << i;
        EXPECT_EQ(texts[i].y1, w.y) << what << " glyph " << i;
        EXPECT_EQ(texts[i].p, w.p) << what << " glyph " << i;
        EXPECT_EQ(texts[i].q, w.q) << what << " glyph " << i;
        ++i;
    }
}

TEST(GlyphRun, RowsOfTheMetricsTable) {
    struct Case {
        const char* text;
        float bun;
        std::initializer_list<Glyph> glyphs;
        float pen;
    };
    const Case cases[] = {
        {"3a", 0, {{"3", 100, 200, 3, 3}, {"a", 131, 178, 10, 7}}, 154},
        {"3a", 1, {{"3", 100, 200, 4, 2}, {"a", 136, 184, 12, 5}}, 164},
        {"x^2", 0, {{"x", 104, 178, 10, 7}, {"2", 127, 200, 3, 2}}, 151},
        {"x^2", 1, {{"x", 104, 184, 12, 5}, {"2", 132, 196, 6, 3}}, 156},
        {"^=2", 0, {{"=", 104, 200, 3, 3}, {"2", 132, 200, 3, 2}}, 156},
        {"^a", 0, {{"a", 100, 200, 3, 2}}, 124},
        {"^-", 0, {{"-", 100, 200, 3, 2}}, 124},
        {"*", 0, {{"×", 96, 200, 2, 3}}, 127},
        {"*", 1, {{"×", 100, 200, 3, 3}}, 138},
        {"/", 0, {{"÷", 96, 200, 2, 3}}, 127},
        {"　", 0, {{"　", 100, 200, 2, 3}}, 134},
        {"　", 1, {{"　", 100, 200, 3, 3}}, 138},
        {" 1", 0, {{"1", 127, 200, 3, 3}}, 154},
        {".5", 0, {{".", 97, 214, 3, 2}, {"5", 108, 200, 3, 3}}, 135},
        {"a%", 0, {{"a", 104, 178, 10, 7}, {"°", 127, 200, 3, 3}}, 139},
        {"'", 0, {{"'", 100, 200, 3, 3}}, 112},
        {"表", 0, {{"表", 100, 200, 2, 3}}, 134},
        {"\\2", 0, {{"2", 100, 190, 6, 3}}, 124},
        {"l2", 1, {{"l", 100, 200, 6, 3}, {"2", 132, 200, 4, 2}}, 164},
        {"ﾀ1/2", 0, {{"1", 100, 200, 3, 3}, {"÷", 124.5f, 200, 2, 3}, {"2", 154, 200, 3, 3}}, 181},  // an operator in the middle of its space
        {"", 0, {}, 100},
    };
    for (const Case& c : cases) {
        Typeset t(c.text, c.bun);
        expect_glyphs(t, c.glyphs, c.text);
        EXPECT_EQ(t.h.g.X, c.pen) << c.text;
        EXPECT_EQ(t.h.g.Y, 200) << c.text;
        EXPECT_EQ(t.h.g.JYOU, 0) << c.text;
        EXPECT_FALSE(t.h.pf.font().bold) << c.text;
    }
}

TEST(GlyphRun, FontsOfTheRows) {
    Typeset t("a=l2");
    auto texts = t.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].font.face, "Times New Roman");
    EXPECT_TRUE(texts[0].font.italic);
    EXPECT_EQ(texts[0].font.size, 8);
    EXPECT_EQ(texts[1].font.face, "ゴシック");
    EXPECT_EQ(texts[1].font.size, 14);
    EXPECT_TRUE(texts[1].font.bold);
    EXPECT_FALSE(texts[1].font.italic);
    EXPECT_EQ(texts[2].font.face, "MT Extra");
    EXPECT_TRUE(texts[2].font.bold);
    EXPECT_EQ(texts[3].font.face, "ゴシック");
    EXPECT_EQ(texts[3].font.size, 16);
    EXPECT_TRUE(texts[3].font.bold);  // every character of the entry is a run of its own
    EXPECT_EQ(t.h.pf.font().face, "ゴシック");
    EXPECT_EQ(t.h.pf.font().size, 16);
    EXPECT_FALSE(t.h.pf.font().bold);
}

TEST(GlyphRun, BoldStaysOffAfterAScriptEllForTheRestOfTheRun) {
    test::Harness h;
    INITIALIZE_PROGRAM(h.g);
    h.g.A_s = "l2";
    h.g.BUN = 1;
    DRAW_GLYPH_RUN(h.g);
    auto texts = h.of(Op::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_FALSE(texts[1].font.bold);
}

TEST(GlyphRun, SignsAreDrawnAsStrokes) {
    struct Stroke { float x1, y1, x2, y2; };
    struct Case {
        const char* text;
        float bun;
        std::initializer_list<Stroke> strokes;
        float pen;
    };
    const Case cases[] = {
        {"-", 0, {{104, 220, 123, 220}}, 127},
        {"+", 0, {{104, 222, 123, 222}, {113, 210, 113, 234}}, 127},
        {"-", 1, {{106, 214, 126, 214}}, 132},
        {"+", 1, {{106, 214, 126, 214}, {116, 204, 116, 224}}, 132},
    };
    for (const Case& c : cases) {
        Typeset t(c.text, c.bun);
        auto lines = t.lines();
        ASSERT_EQ(lines.size(), c.strokes.size()) << c.text;
        size_t i = 0;
        for (const Stroke& s : c.strokes) {
            EXPECT_EQ(lines[i].x1, s.x1) << c.text;
            EXPECT_EQ(lines[i].y1, s.y1) << c.text;
            EXPECT_EQ(lines[i].x2, s.x2) << c.text;
            EXPECT_EQ(lines[i].y2, s.y2) << c.text;
            EXPECT_EQ(lines[i].w, 5) << c.text;
            ++i;
        }
        EXPECT_EQ(t.h.g.X, c.pen) << c.text;
        EXPECT_EQ(t.h.pf.GETDRAWWIDTH(), 3) << c.text;  // the run restores its width
    }
}

TEST(GlyphRun, RadicalOverbarGrowsCharacterByCharacter) {
    for (const char* text : {"!2ﾝ+1", "√2ﾝ+1"}) {
        Typeset t(text);
        auto polys = t.h.of(Op::Polyline);
        ASSERT_EQ(polys.size(), 1u) << text;
        std::vector<Point> want = {{104, 236}, {108, 224}, {116, 240}, {124, 196}, {132, 196}};
        EXPECT_EQ(polys[0].pts, want) << text;
        auto lines = t.lines();
        // The bar over "2", then the strokes of "+" with no bar.
        ASSERT_EQ(lines.size(), 3u) << text;
        EXPECT_EQ(lines[0].x1, 128);
        EXPECT_EQ(lines[0].y1, 196);
        EXPECT_EQ(lines[0].x2, 155);
        EXPECT_EQ(lines[0].w, 3);
        EXPECT_EQ(t.h.g.HROOT, 0) << text;
        EXPECT_EQ(t.h.g.X, 100 + 28 + 27 + 27 + 27) << text;
    }
    Typeset open("!2x");
    auto bars = open.lines();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].x1, 128);
    EXPECT_EQ(bars[0].x2, 155);
    EXPECT_EQ(bars[1].x1, 128);
    EXPECT_EQ(bars[1].x2, 182);
    for (auto& b : bars) EXPECT_FALSE(b.bar) << "a radical's overline is no fraction bar";
    EXPECT_EQ(open.h.g.HROOT, 1);  // stays open for later texts
}

TEST(GlyphRun, TallRadicalAndParallelogram) {
    Typeset tall("#");
    auto p = tall.h.of(Op::Polyline).at(0);
    std::vector<Point> want = {{104, 236}, {108, 224}, {116, 260}, {130, 186}, {138, 186}};
    EXPECT_EQ(p.pts, want);
    EXPECT_EQ(tall.h.g.X, 132);
    EXPECT_EQ(tall.h.g.HROOT, 22);
    EXPECT_EQ(tall.h.g.TXM, 132);

    Typeset par("&");
    auto q = par.h.of(Op::Polyline).at(0);
    std::vector<Point> wantq = {{104, 240}, {125, 240}, {132, 208}, {111, 208}, {104, 240}};
    EXPECT_EQ(q.pts, wantq);
    EXPECT_EQ(q.w, 5);
    EXPECT_EQ(par.h.g.X, 136);
    EXPECT_EQ(par.h.g.HROOT, 0);
}

TEST(GlyphRun, FlagsCarryAcrossCalls) {
    Typeset t("2^");
    EXPECT_EQ(t.h.g.JYOU, 1);
    t.h.g.X = 100;
    t.h.g.AA_s = "3";
    t.h.pf.clear_record();
    DRAW_EXPRESSION_TEXT(t.h.g);
    EXPECT_EQ(t.texts().at(0).q, 2);  // raised
    EXPECT_EQ(t.h.g.JYOU, 0);
}

TEST(GlyphRun, EmptyRunMakesOnePass) {
    test::Harness h;
    INITIALIZE_PROGRAM(h.g);
    h.g.A_s = "";
    h.g.X = 100;
    h.g.Y = 200;
    DRAW_GLYPH_RUN(h.g);
    EXPECT_EQ(h.g.I, 2);
    EXPECT_EQ(h.g.X, 127);
    EXPECT_EQ(h.g.A_s, "");
}

TEST(GlyphRun, LessonCallsAreNotedForTheLog) {
    Typeset t("ﾀ1/2ﾀx");
    auto notes = t.h.of(Op::Expr);
    ASSERT_EQ(notes.size(), 1u);  // measuring inside the fraction is not a lesson's call
    EXPECT_EQ(notes[0].s, "ﾀ1/2ﾀx");
    EXPECT_EQ(notes[0].x1, 100);
}

}  // namespace
}  // namespace cw
