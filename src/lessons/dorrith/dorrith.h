// The program Dorrith: multiplication and division of monomials.
#pragma once
#include "lessons/dorrith/dorrith_vars.h"
#include "state/program.h"

namespace cw::lesson {
class Cursor;
}

namespace cw {

class Dorrith : public Program, public DorrithVars {
public:
    explicit Dorrith(Platform& pf);
    // The lesson behind main-menu item n.
    void run_lesson(int n) override;
};

}  // namespace cw

namespace cw::dorrith {

// The right-hand column's layout cursor (lessons 3 and 5): margin and indent XJ1, pen XJ2, line YJ1.
lesson::Cursor right_column(Dorrith& g);

}  // namespace cw::dorrith
