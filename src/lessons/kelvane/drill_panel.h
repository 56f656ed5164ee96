// The panel a Kelvane drill routine is handed: the box it erases before
// each problem (XKARA, YKARA)-(XMADE, YMADE) and its origin (XHAJIME,
// YHAJIME), from which it lays out its lines.
#pragma once
#include "lessons/kelvane/kelvane.h"
#include "lessons/panels.h"

namespace cw::kelvane {

struct DrillPanel {
    float xkara, ykara, xmade, ymade, xhajime, yhajime;
};
// Where the steps whose drills run in panels put them (lesson::open_two_panels): the right panel from
// MIGI = `migi`, the cursor's indent `indent`, the draw width 5, and only (0, 0)-(1320, 1300) erased.
lesson::TwoPanels drill_panels(float migi, float indent);
// Reads nothing; writes XKARA, YKARA, XMADE, YMADE, XHAJIME and YHAJIME.
void set_drill_panel(Kelvane& g, const DrillPanel& p);
// A new problem in the panel.  Reads the panel; erases its box in colour 15; writes XI1 = XHAJIME,
// YI1 = YHAJIME.
void start_problem(Kelvane& g);

}  // namespace cw::kelvane
