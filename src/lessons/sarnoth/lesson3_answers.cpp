// Lesson 3, steps ④ ⑤ ⑦ ⑨ ⑩: the answers to the textbook's exercises 問1 to
// 問4 and the worked example 例2, each a fixed page revealed a few lines per key.
#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/rows.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth3 {

using sarnoth::Key;
using sarnoth::PEN;
using sarnoth::Row;

namespace {

const Key W = Key::After;

// 問１: (1) at XI1 = 94, (2) and (3) in a second column at XI1 = 654.
const std::vector<Row> kQ1 = {
    {40, 30, 7, "教科書P28 問1 解答"},
    {40, 80, 3, "(1)"},
    {PEN, 80, 0, "3x-6y=5 【x】"},
    {166, 140, 3, "-6y を移項して", W},
    {94, 200, 0, "3x=5+6y"},
    {166, 260, 3, "両辺を3 でわって", W},
    {94, 330, 0, "ﾀ3x/3ﾀ=ﾀ5/3ﾀ+ﾀ6y/3ﾀ", W},
    {94, 410, 5, "x=ﾀ5/3ﾀ+2y"},
    {600, 30, 3, "(2)"},
    {PEN, 30, 0, "x+2y=4 【y】", W},
    {654, 90, 0, "2y=4-x", W},
    {654, 160, 0, "ﾀ2y/2ﾀ=ﾀ4/2ﾀ-ﾀx/2ﾀ", W},
    {654, 230, 5, "y=2-ﾀx/2ﾀ"},
    {600, 300, 3, "(3)"},
    {PEN, 300, 0, "5x+2y-17=0 【x】", W},
    {654, 360, 0, "5x=-2y+17", W},
    {654, 430, 0, "ﾀ5x/5ﾀ=-ﾀ2y/5ﾀ+ﾀ17/5ﾀ", W},
    {654, 510, 5, "x=-ﾀ2y/5ﾀ+ﾀ17/5ﾀ"},
    {654, 590, 7, "x=ﾀ-2y+17/5ﾀ でもよい"},
};

// 例２: working at XI1 = 108.
const std::vector<Row> kExample2 = {
    {72, 30, 3, "問　次の等式を【 】の中の文字について解きなさい。"},
    {108, 100, 0, "ﾀ1/2ﾀxy=6   【y】", W},
    {180, 160, 3, "両辺に2 をかけて", W},
    {108, 220, 0, "xy=12", W},
    {180, 280, 3, "両辺をx でわって", W},
    {108, 360, 0, "ﾀxy/xﾀ=ﾀ12/xﾀ", W},
    {108, 440, 5, "y=ﾀ12/xﾀ"},
};

// 問２: (1) at XI1 = 94, (2) at XI1 = 654.
const std::vector<Row> kQ2 = {
    {40, 30, 7, "教科書P28 問2 解答"},
    {40, 100, 3, "(1)"},
    {PEN, 100, 0, "ﾀ1/4ﾀxy=2 【y】"},
    {166, 160, 3, "両辺に4 をかけて", W},
    {94, 220, 0, "xy=8"},
    {166, 280, 3, "両辺をx でわって", W},
    {94, 360, 0, "ﾀxy/xﾀ=ﾀ8/xﾀ", W},
    {94, 440, 5, "y=ﾀ8/xﾀ"},
    {600, 30, 3, "(2)"},
    {PEN, 30, 0, "2ab=4  【b】", W},
    {654, 110, 0, "ﾀ2ab/2aﾀ=ﾀ4/2aﾀ", W},
    {654, 190, 5, "b=ﾀ2/aﾀ"},
};

// 問３: (1) at XI1 = 108, (2) at XI1 = 648, each problem line 72 left of its working.
const std::vector<Row> kQ3 = {
    {108, 30, 3, "教科書P28 問3 解答"},
    {36, 100, 0, "(1) l=2(a+b)  【a】", W},
    {108, 160, 0, "2(a+b)=l", W},
    {108, 240, 0, "a+b=ﾀ1/2ﾀl", W},
    {108, 320, 5, "a=ﾀ1/2ﾀl-b"},
    {576, 90, 0, "(2) V=ﾀ1/3ﾀa^2h  【h】", W},
    {648, 170, 0, "ﾀ1/3ﾀa^2h=V", W},
    {648, 250, 0, "a^2h=3V", W},
    {648, 330, 0, "ﾀa^2h/a^2ﾀ=ﾀ3V/a^2ﾀ", W},
    {648, 410, 5, "h=ﾀ3V/a^2ﾀ", W},
    {44, 590, 7, "教科書P29 問4　をしなさい。"},
};

// 問４: working at XI1 = 121, labels at XI0 = 40.
const std::vector<Row> kQ4 = {
    {121, 30, 3, "教科書P29 問4 解答"},
    {40, 100, 3, "(1)"},
    {121, 100, 0, "2a+2πr=200  【a】", W},
    {121, 160, 0, "2a=200-2πr", W},
    {121, 240, 0, "a=ﾀ200/2ﾀ-ﾀ2πr/2ﾀ", W},
    {121, 320, 5, "a=100-πr", W},
    {40, 390, 3, "(2)"},
    {121, 390, 0, "a=100-πr  に ", W},
    {PEN, 390, 3, "r=22 を代入して", W},
    {121, 450, 3, "a=100-22π", W},
    {121, 510, 5, "答　(100-22π)m", W},
    {44, 590, 7, "教科書P29 基本の問題　をしなさい。"},
};

// A page: the screen erased, the layout cursor set, the rows.
void answer_page(Program& g, float xi0, float xi1, const std::vector<Row>& rows) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    lesson::cursor(g, xi0, xi1, 30);
    sarnoth::play_rows(g, rows);
}

}  // namespace

// Each page: reads nothing; writes XI0, XI1, XI2, YI1; clobbers X, Y, CCC1, AA$.
void SHOW_ANSWERS_Q1(Program& g) { answer_page(g, 40, 94, kQ1); }
void SHOW_EXAMPLE_2(Program& g) { answer_page(g, 72, 108, kExample2); }
void SHOW_ANSWERS_Q2(Program& g) { answer_page(g, 40, 94, kQ2); }
void SHOW_ANSWERS_Q3(Program& g) { answer_page(g, 36, 108, kQ3); }
void SHOW_ANSWERS_Q4(Program& g) { answer_page(g, 40, 121, kQ4); }

}  // namespace cw::sarnoth3
