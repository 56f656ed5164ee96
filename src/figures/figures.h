// Figures and geometry: directions, labels, dimension arcs, grids, polygons,
// marks, intersections, coordinate planes, graphs, arrows and the number
// routines behind them.  Every routine takes its inputs from the program's
// variables and leaves its results there.
//
// Directions are radians counter-clockwise as seen on the screen (a direction
// d at distance r from (x, y) is (x + r cos d, y - r sin d)); the circle
// operation takes turn fractions, clockwise as seen, f = 1 - d / (2 PI).
#pragma once
#include "state/program.h"

namespace cw {

// Angle directions.
// Reads ZX0, ZY0, ZX1, ZY1, ZX2, ZY2, ITI; writes PI, HH1..HH5; clobbers HHP.
void COMPUTE_ARM_ANGLES(Program& g);
// Reads ZX0, ZY0, ZX1, ZY1; writes PI, HHP.
void COMPUTE_DIRECTION(Program& g);
// Reads what COMPUTE_ARM_ANGLES reads; writes KAKUDO$, HH, HH5 and what it writes; clobbers HH4.
void MEASURE_ANGLE_DEGREES(Program& g);

// Angle marks and point labels.
// Reads ZX0..ZY2, ITI, HONSU, NAGASA, CCC2, CCC3 and the label inputs; writes the arm angles; resets ITI, AAA$, AAAX, AAAY, NAGASA, MU_DO; clobbers X, Y, AA$, A$, II.
void DRAW_ANGLE_MARK(Program& g);
// Reads ZX0..ZY2, ITI, NAGASA, CCC2; writes ZX3..ZY5 and the arm angles; resets nothing.
void DRAW_RIGHT_ANGLE_MARK(Program& g);
// Reads AAA$, ZX0..ZY2, ITI, NAGASA, AAAX, AAAY, MU_DO, CCC1; writes LLT, DY, the arm angles, X, Y; resets ITI, AAA$, AAAX, AAAY, NAGASA, MU_DO; clobbers AA$, A$.
void PLACE_LABEL(Program& g);

// Dimension arcs and the half-ellipse point.
// Reads ZX0, ZY0, ZX1, ZY1, TAKASA, HOUKOU, HABA, CCC2 and the label inputs; writes ZX0, ZY0 (the apex), ZX1..ZY2, ZX11..ZY12, TAKASA; resets the label inputs; clobbers RR, H, II, HH, HHP, PI, D1, D2.
void DRAW_DIMENSION_ARC(Program& g);
// Reads ZX0, ZY0, ZX1, ZY1, TAKASA, KAKUDO; writes ZX, ZY; clobbers ZX1, ZY1, ZX2..ZY3, CX, CY, RR, H, HH, HHP, R, PI.
void COMPUTE_ELLIPSE_ARC_POINT(Program& g);

// Square grid and polygons.
// Reads GGX, GGY, SIZE, YOKO, TATE, CCC2, CCC3; writes GX0..GY2, PI; clobbers II, DR.
void DRAW_GRID(Program& g);
// Reads G(), KAKU, SIZE1, CCC2, AAA$, X$(), NAGASA, CCC1; writes NAGASA1, the vertices; resets AAA$ and the label inputs; the draw width as on entry.
void DRAW_POLYGON(Program& g);
// Reads G(), KAKU, NAGASA1, AAA$; draws one label a vertex; resets the label inputs; clobbers ZX0..ZY2, X, Y, AA$, A$, KJ1..KJ3, TII.
void LABEL_VERTICES_BY_LETTER(Program& g);
// Reads G(), KAKU, NAGASA1, X$(); draws one label a vertex; resets the label inputs; clobbers ZX0..ZY2, X, Y, AA$, A$, KJ1..KJ3, TII.
void LABEL_VERTICES_FROM_LIST(Program& g);

// Figures laid out in a grid's units.
// A grid's frame with no line drawn: GGX = ggx, GGY = ggy, YOKO = yoko, TATE = tate, SIZE = size, CCC2 = 15, then
// DRAW_GRID.  Writes those and what DRAW_GRID writes (GX0..GY2, PI; the origin GX0, GY0 at the bottom left);
// clobbers DR.
void grid_frame(Program& g, float ggx, float ggy, float yoko, float tate, float size);
// Point i at (x, y) in grid units (x to the right, y upwards): X(i) = GX0 + SIZE * x, Y(i) = GY0 - SIZE * y.
// Reads GX0, GY0, SIZE; writes X(i), Y(i).
void grid_point(Program& g, float i, float x, float y);
// Point i at direction t (radians) and distance d from point `centre`: X(i) = X(centre) + d cos t,
// Y(i) = Y(centre) - d sin t.  Reads X(centre), Y(centre); writes X(i), Y(i).
void polar_point(Program& g, float i, float centre, float t, float d);

// Segment marks.
// Reads AX, AY, BX, BY, A, B, NAGASA, HONSU, CCC2; clobbers CX, CY, D, DX, DY, EX, EY, BX1, BY1, AX1..AY2, II, and HONSU when out of range.
void DRAW_PARALLEL_MARKS(Program& g);
// Reads AX, AY, BX, BY, ITI, AIDA, NAGASA, HONSU, CCC2; clobbers CX, CY, D, DX, DY, EX, EY, AX1..AY2, AIDA1, II, AIDA, and HONSU when out of range.
void DRAW_EQUAL_TICKS(Program& g);

// Line intersections and perpendicular feet.  Parallel lines leave
// AX2 = AY2 = NO_INTERSECTION.
constexpr float NO_INTERSECTION = 10000.0f;
// Reads AX, AY, BX, BY, CX, CY; writes EX, EY (the foot); clobbers AA1, BB1, AA2, BB2 for a slanted line.
void DRAW_PERPENDICULAR_FOOT(Program& g);
// Reads AX, AY, BX, BY, CX, CY, DX, DY; writes AX2, AY2 (the crossing, or NO_INTERSECTION); clobbers A1, B1, A2, B2.
void INTERSECT_LINES(Program& g);
// Reads AX, AY, BX, BY, CX, CY; writes X1, Y1 (the crossing); clobbers A, B for a slanted line.
void INTERSECT_AXIS_PARALLEL(Program& g);

// Coordinate plane, plotted points, scaled labels and graphs.
// Reads GGX, GGY, SIZE, AA1, AA2, BB1, BB2, BAIX, BAIY, CCC2, NASI; writes GX0..GY2, SIZE1, the extents in cells, BAIX, BAIY; resets NASI.
void DRAW_COORDINATE_GRID(Program& g);
// Reads XG, YG, GX0, GY0, SIZE, BAIX, BAIY, R, CCC3, AAA$, KASANARIX, KASANARIY; writes GX, GY, BAIX, BAIY (1 where 0); resets KASANARIX, KASANARIY.
void PLOT_POINT(Program& g);
// Reads the plane's frame, extents, SIZE, SIZE1, BAIX, BAIY; writes P1, P2, P1$, P2$; clobbers X, Y, AA$, the font size (16 on return).
void DRAW_SCALED_AXIS_LABELS(Program& g);
// Reads IROIRO, AA, BB, CC, the plane's frame and extents, BAIX, BAIY, KASANARIX, KASANARIY, CCC3, AAA$; resets KASANARIX, KASANARIY, BAIX, BAIY (1); clobbers what PLOT_FUNCTION_DOTS does.
void DRAW_FUNCTION_GRAPH(Program& g);
// Reads IROIRO, AA, BB, AA1, AA2, BAIX, BAIY, GX0, GY0, SIZE, GY1, GY2, CCC3; writes X, Y, HABA (5000), P1, II, X1, Y1, GX5, GY5, GX, GY.
void PLOT_FUNCTION_DOTS(Program& g);
// Reads CC, GX0, GY0, SIZE, BAIX, BAIY, BB1, BB2, CCC3; leaves the draw width at 5; clobbers X, Y.
void DRAW_VERTICAL_GRAPH_LINE(Program& g);

// Arrows and slope triangles.
// Reads ZX0, ZY0, ZX, ZY, MUKI, YA, NAGASA, CCC2; resets MUKI, and YA when 2; clobbers CX, CY, D, DX, DY, EX, EY, ZX1..ZY2, and may swap the two ends.
void DRAW_ARROW(Program& g);
// Reads GX3, GY3, GX4, GY4, SIZE, HYOUJI$; writes GX3..GY4 in order, X$, Y$; leaves the draw width 4; clobbers ZX0, ZY0, ZX, ZY, MUKI, CCC2, NAGASA, A$ and the arrow's scratch.
void DRAW_SLOPE_TRIANGLE(Program& g);
// Reads GX3, GY3, GX4, GY4, X$; draws the run's label; clobbers CCC1, X, Y, AA$.
void LABEL_SLOPE_RUN(Program& g);
// Reads GX4, GY3, GY4, Y$; draws the rise's label; clobbers CCC1, X, Y, AA$.
void LABEL_SLOPE_RISE(Program& g);

// Number routines.
// Reads R1B (the radicand); writes R1A, R1B (what stays under the root), R1B1, R1A$, R1A1$, RAB$, RABM$, R1B$; clobbers R1I.
void SIMPLIFY_RADICAL(Program& g);
// Reads SOSU; writes G(1..10, 1..2) (primes and exponents; G(10, 1) the cofactor), R(1..10), Q (the count); clobbers P, TJ, SOSU1; SOSU as on entry.
void FACTORIZE_PRIMES(Program& g);
// Reads DY; writes DY (its size), X(), Y() (the divisor pairs), P (their number), KOSUU; clobbers II.
void LIST_DIVISOR_PAIRS(Program& g);

}  // namespace cw
