// Interim: arcs and the no-repeat draw until the toolkit has them.
#pragma once
#include <functional>
#include <string>

#include "figures/figures.h"
#include "state/program.h"

namespace cw::interim {

struct Point {
    float x = 0, y = 0;
};

struct Arc {
    Point from, to;
    float height = 1;
    float colour = 0;
    float side = -1;
    float step = 1;
    std::string label;
    float label_colour = 0;
    float label_dx = 0, label_dy = 0;
};

inline void draw_arc(Program& g, const Arc& a) {
    g.ZX0 = a.from.x;
    g.ZY0 = a.from.y;
    g.ZX1 = a.to.x;
    g.ZY1 = a.to.y;
    g.TAKASA = a.height;
    g.HOUKOU = a.side;
    g.HABA = a.step;
    g.CCC2 = a.colour;
    g.AAA_s = a.label;
    g.AAAX = a.label_dx;
    g.AAAY = a.label_dy;
    g.MU_DO = 0;
    if (!a.label.empty()) g.CCC1 = a.label_colour;
    DRAW_DIMENSION_ARC(g);
}

inline void distribution_arc(Program& g, Point from, Point to, float height, float colour, float side = -1) {
    Arc a;
    a.from = from;
    a.to = to;
    a.height = height;
    a.colour = colour;
    a.side = side;
    a.step = 1;
    draw_arc(g, a);
}

inline float draw_unlike(float& memory, const std::function<float()>& draw, int max_attempts = 1000) {
    float v = draw();
    for (int i = 1; i < max_attempts && v == memory; ++i) v = draw();
    memory = v;
    return v;
}

}  // namespace cw::interim
