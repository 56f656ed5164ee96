#include "lessons/pages.h"

#include <stdexcept>

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

PageRow label(int stage, Pos at, float colour, const std::string& s) { return text(stage, at, colour, s, Keep::None); }

PageRow sign_row(int stage, const std::string& signs) { return label(stage, indent(-25), 3, signs); }

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
    r.act = Act::Cursor;
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

PageRow cell(int stage, Pos at, float width, const std::string& number) {
    PageRow r = text(stage, at, 3, number);
    r.act = Act::Cell;
    r.width = width;
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
    r.xi0 = w;
    r.xi1 = h;
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

void play_row(Program& g, const PageRow& r, AnswerCells* cells, int& next_cell) {
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
        case Act::Cell:
            if (!cells) throw std::logic_error("a page with answer cells needs their places");
            g.X = x;
            g.Y = y;
            blank_cell(g, *cells, next_cell++, r.width, r.text, cells->border, r.colour);
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
        case Act::Cursor:
            if (r.set_xi0) g.XI0 = r.xi0;
            g.XI1 = r.xi1;
            g.YI1 = r.yi1;
            break;
        case Act::Call:
            r.run(g);
            break;
        case Act::NewPage:
            erase_by(g, 0, 0, r.xi0, r.xi1);
            g.YI1 = 30;
            break;
    }
}

}  // namespace

void play_rows(Program& g, const std::vector<PageRow>& rows, AnswerCells* cells) {
    int keys = 0, next_cell = 1;
    for (auto& r : rows) {
        while (keys < r.stage) {
            WAIT_ANY_KEY(g);
            ++keys;
        }
        play_row(g, r, cells, next_cell);
    }
}

void play_fill_in(Program& g, const std::vector<PageRow>& rows, AnswerCells& cells,
                  const std::vector<std::string>& answers, bool wait_after_last) {
    play_rows(g, rows, &cells);
    WAIT_ANY_KEY(g);
    fill_cells(g, cells, answers, wait_after_last);
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

void cell(Program& g, float x, float y, float w, float h, const std::string& s, float text, float border, float fill) {
    cell_inputs(g, x, y, w, h, s, text, border, fill);
    DRAW_CELL(g);
}

void title_cell(Program& g, float x, float y, const std::string& title) { cell(g, x, y, 396, 44, title, 13, 5, 4); }

void number_cell(Program& g, float x, float y, const std::string& number) { cell(g, x, y, 44, 44, number, 13, 4, 3); }

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
