// Edits of the string register A$: blanks, layout marks and term signs; a
// number's text without blanks.
#include "exprstr/exprstr.h"

#include "platform/basic.h"

namespace cw {

void STRIP_SPACES(Program& g) {
    g.X9_s.clear();
    g.KB8 = static_cast<float>(LEN(g.A_s));
    // The loop body runs at least once, as every counted loop here does.
    g.IB8 = 1;
    size_t i = 0;
    do {
        size_t n = char_bytes_at(g.A_s, i);
        g.X8_s.assign(g.A_s, i, n);
        if (g.X8_s != " ") g.X9_s += g.X8_s;
        g.IB8 += static_cast<float>(n > 0 ? sj_width(g.X8_s) : 1);
        i += n;
    } while (i < g.A_s.size());
    g.A_s = g.X9_s;
}

void STRIP_LAYOUT_MARKS(Program& g) {
    struct Mark {
        const char* text;
        float CoreVars::*pos;
    };
    static const Mark marks[] = {
        {"^", &CoreVars::TA1}, {"ﾝ", &CoreVars::TA2}, {"ﾀ", &CoreVars::TA3}, {"=", &CoreVars::TA3}};
    for (const Mark& m : marks) {
        for (int p = INSTR(g.A_s, m.text); p != 0; p = INSTR(g.A_s, m.text)) {
            g.*m.pos = static_cast<float>(p);
            g.A_s = LEFT_s(g.A_s, p - 1) + MID_s(g.A_s, p + 1);
        }
    }
}

void NEGATE_TERM_SIGN(Program& g) {
    g.LE = static_cast<float>(LEN(g.A_s));
    if (g.A_s.empty()) return;
    if (g.A_s[0] == '-')
        g.A_s[0] = '+';
    else if (g.A_s[0] == '+')
        g.A_s[0] = '-';
    else
        g.A_s = "-" + g.A_s;
}

void STRIP_LEADING_PLUS(Program& g) {
    g.LE = static_cast<float>(LEN(g.A_s));
    if (!g.A_s.empty() && g.A_s[0] == '+') g.A_s.erase(0, 1);
}

void STRIP_LEADING_SIGN(Program& g) {
    g.LE = static_cast<float>(LEN(g.A_s));
    if (!g.A_s.empty() && (g.A_s[0] == '+' || g.A_s[0] == '-')) g.A_s.erase(0, 1);
}

void PARENTHESIZE_IF_NEGATIVE(Program& g) {
    g.TA1 = static_cast<float>(INSTR(g.A_s, "-"));
    if (g.TA1 != 0) g.A_s = "(" + g.A_s + ")";
}

void through_a(Program& g, std::string& text, void (*routine)(Program&)) {
    g.A_s = text;
    routine(g);
    text = g.A_s;
}

void strip_plus(Program& g, std::string& text) { through_a(g, text, STRIP_LEADING_PLUS); }

std::string number_text(float v) {
    std::string out;
    for (char ch : STR_s(v))
        if (ch != ' ') out += ch;
    return out;
}

std::string number_text_in_a(Program& g, float v) {
    g.A_s = STR_s(v);
    STRIP_SPACES(g);
    return g.A_s;
}

}  // namespace cw
