// Lesson 7: its entry, goal screen and sub-menu, and the pieces both track
// steps draw with.
#include "figures/figures.h"
#include "lessons/kelvane/lesson7.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::kelvane7 {

// Reads nothing; writes the screen, then what the goal screen and the sub-menu write.
void KELVANE_LESSON_7(Kelvane& g) {
    SHOW_LESSON_GOAL(g);
    SHOW_LESSON7_MENU(g);
}

// Reads nothing; writes XI1 = 44, YI1 = 305, XI2, CCC1 = 0; clobbers X, Y, AA$.
void SHOW_LESSON_GOAL(Kelvane& g) {
    lesson::goal_screen(g, {"セパレートコースのスタート地点の差を考えよう。"});
}

// Reads AINP; writes SENTAKU (AINP is left as entered); clobbers what the steps clobber.
void SHOW_LESSON7_MENU(Kelvane& g) {
    lesson::run_submenu(g, "①P10Ｑ　②P12Q　③終了",
                        {[&](Program&) { SHOW_TRACK_P10(g); }, [&](Program&) { SHOW_TRACK_RADIUS_R(g); }});
}

namespace detail {

void open_track_page(Kelvane& g, const std::string& heading, const Frame& frame,
                     const std::vector<GridPoint>& points) {
    lesson::clear_screen(g);
    g.XI1 = 40;
    g.YI1 = 30;
    lesson::put(g, g.XI1, g.YI1, 3, heading);
    grid_frame(g, frame.ggx, frame.ggy, frame.yoko, frame.tate, 40);
    g.pf.SETDRAWWIDTH(5);
    for (auto& p : points) grid_point(g, static_cast<float>(p.i), p.x, p.y);
}

void bends(Program& g, int left, int right, float r, float colour) {
    g.pf.CIRCLE(g.X_a(left), g.Y_a(left), r, colour, 0.25f, 0.75f);
    g.pf.CIRCLE(g.X_a(right), g.Y_a(right), r, colour, 0.75f, 0.25f);
}

void line(Program& g, int from, int to, float colour) {
    g.pf.LINE(g.X_a(from), g.Y_a(from), g.X_a(to), g.Y_a(to), colour);
}

void label(Program& g, float x, float y, float colour, const std::string& text) {
    lesson::put(g, x, y, colour, text, lesson::Keep::None);
}

}  // namespace detail

}  // namespace cw::kelvane7
