// Program-wide variables of the figure routines that no other subsystem names.
#pragma once

namespace cw {

struct FigureVars {};

}  // namespace cw
