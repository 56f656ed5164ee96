// Lesson 5, step ①: three substitution reviews in the left-hand column, the
// vocabulary and the rules of substitution in the right-hand one.
#include "lessons/dorrith/lesson5.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::dorrith5 {

using dorrith::right_column;
using lesson::Cursor;

namespace {

// The head of a review at XI1 = 48: heading at y 27, the task line 50 lower,
// the given expression 60 lower again, indented 44.
void review_head(Cursor& left, const std::string& heading, const std::string& expression) {
    left.set(48, 48, 27);
    left.put(left.indent(), left.line(), 3, heading);
    left.line(50, 3, "次の式の値を求めなさい。");
    left.line(60, 0, expression, 44);
}

// One review: its heading, the given expression, the substitution line, the working lines (the first one
// possibly a wrong form, erased w wide and replaced by the right one), the value, and the rule it adds to
// the right-hand column (one line or two).
struct Review {
    const char* heading;
    const char* expression;
    const char* substitution;
    const char* wrong;  // nullptr: no wrong form
    float wrong_w;
    const char* working[2];
    const char* value;
    const char* rule[2];  // rule[1] nullptr: a rule of one line
};

const Review kReviews[] = {
    {"復習1　x=2のとき、", "6-4x", "x=2　を代入して", "=6-42", 220, {"=6-4*2 ", "=6-8"}, "=-2",
     {"① 代入するときは、", "文字式の表し方に戻る"}},
    {"復習2　x=-2のとき、", "6-4x", "x=-2　を代入して", "=6-4*-2 ", 352, {"=6-4*(-2) ", "=6+8"}, "=14",
     {"② 負の数を代入するときは、", "（　）をつける"}},
    {"復習3　x=5,y=-4 のとき、", "3x+2y", "x=5,y=-4　を代入して", nullptr, 0, {"=3*5+2*(-4) ", "=15-8"}, "=7",
     {"③ 2文字以上に代入する場合もある", nullptr}},
};

}  // namespace

// Reads nothing; writes XI0, XI1, XI2, YI1 (left column), XJ1, XJ2, YJ1 (right column), CCC1, X, Y, AA$;
// clobbers what WAIT_ANY_KEY clobbers.
void SHOW_SUBSTITUTION_REVIEWS(Dorrith& g) {
    Cursor left = Cursor::xi(g);
    Cursor right = right_column(g);
    bool first = true;
    for (auto& r : kReviews) {
        // The first review clears both columns, the later ones the left-hand column only.
        if (first) {
            lesson::erase_by(g, 0, 0, 1320, 1300);
        } else {
            WAIT_ANY_KEY(g);
            lesson::erase_by(g, 0, 0, 560, 1300);
        }
        review_head(left, r.heading, r.expression);
        if (first) {
            WAIT_ANY_KEY(g);
            SHOW_VALUE_VOCABULARY(g);
        }
        WAIT_ANY_KEY(g);
        left.line(60, 0, r.substitution, 44);
        WAIT_ANY_KEY(g);
        if (r.wrong) {
            left.line(60, 0, r.wrong);
            WAIT_ANY_KEY(g);
            lesson::erase_by(g, left.indent(), left.line(), r.wrong_w, 52);
            left.put(left.indent(), left.line(), 0, r.working[0]);
        } else {
            left.line(60, 0, r.working[0]);
        }
        WAIT_ANY_KEY(g);
        left.line(60, 0, r.working[1]);
        WAIT_ANY_KEY(g);
        left.line(60, 5, r.value);
        WAIT_ANY_KEY(g);
        // The rules: under the vocabulary's last line at first, then under the rule before.
        if (first) right.line(90, 5, "<式の値の求め方>");
        right.line(50, 0, r.rule[0]);
        if (r.rule[1]) right.line(50, 3, r.rule[1], 50);
        first = false;
    }
}

// Reads nothing; writes XJ1 = 600, YJ1 = 200, XJ2, CCC1, X, Y, AA$; clobbers what WAIT_ANY_KEY clobbers.
// XI0, XI1, XI2, YI1 are left alone.
void SHOW_VALUE_VOCABULARY(Dorrith& g) {
    Cursor right = right_column(g);
    right.set(600, 600, 30);
    right.put(right.indent(), right.line(), 5, "式の値");
    right.cont(0, "…代入して計算した結果");
    WAIT_ANY_KEY(g);
    right.line(60, 5, "代入");
    right.line(50, 0, "…式の中の文字に数をあてはめること");
    WAIT_ANY_KEY(g);
    right.line(60, 3, "文字の値");
    right.cont(0, "…文字にあてはめる数");
}

}  // namespace cw::dorrith5
