// Kelvane lesson 7: the running-track introduction, a track with separate
// lanes drawn from lines and half circles, and the lap differences of 2π m.
#pragma once
#include <string>
#include <vector>

#include "lessons/kelvane/kelvane.h"

namespace cw::kelvane7 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void KELVANE_LESSON_7(Kelvane& g);
void SHOW_LESSON_GOAL(Kelvane& g);
void SHOW_LESSON7_MENU(Kelvane& g);

// Step ① P10Ｑ: the four-lane track and the lap differences for lanes 1 to 4.
void SHOW_TRACK_P10(Kelvane& g);
// Step ② P12Q: the two-lane track with the bend radius r.
void SHOW_TRACK_RADIUS_R(Kelvane& g);

namespace detail {

// A point i of the figure in grid units: x to the right, y upwards.
struct GridPoint {
    int i;
    float x, y;
};
// The figure's frame: its top left corner and its size in squares of 40.
struct Frame {
    float ggx, ggy, yoko, tate;
};
// Opens a track page: erases the window, the heading in colour 3 at (40, 30) (XI1 = 40, YI1 = 30),
// the frame by grid_frame (no line, only the origin GX0, GY0) in squares of 40, draw width 5, and the points
// by grid_point: X(i) = GX0 + SIZE * x, Y(i) = GY0 - SIZE * y.  Writes those, GGX, GGY, YOKO, TATE, SIZE = 40,
// CCC2 = 15, XI2; clobbers what DRAW_EXPRESSION_TEXT and DRAW_GRID clobber.
void open_track_page(Kelvane& g, const std::string& heading, const Frame& frame,
                     const std::vector<GridPoint>& points);
// The two bends of one track edge: the left half circle of radius r about point
// `left` (a quarter turn to three quarters: bottom, leftmost, top), then the
// right half about point `right` (three quarters to a quarter: top, rightmost, bottom).
void bends(Program& g, int left, int right, float r, float colour);
// A line from point `from` to point `to`.
void line(Program& g, int from, int to, float colour);
// A figure label at (x, y) that does not move the layout cursor.
void label(Program& g, float x, float y, float colour, const std::string& text);

}  // namespace detail

}  // namespace cw::kelvane7
