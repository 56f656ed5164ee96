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
void COMPUTE_ARM_ANGLES(Program& g);
void COMPUTE_DIRECTION(Program& g);
void MEASURE_ANGLE_DEGREES(Program& g);

// Angle marks and point labels.
void DRAW_ANGLE_MARK(Program& g);
void DRAW_RIGHT_ANGLE_MARK(Program& g);
void PLACE_LABEL(Program& g);

// Dimension arcs and the half-ellipse point.
void DRAW_DIMENSION_ARC(Program& g);
void COMPUTE_ELLIPSE_ARC_POINT(Program& g);

// Square grid and polygons.
void DRAW_GRID(Program& g);
void DRAW_POLYGON(Program& g);
void LABEL_VERTICES_BY_LETTER(Program& g);
void LABEL_VERTICES_FROM_LIST(Program& g);

// Segment marks.
void DRAW_PARALLEL_MARKS(Program& g);
void DRAW_EQUAL_TICKS(Program& g);

// Line intersections and perpendicular feet.  Parallel lines leave
// AX2 = AY2 = NO_INTERSECTION.
constexpr float NO_INTERSECTION = 10000.0f;
void DRAW_PERPENDICULAR_FOOT(Program& g);
void INTERSECT_LINES(Program& g);
void INTERSECT_AXIS_PARALLEL(Program& g);

// Coordinate plane, plotted points, scaled labels and graphs.
void DRAW_COORDINATE_GRID(Program& g);
void PLOT_POINT(Program& g);
void DRAW_SCALED_AXIS_LABELS(Program& g);
void DRAW_FUNCTION_GRAPH(Program& g);
void PLOT_FUNCTION_DOTS(Program& g);
void DRAW_VERTICAL_GRAPH_LINE(Program& g);

// Arrows and slope triangles.
void DRAW_ARROW(Program& g);
void DRAW_SLOPE_TRIANGLE(Program& g);
void LABEL_SLOPE_RUN(Program& g);
void LABEL_SLOPE_RISE(Program& g);

// Number routines.
void SIMPLIFY_RADICAL(Program& g);
void FACTORIZE_PRIMES(Program& g);
void LIST_DIVISOR_PAIRS(Program& g);

}  // namespace cw
