#include "lessons/kelvane/drill_panel.h"

#include "lessons/panels.h"

namespace cw::kelvane {

lesson::TwoPanels drill_panels(float migi, float indent) {
    return {.right = migi, .width5 = true, .indent = indent, .erase_w = 1320, .erase_h = 1300};
}

void set_drill_panel(Kelvane& g, const DrillPanel& p) {
    lesson::set_panel(g, p.xkara, p.ykara, p.xmade, p.ymade);
    g.XHAJIME = p.xhajime;
    g.YHAJIME = p.yhajime;
}

void start_problem(Kelvane& g) {
    lesson::erase_panel(g);
    g.XI1 = g.XHAJIME;
    g.YI1 = g.YHAJIME;
}

}  // namespace cw::kelvane
