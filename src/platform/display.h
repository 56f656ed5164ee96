// Draw operations in logical coordinates (1440 x 900 layout, y down).
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace cw {

constexpr float LAYOUT_W = 1440.0f;
constexpr float LAYOUT_H = 900.0f;

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
    // How many times the operation is drawn over itself: the screen's list
    // keeps one copy for several drawn one over another.
    int times = 1;

    bool drawn() const { return op <= Op::Cls; }
    bool operator==(const DrawOp&) const = default;
};

}  // namespace cw
