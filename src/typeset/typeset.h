// The math typesetter: expression code strings, prompt text and plain text.
#pragma once
#include <optional>
#include <string>

#include "state/program.h"

namespace cw {

// Marks a typesetter routine as running, so that the calls it makes itself
// (measuring, fraction parts) are told apart from the calls of lessons.
struct TypesetScope {
    explicit TypesetScope(Program& g) : g(g) { ++g.typesetter.depth; }
    ~TypesetScope() { --g.typesetter.depth; }
    TypesetScope(const TypesetScope&) = delete;
    TypesetScope& operator=(const TypesetScope&) = delete;
    Program& g;
};
// True while a typesetter routine runs: what is drawn now is the typesetter's own work, not a lesson's call.
inline bool inside_typesetter(const Program& g) { return g.typesetter.depth > 0; }

// What a code character of an expression is, as a maths typesetter classes
// its atoms: an operand's character, a binary sign, a relation, an opening or
// closing bracket, punctuation, or a character of Japanese text (kana, kanji,
// CJK punctuation, full-width forms).  Whether a ×, ÷ or ± is set as a binary
// operator is decided by the classes of the characters beside it.
enum class CharClass { Ordinary, Binary, Relation, Opening, Closing, Punctuation, Japanese };
CharClass char_class(const std::string& code);
// Whether a sign between characters of these classes (nullopt: nothing, the
// start or the end of a piece of text) is set as a binary operator.
bool binary_between(std::optional<CharClass> before, std::optional<CharClass> after);

// Expression code strings.
// Reads AA$, X, Y, CCC1, BUN, JYOU, JYOUK, HROOT, TXM; writes X (the pen after the text), the fraction anchors; clobbers AA$ (empty), A$, B$, DR, the typesetter state, the font (gothic 16).
void DRAW_EXPRESSION_TEXT(Program& g);
// Reads A$, X, Y, CCC1, BUN, JYOU, JYOUK, HROOT, TXM; writes X (the pen after the run); clobbers B$, TX, TY, TA*, the flags, the font (gothic 16).
void DRAW_GLYPH_RUN(Program& g);
// Reads the fraction code at the entry's scan, X, Y, CCC1, DR; writes X, XT, YT, TBSI, TBBO, NAGA, TBSI1, TBBO1, BSEN, TB*YAK*; clobbers BUN, A$, B$.
void DRAW_FRACTION(Program& g);

// The bar of a stacked fraction over [x, x + length] at y, in colour c at
// the current draw width, drawn as a fraction bar (text beside it keeps
// clear of it).  It stops short of both ends by a few units, so that a sign
// just before or after the fraction stays apart from it; the anchors and
// advances keep the whole length.
// Reads nothing; writes one line.
void draw_inset_bar(Program& g, float x, float y, float length, float c);

// Measuring, cells and the column layout.
// Reads A$, BUN, CCC1; writes LLT (the width); clobbers AA$ (empty), the fraction anchors (near y 1800), the typesetter state; X, Y, A$ as on entry.
void MEASURE_EXPRESSION_TEXT(Program& g);
// Reads A$, X, Y, HABA, TATE, CCC1, CCC2; writes X; clobbers LLT, AA$ (empty), the fraction anchors; the draw width untouched.
void DRAW_CELL(Program& g);
// Reads A$, X, Y, CCC1, CCC2; writes X, LLT; clobbers AA$ (empty), the fraction anchors; the draw width untouched.
void DRAW_CELL_AROUND_TEXT(Program& g);
// Reads MOTOA$, ENZAN$, A1$, A2$, A21$, A3$, A31$, XI1, YI1, CCC1; writes the column's lines; clobbers X, Y, X1..X4, Y1..Y3, LT, LT1, LT2, N1, TAKASA, LLT, A$, AA$, DR.
void DRAW_COLUMN_OPERATION(Program& g);

// Prompt text at a fixed pitch.
// Reads A$, X, Y, CCC1, JYOU; writes XT (the pen after the character); clobbers B$, N, N1, the code table strings; bold stays on.
void DRAW_CONVERTED_CHARS(Program& g);
// Reads AA$, X, Y, CCC1, JYOU; writes X; clobbers AA$ (empty), A$, B$, I, XT.
void PRINT_PROMPT_TEXT(Program& g);

// Plain labels.
// Reads AA$, X, Y, CCC1; writes X (the pen after the text); clobbers AA$ (empty), A$, the font (gothic 16, upright).
void DRAW_PLAIN_TEXT(Program& g);

}  // namespace cw
