// The three programs, by name.
#pragma once
#include <memory>
#include <string>

#include "state/program.h"

namespace cw {

std::unique_ptr<Program> make_kelvane(Platform& pf);
std::unique_ptr<Program> make_dorrith(Platform& pf);
std::unique_ptr<Program> make_sarnoth(Platform& pf);
// "kelvane", "dorrith" or "sarnoth"; nullptr for any other name.
std::unique_ptr<Program> make_program(const std::string& name, Platform& pf);

// Runs the program in a real window and returns the process exit status (see run_in_window).
int run_program_in_window(const std::string& name, const std::string& window_title);

}  // namespace cw
