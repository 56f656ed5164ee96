// The panel a Kelvane drill routine is handed: the box it erases before
// each problem (XKARA, YKARA)-(XMADE, YMADE) and its origin (XHAJIME,
// YHAJIME), from which it lays out its lines.
#pragma once
#include "lessons/kelvane/kelvane.h"

namespace cw::kelvane {

struct Panel {
    float xkara, ykara, xmade, ymade, xhajime, yhajime;
};
// Reads nothing; writes XKARA, YKARA, XMADE, YMADE, XHAJIME and YHAJIME.
void set_panel(Kelvane& g, const Panel& p);
// A new problem in the panel.  Reads the panel; erases its box in colour 15; writes XI1 = XHAJIME,
// YI1 = YHAJIME.
void start_problem(Kelvane& g);

}  // namespace cw::kelvane
