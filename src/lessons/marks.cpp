#include "lessons/marks.h"

#include "figures/figures.h"
#include "platform/basic.h"
#include "typeset/typeset.h"

namespace cw::lesson {

void keep_anchor(Program& g, int k, Anchor a) {
    g.X_a(k) = a.x;
    g.Y_a(k) = a.y;
}

Anchor kept_anchor(const Program& g, int k) { return {g.X_a(k), g.Y_a(k)}; }

FractionAnchors fraction_anchors(const Program& g) {
    FractionAnchors a;
    a.xt = g.XT;
    a.yt = g.YT;
    a.naga = g.NAGA;
    a.tbsi1 = g.TBSI1;
    a.tbbo1 = g.TBBO1;
    a.bsen = g.BSEN;
    a.numerator = {g.TBSIYAKX, g.TBSIYAKY};
    a.denominator = {g.TBBOYAKX, g.TBBOYAKY};
    return a;
}

FractionAnchors put_fraction(Program& g, float x, float y, float c, const std::string& code, Keep keep) {
    put(g, x, y, c, code, keep);
    return fraction_anchors(g);
}

float measure(Program& g, const std::string& code) {
    g.A_s = code;
    MEASURE_EXPRESSION_TEXT(g);
    return g.LLT;
}

float measure_small(Program& g, const std::string& code) {
    g.BUN = 1;
    float w = measure(g, code);
    g.BUN = 0;
    return w;
}

namespace {

// Where MEASURE_EXPRESSION_TEXT typesets its text.
constexpr float kMeasureX = 0;
constexpr float kMeasureY = 1800;

}  // namespace

TextLayout layout_text(Program& g, float x, float y, const std::string& code) {
    TextLayout out;
    out.has_fraction = KINSTR(code, "ﾀ") > 0;
    const float w = measure(g, code);
    out.end_x = x + w;
    if (out.has_fraction) {
        // The hidden copy's anchors, moved from where it was typeset to (x, y).
        FractionAnchors a = fraction_anchors(g);
        const float dx = x - kMeasureX, dy = y - kMeasureY;
        a.xt += dx;
        a.yt += dy;
        a.bsen += dy;
        a.numerator = {a.numerator.x + dx, a.numerator.y + dy};
        a.denominator = {a.denominator.x + dx, a.denominator.y + dy};
        out.last = a;
    }
    return out;
}

void draw_fraction_bar(Program& g, float x, float bar_y, float length, float c) {
    const int width = g.pf.GETDRAWWIDTH();
    g.pf.SETDRAWWIDTH(4);
    draw_inset_bar(g, x, bar_y, length, c);
    g.pf.SETDRAWWIDTH(static_cast<float>(width));
}

void draw_fraction_part(Program& g, Anchor at, const std::string& code, float c, Keep keep) {
    g.BUN = 1;
    put(g, at.x, at.y, c, code, keep);
    g.BUN = 0;
}

void draw_arc(Program& g, const Arc& arc) {
    g.ZX0 = arc.from.x;
    g.ZY0 = arc.from.y;
    g.ZX1 = arc.to.x;
    g.ZY1 = arc.to.y;
    g.TAKASA = arc.height;
    g.CCC2 = arc.colour;
    g.HOUKOU = arc.side;
    g.HABA = arc.step;
    g.AAA_s = arc.label;
    if (!arc.label.empty()) g.CCC1 = arc.label_colour;
    g.AAAX = arc.label_dx;
    g.AAAY = arc.label_dy;
    g.MU_DO = 0;
    DRAW_DIMENSION_ARC(g);
}

void distribution_arc(Program& g, Anchor from, Anchor to, float height, float colour, float side) {
    Arc a;
    a.from = from;
    a.to = to;
    a.height = height;
    a.colour = colour;
    a.side = side;
    a.step = 1;
    draw_arc(g, a);
}

}  // namespace cw::lesson
