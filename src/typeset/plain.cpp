#include "typeset/typeset.h"

namespace cw {

void DRAW_PLAIN_TEXT(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }

}  // namespace cw
