// Lesson 3, step ⑤: the answer pages of the textbook's 問3 and 問4.
#include "lessons/dorrith/division.h"
#include "lessons/dorrith/lesson3.h"
#include "lessons/pages.h"

namespace cw::dorrith3 {

using namespace dorrith;
using lesson::strike_factor;
using lesson::value_above;
using lesson::value_below;
using lesson::action;
using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// Items (1) and (2): the written-out fraction after the pen with its anchors;
// strokes over the numerator's first factor (`first_chars` digits) and its
// second (that factor and a "×" further right), over the denominator's first
// and second (70 apart); then the values over and under them, in that order.
lesson::PageRow cancelled(int stage, const std::string& fraction, float first_chars,
                          std::array<const char*, 4> values) {
    return action(stage, [=](Program& g) {
        written_out(g, fraction);
        anchor_after(g, 1, 32 * first_chars + 38);
        anchor_after(g, 11, 32 + 38);
        strike_factor(g, 1, first_chars);
        strike_factor(g, 2);
        strike_factor(g, 11);
        strike_factor(g, 12);
        value_above(g, 1, values[0], first_chars);
        value_above(g, 2, values[1]);
        value_below(g, 11, values[2]);
        value_below(g, 12, values[3]);
    });
}

const std::vector<lesson::PageRow>& pages() {
    static const std::vector<lesson::PageRow> rows = {
        lesson::new_page(0, 1760, 1800),
        action(0, [](Program& g) { g.pf.SETDRAWWIDTH(5); }),
        text(0, screen(108, 30), 3, "問3 解答"),
        text(1, screen(36, 90), 3, "(1)"),
        text(1, pen(), 0, " 6ab/3a"),
        text(2, screen(108, 170), 0, "=ﾀ6ab/3aﾀ"),
        text(3, screen(108, 290), 0, "="),
        cancelled(3, "ﾀ6*a*b/3*aﾀ", 1, {"2", "1", "1", "1"}),
        text(3, screen(108, 410), 5, "=2b"),
        text(4, screen(324, 90), 3, "(2)"),
        text(4, pen(), 0, " (-10xy)/ﾀ5/2ﾀx"),
        text(5, screen(396, 170), 0, "=-10xy*ﾀ2/5xﾀ"),
        text(6, screen(396, 290), 0, "=-"),
        cancelled(6, "ﾀ10*x*y*2/5*xﾀ", 2, {"2", "1", "1", "1"}),
        text(6, screen(396, 410), 5, "=-4y"),
        text(7, screen(792, 30), 3, "(3)"),
        text(7, pen(), 0, " 8x^2/(-6x)"),
        text(8, screen(864, 110), 0, "=-ﾀ8x^2/6xﾀ"),
        text(9, screen(864, 190), 0, "=-ﾀ8*x*x/6*xﾀ"),
        text(9, screen(864, 270), 5, "=-ﾀ4/3ﾀx"),
        text(10, screen(792, 330), 3, "(4)"),
        text(10, pen(), 0, " (-4xy^2)/ﾀ1/2ﾀxy"),
        text(11, screen(864, 410), 0, "=(-4xy^2)*ﾀ2/xyﾀ"),
        text(12, screen(864, 490), 0, "=-ﾀ4*x*y*y*2/x*yﾀ"),
        text(12, screen(864, 570), 5, "=-8y"),
        lesson::new_page(13, 1760, 1800),
        text(13, screen(108, 30), 3, "問3 解答"),
        text(13, screen(36, 90), 3, "(5)"),
        text(13, pen(), 0, " ﾀ2/3ﾀb^2c/ﾀ5/6ﾀbc^2"),
        text(14, screen(108, 170), 0, "=ﾀ2b^2c/3ﾀ*ﾀ6/5bc^2ﾀ"),
        text(15, screen(108, 250), 0, "=ﾀ2*b*b*c*6/3*5*b*c*cﾀ"),
        text(15, pen(), 5, "=ﾀ4b/5cﾀ"),
        text(16, screen(36, 340), 3, "(6)"),
        text(16, pen(), 0, " (-9xy)/(-3xy)"),
        text(17, screen(108, 420), 0, "=ﾀ9xy/3xyﾀ"),
        text(18, screen(108, 500), 0, "=ﾀ9*x*y/3*x*yﾀ"),
        text(18, screen(108, 580), 5, "=3"),
        text(19, screen(684, 30), 3, "問4 解答"),
        text(19, screen(684, 90), 5, "ﾀ2/5aﾀをかけなければならないのに、"),
        text(19, screen(684, 170), 5, "ﾀ2/5ﾀaをかけている。"),
        text(19, screen(684, 250), 0, " 2ab^2/ﾀ5/2ﾀa"),
        text(19, screen(684, 330), 0, "=2ab^2*ﾀ2/5aﾀ"),
        text(19, screen(684, 410), 0, "=ﾀ2*a*b*b*2/5*aﾀ"),
        text(19, pen(), 5, "=ﾀ4/5ﾀb^2"),
    };
    return rows;
}

}  // namespace

// Reads nothing; writes the screen, XI2, YI1, X(0..2), Y(1..2), X(11..12), Y(11..12); leaves width 5.
void SHOW_ANSWERS_Q3_Q4(Program& g) { lesson::play_rows(g, pages()); }

}  // namespace cw::dorrith3
