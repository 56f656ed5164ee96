// Lesson 1, steps ⑦ and ⑧: two random drills.  Every question is drawn
// first; each key then shows the next answer where its question ended.
#include "exprstr/exprstr.h"
#include "lessons/draws.h"
#include "lessons/sarnoth/lesson1.h"
#include "lessons/sarnoth/cells.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth1 {

using lesson::indent;
using lesson::keeping_end;
using lesson::margin;
using lesson::pen;
using lesson::screen;
using lesson::text;

namespace {

// Row `draw` of a table: the draw is tested against 1, 2, ... in order and the last row is taken when none
// matches.
template <size_t N, class Row>
const Row& table_row(const Row (&rows)[N], float draw) {
    for (size_t i = 0; i + 1 < N; ++i)
        if (draw == static_cast<float>(i + 1)) return rows[i];
    return rows[N - 1];
}

// Practice 1: the letter of exercise 1 and the letter pair of exercise 2.
const char* const kLetters[] = {"a", "b", "k", "p", "m", "n"};
struct Pair {
    const char *first, *second;
};
const Pair kDigitLetters[] = {{"a", "b"}, {"x", "y"}, {"m", "n"}};

// Practice 2: the two letters of the items.
const Pair kItemLetters[] = {{"i", "m"}, {"a", "k"}, {"k", "n"}, {"b", "m"}, {"m", "n"}, {"n", "p"}};

}  // namespace

// Reads RND; writes T(1), T(5), F(1), T$(), F$(), XI0, XI1, YI1, MIGI, the anchors X(1..8), Y(1..8);
// clobbers XI2, CCC1, X, Y, AA$, I, A$.
void make_writing_numbers_page(Program& g) {
    lesson::clear_screen(g);
    g.T_a(1) = lesson::rnd_int(g, 6, 1);
    g.T_a(5) = lesson::rnd_int(g, 9, 3);
    g.F_a(1) = lesson::rnd_int(g, 3, 1);
    FORMAT_NUMBER_TABLES(g);
    g.T_sa(1) = table_row(kLetters, g.T_a(1));
    g.F_sa(1) = table_row(kDigitLetters, g.F_a(1)).first;
    g.F_sa(2) = table_row(kDigitLetters, g.F_a(1)).second;
    g.XI0 = 40;
    g.XI1 = g.XI0 + 27;
    g.YI1 = 30;
    g.MIGI = 600;

    const std::string n = g.T_sa(1);
    lesson::play_rows(g, {
        text(0, screen(40, 30), 0, "1 "),
        text(0, pen(), 3, n),
        text(0, pen(), 0, "を整数とするとき、次の数を"),
        text(0, pen(), 3, n),
        text(0, pen(), 0, "を用いた式で表しなさい。"),
        keeping_end(text(0, screen(67, 90), 0, "① " + g.T_sa(5) + "の倍数…"), 1),
        keeping_end(text(0, screen(600, 90), 0, "② 偶数…"), 2),
        keeping_end(text(0, screen(67, 150), 0, "③ 奇数…"), 3),
        text(0, screen(67, 210), 0, "④ "),
        text(0, pen(), 3, n),
        keeping_end(text(0, pen(), 0, "が一番小さい連続する3つの整数…"), 4),
        text(0, screen(67, 270), 0, "⑤ "),
        text(0, pen(), 3, n),
        keeping_end(text(0, pen(), 0, "がまん中の連続する3つの整数…"), 5),
        keeping_end(text(0, screen(67, 330), 0, "⑥ 連続する2つの偶数…"), 6),
        keeping_end(text(0, screen(67, 390), 0, "⑦ 連続する2つの奇数…"), 7),
        text(0, screen(40, 470), 0, "2 十の位の数を"),
        text(0, pen(), 3, g.F_sa(1)),
        text(0, pen(), 0, "、一の位の数を"),
        text(0, pen(), 3, g.F_sa(2)),
        text(0, pen(), 0, "とするとき、"),
        keeping_end(text(0, screen(67, 520), 0, " 2けたの自然数…"), 8),
    });
}

// Step ⑦.  Reads RND; writes AINP (the loop), the page's tables and anchors; clobbers the pen and cursor.
void PRACTICE_WRITING_NUMBERS(Program& g) {
    lesson::drill(g, [&] {
        make_writing_numbers_page(g);
        const std::string n = g.T_sa(1);
        sarnoth::reveal_at_anchors(g, {
            {1, g.T_sa(5) + n},
            {2, "2" + n},
            {3, "2" + n + "+1", "(2" + n + "-1)"},
            {4, n + "," + n + "+1," + n + "+2"},
            {5, n + "-1," + n + "," + n + "+1"},
            {6, "2" + n + "と2" + n + "+2", "(2" + n + "-2と2" + n + ")"},
            {7, "2" + n + "+1と2" + n + "+3", "(2" + n + "-1と2" + n + "+1)"},
            {8, "10" + g.F_sa(1) + "+" + g.F_sa(2)},
        });
    });
}

// Reads RND; writes T(1), T(5), F(1), F(2), T$(), F$(), XI0, XI1, YI1, the anchors X(1..10), Y(1..10);
// clobbers XI2, CCC1, X, Y, AA$, I, A$.
void make_multiples_page(Program& g) {
    lesson::clear_screen(g);
    g.T_a(1) = lesson::rnd_int(g, 6, 1);
    g.T_a(5) = lesson::rnd_int(g, 9, 3);
    g.F_a(1) = lesson::rnd_int(g, g.T_a(5) - 1, 1);
    g.F_a(2) = lesson::rnd_int(g, g.T_a(5) - 1, 1);
    FORMAT_NUMBER_TABLES(g);
    g.T_sa(1) = table_row(kItemLetters, g.T_a(1)).first;
    g.T_sa(2) = table_row(kItemLetters, g.T_a(1)).second;

    g.XI0 = 40;
    g.XI1 = g.XI0 + 27;
    g.YI1 = 30;
    const std::string k = g.T_sa(5), a = g.T_sa(1), b = g.T_sa(2), c1 = g.F_sa(1), c2 = g.F_sa(2);
    std::vector<lesson::PageRow> rows = {
        text(0, margin(0), 0, "  "),
        text(0, pen(), 3, a + "," + b),
        text(0, pen(8), 0, "を整数とするとき、次の数は"),
        text(0, pen(8), 3, k),
        text(0, pen(8), 0, "の倍数ですか。"),
    };
    // Item i: its label below the one before, its expression in `colour`, "…" and the answer's anchor i.
    const auto item = [&](int i, const std::string& label, const std::string& code, float colour) {
        if (i == 7) rows.push_back(lesson::column(0, 600, 627, 30));  // the second column
        rows.push_back(text(0, indent(i >= 9 ? 90.0f : 80.0f), 0, label));
        rows.push_back(text(0, pen(), colour, code));
        rows.push_back(keeping_end(text(0, pen(), 0, "…"), i));
    };
    item(1, "① ", k + "(" + a + "+" + c1 + ")", 3);
    item(2, "② ", k + "(" + a + "-" + c2 + ")", 7);
    item(3, "③ ", k + "(" + a + "+" + b + ")", 3);
    item(4, "④ ", k + "(" + a + "-" + b + ")", 7);
    item(5, "⑤ ", k + "(" + a + "+" + b + "+" + c2 + ")", 3);
    item(6, "⑥ ", k + "(" + a + "-" + b + "-" + c1 + ")", 7);
    item(7, "⑦ ", k + a + b, 7);
    item(8, "⑧ ", k + "(" + a + b + "-" + c2 + ")", 3);
    item(9, "⑨ ", k + "*ﾀ" + a + "/" + b + "ﾀ", 7);
    item(10, "⑩ ", k + "(ﾀ" + a + "/" + b + "ﾀ+" + c1 + ")", 3);
    lesson::play_rows(g, rows);
}

// Step ⑧.  Reads RND; writes AINP (the loop), the page's tables and anchors; clobbers the pen and cursor.
void PRACTICE_MULTIPLES(Program& g) {
    lesson::drill(g, [&] {
        make_multiples_page(g);
        std::vector<sarnoth::AnchoredAnswer> answers;
        for (int i = 1; i <= 10; ++i) answers.push_back({i, i <= 8 ? "倍数" : "倍数ではない"});
        sarnoth::reveal_at_anchors(g, answers);
    });
}

}  // namespace cw::sarnoth1
