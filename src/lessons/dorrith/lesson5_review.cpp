// Lesson 5, step ①: three substitution reviews in the left-hand column, the
// vocabulary and the rules of substitution in the right-hand one.
#include "lessons/dorrith/lesson5.h"
#include "lessons/panels.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::dorrith5 {

using lesson::Cursor;

namespace {

// The right-hand column's cursor: margin XJ1, pen XJ2, line YJ1.
Cursor right_column(Dorrith& g) { return Cursor(g.XJ1, g.XJ1, g.XJ2, g.YJ1); }

// The head of a review at XI1 = 48: heading at y 27, the task line 50 lower,
// the given expression 60 lower again, indented 44.
void review_head(Program& g, Cursor& left, const std::string& heading, const std::string& expression) {
    left.set(48, 48, 27);
    left.at(g, left.indent(), left.line(), 3, heading);
    left.line(g, 50, 3, "次の式の値を求めなさい。");
    left.line(g, 60, 0, expression, 44);
}

// A wrong form corrected in place: the line erased from its top left, w wide
// and 52 high, and the right form drawn there.
void correct_line(Program& g, Cursor& left, float w, const std::string& right_form) {
    lesson::erase_by(g, left.indent(), left.line(), w, 52);
    left.at(g, left.indent(), left.line(), 0, right_form);
}

}  // namespace

// Reads nothing; writes XI1, XI2, YI1 (left column), XJ1, XJ2, YJ1 (right column), CCC1, X, Y, AA$;
// clobbers what WAIT_ANY_KEY clobbers.
void SHOW_SUBSTITUTION_REVIEWS(Dorrith& g) {
    Cursor left = Cursor::xi(g);
    Cursor right = right_column(g);

    // Review 1: 6-4x at x = 2.
    lesson::erase_by(g, 0, 0, 1320, 1300);
    review_head(g, left, "復習1　x=2のとき、", "6-4x");
    WAIT_ANY_KEY(g);
    SHOW_VALUE_VOCABULARY(g);
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "x=2　を代入して", 44);
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "=6-42");
    WAIT_ANY_KEY(g);
    correct_line(g, left, 220, "=6-4*2 ");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "=6-8");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 5, "=-2");
    WAIT_ANY_KEY(g);
    right.line(g, 90, 5, "<式の値の求め方>");
    right.line(g, 50, 0, "① 代入するときは、");
    right.line(g, 50, 3, "文字式の表し方に戻る", 50);

    // Review 2: 6-4x at x = -2.
    WAIT_ANY_KEY(g);
    lesson::erase_by(g, 0, 0, 560, 1300);
    review_head(g, left, "復習2　x=-2のとき、", "6-4x");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "x=-2　を代入して", 44);
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "=6-4*-2 ");
    WAIT_ANY_KEY(g);
    correct_line(g, left, 352, "=6-4*(-2) ");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "=6+8");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 5, "=14");
    WAIT_ANY_KEY(g);
    right.line(g, 50, 0, "② 負の数を代入するときは、");
    right.line(g, 50, 3, "（　）をつける", 50);

    // Review 3: 3x+2y at x = 5, y = -4.
    WAIT_ANY_KEY(g);
    lesson::erase_by(g, 0, 0, 560, 1300);
    review_head(g, left, "復習3　x=5,y=-4 のとき、", "3x+2y");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "x=5,y=-4　を代入して", 44);
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "=3*5+2*(-4) ");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 0, "=15-8");
    WAIT_ANY_KEY(g);
    left.line(g, 60, 5, "=7");
    WAIT_ANY_KEY(g);
    right.line(g, 50, 0, "③ 2文字以上に代入する場合もある");
}

// Reads nothing; writes XJ1 = 600, YJ1 = 200, XJ2, CCC1, X, Y, AA$; clobbers what WAIT_ANY_KEY clobbers.
// XI0, XI1, XI2, YI1 are left alone.
void SHOW_VALUE_VOCABULARY(Dorrith& g) {
    Cursor right = right_column(g);
    right.set(600, 600, 30);
    right.at(g, right.indent(), right.line(), 5, "式の値");
    right.cont(g, 0, "…代入して計算した結果");
    WAIT_ANY_KEY(g);
    right.line(g, 60, 5, "代入");
    right.line(g, 50, 0, "…式の中の文字に数をあてはめること");
    WAIT_ANY_KEY(g);
    right.line(g, 60, 3, "文字の値");
    right.cont(g, 0, "…文字にあてはめる数");
}

}  // namespace cw::dorrith5
