#include "shell/program.h"

namespace cw {

std::unique_ptr<Program> make_program(const std::string& name, Platform& pf) {
    if (name == "kelvane") return make_kelvane(pf);
    if (name == "dorrith") return make_dorrith(pf);
    if (name == "sarnoth") return make_sarnoth(pf);
    return nullptr;
}

}  // namespace cw
