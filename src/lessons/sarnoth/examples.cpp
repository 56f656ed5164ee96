#include "lessons/sarnoth/examples.h"

#include "lessons/toolkit.h"
#include "platform/basic.h"
#include "shell/shell.h"

namespace cw::sarnoth {

bool whole_entry(const Program& g, float lo, float hi) {
    int slash = KINSTR(g.AINP_s, "/");
    if (slash > 0 && VAL(KMID_s(g.AINP_s, static_cast<float>(slash + 1))) == 0) return false;
    return g.AINP == INT(g.AINP) && g.AINP >= lo && g.AINP <= hi;
}

void ask_whole_number(Program& g, const std::string& question, float lo, float hi) {
    do {
        g.AA_s = question;
        PROMPT_FOR_NUMBER(g);
        CLEAR_PROMPT_LINE(g);
    } while (!whole_entry(g, lo, hi));
    if (g.AINP == 0) g.AINP = 0;  // "-0" is 0
}

void example_loop(Program& g, const std::function<void()>& ask, const std::function<std::string()>& worked,
                  const std::function<std::string()>& result) {
    g.V_a(1) = g.YI1 + 60;
    lesson::drill(g, [&] {
        lesson::erase_by(g, 0, g.V_a(1), 1600, 120);
        lesson::put(g, g.XI1, g.V_a(1), 0, "③ ");
        ask();
        lesson::put(g, g.XI2, g.V_a(1), 0, worked());
        WAIT_ANY_KEY(g);
        lesson::cont(g, 3, result());
    });
}

}  // namespace cw::sarnoth
