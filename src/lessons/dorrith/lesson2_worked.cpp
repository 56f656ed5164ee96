// Lesson 2, steps ① to ④: fixed divisions worked as fractions, one stage per
// key, ending in strokes over the cancelled factors and their reduced values.
#include "lessons/dorrith/division.h"
#include "lessons/dorrith/lesson2.h"
#include "lessons/pages.h"

namespace cw::dorrith2 {

using namespace dorrith;
using lesson::cancel_pair;
using lesson::strike_factor;
using lesson::value_above;
using lesson::value_below;
using lesson::action;
using lesson::aside;
using lesson::PageRow;
using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// The written-out fraction after the pen, with X(0) and anchors 1 and 11;
// with `second`, anchors 2 and 12 as well, 64 further right (two advances of
// 32, over the letter after the first "×").
PageRow crossed(int stage, const std::string& fraction, bool second = false) {
    return action(stage, [=](Program& g) {
        written_out(g, fraction);
        if (!second) return;
        anchor_after(g, 1, 64);
        anchor_after(g, 11, 64);
    });
}

}  // namespace

// Reads nothing; writes the screen, XI1, XI2, YI1, X(0), X(1), Y(1), X(11), Y(11); leaves width 5.
void SHOW_NUMBER_DIVISION_REVIEW(Program& g) {
    static const std::vector<PageRow> rows = {
        worked_page(),
        text(0, screen(44, 30), 0, "復習　次の計算をしなさい。"),
        text(0, screen(132, 90), 0, "15/(-6)"),
        aside(1, screen(528, 90), 3, "①　符号を決める。"),
        text(2, screen(88, 210), 0, "=-"),
        aside(3, screen(528, 210), 3, "②　分数の形にする。"),
        crossed(4, "ﾀ15/6ﾀ"),
        aside(5, screen(528, 330), 3, "③　約分する。"),
        action(6, [](Program& g) { strike_factor(g, 11); value_below(g, 11, "2"); }),
        action(7, [](Program& g) { strike_factor(g, 1, 2); value_above(g, 1, "5", 2); }),
        text(8, screen(88, 350), 5, "=-ﾀ5/2ﾀ"),
    };
    lesson::play_rows(g, rows);
}

// Reads nothing; writes the screen, XI1, XI2, YI1, X(0), X(1), Y(1), X(11), Y(11); leaves width 5.
void SHOW_LETTER_DIVISION_TASK(Program& g) {
    static const std::vector<PageRow> rows = {
        worked_page(),
        text(0, screen(44, 30), 0, "課題１　次の計算をしなさい。"),
        text(0, screen(132, 90), 0, "xy/(-x)"),
        aside(1, screen(528, 90), 3, "①　符号を決める。"),
        text(2, screen(88, 170), 0, "=-"),
        aside(3, screen(528, 170), 3, "②　分数の形にする。"),
        text(4, pen(), 0, "ﾀxy/xﾀ"),
        text(5, screen(528, 290), 3, "③　約分する。"),
        text(6, screen(88, 290), 0, "=-"),
        crossed(6, "ﾀx*y/xﾀ"),
        action(7, [](Program& g) { strike_factor(g, 11); value_below(g, 11, "1"); }),
        action(8, [](Program& g) { strike_factor(g, 1); value_above(g, 1, "1"); }),
        text(9, screen(88, 430), 5, "=-y"),
    };
    lesson::play_rows(g, rows);
}

// Reads nothing; writes the screen, XI1, XI2, YI1, X(0..2), Y(1..2), X(11..12), Y(11..12); leaves width 5.
void SHOW_NUMBER_AND_LETTER_TASK(Program& g) {
    static const std::vector<PageRow> rows = {
        worked_page(),
        text(0, screen(44, 30), 0, "課題2　次の計算をしなさい。"),
        text(0, screen(132, 90), 0, "8xy/(-4x)"),
        aside(1, screen(528, 90), 3, "①　符号を決める。"),
        text(2, screen(88, 170), 0, "=-"),
        aside(3, screen(528, 170), 3, "②　分数の形にする。"),
        text(4, pen(), 0, "ﾀ8xy/4xﾀ"),
        text(5, screen(528, 290), 3, "③　約分する。"),
        text(6, screen(88, 290), 0, "=-"),
        crossed(6, "ﾀ8*x*y/4*xﾀ", true),
        action(7, [](Program& g) { cancel_pair(g, 11, "1", 1, "2"); }),
        action(8, [](Program& g) { cancel_pair(g, 12, "1", 2, "1"); }),
        text(9, screen(88, 430), 5, "=-2y"),
    };
    lesson::play_rows(g, rows);
}

// Reads nothing; writes the screen, XI1 (600 at the end), XI2, YI1, X(0..2), Y(1..2), X(11..12),
// Y(11..12); leaves width 5.
void SHOW_POWER_TASK(Program& g) {
    static const std::vector<PageRow> rows = {
        worked_page(),
        text(0, screen(44, 30), 0, "課題3　次の計算をしなさい。"),
        text(0, screen(132, 90), 0, "6a^2/2a"),
        text(1, screen(88, 210), 0, "=ﾀ6a^2/2aﾀ"),
        text(2, screen(88, 330), 0, "="),
        crossed(2, "ﾀ6*a*a/2*aﾀ", true),
        action(3, [](Program& g) { strike_factor(g, 1); strike_factor(g, 11); }),
        action(4, [](Program& g) { value_above(g, 1, "3"); value_below(g, 11, "1"); }),
        action(5, [](Program& g) { strike_factor(g, 2); strike_factor(g, 12); }),
        action(6, [](Program& g) { value_above(g, 2, "1"); value_below(g, 12, "1"); }),
        text(7, screen(88, 470), 5, "=3a"),
        action(8, SHOW_DIVISION_RULES),
    };
    lesson::play_rows(g, rows);
}

}  // namespace cw::dorrith2
