// The program Dorrith: multiplication and division of monomials.
#pragma once
#include "lessons/dorrith/dorrith_vars.h"
#include "state/program.h"

namespace cw {

class Dorrith : public Program, public DorrithVars {
public:
    explicit Dorrith(Platform& pf);
    // The lesson behind main-menu item n.
    void run_lesson(int n) override;
};

}  // namespace cw
