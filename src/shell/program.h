// A running program: its program-wide variables and its platform.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "figures/figure_vars.h"
#include "platform/platform.h"
#include "shell/vars.h"

namespace cw {

struct ProgramInfo {
    std::string title;                 // TITLE$
    std::array<std::string, 7> items;  // main-menu texts of items 1 to 7 ("8　終了" is shared)
    bool dorrith = false;              // creates U$() and V$(); its own fraction formatting
};

class Program : public CoreVars, public FigureVars {
public:
    Program(Platform& platform, ProgramInfo info) : pf(platform), info(std::move(info)) {}
    virtual ~Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up, then the main menu until the program ends.  A run-time error
    // ends on the error screen.  Returns when the program ends (ProgramEnd is
    // caught here); KeysExhausted and ErrorScreenReached pass through.
    void run();

    // The lesson behind main-menu item n (1..7).  Returning goes back to the
    // main menu, as the lessons' last sub-menu item does.
    virtual void run_lesson(int n) { (void)n; }

    Platform& pf;
    const ProgramInfo info;

    // Nesting depth of the typesetter (see TypesetScope); not a script variable.
    int typeset_depth = 0;
};

// The three programs.
std::unique_ptr<Program> make_kelvane(Platform& pf);
std::unique_ptr<Program> make_dorrith(Platform& pf);
std::unique_ptr<Program> make_sarnoth(Platform& pf);
// "kelvane", "dorrith" or "sarnoth"; nullptr for any other name.
std::unique_ptr<Program> make_program(const std::string& name, Platform& pf);

}  // namespace cw
