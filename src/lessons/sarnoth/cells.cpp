#include "lessons/sarnoth/cells.h"

#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::sarnoth {

namespace {

void draw_answer_cell(Program& g, float x, float y, float width, const std::string& text, float colour,
                      float border) {
    lesson::cell_inputs(g, x, y, width, 50, text, colour, border, 13);
    DRAW_CELL_AROUND_TEXT(g);
    g.XI2 = g.X;
    g.YI1 = g.Y;
}

}  // namespace

void blank_cell(Program& g, AnswerCells& cells, int k, float width, const std::string& number, float border,
                float text_colour) {
    cells.xs(k) = g.X;
    cells.ys(k) = g.Y;
    if (cells.widths.size() < static_cast<size_t>(k)) cells.widths.resize(static_cast<size_t>(k), 0);
    cells.widths[static_cast<size_t>(k - 1)] = width;
    draw_answer_cell(g, g.X, g.Y, width, number, text_colour, border);
}

void fill_cell(Program& g, AnswerCells& cells, int k, const std::string& answer, float border) {
    draw_answer_cell(g, cells.xs(k), cells.ys(k), cells.widths.at(static_cast<size_t>(k - 1)), answer, 5, border);
}

void fill_cells(Program& g, AnswerCells& cells, const std::vector<std::string>& answers, bool wait_after_last) {
    for (size_t i = 0; i < answers.size(); ++i) {
        fill_cell(g, cells, static_cast<int>(i) + 1, answers[i], cells.border);
        if (i + 1 < answers.size() || wait_after_last) WAIT_ANY_KEY(g);
    }
}

lesson::PageRow AnswerCells::blank(int stage, lesson::Pos at, float width, const std::string& number) {
    return lesson::action_at(stage, at, [this, width, number](Program& g) {
        blank_cell(g, *this, next++, width, number, border, 3);
    });
}

void play_fill_in(Program& g, const std::vector<lesson::PageRow>& rows, AnswerCells& cells,
                  const std::vector<std::string>& answers, bool wait_after_last) {
    lesson::play_rows(g, rows);
    WAIT_ANY_KEY(g);
    fill_cells(g, cells, answers, wait_after_last);
}

void reveal_at_anchors(Program& g, const std::vector<AnchoredAnswer>& answers) {
    for (auto& a : answers) {
        WAIT_ANY_KEY(g);
        lesson::put(g, g.X_a(a.anchor), g.Y_a(a.anchor), 5, a.text);
        if (!a.alt.empty()) lesson::put(g, g.XI2 + 30, g.YI1, 3, a.alt);
    }
}

}  // namespace cw::sarnoth
