// Drawing operations rendered to pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/backdrop.h"
#include "platform/basic.h"
#include "platform/paint.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/glyph_layout.h"
#include "platform/headless.h"
#include "platform/render.h"

#include <cairo.h>

namespace cw {

void PrintTo(const Rgb& c, std::ostream* os) { *os << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")"; }
void PrintTo(const Landing& l, std::ostream* os) {
    const char* names[] = {"Nothing", "Snapped", "Aliased", "Antialiased"};
    const auto i = static_cast<size_t>(l);
    *os << (i < std::size(names) ? names[i] : "?");
}

namespace {

// How the renderer paints an index: as a fill, or as ink over a fill (the
// background unless said).
Rgb fill(int index) { return fill_rgb(index); }
Rgb ink(int index, int under = BACKGROUND) { return ink_rgb(index, under); }
const Rgb kWhite{255, 255, 255};

// A screen rendered at some scale, read back by layout coordinates.
class Screen {
public:
    explicit Screen(double scale = 1.0)
        : scale_(scale),
          surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(std::lround(1440 * scale)),
                                              static_cast<int>(std::lround(900 * scale)))),
          data_(cairo_image_surface_get_data(surface_)),
          stride_(static_cast<size_t>(cairo_image_surface_get_stride(surface_))) {
        cairo_t* cr = cairo_create(surface_);
        Rgb bg = fill_rgb(BACKGROUND);
        cairo_set_source_rgb(cr, bg.r / 255.0, bg.g / 255.0, bg.b / 255.0);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    ~Screen() { cairo_surface_destroy(surface_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // A history of operations, or what a screen keeps.
    void draw(const std::vector<DrawOp>& ops) { render(ops); }
    void draw(const std::vector<KeptOp>& ops) { render(ops); }
    int width() const { return cairo_image_surface_get_width(surface_); }
    int height() const { return cairo_image_surface_get_height(surface_); }
    uint32_t pixel(int px, int py) const {
        const uint8_t* row = data_ + static_cast<size_t>(py) * stride_;
        return reinterpret_cast<const uint32_t*>(row)[px] & 0xFFFFFF;
    }
    // The colour at a layout point.
    Rgb colour_at(double x, double y) const {
        uint32_t v = pixel(static_cast<int>(x * scale_), static_cast<int>(y * scale_));
        return {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
    }
    // Pixels that are not background.
    int ink() const {
        int n = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x) n += pixel(x, y) != 0xFFFFFF;
        return n;
    }
    struct Extent {
        double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
        bool empty() const { return r < l; }
    };
    // Bounding box of the ink inside the layout box [l, r) x [t, b), in
    // layout units.
    Extent ink_in(double l, double t, double r, double b) const {
        Extent e;
        for (int y = std::max(0, int(t * scale_)); y < std::min(height(), int(b * scale_)); ++y)
            for (int x = std::max(0, int(l * scale_)); x < std::min(width(), int(r * scale_)); ++x)
                if (pixel(x, y) != 0xFFFFFF) {
                    e.l = std::min(e.l, x / scale_), e.r = std::max(e.r, (x + 1) / scale_);
                    e.t = std::min(e.t, y / scale_), e.b = std::max(e.b, (y + 1) / scale_);
                }
        return e;
    }
    Extent ink_extent() const { return ink_in(0, 0, 1440, 900); }

private:
    template <class Ops>
    void render(const Ops& ops) {
        cairo_t* cr = cairo_create(surface_);
        cairo_scale(cr, scale_, scale_);
        render_ops(cr, ops);
        cairo_destroy(cr);
        cairo_surface_flush(surface_);
    }

    double scale_;
    cairo_surface_t* surface_;
    // The surface's pixels, where they stay while it lives.
    const uint8_t* data_;
    size_t stride_;
};

DrawOp line(float x1, float y1, float x2, float y2, int c, int w) {
    DrawOp op;
    op.op = Op::Line, op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.c = c, op.w = w;
    return op;
}
DrawOp box(Op kind, float x1, float y1, float x2, float y2, int c, int f, int w) {
    DrawOp op = line(x1, y1, x2, y2, c, w);
    op.op = kind, op.f = f;
    return op;
}
DrawOp circle(float x, float y, float r, int c, float start, float end, bool filled, int f, int w = 3) {
    DrawOp op;
    op.op = Op::Circle, op.x1 = x, op.y1 = y, op.r = r, op.c = c, op.start = start, op.end = end;
    op.filled = filled, op.f = f, op.w = w;
    return op;
}
DrawOp polyline(std::vector<std::pair<float, float>> pts, int c, int w) {
    DrawOp op;
    op.op = Op::Polyline, op.pts = std::move(pts), op.c = c, op.w = w;
    return op;
}
DrawOp text(float x, float y, const std::string& s, int p, int q, int c = 0, const std::string& face = "ゴシック",
            float size = 16, bool bold = false, bool italic = false) {
    DrawOp op;
    op.op = Op::Text, op.x1 = x, op.y1 = y, op.s = s, op.p = p, op.q = q, op.c = c;
    op.font.face = face, op.font.size = size, op.font.bold = bold, op.font.italic = italic;
    return laid_out(op);
}
// A text the typesetter set as an operator sign between two operands.
DrawOp as_operator(DrawOp op) {
    op.role = GlyphRole::Operator;
    return laid_out(op);
}
DrawOp painted_over(DrawOp op) {
    op.c = BACKGROUND, op.f = BACKGROUND;
    return op;
}

DrawOp as_bar(DrawOp op) {
    op.bar = true;
    return op;
}

// A text laid out over what was drawn before it.
DrawOp laid_over(DrawOp op, const std::vector<DrawOp>& before) {
    Backdrop under;
    for (const DrawOp& b : before) under.add(b);
    GlyphLayout()(op, under);
    return op;
}

const double kScales[] = {1.0, 0.713, 1.337, 2.0};

TEST(Render, FilledBoxHasBorderAndInside) {
    for (double scale : kScales) {
        Screen s(scale);
        s.draw({box(Op::Fill, 96, 657, 400, 693, 13, 4, 3)});
        EXPECT_EQ(s.colour_at(200, 675), fill(4)) << scale;  // inside
        EXPECT_EQ(s.colour_at(200, 657), ink(13)) << scale;  // on the top edge
        EXPECT_EQ(s.colour_at(400, 680), ink(13)) << scale;  // on the right edge
        EXPECT_EQ(s.colour_at(200, 650), kWhite) << scale;   // outside
        EXPECT_EQ(s.colour_at(90, 675), kWhite) << scale;
        auto e = s.ink_extent();
        EXPECT_NEAR(e.l, 94.5, 1.5) << scale;  // the border is centred on the edge
        EXPECT_NEAR(e.r, 401.5, 1.5) << scale;
    }
}

TEST(Render, BoxOutlineLeavesTheInsideAlone) {
    Screen s;
    s.draw({box(Op::Fill, 100, 100, 300, 200, 4, 4, 1), box(Op::Box, 100, 100, 300, 200, 2, 0, 3)});
    EXPECT_EQ(s.colour_at(200, 150), fill(4));
    EXPECT_EQ(s.colour_at(100, 150), ink(2, 15));
    EXPECT_EQ(s.colour_at(200, 200), ink(2, 15));
}

// The programs erase by repeating a drawing in the background colour; that
// must leave no trace, also at scales that put edges between pixels.
TEST(Render, RepeatingAnOpInTheBackgroundErasesIt) {
    const DrawOp ops[] = {
        box(Op::Fill, 1056, 640, 1248, 670, 13, 12, 2),
        box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 13, 4, 3),
        box(Op::Box, 10, 10, 200, 120, 3, 0, 3),
        line(100, 300, 400, 300, 0, 4),    // a fraction bar
        line(113, 310, 113, 334, 0, 5),    // the plus sign's upright stroke
        line(100, 400, 300, 520, 0, 3),    // slanting
        circle(1064, 656, 4, 5, 0, 0, true, 5),  // the entry cursor
        circle(600, 400, 80, 1, 0, 0, false, 1),
        circle(600, 400, 80, 1, 0, 0, true, 6),
        polyline({{100, 600}, {104, 636}, {108, 624}, {116, 660}, {130, 586}, {138, 586}}, 0, 3),
    };
    // Drawn by a fallback face made bold by thickening its
    // outline as it is stretched, which reaches a little further across than
    // the outline measured unstretched: within a pixel.
    const DrawOp fallback[] = {text(300, 30, "【", 10, 7, 0, "Times New Roman", 8, true)};
    // Part of a circle: within the whole circle's box.
    const DrawOp arcs[] = {
        circle(600, 400, 80, 1, 0.1f, 0.6f, true, 6),
        circle(600, 400, 60, 2, 0.75f, 0.25f, false, 2, 5),
    };
    for (double scale : kScales)
        for (const DrawOp& op : ops) {
            Screen s(scale);
            s.draw({op});
            ASSERT_GT(s.ink(), 0);
            s.draw({painted_over(op)});
            EXPECT_EQ(s.ink(), 0) << "op " << static_cast<int>(op.op) << " at (" << op.x1 << "," << op.y1
                                  << ") scale " << scale;
        }
}

TEST(Render, ArcsRunClockwiseFromPlusX) {
    struct Case {
        float start, end;
        std::vector<std::pair<float, float>> in, out;  // offsets from the centre
    } cases[] = {
        // A quarter from +x towards +y: the lower right on the screen.
        {0.0f, 0.25f, {{50, 50}}, {{50, -50}, {-50, 50}, {-50, -50}}},
        {0.25f, 0.75f, {{-50, 50}, {-50, -50}}, {{50, 50}, {50, -50}}},  // left half
        {0.75f, 0.25f, {{50, 50}, {50, -50}}, {{-50, 50}, {-50, -50}}},  // right half, wrapping past 1
        {0.5f, 0.75f, {{-50, -50}}, {{50, 50}, {-50, 50}, {50, -50}}},  // upper left
        {0.0f, 0.0f, {{50, 50}, {-50, 50}, {50, -50}, {-50, -50}}, {}},  // whole disc
    };
    for (auto& c : cases) {
        Screen s;
        s.draw({circle(500, 400, 100, 0, c.start, c.end, true, 2, 1)});
        for (auto [dx, dy] : c.in) EXPECT_EQ(s.colour_at(500 + dx, 400 + dy), fill(2)) << c.start << ".." << c.end;
        for (auto [dx, dy] : c.out) EXPECT_EQ(s.colour_at(500 + dx, 400 + dy), kWhite) << c.start << ".." << c.end;
    }
    // An outline arc: only its own side of the circle is drawn.
    Screen s;
    s.draw({circle(500, 400, 100, 0, 0.25f, 0.75f, false, 0, 3)});
    EXPECT_EQ(s.colour_at(400, 400), ink(0));
    EXPECT_EQ(s.colour_at(600, 400), kWhite);
    EXPECT_EQ(s.colour_at(500, 400), kWhite);
}

TEST(Render, FilledCircleHasItsFillInside) {
    Screen s;
    s.draw({circle(300, 300, 50, 13, 0, 0, true, 4, 3)});
    EXPECT_EQ(s.colour_at(300, 300), fill(4));
    EXPECT_EQ(s.colour_at(350, 300), ink(13));
}

TEST(Render, ClsPaintsTheBackground) {
    Screen s;
    DrawOp cls;
    cls.op = Op::Cls;
    s.draw({box(Op::Fill, 0, 0, 1440, 900, 10, 10, 1), cls});
    EXPECT_EQ(s.ink(), 0);
}

TEST(Render, NotesDrawNothing) {
    Screen s;
    DrawOp note = text(100, 100, "3a", 3, 3);
    note.op = Op::Expr;
    DrawOp key = note;
    key.op = Op::Key;
    s.draw({note, key});
    EXPECT_EQ(s.ink(), 0);
}

// One-byte glyphs fill cells size/2 * p wide, two-byte ones size * p, side by
// side from the top left corner.
TEST(Render, GlyphsFillTheirCells) {
    struct Case {
        std::string s;
        int p, q;
        float size;
        double cell_w;
        int count;
        bool same;  // all the same glyph
    } cases[] = {
        {"8888", 3, 3, 16, 24, 4, true},
        {"ｶｶｶ", 3, 3, 16, 24, 3, true},
        {"漢漢漢", 2, 3, 16, 32, 3, true},
        {"０１２", 1, 1, 16, 16, 3, false},  // the echo of typed digits
        {"8888", 4, 2, 16, 32, 4, true},     // fraction digits
        {"同同", 3, 3, 11, 33, 2, true},
    };
    for (auto& c : cases) {
        Screen s;
        s.draw({text(100, 100, c.s, c.p, c.q, 0, "ゴシック", c.size, true)});
        double cell_h = c.size * c.q;
        auto all = s.ink_extent();
        ASSERT_FALSE(all.empty()) << c.s;
        EXPECT_GE(all.t, 100 - 1) << c.s;
        EXPECT_LE(all.b, 100 + cell_h + 1) << c.s;
        EXPECT_GE(all.l, 100 - 1) << c.s;
        EXPECT_LE(all.r, 100 + c.count * c.cell_w + 1) << c.s;
        int n = 0;
        double first_left = 0;
        for (double x = 100; n < c.count; x += c.cell_w, ++n) {
            auto e = s.ink_in(x, 0, x + c.cell_w, 900);
            ASSERT_FALSE(e.empty()) << c.s << " cell " << n;
            EXPECT_LE(e.r, x + c.cell_w + 1) << c.s << " cell " << n;
            if (n == 0) first_left = e.l;
            // Same glyph, same place in its cell: evenly spaced.
            if (c.same) {
                EXPECT_NEAR(e.l - first_left, n * c.cell_w, 1.0) << c.s << " cell " << n;
            }
        }
    }
}

// The italic serif letters sit on the line of the gothic digits beside them,
// at the positions and magnifications the typesetter uses for them.
TEST(Render, SerifLettersShareTheDigitsBaseline) {
    struct Case {
        const char* name;
        DrawOp digit, letter;
    } cases[] = {
        {"normal", text(100, 200, "3", 3, 3, 0, "ゴシック", 16, true),
         text(131, 178, "a", 10, 7, 0, "Times New Roman", 8, true, true)},
        {"fraction", text(100, 200, "3", 4, 2, 0, "ゴシック", 16, true),
         text(136, 184, "x", 12, 5, 0, "Times New Roman", 8, true, true)},
    };
    for (auto& c : cases) {
        Screen s;
        s.draw({c.digit, c.letter});
        auto digit = s.ink_in(90, 0, 124 + 4, 900);
        auto letter = s.ink_in(131, 0, 200, 900);
        ASSERT_FALSE(letter.empty()) << c.name;
        EXPECT_NEAR(letter.b, digit.b, 1.5) << c.name;
        // A lower-case letter: shorter than the digit, not taller.
        EXPECT_GT(letter.t, digit.t + 4) << c.name;
    }
}

TEST(Render, BothGothicNamesDrawTheSameFace) {
    Screen a, b;
    a.draw({text(100, 100, "漢字3", 2, 3, 0, "ｺﾞｼｯｸ")});
    b.draw({text(100, 100, "漢字3", 2, 3, 0, "ゴシック")});
    EXPECT_GT(a.ink(), 0);
    for (int y = 90; y < 160; ++y)
        for (int x = 90; x < 200; ++x) ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(map_face("ｺﾞｼｯｸ").family, face_choice(Face::Gothic).family);
    EXPECT_EQ(map_face("ゴシック").family, face_choice(Face::Gothic).family);
    EXPECT_EQ(map_face("Times New Roman").family, "Liberation Serif");
    EXPECT_TRUE(map_face("MT Extra").script_ell);
}

TEST(Fonts, EveryFaceDrawnIsARequiredFontWithItsPackage) {
    for (Face f : {Face::Gothic, Face::Serif, Face::ScriptEll}) {
        const std::string family = face_choice(f).family;
        bool listed = false;
        for (auto& r : required_fonts())
            listed |= (r.family == family || r.preferred == family) && !r.package.empty();
        EXPECT_TRUE(listed) << family;
    }
}

bool only_serif_installed(const std::string& family) { return family == "Liberation Serif"; }
bool nothing_installed(const std::string&) { return false; }
bool preferred_gothic_installed(const std::string& family) {
    return family == "Noto Sans CJK JP" || family == "Liberation Serif";
}

TEST(Fonts, MissingFontsAreThoseNotFound) {
    auto gone = missing_fonts(only_serif_installed);
    ASSERT_EQ(gone.size(), 1u);
    EXPECT_EQ(gone[0].family, "IPAGothic");
    EXPECT_EQ(gone[0].package, "fonts-ipafont-gothic");
    EXPECT_EQ(missing_fonts(nothing_installed).size(), required_fonts().size());
    EXPECT_TRUE(missing_fonts(preferred_gothic_installed).empty());
    EXPECT_FALSE(family_installed("No Such Family Anywhere"));
}

// The gothic one-byte zero must read as a zero in a maths lesson, not as an
// empty-set sign: the middle of the glyph is background.
TEST(Render, GothicZeroHasNoSlash) {
    ASSERT_EQ(face_choice(Face::Gothic).family, "Noto Sans CJK JP") << "install fonts-noto-cjk";
    for (bool bold : {false, true}) {
        Screen s;
        s.draw({text(100, 100, "0", 6, 6, 0, "ゴシック", 16, bold)});
        EXPECT_GT(s.ink(), 0);
        EXPECT_EQ(s.colour_at(100 + 24, 100 + 48), kWhite) << (bold ? "bold" : "plain");
    }
}

// Text keeps its place whichever gothic face draws it: at size 16 and
// magnification 1, IPAGothic's "0" has its ink from 1.74 to 13.59 below the
// cell top and "漢" from 0.80 to 15.38.
TEST(Render, GothicTextSitsWhereIPAGothicPutIt) {
    struct Case { const char* s; double top, bottom; } cases[] = {{"0", 1.74, 13.59}, {"漢", 0.80, 15.38}};
    for (auto& c : cases) {
        Screen s;  // at magnification 4: four pixels a unit of the glyph
        s.draw({text(10, 10, c.s, 4, 4, 0, "ゴシック", 16, false)});
        auto e = s.ink_in(0, 0, 200, 200);
        ASSERT_FALSE(e.empty()) << c.s;
        EXPECT_NEAR((e.t - 10) / 4, c.top, 0.6) << c.s;
        EXPECT_NEAR((e.b - 10) / 4, c.bottom, 0.6) << c.s;
    }
}

TEST(Render, ScriptEllIsNotTheGothicLetter) {
    Screen script, gothic;
    script.draw({text(100, 100, "l", 6, 3, 0, "MT Extra", 16, true)});
    gothic.draw({text(100, 100, "l", 6, 3, 0, "ゴシック", 16, true)});
    EXPECT_GT(script.ink(), 0);
    int differing = 0;
    for (int y = 80; y < 170; ++y)
        for (int x = 90; x < 160; ++x) differing += script.pixel(x, y) != gothic.pixel(x, y);
    EXPECT_GT(differing, 100);
}

TEST(Render, BoldDrawsHeavierStrokes) {
    Screen bold, plain;
    bold.draw({text(100, 100, "同類項", 2, 3, 0, "ゴシック", 16, true)});
    plain.draw({text(100, 100, "同類項", 2, 3, 0, "ゴシック", 16, false)});
    EXPECT_GT(bold.ink(), plain.ink() * 11 / 10);
}

TEST(Render, TextTakesItsColour) {
    Screen s;
    s.draw({text(100, 100, "■", 2, 3, 5)});
    EXPECT_EQ(s.colour_at(116, 124), ink(5));
}

TEST(Render, UnprintableAndBrokenTextDrawsNothing) {
    Screen s;
    s.draw({text(100, 100, "\r\b\x7f", 3, 3), text(100, 200, "\xff\xfe", 3, 3), text(100, 300, "", 3, 3),
            text(100, 400, "8", 0, 3), text(100, 500, "8", 3, 3, 0, "ゴシック", 0)});
    EXPECT_EQ(s.ink(), 0);
}

// Where an operation leaves its ink has one measure, for every kind
// (GlyphLayout::ink): the screen's list and the platform take the same box
// (a text's glyphs landed on the layout's pixels for the list), and at every
// scale the box holds each pixel the painter paints: glyphs as drawn (in any
// face, bold or leaning, wherever within a pixel they start), at most the
// faint rim of a pixel more on a side; shapes within two pixels of their
// ink, erases (in the background colour, over a fill) and white insides
// (over a tint) included.
TEST(Ink, OfEveryKindIsOneMeasureHoldingWhatIsPainted) {
    // Bold in the gothic face stretched five times as high as wide:
    // IPAGothic thickens it by a share of its height across as well as down,
    // a good deal more across than its outline stretched.
    const DrawOp tall_bold_times = text(500, 300, "×", 2, 5, 0, "ゴシック", 16, true);
    EXPECT_EQ(thickened_as_drawn(tall_bold_times), face_choice(Face::Gothic).family == "IPAGothic")
        << "IPAGothic has no bold of its own; Noto Sans CJK JP has";
    const DrawOp glyphs[] = {
        text(100, 140, "(", 3, 3, 0, "ゴシック", 16, true),
        text(100.5f, 140.25f, "y", 4, 2, 3, "ゴシック", 16, true),
        text(99.3f, 141.7f, "式の値", 2, 3),
        text(139, 8, "x", 10, 7, 0, "Times New Roman", 8, true, true),
        text(180.6f, 30, "f", 10, 7, 0, "Times New Roman", 8, true, true),
        text(200, 30, "l", 6, 3, 0, "MT Extra", 16, true),
        text(400, 300, "8888", 3, 3, 0, "ゴシック", 11),       // cells of 16.5 units
        text(600, 30, "g", 10, 7, 15, "Times New Roman", 8, true, true),
        laid_over(text(700, 30, "式の値", 2, 3, 0, "ゴシック", 16, true), {box(Op::Fill, 732, 34, 758, 70, 13, 4, 3)}),
        // Lent by a face with no bold, which thickens its outline as drawn.
        text(300, 30, "【", 10, 7, 0, "Times New Roman", 8, true),
        tall_bold_times,
    };
    const DrawOp shapes[] = {
        box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 13, 4, 3),
        box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 6, 6, 0),  // one colour, a hairline border
        painted_over(box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 6, 6, 3)),
        box(Op::Box, 10, 10, 200, 120, 3, 0, 0),
        box(Op::Box, 10.3f, 10.6f, 200.4f, 120.7f, 3, 0, 1),
        line(100, 300, 400, 300, 0, 4),
        line(113.5f, 310, 113.5f, 334, 0, 5),
        line(100.3f, 310.5f, 400.6f, 310.5f, 0, 0),
        painted_over(line(100, 300, 400, 300, 0, 4)),
        line(100, 400, 300, 520, 0, 3),
        line(100, 400, 300, 520, 0, 0),
        painted_over(line(100, 400, 300, 520, 0, 3)),
        circle(1064, 656, 4, 5, 0, 0, true, 5),               // the entry cursor's disc
        painted_over(circle(1064, 656, 4, 5, 0, 0, true, 5)),  // and its erase
        circle(600, 400, 80, 1, 0, 0, true, 6),
        circle(600, 400, 80, 1, 0, 0, false, 1, 0),
        painted_over(circle(600, 400, 80, 1, 0, 0, false, 1, 2)),
        circle(600, 400, 80, 1, 0, 0, true, BACKGROUND, 1),  // a rim round an erased disc
        polyline({{100, 600}, {104, 636}, {108, 624}, {116, 660}, {130, 586}, {138, 586}}, 0, 3),
        painted_over(polyline({{100, 600}, {104, 636}, {108, 624}, {116, 660}, {130, 586}, {138, 586}}, 0, 3)),
    };
    // Part of a circle: within the whole circle's box.
    const DrawOp arcs[] = {
        circle(600, 400, 80, 1, 0.1f, 0.6f, true, 6),
        circle(600, 400, 60, 2, 0.75f, 0.25f, false, 2, 5),
        painted_over(circle(600, 400, 60, 2, 0.75f, 0.25f, false, 2, 5)),
    };
    // Drawn over a tint, where what a part paints in the background colour
    // shows: a white inside erased a pixel beyond a thin coloured border.
    const DrawOp on_tint[] = {circle(600, 400, 80, 1, 0, 0, true, BACKGROUND, 1)};
    GlyphLayout inks;
    RetainedList list;
    HeadlessBackend backend;
    Platform pf(backend);
    enum Fit { Rim, Near, Within };
    auto check = [&](const DrawOp& op, Fit fit, double scale, bool tinted = false) {
        const std::string what = "op " + std::to_string(static_cast<int>(op.op)) + " " + op.s + " colour " +
                                  std::to_string(op.c) + " at scale " + std::to_string(scale);
        // One measure: the list's is the platform's, a text's glyphs landed.
        EXPECT_EQ(list.ink(op), op.op == Op::Text ? inks.ink(op, 1, true) : pf.ink(op)) << what;
        Screen s(scale);
        // An erase is seen over a fill.
        if (op.c == BACKGROUND || tinted) s.draw({box(Op::Fill, 0, 0, 1440, 900, 10, 10, 1)});
        const uint32_t under = s.pixel(0, 0);
        s.draw({op});
        const Bounds b = inks.ink(op, scale, true);
        Screen::Extent e;  // in pixels
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (s.pixel(x, y) != under) e.l = std::min<double>(e.l, x), e.r = std::max<double>(e.r, x + 1),
                                            e.t = std::min<double>(e.t, y), e.b = std::max<double>(e.b, y + 1);
        ASSERT_FALSE(e.empty()) << what;
        // The measure's box in pixels.
        const double l = b.l * scale, t = b.t * scale, r = b.r * scale, bt = b.b * scale;
        EXPECT_GE(e.l, l - 1e-3) << what;
        EXPECT_GE(e.t, t - 1e-3) << what;
        EXPECT_LE(e.r, r + 1e-3) << what;
        EXPECT_LE(e.b, bt + 1e-3) << what;
        if (fit == Within) return;
        const double slack = fit == Rim && scale == 1 ? 1 : 2;
        for (double over : {e.l - l, r - e.r, e.t - t, bt - e.b}) EXPECT_LE(over, slack + 1e-3) << what;
    };
    for (double scale : {1.0, 2.0, 1.2, 0.853, 0.711, 0.444}) {
        for (const DrawOp& op : glyphs) check(op, Rim, scale);
        for (const DrawOp& op : shapes) check(op, Near, scale);
        for (const DrawOp& op : arcs) check(op, Within, scale);
        for (const DrawOp& op : on_tint) check(op, Near, scale, true);
    }
    EXPECT_TRUE(inks.ink(text(100, 100, "　 ", 2, 3)).empty());
    EXPECT_TRUE(inks.ink(text(100, 100, "8", 0, 3)).empty());
    EXPECT_TRUE(inks.ink(circle(600, 400, 0, 1, 0, 0, true, 6)).empty());
    EXPECT_TRUE(inks.ink(polyline({}, 0, 3)).empty());
}

// Each operation paints as its description says (paint_of), at the layout's
// size and in a smaller window: what it paints over opaquely shows nothing
// drawn under it; an erase leaves a blank screen blank; what repaints itself
// drawn twice over itself is as drawn once, and nothing else is; snapped and
// aliased drawings paint only their own colours, antialiased ones shades
// between them and what lies under.  Each row says what the description is:
// how the operation lands (a filled circle's inside and rim each, as its
// colour says: in the background colour along a path in whole pixels, in
// any other antialiased), whether it erases and whether it paints over a
// box opaquely.
TEST(Paint, SaysHowThePainterPaints) {
    constexpr Landing None = Landing::Nothing, Snapped = Landing::Snapped, Aliased = Landing::Aliased,
                      Antialiased = Landing::Antialiased;
    struct Row {
        DrawOp op;
        Landing lands, fill_lands, rim_lands;
        bool erases, over;
        float reach;  // device pixels beyond its pen an erasing part is drawn
    } rows[] = {
        {box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 13, 4, 3), Snapped, None, None, false, true, 0},
        {box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 6, 6, 0), Snapped, None, None, false, true, 0},
        {painted_over(box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 6, 6, 3)), Snapped, None, None, true, true, 0},
        {box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, BACKGROUND, 4, 3), Snapped, None, None, false, true, 0},
        // White inside a coloured border.
        {box(Op::Fill, 96.5f, 657.25f, 400.75f, 693.5f, 4, BACKGROUND, 3), Snapped, None, None, false, true, 0},
        {box(Op::Box, 10.3f, 10.6f, 200.4f, 120.7f, 3, 0, 1), Snapped, None, None, false, false, 0},
        {painted_over(box(Op::Box, 10.3f, 10.6f, 200.4f, 120.7f, 3, 0, 1)), Snapped, None, None, true, false, 0},
        {line(100.3f, 310.5f, 400.6f, 310.5f, 0, 4), Snapped, None, None, false, true, 0},
        {line(113.5f, 310, 113.5f, 334, 0, 5), Snapped, None, None, false, true, 0},
        {painted_over(line(100, 300, 400, 300, 0, 4)), Snapped, None, None, true, true, 0},
        {line(100, 400, 300, 520, 0, 3), Antialiased, None, None, false, false, 0},
        {painted_over(line(100, 400, 300, 520, 0, 3)), Aliased, None, None, true, false, 1},
        // The entry cursor, a disc in one colour, and its erase.
        {circle(1064, 656, 4, 5, 0, 0, true, 5), Aliased, None, None, false, false, 0},
        {painted_over(circle(1064, 656, 4, 5, 0, 0, true, 5)), Aliased, None, None, true, false, 1},
        // Filled circles and sectors: an inside, and a rim over its edge.
        {circle(600, 400, 80, 1, 0, 0, true, 6), Antialiased, Antialiased, Antialiased, false, false, 0},
        {circle(600, 400, 80, 1, 0.1f, 0.6f, true, 1), Antialiased, Antialiased, Antialiased, false, false, 0},
        {circle(600, 400, 80, 1, 0, 0, false, 1, 2), Antialiased, None, None, false, false, 0},
        {painted_over(circle(600, 400, 80, 1, 0, 0, false, 1, 2)), Aliased, None, None, true, false, 1},
        // A white inside in whole pixels, in a coloured rim.
        {circle(600, 400, 80, 1, 0, 0, true, BACKGROUND, 1), Antialiased, Aliased, Antialiased, false, false, 1},
        // An erased rim, in whole pixels, round a tinted disc.
        {circle(600, 400, 80, BACKGROUND, 0, 0, true, 6, 1), Aliased, Antialiased, Aliased, false, false, 1},
        {polyline({{100, 600}, {104, 636}, {108, 624}, {116, 660}, {130, 586}, {138, 586}}, 0, 3), Antialiased, None,
         None, false, false, 0},
        {painted_over(polyline({{100, 600}, {104, 636}, {108, 624}, {116, 660}, {130, 586}, {138, 586}}, 0, 3)),
         Aliased, None, None, true, false, 1},
        {text(99.3f, 141.7f, "式の値", 2, 3), Antialiased, None, None, false, false, 0},
        {text(99.3f, 141.7f, "式の値", 2, 3, BACKGROUND), Antialiased, None, None, true, false, 0},
        {[] { DrawOp cls; cls.op = Op::Cls; return cls; }(), Snapped, None, None, true, true, 0},
    };
    const DrawOp ground = box(Op::Fill, 0, 0, 1440, 900, 10, 10, 1);
    for (double scale : {1.0, 0.853}) {
        for (const Row& row : rows) {
            const DrawOp& op = row.op;
            const Paint paint = paint_of(op, static_cast<float>(1 / scale));
            const std::string what = "op " + std::to_string(static_cast<int>(op.op)) + " " + op.s + " colour " +
                                     std::to_string(op.c) + "/" + std::to_string(op.f) + " at scale " +
                                     std::to_string(scale);
            EXPECT_EQ(paint.lands, row.lands) << what;
            EXPECT_EQ(paint.fill_lands, row.fill_lands) << what << ": its fill";
            EXPECT_EQ(paint.rim_lands, row.rim_lands) << what << ": its rim";
            EXPECT_EQ(paint.erases, row.erases) << what;
            EXPECT_EQ(!paint.over.empty(), row.over) << what;
            EXPECT_EQ(paint.reach, row.reach) << what;
            // Made at the layout's size and read on this device, it is the
            // description made for this device.
            const Paint read = paint_of(op).on_device(static_cast<float>(1 / scale));
            EXPECT_EQ(read.pen, paint.pen) << what << ": its pen on the device";
            EXPECT_EQ(read.over, paint.over) << what << ": what it paints over on the device";
            // The pixels of the operation drawn `times` over itself, over a
            // blank screen or a tinted one.
            auto pixels = [&](int times, bool tinted) {
                Screen s(scale);
                if (tinted) s.draw({ground});
                s.draw({KeptOp{op, paint_of(op), {}, std::make_shared<const Beneath>(), times}});
                std::vector<uint32_t> out;
                out.reserve(static_cast<size_t>(s.width()) * static_cast<size_t>(s.height()));
                for (int y = 0; y < s.height(); ++y)
                    for (int x = 0; x < s.width(); ++x) out.push_back(s.pixel(x, y));
                return std::make_pair(out, s.width());
            };
            const auto [blank, w] = pixels(1, false);
            const auto [tinted, _] = pixels(1, true);
            const auto [twice, __] = pixels(2, true);
            EXPECT_EQ(twice == tinted, paint.repaints_itself()) << what;
            EXPECT_EQ(std::all_of(blank.begin(), blank.end(), [](uint32_t p) { return p == 0xFFFFFF; }), paint.erases)
                << what;
            if (!paint.over.empty()) {
                const DeviceBox d = snap_to_pixels(paint.over.l * scale, paint.over.t * scale, paint.over.r * scale,
                                                   paint.over.b * scale);
                int shows_through = 0;
                for (int y = static_cast<int>(d.t); y < static_cast<int>(d.b); ++y)
                    for (int x = static_cast<int>(d.l); x < static_cast<int>(d.r); ++x) {
                        const size_t i = static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x);
                        shows_through += i < blank.size() && blank[i] != tinted[i];
                    }
                EXPECT_EQ(shows_through, 0) << what;
            }
            // Over the tint, each pixel the tint, a colour of the operation's
            // own, or a shade between.
            const auto rgb = [](Rgb c) { return uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b; };
            const uint32_t plain[] = {rgb(fill(10)), rgb(ink(op.c)), rgb(fill(op.f)), rgb(fill(BACKGROUND))};
            bool shaded = false;
            for (const uint32_t p : tinted) shaded = shaded || std::find(std::begin(plain), std::end(plain), p) == std::end(plain);
            EXPECT_EQ(shaded, paint.lands == Landing::Antialiased) << what;
        }
    }
}

// Where a text's glyphs go is decided when it is drawn, from what lies under
// it: into the filled box each character is written in, clear of the
// fraction bars next to it.  The painter draws what the text records.
TEST(GlyphLayout, FitsGlyphsToTheCellsAndBarsUnderThem) {
    const DrawOp ell = text(208, 290, "l", 6, 3, 0, "MT Extra", 16, true);  // a numerator
    const DrawOp digit = text(208, 290, "2", 4, 2, 0, "ゴシック", 16, true);
    const DrawOp letter = text(208, 290, "y", 12, 5, 0, "Times New Roman", 8, true, true);  // its tail reaches down
    const DrawOp bar = as_bar(line(212, 325, 236, 325, 0, 4));
    struct Case {
        const char* name;
        std::vector<DrawOp> under;
        DrawOp text;
        enum { None, Moved, Shrunk } fit;
        float least_scale = 1;  // the smallest the fitted glyph may be drawn
    } cases[] = {
        {"nothing under it", {}, letter, Case::None},
        {"a digit clear of the bar", {bar}, digit, Case::None},
        {"a bar under the numerator: moved up", {bar}, letter, Case::Moved},
        {"a level line as wide that is no bar", {line(212, 325, 236, 325, 0, 4)}, letter, Case::None},
        {"a bar erased", {bar, line(212, 325, 236, 325, BACKGROUND, 4)}, letter, Case::None},
        {"a bar erased by a box", {bar, box(Op::Fill, 200, 320, 250, 330, 15, 15, 1)}, letter, Case::None},
        // The script ell over a short bar rises as far as its cell lets it,
        // and is drawn only a little smaller.
        {"a tall letter over a short bar", {bar}, ell, Case::Shrunk, 0.85f},
        // A digit between bars in the top and bottom thirds of its cell has room for a little
        // over a third of its height.
        {"a digit between two bars", {as_bar(line(200, 299, 250, 299, 0, 2)), as_bar(line(200, 313, 250, 313, 0, 2))},
         digit, Case::Shrunk, 0.34f},
        // A title in a cell lower than its characters' cells.
        {"text in a cell", {box(Op::Fill, 72, 30, 468, 74, 5, 4, 3)}, text(87, 30, "P", 3, 3, 13, "ゴシック", 16, true),
         Case::Shrunk, 0.8f},
        // A calendar's label written across the line between two day cells.
        {"text across two cells",
         {box(Op::Fill, 1072, 70, 1142, 120, 13, 13, 5), box(Op::Fill, 1142, 70, 1212, 120, 13, 13, 5)},
         text(1132, 70, "②", 2, 3, 7, "ゴシック", 16, true), Case::None},
    };
    GlyphLayout inks;
    for (const Case& c : cases) {
        Backdrop under;
        for (const DrawOp& op : c.under) under.add(op);
        DrawOp laid = c.text;
        GlyphLayout()(laid, under);
        const std::vector<GlyphFit>& fits = laid.fits;
        if (c.fit == Case::None) {
            EXPECT_TRUE(fits.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(fits.size(), 1u) << c.name;
        if (c.fit == Case::Moved) {
            EXPECT_FLOAT_EQ(fits[0].scale, 1) << c.name;
        } else {
            EXPECT_LT(fits[0].scale, 1) << c.name;
            EXPECT_GE(fits[0].scale, c.least_scale) << c.name;
        }
        // Drawn as recorded, the glyph keeps its ink off what it was fitted to.
        const Bounds ink = inks.ink(laid, 1, true);
        for (const DrawOp& op : c.under) {
            if (op.bar && op.y1 > c.text.y1 + c.text.font.size * static_cast<float>(c.text.q) / 2) {
                EXPECT_LE(ink.b, op.y1 - op.w / 2.0f - 1) << c.name;
            } else if (op.bar) {
                EXPECT_GE(ink.t, op.y1 + op.w / 2.0f + 1) << c.name;
            }
            if (op.op == Op::Fill) {
                EXPECT_TRUE(ink.within(Bounds{op.x1, op.y1, op.x2, op.y2})) << c.name;
            }
        }
    }
}

// What is measured once is remembered only while it was asked for lately:
// a long session keeps a bounded number of glyph shapes, and a measure
// forgotten and made again is the same.
TEST(Ink, RemembersTheShapesAskedForLatelyAndMeasuresOthersAgainTheSame) {
    const std::vector<std::string> kana = split_chars("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらり");
    auto op = [&](size_t i) { return text(100 + 0.37f * static_cast<float>(i), 200, kana[i], 3, 3); };
    GlyphLayout few(4), all;
    // Each text, then one asked for a few texts before, and all of them again.
    for (int round = 0; round < 2; ++round)
        for (size_t i = 0; i < kana.size(); ++i)
            for (size_t k : {i, i - 5}) {
                if (k >= kana.size()) continue;
                EXPECT_EQ(few.ink(op(k), 1, true), all.ink(op(k), 1, true)) << k << " round " << round;
                EXPECT_LE(few.shapes(), 8u);
            }
    EXPECT_EQ(all.shapes(), kana.size());
}

TEST(GlyphLayout, RemembersTheShapesAskedForLatelyAndMeasuresOthersAgainTheSame) {
    Backdrop under;
    under.add(as_bar(line(212, 325, 236, 325, 0, 4)));
    GlyphLayout few(2), all;
    int fitted = 0;
    // Each letter, then one asked for a few letters before, and all of them again.
    for (int round = 0; round < 2; ++round)
        for (char ch = 'a'; ch <= 'z'; ++ch)
            for (char k : {ch, static_cast<char>(ch - 3)}) {
                if (k < 'a') continue;
                DrawOp a = text(208, 290, std::string(1, k), 12, 5, 0, "Times New Roman", 8, true, true), b = a;
                few(a, under);
                all(b, under);
                EXPECT_EQ(a.fits, b.fits) << k << " round " << round;
                EXPECT_EQ(a.glyphs, b.glyphs) << k << " round " << round;
                fitted += !a.fits.empty();
                EXPECT_LE(few.shapes(), 6u);  // 2 glyphs and 2 before them, and the style's reference
            }
    EXPECT_GT(fitted, 10);  // the letters whose tails reach the bar
}

std::string temp_png(const char* tag) {
    return testing::TempDir() + "render_test_" + tag + "_" + std::to_string(getpid()) + ".png";
}

struct Png {
    explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int w() const { return cairo_image_surface_get_width(surface); }
    int h() const { return cairo_image_surface_get_height(surface); }
    uint32_t at(int x, int y) const {
        auto* row = cairo_image_surface_get_data(surface) + static_cast<size_t>(y) * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
    }
    cairo_surface_t* surface;
};

uint32_t packed(Rgb c) {
    return static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b;
}

TEST(WritePng, ClipsToTheLayoutAtItsScale) {
    // The menu wipe reaches far beyond the layout; measuring draws at y 1800.
    std::vector<DrawOp> ops = {box(Op::Fill, 0, 0, 1760, 1800, 10, 10, 3), text(100, 1800, "999", 3, 3, 0)};
    for (double scale : {1.0, 0.5}) {
        std::string path = temp_png("clip");
        ASSERT_TRUE(write_png(ops, path, scale));
        Png png(path);
        ASSERT_TRUE(png.ok());
        EXPECT_EQ(png.w(), static_cast<int>(1440 * scale));
        EXPECT_EQ(png.h(), static_cast<int>(900 * scale));
        EXPECT_EQ(png.at(png.w() - 1, png.h() - 1), packed(fill(10)));
        EXPECT_EQ(png.at(0, 0), packed(fill(10)));
        std::remove(path.c_str());
    }
}

TEST(WritePng, ShowsOnlyWhatTheLastClearLeft) {
    DrawOp cls;
    cls.op = Op::Cls;
    std::vector<DrawOp> ops = {box(Op::Fill, 10, 10, 100, 100, 2, 2, 1), cls, box(Op::Fill, 200, 10, 300, 100, 4, 4, 1),
                               box(Op::Fill, 0, 0, 1440, 900, 15, 15, 3), box(Op::Fill, 400, 10, 500, 100, 6, 6, 1)};
    std::string path = temp_png("clear");
    ASSERT_TRUE(write_png(ops, path));
    Png png(path);
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(png.at(50, 50), packed(kWhite));
    EXPECT_EQ(png.at(250, 50), packed(kWhite));
    EXPECT_EQ(png.at(450, 50), packed(fill(6)));
    std::remove(path.c_str());
}

TEST(WritePng, ReportsAnUnwritablePath) {
    EXPECT_FALSE(write_png(std::vector<DrawOp>{}, "/nonexistent-dir/x.png"));
    EXPECT_FALSE(write_png(std::vector<DrawOp>{}, temp_png("zero"), 0));
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

// The mean width of a glyph's strokes, from its ink at twice the
// layout's scale: twice its area over its outline's length (for a stroke
// of width w and length L, about 2wL / 2L).
double stroke_width(const DrawOp& glyph) {
    const double scale = 2;
    Screen s(scale);
    s.draw({glyph});
    auto dark = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= s.width() || y >= s.height()) return false;
        uint32_t v = s.pixel(x, y);
        return ((v >> 16 & 0xFF) + (v >> 8 & 0xFF) + (v & 0xFF)) < 3 * 128;
    };
    auto e = s.ink_extent();
    double area = 0, edges = 0;
    for (int y = int(e.t * scale) - 1; y <= int(e.b * scale) + 1; ++y)
        for (int x = int(e.l * scale) - 1; x <= int(e.r * scale) + 1; ++x) {
            if (!dark(x, y)) continue;
            ++area;
            edges += !dark(x + 1, y) + !dark(x - 1, y) + !dark(x, y + 1) + !dark(x, y - 1);
        }
    return edges > 0 ? 2 * area / edges / scale : 0;
}

// The share of a glyph's ink box that is background enclosed by its ink
// (the counters of an a, an e), from its ink at four times the layout's
// scale.
double counter_share(const DrawOp& glyph) {
    const double scale = 4;
    Screen s(scale);
    s.draw({glyph});
    const auto e = s.ink_extent();
    const int l = int(e.l * scale) - 1, t = int(e.t * scale) - 1, r = int(e.r * scale) + 1, b = int(e.b * scale) + 1;
    const int w = r - l + 1, h = b - t + 1;
    auto dark = [&](int x, int y) {
        uint32_t v = s.pixel(l + x, t + y);
        return ((v >> 16 & 0xFF) + (v >> 8 & 0xFF) + (v & 0xFF)) < 3 * 128;
    };
    // The background the outside reaches, from the frame round the ink.
    std::vector<char> outside(static_cast<size_t>(w * h), 0);
    std::vector<std::pair<int, int>> todo = {{0, 0}};
    outside[0] = 1;
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || outside[ny * w + nx] || dark(nx, ny)) continue;
            outside[ny * w + nx] = 1;
            todo.push_back({nx, ny});
        }
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) enclosed += !outside[y * w + x] && !dark(x, y);
    return enclosed / double((w - 2) * (h - 2));
}

// Each kind of glyph keeps a weight of its own, as a maths typesetter sets
// them, on the line and in a fraction's parts: the braces as heavy as the
// bold digits; the italic letters near them, no heavier; the operator signs
// lighter than both, yet no hairline.
TEST(Render, DigitsLettersAndSignsKeepTheirOwnWeights) {
    struct Kind {
        const char* name;
        double lo, hi;  // the stroke width, as a share of the digits'
        std::vector<DrawOp> glyphs;
    };
    struct Case {
        const char* style;
        DrawOp digit;
        std::vector<Kind> kinds;
    } cases[] = {
        {"line",
         text(100, 100, "1", 3, 3, 0, "ゴシック", 16, true),
         {{"brace", 0.85, 1.2,
           {text(100, 100, "{", 3, 3, 0, "ゴシック", 16, true), text(100, 100, "}", 3, 3, 0, "ゴシック", 16, true)}},
          {"letter", 0.45, 1.05,
           {text(100, 100, "x", 10, 7, 0, "Times New Roman", 8, true, true),
            text(100, 100, "a", 10, 7, 0, "Times New Roman", 8, true, true),
            text(100, 100, "c", 10, 7, 0, "Times New Roman", 8, true, true)}},
          {"sign", 0.2, 0.6,
           {as_operator(text(100, 100, "×", 2, 3, 0, "ゴシック", 16, true)), as_operator(text(100, 100, "÷", 2, 3, 0, "ゴシック", 16, true)),
            as_operator(text(100, 100, "±", 2, 3, 0, "ゴシック", 16, true))}}}},
        {"fraction",
         text(100, 100, "1", 4, 2, 0, "ゴシック", 16, true),
         {{"letter", 0.45, 1.05,
           {text(100, 100, "x", 12, 5, 0, "Times New Roman", 8, true, true),
            text(100, 100, "a", 12, 5, 0, "Times New Roman", 8, true, true)}},
          {"sign", 0.2, 0.6,
           {as_operator(text(100, 100, "×", 3, 3, 0, "ゴシック", 11, true)), as_operator(text(100, 100, "÷", 3, 3, 0, "ゴシック", 11, true))}}}},
    };
    for (auto& c : cases) {
        const double stem = stroke_width(c.digit);
        for (const Kind& k : c.kinds)
            for (const DrawOp& op : k.glyphs) {
                const double share = stroke_width(op) / stem;
                EXPECT_GE(share, k.lo) << c.style << " " << k.name << " " << op.s;
                EXPECT_LE(share, k.hi) << c.style << " " << k.name << " " << op.s;
            }
    }
}

// An italic letter drawn a touch heavier keeps its own shape: the bowl of
// an a stays open (about a sixth of its box; drawn as heavy as the digits,
// it closes to less than a tenth).
TEST(Render, AnItalicLettersCounterStaysOpen) {
    for (const DrawOp& a : {text(100, 100, "a", 10, 7, 0, "Times New Roman", 8, true, true),
                            text(100, 100, "a", 12, 5, 0, "Times New Roman", 8, true, true)})
        EXPECT_GT(counter_share(a), 0.12) << a.p << "/" << a.q;
}

// An operator sign stands upright at its own proportions, centred across
// its cell and on the middle of the digits beside it (the axis of the
// maths), on the line ("3×4") and in a fraction's parts.
TEST(Render, OperatorSignsSitOnTheAxisUprightAndCentred) {
    struct Case {
        DrawOp digit, sign;
        double cell_l, cell_r;  // the sign's cell
    };
    std::vector<Case> cases;
    for (const char* sign : {"×", "÷", "±"}) {
        cases.push_back({text(100, 100, "3", 3, 3, 0, "ゴシック", 16, true),
                         as_operator(text(300, 100, sign, 2, 3, 0, "ゴシック", 16, true)), 300, 332});
        cases.push_back({text(100, 100, "3", 4, 2, 0, "ゴシック", 16, true),
                         as_operator(text(300, 100, sign, 3, 3, 0, "ゴシック", 11, true)), 300, 333});
    }
    for (const Case& c : cases) {
        Screen s(4);
        s.draw({c.digit, c.sign});
        const auto d = s.ink_in(90, 50, 200, 200), g = s.ink_in(290, 50, 400, 200);
        ASSERT_FALSE(g.empty()) << c.sign.s;
        const std::string what = c.sign.s + " " + std::to_string(c.sign.p) + "/" + std::to_string(c.sign.q);
        EXPECT_NEAR((g.t + g.b) / 2, (d.t + d.b) / 2, 1.0) << what << ": on the digits' middle";
        EXPECT_NEAR((g.l + g.r) / 2, (c.cell_l + c.cell_r) / 2, 1.0) << what << ": across its cell";
        if (c.sign.s == "×") {
            EXPECT_NEAR((g.r - g.l) / (g.b - g.t), 1.0, 0.06) << what << ": as wide as high";
        }
    }
}

// A numerator's italic letter is about as tall as the digits beside it and
// no flatter than the same letter on the line.
TEST(Render, ANumeratorsLetterIsNotFlat) {
    Screen s(2);
    DrawOp digit = text(100, 100, "2", 4, 2, 0, "ゴシック", 16, true);
    DrawOp letter = text(136, 84, "x", 12, 5, 0, "Times New Roman", 8, true, true);  // "2x" as a numerator
    DrawOp on_line = text(300, 100, "x", 10, 7, 0, "Times New Roman", 8, true, true);
    s.draw({digit, letter, on_line});
    auto d = s.ink_in(90, 50, 133, 200), x = s.ink_in(134, 50, 200, 200), own = s.ink_in(290, 50, 400, 200);
    ASSERT_FALSE(x.empty() || own.empty());
    EXPECT_GT(x.b - x.t, 0.65 * (d.b - d.t));
    EXPECT_LT((x.r - x.l) / (x.b - x.t), 1.3 * (own.r - own.l) / (own.b - own.t));
    EXPECT_NEAR(x.b, d.b, 1.5);  // on the digits' line
}

}  // namespace
}  // namespace cw
