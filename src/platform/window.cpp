#include "platform/window.h"

#include <cstdio>

namespace cw {

int run_in_window(const ProgramFactory& make, const std::string& window_title) {
    std::fprintf(stderr, "%s: no window support built yet\n", window_title.c_str());
    return 1;
}

}  // namespace cw
