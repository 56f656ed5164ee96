// Sarnoth in a window of its own.
#include "programs/programs.h"

int main() { return cw::run_program_in_window("sarnoth", "Sarnoth"); }
