// Lesson 3, step ②: what solving for x means, and four worked examples in
// three columns.
#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/answer_pages.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth3 {

using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// The introduction, at XI1 = 36.
const std::vector<lesson::PageRow> kIntroduction = {
    text(0, screen(36, 30), 5, "<xについて解く>"),
    text(0, screen(36, 80), 0, "x+y=2…①"),
    text(0, screen(36, 130), 0, "x=2-y…②"),
    text(0, screen(36, 180), 0, "①の等式から、"),
    text(0, screen(36, 230), 0, "②の式をつくることを"),
    text(0, screen(36, 280), 5, "xについて解く"),
    text(0, pen(), 0, "という。"),
};

// First column, XI1 = 72: example (1).
const std::vector<lesson::PageRow> kFirstColumn = {
    text(1, screen(36, 380), 3, "問　xについて解きなさい。"),
    text(1, screen(0, 430), 0, "(1)　x-y=2"),
    text(2, screen(108, 480), 3, "-y を移項して"),
    text(2, screen(72, 530), 5, " 　x="),
    text(3, pen(), 5, "2+y"),
};

// Second column, XI1 = 468: examples (2) and (3).
const std::vector<lesson::PageRow> kSecondColumn = {
    text(1, screen(432, 30), 0, "(2)　2x-y=0"),
    text(2, screen(504, 80), 3, "-y を移項して"),
    text(3, screen(468, 130), 0, "2x=y"),
    text(4, screen(504, 180), 3, "両辺を2 でわって"),
    text(5, screen(468, 240), 5, "x="),
    text(6, pen(), 5, "ﾀy/2ﾀ"),
    text(7, screen(432, 330), 0, "(3) ﾀ1/2ﾀx-y=0"),
    text(8, screen(504, 380), 3, "-y を移項して"),
    text(9, screen(468, 450), 0, "ﾀ1/2ﾀx=y"),
    text(10, screen(504, 500), 3, "両辺に2 をかけて"),
    text(11, screen(468, 560), 5, "x="),
    text(12, pen(), 5, "2y"),
};

// Third column, XI1 = 900: example (4).
const std::vector<lesson::PageRow> kThirdColumn = {
    text(1, screen(864, 30), 0, "(4)　2x-4y=7"),
    text(2, screen(936, 80), 3, "-4y を移項して"),
    text(3, screen(900, 130), 0, "2x=7+4y"),
    text(4, screen(936, 180), 3, "両辺を2 でわって"),
    text(5, screen(900, 230), 0, "2x/2=(7+4y)/2"),
    text(6, screen(900, 300), 0, "ﾀ2x/2ﾀ=ﾀ7/2ﾀ+ﾀ4y/2ﾀ"),
    text(7, screen(900, 390), 5, "x=ﾀ7/2ﾀ+2y"),
};

}  // namespace

// Reads nothing; writes XI1, XI2, YI1, draw width 5; clobbers X, Y, CCC1, AA$.
void SHOW_SOLVING_EXAMPLES(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 36;
    g.YI1 = 30;
    g.pf.SETDRAWWIDTH(5);
    lesson::play_rows(g, kIntroduction);
    g.XI1 = 72;
    lesson::play_rows(g, kFirstColumn);
    g.XI1 = 468;
    g.YI1 = 30;
    lesson::play_rows(g, kSecondColumn);
    g.XI1 = 900;
    g.YI1 = 30;
    lesson::play_rows(g, kThirdColumn);
}

}  // namespace cw::sarnoth3
