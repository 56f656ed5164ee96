// Lesson 3, steps ① to ③: the review of dividing fractions, the cycle of
// reciprocals, and the worked division with fraction coefficients.
#include "lessons/dorrith/lesson3.h"
#include "lessons/dorrith/division.h"
#include "lessons/pages.h"
#include "lessons/panels.h"
#include "shell/shell.h"

namespace cw::dorrith3 {

using namespace dorrith;
using lesson::cancel_pair;
using lesson::action;
using lesson::cont;
using lesson::aside;
using lesson::PageRow;
using lesson::put;
using lesson::screen;
using lesson::text;

// Reads nothing; writes the screen, XI1, XI2, YI1, X(0..2), Y(1..2), X(11..12), Y(11..12); leaves width 5.
void SHOW_FRACTION_DIVISION_REVIEW(Program& g) {
    static const std::vector<PageRow> rows = {
        worked_page(),
        text(0, screen(44, 30), 0, "復習　次の計算をしなさい。"),
        text(0, screen(132, 100), 0, "-ﾀ3/2ﾀ/ﾀ3/4ﾀ"),
        aside(1, screen(528, 100), 3, "①　符号をきめて、逆数をかける。"),
        text(2, screen(88, 220), 0, "=-"),
        action(2,
               [](Program& g) {
                   // The second fraction's own parts: it begins after the first
                   // fraction and the "×" between the two, where its anchors put it.
                   lesson::FractionAnchors second = written_out(g, "ﾀ3/2ﾀ*ﾀ4/3ﾀ");
                   lesson::keep_anchor(g, 2, second.numerator_strike());
                   lesson::keep_anchor(g, 12, second.denominator_strike());
               }),
        aside(3, screen(528, 220), 3, "②　約分する。"),
        action(4, [](Program& g) { cancel_pair(g, 11, "1", 2, "2"); }),
        action(5, [](Program& g) { cancel_pair(g, 12, "1", 1, "1"); }),
        text(6, screen(88, 360), 5, "=-2"),
    };
    lesson::play_rows(g, rows);
}

// Reads nothing; writes T$(1..29), NO, AINP, XI1, XI2, YI1 and the screen; clobbers the pen.
void SHOW_RECIPROCAL_DRILL(Program& g) {
    g.NO = 0;
    lesson::drill(g, [&] {
        lesson::load_texts(g.T_sa, 1,
                           {"2x", "-3a", "ﾀ3/2ﾀx", "-ﾀ3/5ﾀy", "ﾀ2/3ﾀa^2", "-ﾀ2/3ﾀb^2", "ﾀ2/3ﾀab", "-ﾀ5/3ﾀabc",
                            "ﾀ2/3ﾀx^3y^2"});
        lesson::load_texts(g.T_sa, 11,
                           {"", "", "=ﾀ3x/2ﾀ", "=-ﾀ3y/5ﾀ", "=ﾀ2a^2/3ﾀ", "=-ﾀ2b^2/3ﾀ", "=ﾀ2ab/3ﾀ", "=-ﾀ5abc/3ﾀ",
                            "=ﾀ2x^3y^2/3ﾀ"});
        lesson::load_texts(g.T_sa, 21,
                           {"ﾀ1/2xﾀ", "-ﾀ1/3aﾀ", "ﾀ2/3xﾀ", "-ﾀ5/3yﾀ", "ﾀ3/2a^2ﾀ", "-ﾀ3/2b^2ﾀ", "ﾀ3/2abﾀ",
                            "-ﾀ3/5abcﾀ", "ﾀ3/2x^3y^2ﾀ"});
        lesson::next_row(g, 9);
        lesson::erase_by(g, 0, 0, 1320, 1300);
        g.XI1 = 44;
        g.YI1 = 30;
        put(g, g.XI1, g.YI1, 0, "課題１　逆数をいいなさい。");
        put(g, g.XI1 + 88, g.YI1 + 140, 0, g.T_sa(g.NO));
        WAIT_ANY_KEY(g);
        cont(g, 0, g.T_sa(g.NO + 10));
        WAIT_ANY_KEY(g);
        put(g, g.XI1 + 44, g.YI1 + 120, 0, "逆数は、");
        cont(g, 5, g.T_sa(g.NO + 20));
    });
    WAIT_ANY_KEY(g);
    put(g, g.XI1 + 44, g.YI1 + 120, 5, "※　分数を係数とする文字は、");
    put(g, g.XI1 + 44, g.YI1 + 60, 5, " 　分子につける。");
}

// Reads nothing; writes the screen, XI1, XI2, YI1, XJ2, YJ1, X(0..3), Y(1..3), X(11..13), Y(11..13),
// T$(1..3), T$(11..13), II; leaves width 5.
void SHOW_FRACTION_COEFFICIENT_TASK(Dorrith& g) {
    // One cancelled pair a key: the denominator's factor II + 10 and the numerator's II.
    auto pair = [&g](int stage, float ii) {
        return action(stage, [&g, ii](Program&) {
            g.II = ii;
            cancel_pair(g, to_int(g.II + 10), g.T_sa(g.II + 10), to_int(g.II), g.T_sa(g.II));
        });
    };
    const std::vector<PageRow> rows = {
        worked_page(),
        text(0, screen(44, 30), 0, "課題2　次の計算をしなさい。"),
        text(0, screen(132, 100), 0, "-ﾀ3/2ﾀx^2/ﾀ3/4ﾀx"),
        text(1, screen(88, 200), 0, "=-ﾀ3x^2/2ﾀ/ﾀ3x/4ﾀ"),
        aside(2, screen(528, 100), 5, "※　分数を係数とする文字は、"),
        aside(2, screen(528, 150), 5, " 　分子につける。"),
        aside(2, screen(528, 210), 3, "①　符号をきめて、逆数をかける。"),
        text(3, screen(88, 300), 0, "=-ﾀ3x^2/2ﾀ*ﾀ4/3xﾀ"),
        text(4, screen(88, 420), 0, "=-"),
        action(4,
               [](Program& g) {
                   // Pairs that cancel: the numerator's 4 (its fourth factor) with the
                   // denominator's 2, its 3 with the 3, its first x with the x.
                   lesson::FractionAnchors f = written_out(g, "ﾀ3*x*x*4/2*3*xﾀ");
                   lesson::keep_anchor(g, 1, f.numerator_strike(210));
                   lesson::keep_anchor(g, 2, f.numerator_strike());
                   anchor_after(g, 2, 32 + 38);
                   anchor_after(g, 11, 32 + 38);
                   anchor_after(g, 12, 32 + 38);
               }),
        action(5,
               [&g](Program&) {
                   lesson::Cursor note = right_column(g);
                   note.put(528, 420, 3, "②　約分する。");
                   note.cont(5, "(文字も約分する）", lesson::Keep::None);
                   lesson::load_texts(g.T_sa, 1, {"2", "1", "1"});
                   lesson::load_texts(g.T_sa, 11, {"1", "1", "1"});
               }),
        pair(6, 1),
        pair(7, 2),
        pair(8, 3),
        text(9, screen(88, 520), 5, "=-2x"),
    };
    lesson::play_rows(g, rows);
}

}  // namespace cw::dorrith3
