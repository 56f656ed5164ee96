#include "exprstr/exprstr.h"

namespace cw {

void FORMAT_NUMBER_TABLES(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }

}  // namespace cw
