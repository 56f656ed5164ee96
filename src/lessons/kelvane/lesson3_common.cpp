#include "lessons/kelvane/lesson3_common.h"

#include <algorithm>

#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::kelvane3::detail {

using lesson::Keep;
using lesson::put;

void erase_panel(Program& g, const Reach& keep) {
    if (!keep.any() || keep.x_end <= g.XKARA) {
        lesson::erase(g, g.XKARA, g.YKARA, g.XMADE, g.YMADE);
        return;
    }
    // The border of a filled box is stroked with the current width, half of
    // it outside the corners: leave that much room around the kept text.
    const float m = static_cast<float>(std::max(1, g.pf.GETDRAWWIDTH()));
    const float top = keep.y_top - m;
    lesson::erase(g, g.XKARA, g.YKARA, g.XMADE, top);
    lesson::erase(g, keep.x_end + m, top, g.XMADE, g.YMADE);
}

Reach method_lines(Program& g, const std::vector<MethodLine>& lines) {
    Reach r;
    for (auto& l : lines) {
        lesson::below(g, g.XI1, l.dy, l.colour, l.text);
        if (g.XI2 > g.MIGI) {
            if (!r.any()) r.y_top = g.YI1;
            r.x_end = std::max(r.x_end, g.XI2);
        }
    }
    return r;
}

void two_panel_step(Program& g, bool columns, const PanelDrill& drill, const std::vector<MethodLine>& lines,
                    const std::function<void()>& after_right) {
    lesson::clear_screen(g);
    g.HIDARI = 40;
    g.MIGI = 600;
    g.UE = 30;
    g.SITA = 1800;
    lesson::cursor(g, g.HIDARI, g.HIDARI + 54, g.UE);
    if (columns) g.pf.SETDRAWWIDTH(5);

    g.XKARA = g.HIDARI;
    g.XMADE = g.MIGI;
    g.YKARA = g.UE;
    g.YMADE = 1800;
    drill(g, Reach{});

    g.XI1 = g.XI0;
    const Reach reach = method_lines(g, lines);
    WAIT_ANY_KEY(g);

    g.XKARA = g.MIGI;
    g.XMADE = 3200;
    g.YKARA = g.UE;
    g.YMADE = 1800;
    drill(g, reach);

    if (after_right) after_right();
}

void column_grid(Program& g) {
    g.X_a(31) = g.XKARA;
    g.X_a(32) = g.X_a(31) + 64;
    g.X_a(33) = g.X_a(32) + 128;
    g.X_a(34) = g.X_a(33) + 128;
    g.Y_a(31) = g.UE;
    g.Y_a(32) = g.Y_a(31) + 104;
    g.Y_a(33) = g.Y_a(32) + 52;
    g.Y_a(34) = g.Y_a(33) + 52;
    g.Y_a(35) = g.Y_a(34) + 30;
}

std::string lead_term(Program& g, const std::string& text, float& column_x) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos || text[i] != '+') return text;
    column_x += 27;  // one cell: the advance of the "+" taken off
    return text.substr(0, i) + text.substr(i + 1);
}

void reveal_column_answer(Program& g) {
    WAIT_ANY_KEY(g);
    put(g, g.X_a(32), g.Y_a(35), 3, g.T_sa(5), Keep::Indent);

    WAIT_ANY_KEY(g);
    if (g.T_a(5) == 0) g.T_sa(6) = lead_term(g, g.T_sa(6), g.X_a(33));
    put(g, g.X_a(33), g.Y_a(35), 3, g.T_sa(6), Keep::Indent);

    WAIT_ANY_KEY(g);
    if (g.T_a(5) == 0 && g.T_a(6) == 0) {
        if (g.F_a(3) == 0)
            g.F_sa(3) = lesson::rjust("0", 3);
        else
            g.F_sa(3) = lead_term(g, g.F_sa(3), g.X_a(34));
    }
    put(g, g.X_a(34), g.Y_a(35), 3, g.F_sa(3), Keep::Indent);
}

}  // namespace cw::kelvane3::detail
