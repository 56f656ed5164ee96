// Where a Kelvane two-panel drill works: the box it erases before each problem
// and the origin of its rows.
#pragma once
#include <string>

#include "lessons/kelvane/kelvane.h"

namespace cw::kelvane {

struct DrillPanel {
    float xkara, ykara;      // top left of the box erased before each problem
    float xmade, ymade;      // its bottom right corner
    float xhajime, yhajime;  // where the drill starts its rows
};

// Writes XKARA, YKARA, XMADE, YMADE, XHAJIME, YHAJIME.
void set_drill_panel(Kelvane& g, const DrillPanel& p);

// Opens a two-panel screen: erases (0, 0)-(1320, 1300), HIDARI = 40, MIGI = 640, UE = 30, SITA = 1800,
// draw width 5, XI0 = XI1 = HIDARI, YI1 = UE, the heading in colour 3 there, NAKA1 = YI1 + 50.
// Writes those and XI2, CCC1; clobbers X, Y, AA$.
void open_panel_screen(Kelvane& g, const std::string& heading);

}  // namespace cw::kelvane
