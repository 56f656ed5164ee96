#include "lessons/kelvane/lesson3_common.h"

#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::kelvane3::detail {

using lesson::Keep;
using lesson::put;

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
