// Draw operations in logical coordinates (1440 x 900 layout, y down).
#pragma once
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/palette.h"

namespace cw {

constexpr float LAYOUT_W = 1440.0f;
constexpr float LAYOUT_H = 900.0f;

// A box in layout units.
struct Bounds {
    float l = 0, t = 0, r = 0, b = 0;
    bool empty() const { return r <= l || b <= t; }
    bool within(const Bounds& o) const { return l >= o.l && t >= o.t && r <= o.r && b <= o.b; }
    // Whether the two share an area (boxes that only touch do not).
    bool overlaps(const Bounds& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
    Bounds grown(float d) const { return {l - d, t - d, r + d, b + d}; }
    // The box that holds both.
    Bounds united(const Bounds& o) const {
        return {std::min(l, o.l), std::min(t, o.t), std::max(r, o.r), std::max(b, o.b)};
    }
    bool operator==(const Bounds&) const = default;
};

// A glyph of a text drawn smaller or moved from where its cell puts it, so
// that it stays inside the filled box it is written in or clear of a
// fraction bar: glyph `index` (counting the text's characters from 0) is
// scaled by `scale` about the middle of its cell, then moved by (dx, dy).
struct GlyphFit {
    int index = 0;
    float scale = 1;
    float dx = 0, dy = 0;
    bool operator==(const GlyphFit&) const = default;
};

// What a text's glyphs are, as the one who drew them says: characters
// (letters, digits, kana, marks), or an operator sign set between two
// operands, as a maths typesetter sets a binary operator.
enum class GlyphRole : unsigned char {
    Character,
    Operator,
};

// One glyph of a text as the layout placed it (glyph_layout.h): the glyph
// `drawn` for character `index` (counting the text's characters from 0),
// its face's layout origin at (tx, ty) scaled by (sx, sy), laid round with
// an outline `weight` wide (0: as its face draws it).
struct PlacedGlyph {
    int index = 0;
    std::string drawn;
    double tx = 0, ty = 0, sx = 1, sy = 1;
    double weight = 0;
    bool operator==(const PlacedGlyph&) const = default;
};

struct FontState {
    std::string face = "ｺﾞｼｯｸ";
    float size = 16.0f;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontState&) const = default;
};

enum class Op {
    Line,      // x1,y1 - x2,y2 in colour c, width w
    Box,       // outline of the box with corners (x1,y1),(x2,y2)
    Fill,      // filled box: border c at width w, inside f
    Circle,    // centre (x1,y1), radius r, arc start..end (fractions of a turn), filled => sector/disc in f
    Polyline,  // pts in colour c, width w
    Text,      // s with top left (x1,y1), magnification (p,q), colour c, in font
    Cls,       // whole window to colour 15
    // Notes for the replay log; never drawn.
    Expr,      // a typesetter call: pen (x1,y1), colour c, text s
    Prompt,    // a prompt-text call: pen (x1,y1), colour c, text s
    Key,       // a key the program took: s
};

struct DrawOp {
    Op op = Op::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float r = 0, start = 0, end = 0;
    bool filled = false;
    int c = 0, f = 0, w = 3;
    int p = 1, q = 1;
    std::vector<std::pair<float, float>> pts;
    std::string s;
    FontState font;
    // A line that is a fraction bar (the glyphs beside it keep clear of it).
    bool bar = false;
    // What a text's glyphs are.
    GlyphRole role = GlyphRole::Character;
    // A text's glyphs, each where the layout placed it: what the painter
    // draws.
    std::vector<PlacedGlyph> glyphs;
    // Of those, the glyphs fitted to what lay under them when it was drawn
    // (none when every glyph stands where its cell puts it).
    std::vector<GlyphFit> fits;

    bool drawn() const { return op <= Op::Cls; }
    bool operator==(const DrawOp&) const = default;
};

}  // namespace cw
