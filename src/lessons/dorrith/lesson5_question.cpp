// Lesson 5, step ②: the worked question Q, solved by substituting at once
// (left column) and by simplifying first (right column).
#include "lessons/dorrith/lesson5.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"

namespace cw::dorrith5 {

using lesson::pen;
using lesson::screen;
using lesson::text;

// Reads nothing; writes XI1 = 640, XI2, YI1, CCC1, X, Y, AA$; clobbers what WAIT_ANY_KEY clobbers.
void SHOW_WORKED_QUESTION(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 40;
    g.YI1 = 30;
    lesson::play_rows(g, {
                             text(0, screen(40, 30), 7, "Q a=5,b=-3 のとき、"),
                             text(0, screen(40, 90), 3, "2(3a-4b)-4(a+3b) の値を求めよう。"),
                             text(1, screen(40, 150), 7, "解１　"),
                             text(1, pen(), 0, "a=5,b=-3　を代入して"),
                             text(2, screen(40, 210), 0, "=2*｛3*5-4*(-3)｝"),
                             text(3, screen(40, 270), 0, "  -4*｛5+3*(-3)｝"),
                             text(4, screen(40, 330), 0, "=2*(15+12)"),
                             text(5, pen(), 0, "-4*(5-9)"),
                             text(6, screen(40, 390), 0, "=2*27"),
                             text(7, pen(), 0, "-4*(-4)"),
                             text(8, screen(40, 450), 0, "=54"),
                             text(9, pen(), 0, "+16"),
                             text(10, screen(40, 510), 5, "=70"),
                             lesson::column(11, 640, 90),
                             text(11, screen(640, 150), 7, "解2　"),
                             text(11, pen(), 0, "式を計算すると"),
                             text(12, screen(640, 210), 0, "=6a-8b"),
                             text(13, pen(), 0, "-4a-12b"),
                             text(14, screen(640, 270), 0, "=2a-20b"),
                             text(15, screen(640, 330), 0, "a=5,b=-3　を代入して"),
                             text(16, screen(640, 390), 0, "=2*5-20*(-3)"),
                             text(17, screen(640, 450), 0, "=10+60"),
                             text(18, screen(640, 510), 5, "=70"),
                         });
}

}  // namespace cw::dorrith5
