#include "exprstr/exprstr.h"

namespace cw {

void FORMAT_REDUCED_FRACTION(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }
void COMPUTE_GCD_LCM(Program& g) { throw RuntimeError(ERR_ILLEGAL_CALL); }
float M(float X, float Y) { return X - Y * INT(DIV(X, Y)); }

}  // namespace cw
