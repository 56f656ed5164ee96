#include "typeset/typeset.h"

namespace cw {

void MEASURE_EXPRESSION_TEXT(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }
void DRAW_CELL(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }
void DRAW_CELL_AROUND_TEXT(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }

}  // namespace cw
