// Fixed pages written as tables of fragments: texts placed from the layout
// cursor, labels that leave the cursor alone, blank answer cells that a later
// key fills in, key waits, and answers revealed where their question ended.
// Every fragment goes through DRAW_EXPRESSION_TEXT or DRAW_CELL_AROUND_TEXT,
// so a page played from a table leaves the same variables behind as one
// written out statement by statement.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "state/program.h"

namespace cw::lesson {

// Where a fragment starts, from the layout cursor before it.
enum class Go {
    At,      // (x, y)
    Line,    // a new line: (x, YI1 + y)
    Cont,    // continues the line: (XI2, YI1)
    Follow,  // after a 10-unit gap: (XI2 + 10, YI1)
};

struct Frag {
    enum Kind {
        Text,   // drawn, then XI2 = X, YI1 = Y
        Label,  // drawn; the cursor is left as it was
        Cell,   // a blank answer cell `width` wide holding `text` (its circled number)
        Wait,   // one WAIT_ANY_KEY
        Do,     // runs `action` (a frame, a highlighted cell, an erase)
    };
    Kind kind = Text;
    Go go = Go::At;
    float x = 0, y = 0;
    float colour = 0;
    std::string text;
    float width = 0;  // cells only
    int anchor = 0;   // > 0: X(anchor), Y(anchor) take the pen after the text
    std::function<void(Program&)> action;  // Do only

    // The same fragment, keeping the pen after it as answer anchor k.
    Frag anchored(int k) const {
        Frag f = *this;
        f.anchor = k;
        return f;
    }
};

// Builders for the tables.
namespace frag {
inline Frag make(Frag::Kind kind, Go go, float x, float y, float c, std::string s, float width = 0) {
    Frag f;
    f.kind = kind;
    f.go = go;
    f.x = x;
    f.y = y;
    f.colour = c;
    f.text = std::move(s);
    f.width = width;
    return f;
}
inline Frag at(float x, float y, float c, std::string s) { return make(Frag::Text, Go::At, x, y, c, std::move(s)); }
inline Frag line(float x, float dy, float c, std::string s) {
    return make(Frag::Text, Go::Line, x, dy, c, std::move(s));
}
inline Frag cont(float c, std::string s) { return make(Frag::Text, Go::Cont, 0, 0, c, std::move(s)); }
inline Frag follow(float c, std::string s) { return make(Frag::Text, Go::Follow, 0, 0, c, std::move(s)); }
inline Frag label(float x, float y, float c, std::string s) {
    return make(Frag::Label, Go::At, x, y, c, std::move(s));
}
// A blank answer cell after a 10-unit gap, or opening a new line at x.
inline Frag cell(float width, std::string s) { return make(Frag::Cell, Go::Follow, 0, 0, 3, std::move(s), width); }
inline Frag cell_line(float x, float dy, float width, std::string s) {
    return make(Frag::Cell, Go::Line, x, dy, 3, std::move(s), width);
}
inline Frag wait() { return make(Frag::Wait, Go::At, 0, 0, 0, ""); }
inline Frag act(std::function<void(Program&)> fn) {
    Frag f = make(Frag::Do, Go::At, 0, 0, 0, "");
    f.action = std::move(fn);
    return f;
}
}  // namespace frag

// Blank answer cells and their filling in.  Cell k keeps the pen where it was
// first drawn in xs(k), ys(k) (U()/V() or T()/F(), as each step has it), so
// the answer's box is drawn over the numbered one, with the same width.
struct AnswerCells {
    AnswerCells(NumArray& xs, NumArray& ys, float border) : xs(xs), ys(ys), border(border) {}
    NumArray& xs;
    NumArray& ys;
    float border;                // border colour of the blank and filled cells
    std::vector<float> widths;   // width of cell k at index k - 1, as laid out
};

// Draws blank cell k at the pen (X, Y): xs(k), ys(k) = the pen; TATE 50, text colour `text_colour`, fill 13;
// then XI2 = X, YI1 = Y.  Reads X, Y; writes HABA, TATE, A_s, CCC1..3 and the cell routine's scratch.
void blank_cell(Program& g, AnswerCells& cells, int k, float width, const std::string& label, float border,
                float text_colour = 3);
// Draws cell k again at xs(k), ys(k) with `answer` in colour 5 and the border given; then XI2 = X, YI1 = Y.
void fill_cell(Program& g, AnswerCells& cells, int k, const std::string& answer, float border);
// Fills cells 1, 2, ... with the answers in order, in the cells' own border colour, a WAIT_ANY_KEY after each
// one but the last, and after the last too when `wait_after_last`.
void fill_cells(Program& g, AnswerCells& cells, const std::vector<std::string>& answers, bool wait_after_last);

// Plays the fragments in order.  Cells are numbered 1, 2, ... in the order they stand; a page with cells
// passes where their positions go.
void play(Program& g, const std::vector<Frag>& frags, AnswerCells* cells = nullptr);

// An answer revealed at its question's anchor: `text` in colour 5 at X(k), Y(k); an equivalent second form,
// when there is one, follows on the same key in colour 3, 30 units right of the answer's end.
struct AnchoredAnswer {
    AnchoredAnswer(int anchor, std::string text, std::string alt = "")
        : anchor(anchor), text(std::move(text)), alt(std::move(alt)) {}
    int anchor;
    std::string text;
    std::string alt;
};
// One WAIT_ANY_KEY before each answer; XI2, YI1 take the pen after each text.
void reveal_at_anchors(Program& g, const std::vector<AnchoredAnswer>& answers);

}  // namespace cw::lesson
