// Lesson 2, steps ① to ④: fixed divisions worked as fractions, stage by
// stage, ending in strokes over the cancelled factors.
#include "lessons/dorrith/lesson2.h"
#include "lessons/dorrith/strikes.h"
#include "shell/shell.h"

namespace cw::dorrith2 {

using namespace dorrith_marks;
using lesson::cont;
using lesson::Keep;
using lesson::put;

namespace {

// The start of every worked page: the panel erased, width 5, the heading at
// (44, 30) and the problem at (132, 90), whose line YI2 keeps.
void open_page(Dorrith& g, const std::string& heading, const std::string& problem) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 44;
    g.YI1 = 30;
    g.pf.SETDRAWWIDTH(5);
    put(g, g.XI1, g.YI1, 0, heading);
    put(g, g.XI1 + 88, g.YI1 + 60, 0, problem);
    g.YI2 = g.YI1;
}

// A method label in colour 3 at x 528 beside line y; the cursor stays.
void label(Program& g, float y, const std::string& text) { put(g, g.XI1 + 484, y, 3, text, Keep::None); }

// A row's sign text at (88, y), then the written-out fraction from the pen,
// with X(0) and the first anchors of both parts taken from it.
void written_out(Program& g, float y, const std::string& sign, const std::string& fraction) {
    put(g, g.XI1 + 44, y, 0, sign);
    mark_start(g);
    cont(g, 0, fraction);
    first_anchors(g);
}

}  // namespace

// Reads nothing; writes the screen, XI1, XI2, YI1, YI2, X(0), X(1), Y(1), X(11), Y(11); leaves width 5.
void SHOW_NUMBER_DIVISION_REVIEW(Dorrith& g) {
    open_page(g, "復習　次の計算をしなさい。", "15/(-6)");
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "①　符号を決める。");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 120, 0, "=-");
    g.YI2 = g.YI1;
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "②　分数の形にする。");
    WAIT_ANY_KEY(g);
    mark_start(g);
    cont(g, 0, "ﾀ15/6ﾀ");
    first_anchors(g);
    WAIT_ANY_KEY(g);
    label(g, g.YI1 + 120, "③　約分する。");
    WAIT_ANY_KEY(g);
    strike(g, 11);
    under(g, 11, "2");
    WAIT_ANY_KEY(g);
    strike(g, 1, 64);
    over(g, 1, "5");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 140, 5, "=-ﾀ5/2ﾀ");
}

// Reads nothing; writes the screen, XI1, XI2, YI1, YI2, X(0), X(1), Y(1), X(11), Y(11); leaves width 5.
void SHOW_LETTER_DIVISION_TASK(Dorrith& g) {
    open_page(g, "課題１　次の計算をしなさい。", "xy/(-x)");
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "①　符号を決める。");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 80, 0, "=-");
    g.YI2 = g.YI1;
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "②　分数の形にする。");
    WAIT_ANY_KEY(g);
    cont(g, 0, "ﾀxy/xﾀ");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 484, g.YI1 + 120, 3, "③　約分する。");
    WAIT_ANY_KEY(g);
    written_out(g, g.YI1, "=-", "ﾀx*y/xﾀ");
    WAIT_ANY_KEY(g);
    strike(g, 11);
    under(g, 11, "1");
    WAIT_ANY_KEY(g);
    strike(g, 1);
    over(g, 1, "1");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 140, 5, "=-y");
}

// Anchors 2 and 12 of the worked tasks: 64 right of the first, over the
// letter after the first "×".
static void second_anchors(Program& g) {
    for (int k : {1, 11}) {
        g.X_a(k + 1) = g.X_a(k) + 64;
        g.Y_a(k + 1) = g.Y_a(k);
    }
}

// Reads nothing; writes the screen, XI1, XI2, YI1, YI2, X(0..2), Y(1..2), X(11..12), Y(11..12); leaves width 5.
void SHOW_NUMBER_AND_LETTER_TASK(Dorrith& g) {
    open_page(g, "課題2　次の計算をしなさい。", "8xy/(-4x)");
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "①　符号を決める。");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 80, 0, "=-");
    g.YI2 = g.YI1;
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "②　分数の形にする。");
    WAIT_ANY_KEY(g);
    cont(g, 0, "ﾀ8xy/4xﾀ");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 484, g.YI1 + 120, 3, "③　約分する。");
    WAIT_ANY_KEY(g);
    written_out(g, g.YI1, "=-", "ﾀ8*x*y/4*xﾀ");
    second_anchors(g);
    WAIT_ANY_KEY(g);
    strike(g, 11);
    under(g, 11, "1");
    strike(g, 1);
    over(g, 1, "2");
    WAIT_ANY_KEY(g);
    strike(g, 12);
    under(g, 12, "1");
    strike(g, 2);
    over(g, 2, "1");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 140, 5, "=-2y");
}

// Reads nothing; writes the screen, XI1 (600 at the end), XI2, YI1, YI2, X(0..2), Y(1..2), X(11..12),
// Y(11..12); leaves width 5.
void SHOW_POWER_TASK(Dorrith& g) {
    open_page(g, "課題3　次の計算をしなさい。", "6a^2/2a");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 120, 0, "=ﾀ6a^2/2aﾀ");
    WAIT_ANY_KEY(g);
    written_out(g, g.YI1 + 120, "=", "ﾀ6*a*a/2*aﾀ");
    second_anchors(g);
    WAIT_ANY_KEY(g);
    strike(g, 1);
    strike(g, 11);
    WAIT_ANY_KEY(g);
    over(g, 1, "3");
    under(g, 11, "1");
    WAIT_ANY_KEY(g);
    strike(g, 2);
    strike(g, 12);
    WAIT_ANY_KEY(g);
    over(g, 2, "1");
    under(g, 12, "1");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 140, 5, "=3a");
    WAIT_ANY_KEY(g);
    SHOW_DIVISION_RULES(g);
}

}  // namespace cw::dorrith2
