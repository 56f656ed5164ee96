#include "lessons/panels.h"

#include <algorithm>

#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::lesson {

// ---- drills --------------------------------------------------------------------------------

float parity_colour(float no, float even, float odd) {
    const long n = static_cast<long>(no);
    return (n % 2 == 0) ? even : odd;
}

std::string assignment_text(const std::string& page, const std::string& question) {
    return "教科書P" + page + " 問" + question + "　をしなさい。";
}

void assignment(Program& g, float x, float y, float c, const std::string& page, const std::string& question) {
    put(g, x, y, c, assignment_text(page, question));
}

void erase_problem_head(Program& g, const ProblemArea& a) { erase_by(g, a.x, a.y, a.w, a.h); }

void erase_solution(Program& g, const ProblemArea& a, float top, float height) {
    erase_by(g, a.x, top, a.w, height);
}

// ---- two-panel steps ------------------------------------------------------------------------------

void set_panel(Program& g, float x1, float y1, float x2, float y2) {
    g.XKARA = x1;
    g.YKARA = y1;
    g.XMADE = x2;
    g.YMADE = y2;
}

void erase_panel(Program& g, const Reach& keep) {
    if (!keep.any() || keep.x_end <= g.XKARA) {
        erase(g, g.XKARA, g.YKARA, g.XMADE, g.YMADE);
        return;
    }
    // The border of a filled box is stroked with the current width, half of
    // it outside the corners: leave that much room around the kept text.
    const float m = static_cast<float>(std::max(1, g.pf.GETDRAWWIDTH()));
    const float top = keep.y_top - m;
    erase(g, g.XKARA, g.YKARA, g.XMADE, top);
    erase(g, keep.x_end + m, top, g.XMADE, g.YMADE);
}

Reach method_lines(Program& g, float x, const std::vector<MethodLine>& lines) {
    Reach r;
    for (auto& l : lines) {
        below(g, x + l.dx, l.dy, l.colour, l.text);
        if (g.XI2 > g.MIGI) {
            if (!r.any()) r.y_top = g.YI1;
            r.x_end = std::max(r.x_end, g.XI2);
        }
    }
    return r;
}

void open_two_panels(Program& g, const TwoPanels& at) {
    erase_by(g, 0, 0, at.erase_w, at.erase_h);
    g.HIDARI = at.left;
    g.MIGI = at.right;
    g.UE = at.top;
    g.SITA = at.bottom;
    set_cursor(g, g.HIDARI, g.HIDARI + at.indent, g.UE);
    if (at.width5) g.pf.SETDRAWWIDTH(5);
}

void two_panel_step(Program& g, const TwoPanels& at, const PanelDrill& drill, const std::vector<MethodLine>& lines,
                    const std::function<void()>& after_right) {
    open_two_panels(g, at);
    set_panel(g, g.HIDARI, g.UE, g.MIGI, at.bottom);
    drill(g, Reach{});

    g.XI1 = g.XI0;
    const Reach reach = method_lines(g, g.XI1, lines);
    WAIT_ANY_KEY(g);

    set_panel(g, g.MIGI, g.UE, at.far, at.bottom);
    drill(g, reach);

    if (after_right) after_right();
}

}  // namespace cw::lesson
