#include "programs/programs.h"

#include "lessons/dorrith/dorrith.h"
#include "lessons/kelvane/kelvane.h"
#include "lessons/sarnoth/sarnoth.h"
#include "platform/window.h"
#include "shell/shell.h"

namespace cw {

std::unique_ptr<Program> make_kelvane(Platform& pf) { return std::make_unique<Kelvane>(pf); }
std::unique_ptr<Program> make_dorrith(Platform& pf) { return std::make_unique<Dorrith>(pf); }
std::unique_ptr<Program> make_sarnoth(Platform& pf) { return std::make_unique<Sarnoth>(pf); }

std::unique_ptr<Program> make_program(const std::string& name, Platform& pf) {
    if (name == "kelvane") return make_kelvane(pf);
    if (name == "dorrith") return make_dorrith(pf);
    if (name == "sarnoth") return make_sarnoth(pf);
    return nullptr;
}

int run_program_in_window(const std::string& name, const std::string& window_title) {
    return run_in_window([&](Platform& pf) { run_program(*make_program(name, pf)); }, window_title);
}

}  // namespace cw
