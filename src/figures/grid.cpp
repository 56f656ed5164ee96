// The square grid and polygons with vertex labels.
#include "figures/figure_util.h"
#include "figures/figures.h"

namespace cw {

void DRAW_GRID(Program& g) {
    g.DR = static_cast<float>(g.pf.GETDRAWWIDTH());
    g.PI = fig::FIG_PI;
    g.GX1 = g.GGX;
    g.GY1 = g.GGY;
    g.GX2 = CHECK(g.GX1 + g.SIZE * g.YOKO);
    g.GY2 = CHECK(g.GY1 + g.SIZE * g.TATE);
    g.GX0 = g.GX1;
    g.GY0 = g.GY2;

    // Colour 15 is the background: the grid only sets up its frame.
    if (g.CCC2 != 15) {
        // Both counts are taken first: a grid too large to draw is refused
        // before any line of it is drawn.
        int cols = fig::loop_passes(0, g.YOKO);
        int rows = fig::loop_passes(0, g.TATE);
        g.CCC3 = 14;
        auto line_style = [&](float i) {
            bool heavy = fig::multiple_of_5(i);
            g.pf.SETDRAWWIDTH(heavy ? 3 : 1);
            return heavy ? g.CCC3 : g.CCC2;
        };
        for (int i = 0; i < cols; ++i) {
            g.II = static_cast<float>(i);
            float x = g.GX1 + g.SIZE * g.II;
            float c = line_style(g.II);
            g.pf.LINE(x, g.GY1, x, g.GY2, c);
        }
        for (int i = 0; i < rows; ++i) {
            g.II = static_cast<float>(i);
            float y = g.GY2 - g.SIZE * g.II;
            float c = line_style(g.II);
            g.pf.LINE(g.GX1, y, g.GX2, y, c);
        }
        g.II = static_cast<float>(rows);
    }
    g.pf.SETDRAWWIDTH(g.DR);
}

void grid_frame(Program& g, float ggx, float ggy, float yoko, float tate, float size) {
    g.GGX = ggx;
    g.GGY = ggy;
    g.YOKO = yoko;
    g.TATE = tate;
    g.SIZE = size;
    g.CCC2 = 15;
    DRAW_GRID(g);
}

void grid_point(Program& g, float i, float x, float y) {
    g.X_a(i) = g.GX0 + g.SIZE * x;
    g.Y_a(i) = g.GY0 - g.SIZE * y;
}

void polar_point(Program& g, float i, float centre, float t, float d) {
    g.X_a(i) = g.X_a(centre) + d * COS(t);
    g.Y_a(i) = g.Y_a(centre) - d * SIN(t);
}

namespace {

// Hands vertex i, its next vertex and the one after that to PLACE_LABEL,
// with the arms exchanged so the label goes outside a counter-clockwise
// polygon.
void label_vertex(Program& g, int i) {
    int kaku = static_cast<int>(g.KAKU);
    g.KJ1 = static_cast<float>(i == kaku ? 1 : i + 1);
    g.KJ2 = static_cast<float>(i + 2 > kaku ? i + 2 - kaku : i + 2);
    g.ZX0 = g.G_a(i, 1);
    g.ZY0 = g.G_a(i, 2);
    g.ZX1 = g.G_a(g.KJ1, 1);
    g.ZY1 = g.G_a(g.KJ1, 2);
    g.ZX2 = g.G_a(g.KJ2, 1);
    g.ZY2 = g.G_a(g.KJ2, 2);
    g.ITI = -1;
    g.NAGASA = g.NAGASA1;
    PLACE_LABEL(g);
}

}  // namespace

void DRAW_POLYGON(Program& g) {
    // The vertex table holds rows 1 to 10: a polygon has 3 to 10 vertices.
    if (!(g.KAKU >= 3 && g.KAKU <= 10) || g.KAKU != INT(g.KAKU)) throw RuntimeError(ERR_SUBSCRIPT);
    // The labels reach the typesetter, which keeps its own width in DR.
    int entry_width = g.pf.GETDRAWWIDTH();
    int kaku = static_cast<int>(g.KAKU);
    for (int i = 1; i <= kaku; ++i) {
        g.II = static_cast<float>(i);
        int j = i == kaku ? 1 : i + 1;
        g.pf.SETDRAWWIDTH(g.SIZE1);
        g.pf.LINE(g.G_a(i, 1), g.G_a(i, 2), g.G_a(j, 1), g.G_a(j, 2), g.CCC2);
    }
    g.NAGASA1 = g.NAGASA;
    if (g.AAA_s == "1")
        LABEL_VERTICES_FROM_LIST(g);
    else if (!g.AAA_s.empty())
        LABEL_VERTICES_BY_LETTER(g);
    g.AAA_s.clear();
    g.pf.SETDRAWWIDTH(static_cast<float>(entry_width));
}

void LABEL_VERTICES_BY_LETTER(Program& g) {
    g.KJ3 = static_cast<float>(ASC(g.AAA_s));
    int kaku = static_cast<int>(g.KAKU);
    for (int i = 1; i <= kaku; ++i) {
        g.TII = static_cast<float>(i);
        g.AAA_s = CHR_s(g.KJ3 - 1 + g.TII);
        label_vertex(g, i);
    }
}

void LABEL_VERTICES_FROM_LIST(Program& g) {
    int kaku = static_cast<int>(g.KAKU);
    for (int i = 1; i <= kaku; ++i) {
        g.TII = static_cast<float>(i);
        g.AAA_s = g.X_sa(i);
        label_vertex(g, i);
    }
}

}  // namespace cw
