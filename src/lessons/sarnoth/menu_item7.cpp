// Main-menu item 7, whose label is blank.
#include "lessons/sarnoth/problem_sets.h"

namespace cw::sarnoth {

// Reads nothing; writes nothing.
void RETURN_TO_MAIN_MENU(Program& g) {}

}  // namespace cw::sarnoth
