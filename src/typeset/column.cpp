#include "typeset/typeset.h"

namespace cw {

void DRAW_COLUMN_OPERATION(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }

}  // namespace cw
