#include "lessons/kelvane/drill_panel.h"

#include "lessons/panels.h"

namespace cw::kelvane {

void panel_step(Program& g, float migi) {
    lesson::erase(g, 0, 0, 1320, 1300);
    g.HIDARI = 40;
    g.MIGI = migi;
    g.UE = 30;
    g.SITA = 1800;
    g.pf.SETDRAWWIDTH(5);
}

void set_panel(Kelvane& g, const Panel& p) {
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
