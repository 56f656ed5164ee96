#include "lessons/pages.h"

#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::lesson {

// ---- rows ----------------------------------------------------------------------------------

PageRow text(int stage, Pos at, float colour, const std::string& s, Keep keep) {
    PageRow r;
    r.stage = stage;
    r.act = Act::Text;
    r.pos = at;
    r.colour = colour;
    r.text = s;
    r.keep = keep;
    return r;
}

PageRow aside(int stage, Pos at, float colour, const std::string& s) { return text(stage, at, colour, s, Keep::None); }

PageRow sign_row(int stage, const std::string& signs) { return aside(stage, indent(-25), 3, signs); }

PageRow column_sum(int stage, Pos at, const std::string& upper, const std::string& lower, const std::string& op) {
    PageRow r;
    r.stage = stage;
    r.act = Act::ColumnSum;
    r.pos = at;
    r.text = upper;
    r.lower = lower;
    r.op = op;
    return r;
}

PageRow column(int stage, float xi0, float xi1, float yi1) {
    PageRow r;
    r.stage = stage;
    r.act = Act::Column;
    r.xi0 = xi0;
    r.xi1 = xi1;
    r.yi1 = yi1;
    return r;
}

PageRow column(int stage, float xi1, float yi1) {
    PageRow r = column(stage, 0, xi1, yi1);
    r.set_xi0 = false;
    return r;
}

PageRow action(int stage, std::function<void(Program&)> fn) {
    PageRow r;
    r.stage = stage;
    r.act = Act::Call;
    r.run = std::move(fn);
    return r;
}

PageRow action_at(int stage, Pos at, std::function<void(Program&)> fn) {
    PageRow r = action(stage, std::move(fn));
    r.pos = at;
    r.at_pen = true;
    return r;
}

PageRow keeping_end(PageRow r, int k) {
    r.anchor = k;
    return r;
}

PageRow new_page(int stage, float w, float h) {
    PageRow r;
    r.stage = stage;
    r.act = Act::NewPage;
    r.w = w;
    r.h = h;
    return r;
}

namespace {

float base_x(const Program& g, From from) {
    switch (from) {
        case From::Margin:
            return g.XI0;
        case From::Indent:
            return g.XI1;
        case From::Pen:
            return g.XI2;
        case From::Operand:
            return g.XI3;
        case From::Screen:
            break;
    }
    return 0;
}

void play_row(Program& g, const PageRow& r) {
    const float x = base_x(g, r.pos.from) + r.pos.dx;
    const float y = (r.pos.from == From::Screen ? 0 : g.YI1) + r.pos.dy;
    switch (r.act) {
        case Act::Text:
            put(g, x, y, r.colour, r.text, r.keep);
            if (r.anchor > 0) {
                g.X_a(r.anchor) = g.X;
                g.Y_a(r.anchor) = g.Y;
            }
            break;
        case Act::ColumnSum:
            g.CCC1 = 0;
            g.A1_s = r.text;
            g.A2_s = r.lower;
            g.ENZAN_s = r.op;
            g.X = x;
            g.Y = y;
            g.TAKASA = 50;
            g.CCC2 = 0;
            DRAW_COLUMN_OPERATION(g);
            break;
        case Act::Column:
            if (r.set_xi0) g.XI0 = r.xi0;
            g.XI1 = r.xi1;
            g.YI1 = r.yi1;
            break;
        case Act::Call:
            if (r.at_pen) {
                g.X = x;
                g.Y = y;
            }
            r.run(g);
            break;
        case Act::NewPage:
            erase_by(g, 0, 0, r.w, r.h);
            g.YI1 = 30;
            break;
    }
}

}  // namespace

void play_rows(Program& g, const std::vector<PageRow>& rows) {
    int keys = 0;
    for (auto& r : rows) {
        while (keys < r.stage) {
            WAIT_ANY_KEY(g);
            ++keys;
        }
        play_row(g, r);
    }
}

// ---- answer pages --------------------------------------------------------------------------------

PageRow AnswerPage::first_problem(int stage, float colour, const std::string& s) const {
    return text(stage, indent(first_dy, label_dx), colour, s);
}

PageRow AnswerPage::next_problem(int stage, float colour, const std::string& s) const {
    return text(stage, indent(next_dy, label_dx), colour, s);
}

PageRow AnswerPage::working(int stage, float colour, const std::string& s) const {
    return text(stage, indent(working_dy), colour, s);
}

PageRow AnswerPage::cont(int stage, float colour, const std::string& s) const { return text(stage, pen(), colour, s); }

PageRow AnswerPage::next_column(int stage) const { return column(stage, column_xi1, yi1); }

PageRow AnswerPage::at(int stage, float x, float y, float colour, const std::string& s) const {
    return text(stage, screen(x, y), colour, s);
}

void AnswerPage::play(Program& g, const std::string& heading, const std::vector<PageRow>& rows) const {
    clear_screen(g);
    g.XI1 = xi1;
    g.YI1 = yi1;
    std::vector<PageRow> page{text(0, indent(0), 3, heading)};
    page.insert(page.end(), rows.begin(), rows.end());
    play_rows(g, page);
}

// ---- page turns and headings ---------------------------------------------------------------------

void turn_page(Program& g, float w, float h) {
    WAIT_ANY_KEY(g);
    WAIT_ANY_KEY(g);
    erase_by(g, 0, 0, w, h);
    g.YI1 = 30;
}

void draw_cell(Program& g, float x, float y, float w, float h, const std::string& s, float text, float border, float fill) {
    cell_inputs(g, x, y, w, h, s, text, border, fill);
    DRAW_CELL(g);
}

void title_cell(Program& g, float x, float y, const std::string& title) { draw_cell(g, x, y, 396, 44, title, 13, 5, 4); }

void number_cell(Program& g, float x, float y, const std::string& number) { draw_cell(g, x, y, 44, 44, number, 13, 4, 3); }

// ---- table drills -------------------------------------------------------------------------------------

void table_drill(Program& g, const TableDrill& d) {
    drill(g, [&] {
        for (auto& [first, texts] : d.tables) load_texts(g.T_sa, first, texts);
        if (d.before) d.before();
        if (d.order == Order::Random)
            random_row(g, d.count);
        else
            next_row(g, d.count);
        if (d.cursor) set_cursor(g, (*d.cursor)[0], (*d.cursor)[1], (*d.cursor)[2]);
        erase(g, d.panel[0], d.panel[1], d.panel[2], d.panel[3]);
        play_rows(g, d.rows_of_problem());
    });
}

}  // namespace cw::lesson
