// The program Kelvane: calculation with polynomials.
#pragma once
#include "lessons/kelvane/kelvane_vars.h"
#include "state/program.h"

namespace cw {

class Kelvane : public Program, public KelvaneVars {
public:
    explicit Kelvane(Platform& pf);
    // The lesson behind main-menu item n.
    void run_lesson(int n) override;
};

}  // namespace cw
