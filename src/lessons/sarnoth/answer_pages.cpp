#include "lessons/sarnoth/answer_pages.h"

#include "figures/figures.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"

namespace cw::sarnoth {

void heading_cells(Program& g, float xi1, const std::string& title, const std::string& number, float gap) {
    g.XI1 = xi1;
    g.YI1 = 30;
    lesson::title_cell(g, g.XI1, g.YI1, title);
    g.XI2 = g.X;
    g.YI1 = g.Y;
    if (!number.empty()) number_cell_at(g, g.XI2 + gap, g.YI1, number);
}

void number_cell_at(Program& g, float x, float y, const std::string& number) {
    lesson::number_cell(g, x, y, number);
    g.XI2 = g.X;
    g.YI1 = g.Y;
}

void answer_page(Program& g, const AnswerHeading& h, const std::vector<lesson::PageRow>& rows) {
    lesson::clear_screen(g);
    heading_cells(g, h.xi1, h.title, h.number, h.gap);
    if (h.key_first) WAIT_ANY_KEY(g);
    lesson::play_rows(g, rows);
}

void figure_page(Program& g, float xi1, const std::string& number, float ggx, float ggy, float yoko, float tate,
                 float size) {
    lesson::clear_screen(g);
    g.XI1 = xi1;
    g.YI1 = 30;
    g.pf.SETDRAWWIDTH(5);
    heading_cells(g, g.XI1, "P33 章の問題B", number, 44);
    grid_frame(g, ggx, ggy, yoko, tate, size);
}

}  // namespace cw::sarnoth
