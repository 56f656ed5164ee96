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

void draw_fraction_bar(Program& g, const FractionAnchors& f, float c) {
    const int width = g.pf.GETDRAWWIDTH();
    g.pf.SETDRAWWIDTH(4);
    draw_inset_bar(g, f.xt, f.bsen, f.naga, c);
    g.pf.SETDRAWWIDTH(static_cast<float>(width));
}

void draw_fraction_part(Program& g, Anchor at, const std::string& code, float c) {
    g.BUN = 1;
    put(g, at.x, at.y, c, code, Keep::None);
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

namespace {

// A reduced value written over a struck number, in colour 3 at (x, y): in
// the fraction parts' digits, a third less tall than ordinary ones, whose
// ink ends above the struck number's top where ordinary digits reach into it.
void small_value(Program& g, float x, float y, const std::string& text) {
    const float style = g.BUN;
    g.BUN = 1;
    put(g, x, y, 3, text, Keep::None);
    g.BUN = style;
}

}  // namespace

void strike_number(Program& g, Anchor at, int chars, const std::string& reduced, StrokeRule rule) {
    g.pf.LINE(at.x, at.y + rule.rise, at.x + rule.pitch * static_cast<float>(chars), at.y, 3);
    if (!reduced.empty()) small_value(g, at.x, at.y - 30, reduced);
}

void strike_denominator(Program& g, Anchor at, int chars, StrokeRule rule, Drawer drawer) {
    g.pf.LINE(at.x, at.y + rule.rise, at.x + rule.pitch * static_cast<float>(chars), at.y, 3);
    if (drawer == Drawer::Typeset) {
        put(g, at.x, at.y + 28, 3, "1", Keep::None);
    } else {
        g.CCC1 = 3;
        g.X = at.x;
        g.Y = at.y + 28;
        g.AA_s = "1";
        DRAW_PLAIN_TEXT(g);
    }
}

void strike_factor(Program& g, Anchor at, int chars, StrokeRule rule) {
    g.pf.LINE(at.x, at.y, at.x + rule.pitch * static_cast<float>(chars), at.y + rule.rise, 3);
}

void value_above(Program& g, Anchor at, const std::string& text) { small_value(g, at.x, at.y - 38, text); }

void value_below(Program& g, Anchor at, const std::string& text) { put(g, at.x, at.y + 32, 3, text, Keep::None); }

}  // namespace cw::lesson
