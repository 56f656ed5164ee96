// Lesson 1, steps ① to ⑥: multiples, even and odd numbers, consecutive
// numbers, natural numbers by their digits and the summary of the forms.
// Each is a fixed page: nothing is typed and nothing is random.  A row's
// first number is the key after which it is drawn.
#include "lessons/pages.h"
#include "lessons/sarnoth/lesson1.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth1 {

using namespace lesson;

namespace {

// The multiples table, rows 1 to 9 at y = 130 + 50k: the multiples (x 44, colour 5), "=3*" (x 132,
// colour 0) and the factors (x 220, colour 3).  Rows 1 and 9 hold only the "…" of the first column.
struct Column {
    float x, colour;
    const char* rows[9];
};
const Column kMultiples[] = {
    {44, 5, {" …", "-9", "-6", "-3", " 0", " 3", " 6", " 9", " …"}},
    {132, 0, {"", "=3*", "=3*", "=3*", "=3*", "=3*", "=3*", "=3*", ""}},
    {220, 3, {"", "(-3)", "(-2)", "(-1)", " 0", " 1", " 2", " 3", ""}},
};

// A column of the table is kept in T$(1..9) and drawn from there: rows first..last, the first after key
// `stage` and each further one `per_row` keys later.
void add_column(std::vector<PageRow>& rows, const Column& c, int stage, int first, int last, int per_row) {
    rows.push_back(action(stage, [&c](Program& g) {
        for (int k = 1; k <= 9; ++k) g.T_sa(k) = c.rows[k - 1];
    }));
    for (int k = first; k <= last; ++k)
        rows.push_back(action(stage + per_row * (k - first), [&c, k](Program& g) {
            put(g, c.x, 130.0f + 50.0f * static_cast<float>(k), c.colour, g.T_sa(k));
        }));
}

// Replaces the line drawn at (44, y) by `text`: erased from (44, y - 4) by 1320 x 55.
PageRow replace_line(int stage, float y, float c, const char* s) {
    return action(stage, [=](Program& g) {
        erase_by(g, 44, y - 4, 1320, 55);
        put(g, 44, y, c, s);
    });
}

}  // namespace

// Step ①.  Writes T$(1..9), XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  16 keys.
void SHOW_MULTIPLES(Program& g) {
    erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 44;
    std::vector<PageRow> rows{
        text(0, screen(44, 30), 0, "問1　nを整数とするとき、3の倍数をnを使って表しなさい。"),
        text(1, screen(44, 80), 3, "n=｛            1,2,3,…｝"),
        replace_line(2, 80, 3, "n=｛…-3,-2,-1,0,1,2,3,…｝"),
        text(3, screen(44, 130), 5, "３の倍数=｛            3,6,9,…｝"),
        replace_line(4, 130, 5, "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝"),
    };
    add_column(rows, kMultiples[0], 5, 1, 9, 0);
    add_column(rows, kMultiples[1], 6, 2, 8, 0);
    add_column(rows, kMultiples[2], 7, 2, 8, 1);
    for (auto& r : std::vector<PageRow>{
             column(14, 528, 250),
             text(14, screen(528, 250), 0, "３の倍数は、"),
             text(15, pen(), 5, "3*整数　"),
             text(15, screen(528, 300), 0, "の形をしているから、"),
             text(16, screen(528, 400), 0, "３の倍数は、"),
             text(16, pen(), 5, "3n　"),
             text(16, screen(528, 450), 0, "と表すことができる。"),
         })
        rows.push_back(r);
    play_rows(g, rows);
}

// Step ②.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  4 keys.
void SHOW_EVEN_NUMBERS(Program& g) {
    erase_by(g, 0, 0, 1320, 1300);
    g.XI1 = 44;
    g.YI1 = 30;
    play_rows(g, {
        text(0, screen(44, 30), 0, "問2　偶数をnを使って表しなさい。"),
        text(1, screen(44, 120), 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
        text(2, screen(44, 210), 0, "偶数は、"),
        text(3, pen(), 5, "2*整数　"),
        text(3, pen(), 0, "の形をしているから、"),
        text(4, screen(44, 300), 0, "偶数は、"),
        text(4, pen(), 5, "2n　"),
        text(4, pen(), 0, "と表すことができる。"),
    });
}

// Step ③.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  9 keys.
void SHOW_ODD_NUMBERS(Program& g) {
    clear_screen(g);
    g.XI1 = 44;
    g.YI1 = 30;
    play_rows(g, {
        text(0, screen(44, 30), 0, "問3　奇数をnを使って表しなさい。"),
        text(1, screen(44, 90), 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
        text(2, screen(44, 150), 5, "奇数=｛…-5,-3,-1,1,3,5,7,…｝"),
        text(3, screen(44, 210), 0, "奇数は、"),
        text(4, pen(), 5, "偶数＋１　"),
        text(4, pen(), 0, "の形をしているから、"),
        text(5, screen(44, 270), 0, "奇数は、"),
        text(5, pen(), 5, "2n+1　"),
        text(5, pen(), 0, "と表すことができる。"),
        text(6, screen(44, 330), 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
        text(7, screen(44, 390), 5, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝"),
        text(8, screen(44, 450), 0, "奇数は、"),
        text(8, pen(), 5, "2n-1　"),
        text(8, pen(), 0, "と表すこともできる。"),
        text(9, screen(44, 510), 0, "他にも、"),
        text(9, pen(), 5, "２n+3,2n-3,2n+5,…"),
        text(9, pen(), 0, "と表すこともできる。"),
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

std::vector<PageRow> pair_page(const PairPage& p) {
    return {
        text(0, screen(44, 30), 0, kQuestion4),
        text(1, screen(44, 90), 3, p.heading),
        text(2, screen(132, 150), 0, p.smaller),
        text(2, pen(), 5, p.smaller_form),
        text(2, pen(), 0, "とすると、"),
        text(3, screen(176, 210), 0, p.larger),
        text(3, pen(), 3, "2大きいから"),
        text(3, pen(), 5, p.larger_form),
        text(4, screen(132, 270), 0, p.larger_first),
        text(4, pen(), 5, p.smaller_form),
        text(4, pen(), 0, "とすると、"),
        text(5, screen(176, 330), 0, p.smaller_then),
        text(5, pen(), 3, "2小さいから"),
        text(5, pen(), 5, p.smaller_form2),
        text(6, screen(132, 390), 0, "③他にも、"),
        text(6, pen(), 9, p.further),
        text(7, screen(44, 480), 3, p.any_heading),
        text(8, screen(176, 540), 5, p.any_form),
    };
}

// A page turn of step ④: two keys, the page erased, the cursor back at the top.
void next_page(Program& g) {
    turn_page(g, 1320, 1300);
    g.XI1 = 44;
}

}  // namespace

// Step ④, three pages.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  29 keys (11 + 10 + 8).
void SHOW_CONSECUTIVE_NUMBERS(Program& g) {
    clear_screen(g);
    g.XI1 = 44;
    g.YI1 = 30;
    play_rows(g, {
        text(0, screen(44, 30), 0, kQuestion4),
        text(1, screen(44, 90), 3, "(1) 2,3,4のように、3つの続いた整数"),
        text(2, screen(132, 150), 0, "①一番小さい整数を"),
        text(2, pen(), 5, "n"),
        text(2, pen(), 0, "とすると、"),
        text(3, screen(176, 210), 0, "中央の整数は"),
        text(3, pen(), 3, "1大きいから"),
        text(3, pen(), 5, "n+1"),
        text(4, screen(176, 270), 0, "一番大きい整数は"),
        text(4, pen(), 3, "2大きいから"),
        text(4, pen(), 5, "n+2"),
        text(5, screen(176, 330), 5, "n,n+1,n+2"),
        text(6, screen(132, 390), 0, "②中央の整数を"),
        text(6, pen(), 5, "n"),
        text(6, pen(), 0, "とすると、"),
        text(7, screen(176, 450), 0, "一番小さい整数は"),
        text(7, pen(), 3, "1小さいから"),
        text(7, pen(), 5, "n-1"),
        text(8, screen(176, 510), 0, "一番大きい整数は"),
        text(8, pen(), 3, "1大きいから"),
        text(8, pen(), 5, "n+1"),
        text(9, screen(176, 570), 5, "n-1,n,n+1"),
    });
    next_page(g);
    play_rows(g, pair_page(kEvenPairs));
    next_page(g);
    play_rows(g, pair_page(kOddPairs));
}

// Step ⑤.  Writes XI1, XI2, YI1; clobbers CCC1, X, Y, AA$.  10 keys.
void SHOW_NATURAL_NUMBERS(Program& g) {
    clear_screen(g);
    g.XI1 = 44;
    g.YI1 = 30;
    play_rows(g, {
        text(0, screen(44, 30), 0, "問5　37や256などの自然数を文字を使って表しなさい。"),
        text(0, screen(44, 90), 3, "(1) 十の位の数をx、一の位の数をyとするとき、2けたの自然数"),
        text(1, screen(132, 150), 0, "十の位は、"),
        text(2, pen(), 5, "10x"),
        text(3, pen(), 0, "、一の位は、"),
        text(3, pen(), 5, "y"),
        text(3, pen(), 0, " だから"),
        text(4, screen(176, 210), 5, "10x+y"),
        text(4, screen(44, 300), 3, "(2) 百の位の数をa、十の位の数をb、一の位の数をcとするとき、"),
        text(4, screen(44, 350), 3, "     3けたの自然数"),
        text(5, screen(132, 410), 0, "百の位は、"),
        text(6, pen(), 5, "100a"),
        text(7, pen(), 0, "、十の位は、"),
        text(8, pen(), 5, "10b"),
        text(9, pen(), 0, "、一の位は、"),
        text(9, pen(), 5, "c"),
        text(9, pen(), 0, " だから"),
        text(10, screen(176, 470), 5, "100a+10b+c"),
    });
}

// Step ⑥.  Writes XI1 (528 on leaving), XI2, YI1; clobbers CCC1, X, Y, AA$.  1 key.
void SHOW_FORMS_SUMMARY(Program& g) {
    clear_screen(g);
    g.XI1 = 88;
    g.YI1 = 30;
    play_rows(g, {
        text(0, screen(88, 30), 0, "<倍数・偶数・奇数・自然数の表し方>"),
        text(1, screen(22, 90), 3, "(1) nを整数とすると"),
        text(1, screen(88, 150), 0, "① ３の倍数…"),
        text(1, pen(), 5, "3n"),
        text(1, screen(88, 210), 0, "② 偶数…"),
        text(1, pen(), 5, "2n"),
        text(1, screen(88, 270), 0, "③ 奇数…"),
        text(1, pen(), 5, "2n+1,2n-1"),
        text(1, screen(22, 330), 3, "(2) m,nを整数とすると"),
        text(1, screen(88, 390), 0, "① 連続する偶数…"),
        text(1, pen(), 5, "2nと2n+2 ,2n-2と2n"),
        text(1, screen(88, 450), 0, "② ２つの偶数…"),
        text(1, pen(), 5, "2mと2n"),
        text(1, screen(88, 510), 0, "③ 連続する奇数…"),
        text(1, pen(), 5, "2n+1と2n+3,2n-1と2n+1"),
        text(1, screen(88, 570), 0, "④ ２つの奇数…"),
        text(1, pen(), 5, "2m+1と2n+1"),
        column(1, 528, 30),
        text(1, screen(462, 90), 3, "(3) 十の位をx、一の位をyとすると"),
        text(1, screen(528, 150), 0, "2けたの自然数…"),
        text(1, pen(), 5, "10x+y"),
    });
}

}  // namespace cw::sarnoth1
