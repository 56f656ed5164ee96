// Lesson 3, steps ④ ⑤ ⑦ ⑨ ⑩: the answers to the textbook's exercises 問1 to
// 問4 and the worked example 例2, each a fixed page revealed a few lines per key.
#include "lessons/sarnoth/lesson3.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth3 {

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// 問１: (1) at XI1 = 94, (2) and (3) in a second column at XI1 = 654.
const std::vector<lesson::PageRow> kQ1 = {
    text(0, screen(40, 30), 7, "教科書P28 問1 解答"),
    text(0, screen(40, 80), 3, "(1)"),
    text(0, pen(), 0, "3x-6y=5 【x】"),
    text(0, screen(166, 140), 3, "-6y を移項して"),
    text(1, screen(94, 200), 0, "3x=5+6y"),
    text(1, screen(166, 260), 3, "両辺を3 でわって"),
    text(2, screen(94, 330), 0, "ﾀ3x/3ﾀ=ﾀ5/3ﾀ+ﾀ6y/3ﾀ"),
    text(3, screen(94, 410), 5, "x=ﾀ5/3ﾀ+2y"),
    text(3, screen(600, 30), 3, "(2)"),
    text(3, pen(), 0, "x+2y=4 【y】"),
    text(4, screen(654, 90), 0, "2y=4-x"),
    text(5, screen(654, 160), 0, "ﾀ2y/2ﾀ=ﾀ4/2ﾀ-ﾀx/2ﾀ"),
    text(6, screen(654, 230), 5, "y=2-ﾀx/2ﾀ"),
    text(6, screen(600, 300), 3, "(3)"),
    text(6, pen(), 0, "5x+2y-17=0 【x】"),
    text(7, screen(654, 360), 0, "5x=-2y+17"),
    text(8, screen(654, 430), 0, "ﾀ5x/5ﾀ=-ﾀ2y/5ﾀ+ﾀ17/5ﾀ"),
    text(9, screen(654, 510), 5, "x=-ﾀ2y/5ﾀ+ﾀ17/5ﾀ"),
    text(9, screen(654, 590), 7, "x=ﾀ-2y+17/5ﾀ でもよい"),
};

// 例２: working at XI1 = 108.
const std::vector<lesson::PageRow> kExample2 = {
    text(0, screen(72, 30), 3, "問　次の等式を【 】の中の文字について解きなさい。"),
    text(0, screen(108, 100), 0, "ﾀ1/2ﾀxy=6   【y】"),
    text(1, screen(180, 160), 3, "両辺に2 をかけて"),
    text(2, screen(108, 220), 0, "xy=12"),
    text(3, screen(180, 280), 3, "両辺をx でわって"),
    text(4, screen(108, 360), 0, "ﾀxy/xﾀ=ﾀ12/xﾀ"),
    text(5, screen(108, 440), 5, "y=ﾀ12/xﾀ"),
};

// 問２: (1) at XI1 = 94, (2) at XI1 = 654.
const std::vector<lesson::PageRow> kQ2 = {
    text(0, screen(40, 30), 7, "教科書P28 問2 解答"),
    text(0, screen(40, 100), 3, "(1)"),
    text(0, pen(), 0, "ﾀ1/4ﾀxy=2 【y】"),
    text(0, screen(166, 160), 3, "両辺に4 をかけて"),
    text(1, screen(94, 220), 0, "xy=8"),
    text(1, screen(166, 280), 3, "両辺をx でわって"),
    text(2, screen(94, 360), 0, "ﾀxy/xﾀ=ﾀ8/xﾀ"),
    text(3, screen(94, 440), 5, "y=ﾀ8/xﾀ"),
    text(3, screen(600, 30), 3, "(2)"),
    text(3, pen(), 0, "2ab=4  【b】"),
    text(4, screen(654, 110), 0, "ﾀ2ab/2aﾀ=ﾀ4/2aﾀ"),
    text(5, screen(654, 190), 5, "b=ﾀ2/aﾀ"),
};

// 問３: (1) at XI1 = 108, (2) at XI1 = 648, each problem line 72 left of its working.
const std::vector<lesson::PageRow> kQ3 = {
    text(0, screen(108, 30), 3, "教科書P28 問3 解答"),
    text(0, screen(36, 100), 0, "(1) l=2(a+b)  【a】"),
    text(1, screen(108, 160), 0, "2(a+b)=l"),
    text(2, screen(108, 240), 0, "a+b=ﾀ1/2ﾀl"),
    text(3, screen(108, 320), 5, "a=ﾀ1/2ﾀl-b"),
    text(3, screen(576, 90), 0, "(2) V=ﾀ1/3ﾀa^2h  【h】"),
    text(4, screen(648, 170), 0, "ﾀ1/3ﾀa^2h=V"),
    text(5, screen(648, 250), 0, "a^2h=3V"),
    text(6, screen(648, 330), 0, "ﾀa^2h/a^2ﾀ=ﾀ3V/a^2ﾀ"),
    text(7, screen(648, 410), 5, "h=ﾀ3V/a^2ﾀ"),
    text(8, screen(44, 590), 7, "教科書P29 問4　をしなさい。"),
};

// 問４: working at XI1 = 121, labels at XI0 = 40.
const std::vector<lesson::PageRow> kQ4 = {
    text(0, screen(121, 30), 3, "教科書P29 問4 解答"),
    text(0, screen(40, 100), 3, "(1)"),
    text(0, screen(121, 100), 0, "2a+2πr=200  【a】"),
    text(1, screen(121, 160), 0, "2a=200-2πr"),
    text(2, screen(121, 240), 0, "a=ﾀ200/2ﾀ-ﾀ2πr/2ﾀ"),
    text(3, screen(121, 320), 5, "a=100-πr"),
    text(4, screen(40, 390), 3, "(2)"),
    text(4, screen(121, 390), 0, "a=100-πr  に "),
    text(5, pen(), 3, "r=22 を代入して"),
    text(6, screen(121, 450), 3, "a=100-22π"),
    text(7, screen(121, 510), 5, "答　(100-22π)m"),
    text(8, screen(44, 590), 7, "教科書P29 基本の問題　をしなさい。"),
};

// A fresh page: the screen erased, the layout cursor set at (xi0, xi1, 30), the rows played.
void fresh_page(Program& g, float xi0, float xi1, const std::vector<lesson::PageRow>& rows) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    lesson::set_cursor(g, xi0, xi1, 30);
    lesson::play_rows(g, rows);
}

}  // namespace

// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q1(Program& g) { fresh_page(g, 40, 94, kQ1); }
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_EXAMPLE_2(Program& g) { fresh_page(g, 72, 108, kExample2); }
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q2(Program& g) { fresh_page(g, 40, 94, kQ2); }
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q3(Program& g) { fresh_page(g, 36, 108, kQ3); }
// Reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q4(Program& g) { fresh_page(g, 40, 121, kQ4); }

}  // namespace cw::sarnoth3
