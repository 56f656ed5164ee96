// Answers shown in place: blank answer cells of the fill-in explanations,
// filled one per key, and answers revealed at the anchor where their
// question ended.
#pragma once
#include <string>
#include <vector>

#include "lessons/pages.h"
#include "state/program.h"

namespace cw::sarnoth {

// Blank answer cells and their filling in.  Cell k keeps the pen where it was
// first drawn in xs(k), ys(k) (U()/V() or T()/F(), as each step has it), so
// the answer's box is drawn over the numbered one, with the same width.
struct AnswerCells {
    AnswerCells(NumArray& xs, NumArray& ys, float border) : xs(xs), ys(ys), border(border) {}
    NumArray& xs;
    NumArray& ys;
    float border;                // border colour of the blank and filled cells
    std::vector<float> widths;   // width of cell k at index k - 1, as laid out
    int next = 1;                // the cell the next blank row lays out

    // A page row of the next blank cell: at `at`, `width` wide, numbered `number` in colour 3 (blank_cell).
    // The cells keep a reference to the AnswerCells, which must outlive the rows.
    lesson::PageRow blank(int stage, lesson::Pos at, float width, const std::string& number);
};

// Draws blank cell k at the pen (X, Y): xs(k), ys(k) = the pen; TATE 50, text colour `text_colour`, fill 13;
// then XI2 = X, YI1 = Y.  Reads X, Y; writes HABA, TATE, A_s, CCC1..3 and the cell routine's scratch.
void blank_cell(Program& g, AnswerCells& cells, int k, float width, const std::string& number, float border,
                float text_colour = 3);
// Draws cell k again at xs(k), ys(k) with `answer` in colour 5 and the border given; then XI2 = X, YI1 = Y.
void fill_cell(Program& g, AnswerCells& cells, int k, const std::string& answer, float border);
// Fills cells 1, 2, ... with the answers in order, in the cells' own border colour, a WAIT_ANY_KEY after each
// one but the last, and after the last too when `wait_after_last`.
void fill_cells(Program& g, AnswerCells& cells, const std::vector<std::string>& answers, bool wait_after_last);

// A fill-in explanation: the rows with their blank cells (play_rows), a WAIT_ANY_KEY, then the cells filled
// in one per key (fill_cells).
void play_fill_in(Program& g, const std::vector<lesson::PageRow>& rows, AnswerCells& cells,
                  const std::vector<std::string>& answers, bool wait_after_last);

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

}  // namespace cw::sarnoth
