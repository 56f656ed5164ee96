#include "lessons/toolkit.h"

#include "lessons/draws.h"
#include "platform/basic.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::lesson {

void Cursor::set(float margin, float indent, float line_y) {
    *margin_ = margin;
    *indent_ = indent;
    *line_y_ = line_y;
}

void Cursor::put(float x, float y, float c, const std::string& code, Keep keep) {
    Program& g = *g_;
    g.CCC1 = c;
    g.X = x;
    g.Y = y;
    g.AA_s = code;
    DRAW_EXPRESSION_TEXT(g);
    switch (keep) {
        case Keep::Pen:
            *pen_x_ = g.X;
            *line_y_ = g.Y;
            break;
        case Keep::YOnly:
            *line_y_ = g.Y;
            break;
        case Keep::Indent:
            *indent_ = g.X;
            *line_y_ = g.Y;
            break;
        case Keep::None:
            break;
    }
}

void Cursor::cont(float c, const std::string& code, Keep keep) { put(pen(), line(), c, code, keep); }

void Cursor::below(float x, float dy, float c, const std::string& code, Keep keep) {
    put(x, line() + dy, c, code, keep);
}

void Cursor::line(float dy, float c, const std::string& code, float dx, Keep keep) {
    below(indent() + dx, dy, c, code, keep);
}

void put(Program& g, float x, float y, float c, const std::string& code, Keep keep) {
    Cursor::xi(g).put(x, y, c, code, keep);
}

void cont(Program& g, float c, const std::string& code, Keep keep) { Cursor::xi(g).cont(c, code, keep); }

void below(Program& g, float x, float dy, float c, const std::string& code, Keep keep) {
    Cursor::xi(g).below(x, dy, c, code, keep);
}

void set_cursor(Program& g, float xi0, float xi1, float yi1) { Cursor::xi(g).set(xi0, xi1, yi1); }

void cont_keeping_start(Program& g, int k, float dx, float c, const std::string& code) {
    g.X_a(k) = g.XI2 + dx;
    g.Y_a(k) = g.YI1;
    cont(g, c, code);
}

void reveal(Program& g, const std::vector<std::function<void()>>& stages) {
    for (size_t i = 0; i < stages.size(); ++i) {
        if (i > 0) WAIT_ANY_KEY(g);
        stages[i]();
    }
}

void erase(Program& g, float x1, float y1, float x2, float y2) { g.pf.FILL(x1, y1, x2, y2, 15, 15); }

void erase_by(Program& g, float x, float y, float w, float h) { erase(g, x, y, x + w, y + h); }

void filled_box(Program& g, float x1, float y1, float x2, float y2, float border, float fill) {
    g.pf.FILL(x1, y1, x2, y2, border, fill);
}

void cell_inputs(Program& g, float x, float y, float w, float h, const std::string& text, float colour,
                 float border, float fill) {
    g.X = x;
    g.Y = y;
    g.HABA = w;
    g.TATE = h;
    g.A_s = text;
    g.CCC1 = colour;
    g.CCC2 = border;
    g.CCC3 = fill;
}

void drill(Program& g, Count count, const std::function<void()>& problem) {
    g.AINP = 3;
    if (count == Count::Finished) g.NO = 0;
    while (g.AINP != 1) {
        problem();
        ASK_NEXT_STEP(g);
        if (count == Count::Finished) g.NO = g.NO + 1;
    }
}

void drill(Program& g, const std::function<void()>& problem) { drill(g, Count::None, problem); }

void random_row(Program& g, float n) { g.NO = rnd_int(g, n, 1); }

void next_row(Program& g, float n) { g.NO = (g.NO == n) ? 1.0f : g.NO + 1; }

void load_texts(StrArray& table, int first, const std::vector<std::string>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) table(first + static_cast<int>(i)) = texts[i];
}

void goal_screen(Program& g, const std::vector<std::string>& lines, float heading_colour) {
    clear_screen(g);
    g.XI1 = 44;
    g.YI1 = 240;
    put(g, g.XI1, g.YI1, heading_colour, "<めあて>");
    bool first = true;
    for (auto& line : lines) {
        below(g, g.XI1, first ? 65.0f : 50.0f, 0, line);
        first = false;
    }
}

int choose_item(Program& g, const std::string& menu, int n, bool set_ainp10) {
    for (;;) {
        g.AA_s = menu;
        PROMPT_FOR_NUMBER(g);
        g.SENTAKU = g.AINP;
        if (set_ainp10) g.AINP = 10;
        CLEAR_PROMPT_LINE(g);
        if (g.SENTAKU < 1 || g.SENTAKU > n) continue;
        return to_int(g.SENTAKU);
    }
}

void run_submenu(Program& g, const std::string& menu, const std::vector<std::function<void(Program&)>>& steps,
                 bool set_ainp10) {
    const int n = static_cast<int>(steps.size()) + 1;
    for (;;) {
        int item = choose_item(g, menu, n, set_ainp10);
        if (item >= n) return;
        steps[static_cast<size_t>(item - 1)](g);
    }
}

void RETURN_TO_MAIN_MENU(Program&) {}

std::string term_text(float n, const std::string& letter, bool leading) {
    if (n == 0) return "";
    std::string t;
    if (!letter.empty() && n == 1)
        t = "";
    else if (!letter.empty() && n == -1)
        t = "-";
    else
        t = number_text(n);
    if (n > 0 && !leading) t = "+" + t;
    return t + letter;
}

void add_plus_signs(const NumArray& nums, StrArray& texts, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (nums(i) > 0) texts(i) = "+" + texts(i);
}

void signed_terms(const NumArray& nums, StrArray& texts, int first, int last) {
    for (int i = first; i <= last; ++i) texts(i) = nums(i) < 0 ? "+(" + texts(i) + ")" : "+" + texts(i);
}

void unit_coefficients(const NumArray& nums, StrArray& texts, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (nums(i) == 1)
            texts(i) = "";
        else if (nums(i) == -1)
            texts(i) = "-";
    }
}

void drop_zero_terms(const NumArray& nums, StrArray& texts, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (nums(i) == 0) texts(i) = "";
}

std::string letter_power(const std::string& letter, float e) {
    if (e <= 0) return "";
    if (e == 1) return letter;
    return letter + "^" + number_text(e);
}

std::string letter_factors(const std::string& letter, float e) {
    std::string s;
    for (float k = 1; k <= e; k += 1) s += "*" + letter;
    return s;
}

std::string rjust(const std::string& s, int width) {
    int n = KLEN(s);
    return n >= width ? s : std::string(static_cast<size_t>(width - n), ' ') + s;
}

}  // namespace cw::lesson
