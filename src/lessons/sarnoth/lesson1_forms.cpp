// Lesson 1, steps ① to ⑥: multiples, even and odd numbers, consecutive
// numbers, natural numbers by their digits and the summary of the forms.
// Each is a fixed page: nothing is typed and nothing is random.
#include "lessons/pages.h"
#include "lessons/sarnoth/lesson1.h"
#include "lessons/script.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth1 {

using lesson::Frag;
using namespace lesson::frag;

namespace {

// The multiples table, rows 1 to 9 at y = 130 + 50k: the multiples (x 44, colour 5, all at once), "=3*"
// (x 132, colour 0, all at once) and the factors (x 220, colour 3, one row per key).  Rows 1 and 9 hold
// only the "…" of the first column.
struct Column {
    float x, colour;
    const char* rows[9];
};
const Column kMultiples[] = {
    {44, 5, {" …", "-9", "-6", "-3", " 0", " 3", " 6", " 9", " …"}},
    {132, 0, {"", "=3*", "=3*", "=3*", "=3*", "=3*", "=3*", "=3*", ""}},
    {220, 3, {"", "(-3)", "(-2)", "(-1)", " 0", " 1", " 2", " 3", ""}},
};

// A column is kept in T$(1..9) and drawn from there, rows first..last, a key after each row when `per_key`.
void draw_column(Program& g, const Column& c, int first, int last, bool per_key) {
    for (int k = 1; k <= 9; ++k) g.T_sa(k) = c.rows[k - 1];
    for (int k = first; k <= last; ++k) {
        lesson::put(g, c.x, 130.0f + 50.0f * static_cast<float>(k), c.colour, g.T_sa(k));
        if (per_key) WAIT_ANY_KEY(g);
    }
}

// Replaces the line drawn at (44, y) by `text`: erased from (44, y - 4) by 1320 x 55.
Frag replace_line(float y, float c, const char* text) {
    return act([=](Program& g) {
        lesson::erase_by(g, 44, y - 4, 1320, 55);
        lesson::put(g, 44, y, c, text);
    });
}

}  // namespace

// Step ①.  Writes T$(1..9), XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  16 keys.
void SHOW_MULTIPLES(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 44;
    lesson::play(g, {
        at(44, 30, 0, "問1　nを整数とするとき、3の倍数をnを使って表しなさい。"), wait(),
        at(44, 80, 3, "n=｛            1,2,3,…｝"), wait(),
        replace_line(80, 3, "n=｛…-3,-2,-1,0,1,2,3,…｝"), wait(),
        at(44, 130, 5, "３の倍数=｛            3,6,9,…｝"), wait(),
        replace_line(130, 5, "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝"), wait(),
    });
    draw_column(g, kMultiples[0], 1, 9, false);
    WAIT_ANY_KEY(g);
    draw_column(g, kMultiples[1], 2, 8, false);
    WAIT_ANY_KEY(g);
    draw_column(g, kMultiples[2], 2, 8, true);
    g.XI1 = 528;
    lesson::play(g, {
        at(528, 250, 0, "３の倍数は、"), wait(),
        cont(5, "3*整数　"),
        at(528, 300, 0, "の形をしているから、"), wait(),
        at(528, 400, 0, "３の倍数は、"), cont(5, "3n　"),
        at(528, 450, 0, "と表すことができる。"),
    });
}

// Step ②.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  4 keys.
void SHOW_EVEN_NUMBERS(Program& g) {
    lesson::erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 44;
    g.YI1 = 30;
    lesson::play(g, {
        at(44, 30, 0, "問2　偶数をnを使って表しなさい。"), wait(),
        at(44, 120, 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"), wait(),
        at(44, 210, 0, "偶数は、"), wait(),
        cont(5, "2*整数　"), cont(0, "の形をしているから、"), wait(),
        at(44, 300, 0, "偶数は、"), cont(5, "2n　"), cont(0, "と表すことができる。"),
    });
}

// Step ③.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  9 keys.
void SHOW_ODD_NUMBERS(Program& g) {
    lesson::clear_screen(g);
    g.XI1 = 44;
    g.YI1 = 30;
    lesson::play(g, {
        at(44, 30, 0, "問3　奇数をnを使って表しなさい。"), wait(),
        at(44, 90, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"), wait(),
        at(44, 150, 5, "奇数=｛…-5,-3,-1,1,3,5,7,…｝"), wait(),
        at(44, 210, 0, "奇数は、"), wait(),
        cont(5, "偶数＋１　"), cont(0, "の形をしているから、"), wait(),
        at(44, 270, 0, "奇数は、"), cont(5, "2n+1　"), cont(0, "と表すことができる。"), wait(),
        at(44, 330, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"), wait(),
        at(44, 390, 5, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝"), wait(),
        at(44, 450, 0, "奇数は、"), cont(5, "2n-1　"), cont(0, "と表すこともできる。"), wait(),
        at(44, 510, 0, "他にも、"), cont(5, "２n+3,2n-3,2n+5,…"), cont(0, "と表すこともできる。"),
    });
}

namespace {

const char* const kQuestion4 = "問4　次の数を 整数 m,n を使って表しなさい。";

// Pages 2 and 3 of step ④ share one layout: consecutive even or odd numbers, then any two of them.
struct PairPage {
    const char *heading, *smaller, *smaller_form, *larger, *larger_form, *larger_first, *smaller_then,
        *smaller_form2, *further, *any_heading, *any_form;
};
const PairPage kEvenPairs = {"(2) 2と4のように、連続する偶数", "①小さい方の偶数を", "2n", "大きい方の偶数は",
                             "2n+2", "②大きい方の偶数を", "小さい方の偶数は", "2n-2",
                             "2n+2と2n+4,2n-4と2n-2…", "(3) 2と126のような２つの偶数", "2m と 2n"};
const PairPage kOddPairs = {"(4) 3と5のように、連続する奇数", "①小さい方の奇数を", "2n+1", "大きい方の奇数は",
                            "2n+3", "②大きい方の奇数を", "小さい方の奇数は", "2n-1",
                            "2n+3と2n+5,2n-5と2n-3…", "(5) 3と177のような２つの奇数", "2m+1 と 2n+1"};

std::vector<Frag> pair_page(const PairPage& p) {
    return {
        at(44, 30, 0, kQuestion4), wait(),
        at(44, 90, 3, p.heading), wait(),
        at(132, 150, 0, p.smaller), cont(5, p.smaller_form), cont(0, "とすると、"), wait(),
        at(176, 210, 0, p.larger), cont(3, "2大きいから"), cont(5, p.larger_form), wait(),
        at(132, 270, 0, p.larger_first), cont(5, p.smaller_form), cont(0, "とすると、"), wait(),
        at(176, 330, 0, p.smaller_then), cont(3, "2小さいから"), cont(5, p.smaller_form2), wait(),
        at(132, 390, 0, "③他にも、"), cont(9, p.further), wait(),
        at(44, 480, 3, p.any_heading), wait(),
        at(176, 540, 5, p.any_form),
    };
}

// A page turn of step ④: two keys, the page erased, the cursor back at the top.
void next_page(Program& g) {
    lesson::turn_page(g, 1320, 1300);
    g.XI1 = 44;
    g.YI1 = 30;
}

}  // namespace

// Step ④, three pages.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  29 keys (11 + 10 + 8).
void SHOW_CONSECUTIVE_NUMBERS(Program& g) {
    lesson::clear_screen(g);
    g.XI1 = 44;
    g.YI1 = 30;
    lesson::play(g, {
        at(44, 30, 0, kQuestion4), wait(),
        at(44, 90, 3, "(1) 2,3,4のように、3つの続いた整数"), wait(),
        at(132, 150, 0, "①一番小さい整数を"), cont(5, "n"), cont(0, "とすると、"), wait(),
        at(176, 210, 0, "中央の整数は"), cont(3, "1大きいから"), cont(5, "n+1"), wait(),
        at(176, 270, 0, "一番大きい整数は"), cont(3, "2大きいから"), cont(5, "n+2"), wait(),
        at(176, 330, 5, "n,n+1,n+2"), wait(),
        at(132, 390, 0, "②中央の整数を"), cont(5, "n"), cont(0, "とすると、"), wait(),
        at(176, 450, 0, "一番小さい整数は"), cont(3, "1小さいから"), cont(5, "n-1"), wait(),
        at(176, 510, 0, "一番大きい整数は"), cont(3, "1大きいから"), cont(5, "n+1"), wait(),
        at(176, 570, 5, "n-1,n,n+1"),
    });
    next_page(g);
    lesson::play(g, pair_page(kEvenPairs));
    next_page(g);
    lesson::play(g, pair_page(kOddPairs));
}

// Step ⑤.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  10 keys.
void SHOW_NATURAL_NUMBERS(Program& g) {
    lesson::clear_screen(g);
    g.XI1 = 44;
    g.YI1 = 30;
    lesson::play(g, {
        at(44, 30, 0, "問5　37や256などの自然数を文字を使って表しなさい。"),
        at(44, 90, 3, "(1) 十の位の数をx、一の位の数をyとするとき、2けたの自然数"), wait(),
        at(132, 150, 0, "十の位は、"), wait(),
        cont(5, "10x"), wait(),
        cont(0, "、一の位は、"), cont(5, "y"), cont(0, " だから"), wait(),
        at(176, 210, 5, "10x+y"),
        at(44, 300, 3, "(2) 百の位の数をa、十の位の数をb、一の位の数をcとするとき、"),
        at(44, 350, 3, "     3けたの自然数"), wait(),
        at(132, 410, 0, "百の位は、"), wait(),
        cont(5, "100a"), wait(),
        cont(0, "、十の位は、"), wait(),
        cont(5, "10b"), wait(),
        cont(0, "、一の位は、"), cont(5, "c"), cont(0, " だから"), wait(),
        at(176, 470, 5, "100a+10b+c"),
    });
}

// Step ⑥.  Writes XI1 (528 on leaving), XI2, YI1; clobbers CCC1, X, Y, AA$.  1 key.
void SHOW_FORMS_SUMMARY(Program& g) {
    lesson::clear_screen(g);
    g.XI1 = 88;
    g.YI1 = 30;
    lesson::play(g, {
        at(88, 30, 0, "<倍数・偶数・奇数・自然数の表し方>"), wait(),
        at(22, 90, 3, "(1) nを整数とすると"),
        at(88, 150, 0, "① ３の倍数…"), cont(5, "3n"),
        at(88, 210, 0, "② 偶数…"), cont(5, "2n"),
        at(88, 270, 0, "③ 奇数…"), cont(5, "2n+1,2n-1"),
        at(22, 330, 3, "(2) m,nを整数とすると"),
        at(88, 390, 0, "① 連続する偶数…"), cont(5, "2nと2n+2 ,2n-2と2n"),
        at(88, 450, 0, "② ２つの偶数…"), cont(5, "2mと2n"),
        at(88, 510, 0, "③ 連続する奇数…"), cont(5, "2n+1と2n+3,2n-1と2n+1"),
        at(88, 570, 0, "④ ２つの奇数…"), cont(5, "2m+1と2n+1"),
    });
    g.XI1 = 528;
    g.YI1 = 30;
    lesson::play(g, {
        at(462, 90, 3, "(3) 十の位をx、一の位をyとすると"),
        at(528, 150, 0, "2けたの自然数…"), cont(5, "10x+y"),
    });
}

}  // namespace cw::sarnoth1
