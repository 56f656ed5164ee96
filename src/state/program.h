// A running program: its program-wide variables and its platform.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "state/figure_vars.h"
#include "platform/platform.h"
#include "state/vars.h"

namespace cw {

// How FORMAT_REDUCED_FRACTION treats a whole result and a zero numerator.
enum class FractionRules {
    Plain,             // both reduce as any other fraction: YAK 1
    MarkWholeAndZero,  // a denominator of 1 gives YAK 4; a zero numerator YAK 5, its answer texts "0"
};

// What the main menu jumps on once the entry passed its range test.
enum class MenuJump {
    LeadingNumber,  // the leading number of the typed text ("10/5" names no lesson)
    WholeValue,     // the entry's value as a whole number ("10/2" opens lesson 5)
};

// What the typesetter keeps about itself while it runs.
struct TypesetterState {
    int depth = 0;  // how many typesetter routines are running, one inside the other (TypesetScope)
    // The code characters around the glyph run about to be drawn, within its
    // expression ("" at either end): the last one drawn before it and the
    // next one after it.  A glyph run takes them and leaves them empty.
    std::string before, after;
};

struct ProgramInfo {
    std::string title;                 // TITLE$
    std::array<std::string, 7> items;  // main-menu texts of items 1 to 7 ("8　終了" is shared)
    FractionRules fraction_rules = FractionRules::Plain;
    bool letter_tables = false;        // start-up dimensions the letter tables U$() and V$()
    MenuJump menu_jump = MenuJump::LeadingNumber;
};

class Program : public CoreVars, public FigureVars {
public:
    Program(Platform& platform, ProgramInfo info) : pf(platform), info(std::move(info)) {}
    virtual ~Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The lesson behind main-menu item n (1..7).  Returning goes back to the
    // main menu, as the lessons' last sub-menu item does.
    virtual void run_lesson(int n) { (void)n; }

    Platform& pf;
    const ProgramInfo info;

    // The typesetter's own bookkeeping (typeset/typeset.h); no script variable.
    TypesetterState typesetter;
};

// A program's lessons as a table: entries[n - 1] runs the lesson behind main-menu item n.  An empty entry, or
// an item past the table, goes straight back to the main menu.
template <class P, size_t N>
void run_lesson_entry(P& g, const std::array<void (*)(P&), N>& entries, int n) {
    if (n < 1 || n > static_cast<int>(N) || !entries[static_cast<size_t>(n - 1)]) return;
    entries[static_cast<size_t>(n - 1)](g);
}

}  // namespace cw
