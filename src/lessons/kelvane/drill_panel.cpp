#include "lessons/kelvane/drill_panel.h"

#include "lessons/panels.h"
#include "lessons/toolkit.h"

namespace cw::kelvane {

void set_drill_panel(Kelvane& g, const DrillPanel& p) {
    lesson::set_panel(g, p.xkara, p.ykara, p.xmade, p.ymade);
    g.XHAJIME = p.xhajime;
    g.YHAJIME = p.yhajime;
}

void open_panel_screen(Kelvane& g, const std::string& heading) {
    lesson::erase(g, 0, 0, 1320, 1300);
    g.HIDARI = 40;
    g.MIGI = 640;
    g.UE = 30;
    g.SITA = 1800;
    g.pf.SETDRAWWIDTH(5);
    lesson::cursor(g, g.HIDARI, g.HIDARI, g.UE);
    lesson::put(g, g.XI1, g.YI1, 3, heading);
    g.NAKA1 = g.YI1 + 50;
}

}  // namespace cw::kelvane
