// Running a program in a real window.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "shell/program.h"

namespace cw {

using ProgramFactory = std::function<std::unique_ptr<Program>(Platform&)>;

// Opens a maximised, resizable window, runs the program in it and returns the
// process exit status: 0 when the program ends or the window is closed, 1
// when there is no display or a font is missing (said in one line on stderr).
int run_in_window(const ProgramFactory& make, const std::string& window_title);

}  // namespace cw
