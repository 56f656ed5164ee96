// Expression strings: building the texts the typesetter draws.
#pragma once
#include "state/program.h"

namespace cw {

// Character code table.
void CONVERT_CHAR_TO_GLYPH(Program& g);

// Fractions.
void FORMAT_REDUCED_FRACTION(Program& g);
void COMPUTE_GCD_LCM(Program& g);
float M(float X, float Y);

// String and sign routines on A$.
void STRIP_SPACES(Program& g);
void STRIP_LAYOUT_MARKS(Program& g);
void NEGATE_TERM_SIGN(Program& g);
void STRIP_LEADING_PLUS(Program& g);
void STRIP_LEADING_SIGN(Program& g);
void PARENTHESIZE_IF_NEGATIVE(Program& g);

// Number-to-text tables.
void FORMAT_NUMBER_TABLES(Program& g);

}  // namespace cw
