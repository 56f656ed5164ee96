// Running a program in a real window.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace cw {

// What runs in the window: it draws through the platform it is given and
// returns (or throws ProgramEnd) when it is done.
using WindowBody = std::function<void(Platform&)>;

// Opens a maximised, resizable window, runs `body` in it and returns the
// process exit status: 0 when the program ends or the window is closed, 1
// when there is no display or a font is missing (said in one line on stderr).
int run_in_window(const WindowBody& body, const std::string& window_title);

}  // namespace cw
