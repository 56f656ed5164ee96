// The program Sarnoth: using literal expressions.
#pragma once
#include "lessons/sarnoth/sarnoth_vars.h"
#include "state/program.h"

namespace cw {

class Sarnoth : public Program, public SarnothVars {
public:
    explicit Sarnoth(Platform& pf);
    // The lesson behind main-menu item n.
    void run_lesson(int n) override;
};

}  // namespace cw
