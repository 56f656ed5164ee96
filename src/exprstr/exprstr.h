// Expression strings: building the texts the typesetter draws.
#pragma once
#include <string>

#include "state/program.h"

namespace cw {

// Character code table.
// Reads B$; writes B$ (its glyph, or unchanged); clobbers N, N1, the four table strings.
void CONVERT_CHAR_TO_GLYPH(Program& g);

// Fractions.
// Reads DS, DB; writes DS1, DB1, YAK, YAK1, DS1$, DA1$, DS$, DB$, FDS1$, TKAI1$, TKAI2$, A2$, A21$; clobbers X1..X4, E1, E2, A$, A1$, A3$, LEM.
void FORMAT_REDUCED_FRACTION(Program& g);
// Reads DS, DB; writes X3 (the gcd), X4 (the lcm); clobbers X1, X2.
void COMPUTE_GCD_LCM(Program& g);
// Reads nothing; returns X mod Y with a floored quotient.
float M(float X, float Y);

// String and sign routines on A$.
// Reads A$; writes A$ without one-byte blanks; clobbers LB8, KB8, IB8, X8$, X9$.
void STRIP_SPACES(Program& g);
// Reads A$; writes A$ without the marks "^", "ﾝ", "ﾀ"; clobbers LB8, KB8, IB8, X8$, X9$.
void STRIP_LAYOUT_MARKS(Program& g);
// Reads A$; writes A$ with its leading sign turned; clobbers LE.
void NEGATE_TERM_SIGN(Program& g);
// Reads A$; writes A$ without a leading "+"; clobbers LE.
void STRIP_LEADING_PLUS(Program& g);
// Reads A$; writes A$ without a leading "+" or "-"; clobbers LE.
void STRIP_LEADING_SIGN(Program& g);
// Reads A$; writes A$ in parentheses when it holds a "-"; clobbers TA1.
void PARENTHESIZE_IF_NEGATIVE(Program& g);

// Runs a string routine of A$ (STRIP_SPACES, STRIP_LEADING_PLUS, PARENTHESIZE_IF_NEGATIVE, ...) on `text`:
// A$ = text, routine, text = A$.  Writes A$ and `text`; clobbers what the routine clobbers.
void through_a(Program& g, std::string& text, void (*routine)(Program&));
// One leading "+" off `text`: through_a with STRIP_LEADING_PLUS.  Writes A$ and `text`; clobbers LE.
void strip_plus(Program& g, std::string& text);

// Number texts.
// A number's text without blanks ("7", "-7", "0.5"): STR$ without the blank it puts before a value >= 0.
// Reads and writes nothing.
std::string number_text(float v);
// The same text made as the scripts make it, through A$: A$ = STR$(v), STRIP_SPACES.  Writes A$ (the text,
// also returned); clobbers what STRIP_SPACES clobbers.
std::string number_text_in_a(Program& g, float v);

// Number-to-text tables.
// Reads T(1..80), F(1..40); writes T$(1..80), F$(1..40); clobbers I (41), A$ and the blank stripper's scratch.
void FORMAT_NUMBER_TABLES(Program& g);

}  // namespace cw
