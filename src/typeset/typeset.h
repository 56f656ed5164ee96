// The math typesetter: expression code strings, prompt text and plain text.
#pragma once
#include "state/program.h"

namespace cw {

// Marks a typesetter routine as running, so that the calls it makes itself
// (measuring, fraction parts) are told apart from the calls of lessons.
struct TypesetScope {
    explicit TypesetScope(Program& g) : g(g) { ++g.typeset_depth; }
    ~TypesetScope() { --g.typeset_depth; }
    TypesetScope(const TypesetScope&) = delete;
    TypesetScope& operator=(const TypesetScope&) = delete;
    Program& g;
};

// Expression code strings.
void DRAW_EXPRESSION_TEXT(Program& g);
void DRAW_GLYPH_RUN(Program& g);
void DRAW_FRACTION(Program& g);

// Measuring, cells and the column layout.
void MEASURE_EXPRESSION_TEXT(Program& g);
void DRAW_CELL(Program& g);
void DRAW_CELL_AROUND_TEXT(Program& g);
void DRAW_COLUMN_OPERATION(Program& g);

// Prompt text at a fixed pitch.
void DRAW_CONVERTED_CHARS(Program& g);
void PRINT_PROMPT_TEXT(Program& g);

// Plain labels.
void DRAW_PLAIN_TEXT(Program& g);

}  // namespace cw
