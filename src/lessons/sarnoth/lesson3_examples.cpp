// Lesson 3, step ②: what solving for x means, and four worked examples in
// three columns.
#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/rows.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth3 {

using sarnoth::Key;
using sarnoth::PEN;

namespace {

// The introduction, at XI1 = 36.
const std::vector<sarnoth::Row> kIntroduction = {
    {36, 30, 5, "<xについて解く>"},
    {36, 80, 0, "x+y=2…①"},
    {36, 130, 0, "x=2-y…②"},
    {36, 180, 0, "①の等式から、"},
    {36, 230, 0, "②の式をつくることを"},
    {36, 280, 5, "xについて解く"},
    {PEN, 280, 0, "という。"},
};

// First column, XI1 = 72: example (1).
const std::vector<sarnoth::Row> kFirstColumn = {
    {36, 380, 3, "問　xについて解きなさい。", Key::Before},
    {0, 430, 0, "(1)　x-y=2"},
    {108, 480, 3, "-y を移項して", Key::Before},
    {72, 530, 5, " 　x="},
    {PEN, 530, 5, "2+y", Key::Before},
};

// Second column, XI1 = 468: examples (2) and (3).
const std::vector<sarnoth::Row> kSecondColumn = {
    {432, 30, 0, "(2)　2x-y=0", Key::Before},
    {504, 80, 3, "-y を移項して", Key::Before},
    {468, 130, 0, "2x=y", Key::Before},
    {504, 180, 3, "両辺を2 でわって", Key::Before},
    {468, 240, 5, "x=", Key::Before},
    {PEN, 240, 5, "ﾀy/2ﾀ", Key::Before},
    {432, 330, 0, "(3) ﾀ1/2ﾀx-y=0", Key::Before},
    {504, 380, 3, "-y を移項して", Key::Before},
    {468, 450, 0, "ﾀ1/2ﾀx=y", Key::Before},
    {504, 500, 3, "両辺に2 をかけて", Key::Before},
    {468, 560, 5, "x=", Key::Before},
    {PEN, 560, 5, "2y", Key::Before},
};

// Third column, XI1 = 900: example (4).
const std::vector<sarnoth::Row> kThirdColumn = {
    {864, 30, 0, "(4)　2x-4y=7", Key::Before},
    {936, 80, 3, "-4y を移項して", Key::Before},
    {900, 130, 0, "2x=7+4y", Key::Before},
    {936, 180, 3, "両辺を2 でわって", Key::Before},
    {900, 230, 0, "2x/2=(7+4y)/2", Key::Before},
    {900, 300, 0, "ﾀ2x/2ﾀ=ﾀ7/2ﾀ+ﾀ4y/2ﾀ", Key::Before},
    {900, 390, 5, "x=ﾀ7/2ﾀ+2y", Key::Before},
};

}  // namespace

// Reads nothing; writes XI1, XI2, YI1 and the draw width (5); clobbers X, Y, CCC1, AA$.
void SHOW_SOLVING_EXAMPLES(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 36;
    g.YI1 = 30;
    g.pf.SETDRAWWIDTH(5);
    sarnoth::play_rows(g, kIntroduction);
    g.XI1 = 72;
    sarnoth::play_rows(g, kFirstColumn);
    g.XI1 = 468;
    g.YI1 = 30;
    sarnoth::play_rows(g, kSecondColumn);
    g.XI1 = 900;
    g.YI1 = 30;
    sarnoth::play_rows(g, kThirdColumn);
}

}  // namespace cw::sarnoth3
