// Lesson 2, steps ① to ④: fixed divisions worked as fractions, stage by
// stage, ending in strokes over the cancelled factors.
#include "lessons/dorrith/division.h"
#include "lessons/dorrith/lesson2.h"
#include "shell/shell.h"

namespace cw::dorrith2 {

using namespace dorrith;
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

// Steps ② and ③ up to the written-out fraction: the sign 80 below the
// problem, the fraction form after it, then "③" 120 lower, which the
// written-out row shares.  Seven stages, a key after each.
void sign_fraction_cancel(Dorrith& g, const std::string& fraction, const std::string& written) {
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "①　符号を決める。");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 80, 0, "=-");
    g.YI2 = g.YI1;
    WAIT_ANY_KEY(g);
    label(g, g.YI2, "②　分数の形にする。");
    WAIT_ANY_KEY(g);
    cont(g, 0, fraction);
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 484, g.YI1 + 120, 3, "③　約分する。");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1, 0, "=-");
    written_out(g, written);
    WAIT_ANY_KEY(g);
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
    written_out(g, "ﾀ15/6ﾀ");
    WAIT_ANY_KEY(g);
    label(g, g.YI1 + 120, "③　約分する。");
    WAIT_ANY_KEY(g);
    strike(g, 11);
    value_under(g, 11, "2");
    WAIT_ANY_KEY(g);
    strike(g, 1, 2);
    value_over(g, 1, "5");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 140, 5, "=-ﾀ5/2ﾀ");
}

// Reads nothing; writes the screen, XI1, XI2, YI1, YI2, X(0), X(1), Y(1), X(11), Y(11); leaves width 5.
void SHOW_LETTER_DIVISION_TASK(Dorrith& g) {
    open_page(g, "課題１　次の計算をしなさい。", "xy/(-x)");
    sign_fraction_cancel(g, "ﾀxy/xﾀ", "ﾀx*y/xﾀ");
    strike(g, 11);
    value_under(g, 11, "1");
    WAIT_ANY_KEY(g);
    strike(g, 1);
    value_over(g, 1, "1");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 140, 5, "=-y");
}

// Anchors 2 and 12 of the worked tasks: 64 right of the first, over the
// letter after the first "×".
static void second_anchors(Program& g) {
    anchor_after(g, 1, 64);
    anchor_after(g, 11, 64);
}

// Reads nothing; writes the screen, XI1, XI2, YI1, YI2, X(0..2), Y(1..2), X(11..12), Y(11..12); leaves width 5.
void SHOW_NUMBER_AND_LETTER_TASK(Dorrith& g) {
    open_page(g, "課題2　次の計算をしなさい。", "8xy/(-4x)");
    sign_fraction_cancel(g, "ﾀ8xy/4xﾀ", "ﾀ8*x*y/4*xﾀ");
    second_anchors(g);
    cancel_pair(g, 11, "1", 1, "2");
    WAIT_ANY_KEY(g);
    cancel_pair(g, 12, "1", 2, "1");
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
    put(g, g.XI1 + 44, g.YI1 + 120, 0, "=");
    written_out(g, "ﾀ6*a*a/2*aﾀ");
    second_anchors(g);
    WAIT_ANY_KEY(g);
    strike(g, 1);
    strike(g, 11);
    WAIT_ANY_KEY(g);
    value_over(g, 1, "3");
    value_under(g, 11, "1");
    WAIT_ANY_KEY(g);
    strike(g, 2);
    strike(g, 12);
    WAIT_ANY_KEY(g);
    value_over(g, 2, "1");
    value_under(g, 12, "1");
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 140, 5, "=3a");
    WAIT_ANY_KEY(g);
    SHOW_DIVISION_RULES(g);
}

}  // namespace cw::dorrith2
