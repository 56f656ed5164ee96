// Dorrith lesson 6: the worked answers to the chapter's basic problems on
// textbook page 20, six fixed pages chosen from the sub-menu.
#pragma once
#include "state/program.h"

namespace cw::dorrith6 {

// Entry from the main menu: straight to the sub-menu loop (no goal screen).
// Returns when the pupil chooses the last item (back to the main menu).
void RUN_LESSON_6(Program& g);
void SHOW_LESSON6_MENU(Program& g);

// Answer page n (1 to 6), drawn whole on a cleared window.
void SHOW_BASIC_PROBLEMS_PAGE(Program& g, int n);

}  // namespace cw::dorrith6
