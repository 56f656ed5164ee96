// Lesson 6: its entry, sub-menu and the six answer pages.  Every page clears
// the window, draws the title and number cells, and then its rows in one go;
// labels in colour 3, problems and working in 0, answers in 5.  The cells'
// borders take whatever line width the steps before left.
#include "lessons/dorrith/lesson6.h"

#include <array>

#include "lessons/pages.h"
#include "lessons/toolkit.h"

namespace cw::dorrith6 {

using lesson::PageRow;

namespace {

// Every row of a page is drawn on entry, at a fixed place or after the text before it.
constexpr lesson::AnswerPage page;

// Page 1: the terms of a polynomial and its degree.
const std::vector<PageRow>& page1() {
    static const std::vector<PageRow> rows{
        page.at(0, 36, 80, 3, "(1)"),  page.cont(0, 0, "2x^2,-5x,9"),
        page.at(0, 36, 150, 3, "(2)"), page.cont(0, 0, "2次式"),
    };
    return rows;
}

// Page 2: collecting like terms; adding and subtracting polynomials.
const std::vector<PageRow>& page2() {
    static const std::vector<PageRow> rows{
        page.at(0, 36, 80, 3, "(1)"),   page.cont(0, 0, "2a-3b+4a+7b"),
        page.at(0, 72, 140, 0, "=2a+4a-3b+7b"),
        page.at(0, 72, 200, 5, "=6a+4b"),
        page.at(0, 36, 270, 3, "(2)"),  page.cont(0, 0, "3x^2-4x-2x^2+6x"),
        page.at(0, 72, 330, 0, "=3x^2-2x^2-4x+6x"),
        page.at(0, 72, 390, 5, "=x^2+2x"),
        page.at(0, 36, 460, 3, "(3)"),  page.cont(0, 0, "(2a+3b)+(a-6b)"),
        page.at(0, 72, 520, 0, "=2a+3b+a-6b"),
        page.at(0, 72, 580, 0, "=2a+a+3b-6b"),
        page.at(0, 648, 90, 5, "=3a-3b"),
        page.at(0, 612, 160, 3, "(4)"), page.cont(0, 0, "(4x+y)-(3x-5y)"),
        page.at(0, 648, 220, 0, "=4x+y-3x+5y"),
        page.at(0, 648, 280, 0, "=4x-3x+y+5y"),
        page.at(0, 648, 340, 5, "=x+6y"),
        page.at(0, 612, 410, 3, "(5)"), page.cont(0, 0, "(-2a+5b)-(-2a+7b)"),
        page.at(0, 648, 470, 0, "=-2a+5b+2a-7b"),
        page.at(0, 648, 530, 0, "=-2a+2a+5b-7b"),
        page.at(0, 648, 590, 5, "=-2b"),
    };
    return rows;
}

// Page 3: a polynomial times or divided by a number.
const std::vector<PageRow>& page3() {
    static const std::vector<PageRow> rows{
        page.at(0, 36, 80, 3, "(1)"),  page.cont(0, 0, "-3(2x-y)"),
        page.at(0, 72, 140, 5, "=-6x+3y"),
        page.at(0, 36, 210, 3, "(2)"), page.cont(0, 0, "(28a-4b)/4"),
        page.at(0, 72, 290, 0, "=(28a-4b)*ﾀ1/4ﾀ"),
        page.at(0, 72, 370, 0, "=28a*ﾀ1/4ﾀ-4b*ﾀ1/4ﾀ"),
        page.at(0, 72, 430, 5, "=7a-b"),
        page.at(0, 612, 30, 3, "(3)"), page.cont(0, 0, "2(a+b)+5(2a-b)"),
        page.at(0, 648, 90, 0, "=2a+2b+10a-5b"),
        page.at(0, 648, 150, 0, "=2a+10a+2b-5b"),
        page.at(0, 648, 210, 5, "=12a-3b"),
        page.at(0, 612, 280, 3, "(4)"), page.cont(0, 0, "3(x-2y)-2(2x-5y)"),
        page.at(0, 648, 340, 0, "=3x-6y-4x+10y"),
        page.at(0, 648, 400, 0, "=3x-4x-6y+10y"),
        page.at(0, 648, 460, 5, "=-x+4y"),
    };
    return rows;
}

// Page 4: polynomials over a common denominator 6.
const std::vector<PageRow>& page4() {
    static const std::vector<PageRow> rows{
        page.at(0, 36, 90, 3, "(1)"),   page.cont(0, 0, "ﾀx+y/3ﾀ+ﾀx-y/2ﾀ"),
        page.at(0, 72, 170, 0, "=ﾀ2(x+y)/6ﾀ+ﾀ3(x-y)/6ﾀ"),
        page.at(0, 72, 250, 0, "=ﾀ2(x+y)+3(x-y)/6ﾀ"),
        page.at(0, 72, 330, 0, "=ﾀ2x+2y+3x-3y/6ﾀ"),
        page.at(0, 72, 410, 0, "=ﾀ2x+3x+2y-3y/6ﾀ"),
        page.at(0, 72, 490, 5, "=ﾀ5x-y/6ﾀ"),
        page.at(0, 612, 100, 3, "(2)"), page.cont(0, 0, "ﾀx-5y/2ﾀ-ﾀ3x-11y/6ﾀ"),
        page.at(0, 648, 180, 0, "=ﾀ3(x-5y)/6ﾀ-ﾀ3x-11y/6ﾀ"),
        page.at(0, 648, 260, 0, "=ﾀ3(x-5y)-(3x-11y)/6ﾀ"),
        page.at(0, 648, 340, 0, "=ﾀ3x-15y-3x+11y/6ﾀ"),
        page.at(0, 648, 420, 0, "=ﾀ3x-3x-15y+11y/6ﾀ"),
        page.at(0, 648, 500, 0, "=ﾀ-4y/6ﾀ="),       page.cont(0, 5, "-ﾀ2/3ﾀy"),
    };
    return rows;
}

// Page 5: products and quotients of monomials, in three columns.
const std::vector<PageRow>& page5() {
    static const std::vector<PageRow> rows{
        page.at(0, 36, 80, 3, "(1)"),   page.cont(0, 0, "(-4a)*5b"),
        page.at(0, 72, 140, 5, "=-20ab"),
        page.at(0, 36, 200, 3, "(2)"),  page.cont(0, 0, "3pq^2*2p"),
        page.at(0, 72, 260, 5, "=6p^2q^2"),
        page.at(0, 36, 320, 3, "(3)"),  page.cont(0, 0, "(-3a)^2"),
        page.at(0, 72, 380, 0, "=(-3a)*(-3a)"),
        page.at(0, 72, 440, 5, "=9a^2"),
        page.at(0, 396, 90, 3, "(4)"),  page.cont(0, 0, "5ab/ﾀ5/6ﾀa"),
        page.at(0, 432, 170, 0, "=5ab*ﾀ6/5aﾀ"),
        page.at(0, 432, 250, 0, "=ﾀ5ab*6/5aﾀ"),
        page.at(0, 432, 310, 5, "=6b"),
        page.at(0, 684, 30, 3, "(5)"),  page.cont(0, 0, "3x^2y/6xy"),
        page.at(0, 720, 110, 0, "=3x^2y*ﾀ1/6xyﾀ"),
        page.at(0, 720, 190, 0, "=ﾀ3*x*x*y/6*x*yﾀ"),
        page.at(0, 720, 270, 5, "=ﾀx/2ﾀ"),
        page.at(0, 684, 350, 3, "(6)"), page.cont(0, 0, "ab^2/b*4a"),
        page.at(0, 720, 430, 0, "=ﾀab^2*4a/bﾀ"),
        page.at(0, 720, 510, 0, "=ﾀa*b*b*4*a/bﾀ"),
        page.at(0, 720, 570, 5, "=4a^2b"),
    };
    return rows;
}

// Page 6: values after simplifying, at a = 2, b = -2.
const std::vector<PageRow>& page6() {
    static const std::vector<PageRow> rows{
        page.at(0, 36, 80, 3, "(1)"),  page.cont(0, 0, "2(4a-3b)-2(a+2b)"),
        page.at(0, 72, 140, 0, "=8a-6b-2a-4b"),
        page.at(0, 72, 200, 0, "=8a-2a-6b-4b"),
        page.at(0, 72, 260, 0, "=6a-10b"),
        page.at(0, 72, 320, 0, "　a=2,b=-2 を代入して"),
        page.at(0, 72, 380, 0, "=6*2-10*(-2)"),
        page.at(0, 72, 440, 0, "=12+20"),
        page.at(0, 72, 500, 5, "=32"),
        page.at(0, 612, 30, 3, "(2)"), page.cont(0, 0, "9ab^2/3b"),
        page.at(0, 648, 110, 0, "=ﾀ9ab^2/3bﾀ"),
        page.at(0, 648, 190, 0, "=ﾀ9*a*b*b/3*bﾀ"),
        page.at(0, 648, 250, 0, "=3ab"),
        page.at(0, 648, 310, 0, "　a=2,b=-2 を代入して"),
        page.at(0, 648, 370, 0, "=3*2*(-2)"),
        page.at(0, 648, 430, 5, "=-12"),
    };
    return rows;
}

}  // namespace

// Reads the pupil's choices; writes what the pages and the sub-menu write.
void RUN_LESSON_6(Program& g) { SHOW_LESSON6_MENU(g); }

// Reads the pupil's choice; writes SENTAKU, AINP (10 after the copy); clobbers the prompt band.
void SHOW_LESSON6_MENU(Program& g) {
    std::vector<std::function<void(Program&)>> pages;
    for (int n = 1; n <= 6; ++n) pages.push_back([n](Program& p) { SHOW_BASIC_PROBLEMS_PAGE(p, n); });
    lesson::run_submenu(g, "①　②　③　④　⑤　⑥　⑦終了", pages, true);
}

// Reads nothing; writes XI1 = 72, XI2, YI1, X, Y, CCC1..CCC3, HABA, TATE, A$, AA$; clobbers what DRAW_CELL
// clobbers.
void SHOW_BASIC_PROBLEMS_PAGE(Program& g, int n) {
    static const std::array<const std::vector<PageRow>& (*)(), 6> pages{page1, page2, page3, page4, page5, page6};
    lesson::clear_screen(g);
    g.XI1 = 72;
    g.YI1 = 30;
    lesson::title_cell(g, 72, 30, "P20(式 基本の問題)");
    g.XI2 = g.X;
    lesson::number_cell(g, g.XI2 + 44, 30, number_text(static_cast<float>(n)));
    g.XI2 = g.X;
    lesson::play_rows(g, pages.at(static_cast<size_t>(n - 1))());
}

}  // namespace cw::dorrith6
