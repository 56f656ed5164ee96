// The panel a Kelvane drill routine is handed: the box it erases before
// each problem (XKARA, YKARA)-(XMADE, YMADE) and its origin (XHAJIME,
// YHAJIME), from which it lays out its lines.
#pragma once
#include "lessons/kelvane/kelvane.h"

namespace cw::kelvane {

struct Panel {
    float xkara, ykara, xmade, ymade, xhajime, yhajime;
};
// The screen of a step whose drills run in panels: erases (0, 0)-(1320, 1300) in colour 15; writes
// HIDARI = 40, MIGI = `migi`, UE = 30, SITA = 1800 and the draw width 5.
void panel_step(Program& g, float migi);
// Reads nothing; writes XKARA, YKARA, XMADE, YMADE, XHAJIME and YHAJIME.
void set_panel(Kelvane& g, const Panel& p);
// A new problem in the panel.  Reads the panel; erases its box in colour 15; writes XI1 = XHAJIME,
// YI1 = YHAJIME.
void start_problem(Kelvane& g);

}  // namespace cw::kelvane
