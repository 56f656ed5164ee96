#include "typeset/typeset.h"

namespace cw {

void DRAW_FRACTION(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }

}  // namespace cw
