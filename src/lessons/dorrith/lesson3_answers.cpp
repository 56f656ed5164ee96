// Lesson 3, step ⑤: the answer pages of the textbook's 問3 and 問4.
#include "lessons/dorrith/lesson3.h"
#include "lessons/dorrith/division.h"
#include "shell/shell.h"

namespace cw::dorrith3 {

using namespace dorrith;

namespace {

enum class Kind {
    Erase,    // the whole window, then width 5 (the first time)
    At,       // text at (x, y)
    After,    // text at the pen where the last one ended (XI2, YI1)
    Crossed,  // a written-out fraction after the pen, with X(0) and its first anchors
    Strokes,  // the cancellation of the fraction just drawn (row of CANCELS)
};

struct Element {
    int wait;  // drawn after this many key presses of the page
    Kind kind;
    float colour;
    const char* text;
    float x = 0, y = 0;  // Kind::At; Kind::Strokes: x is the row of CANCELS
};

// Items (1) and (2): a stroke over the numerator's first factor (w wide) and
// its second (the first factor and a "×" further right), over the
// denominator's first and second (70 apart); the values over and under them.
struct Cancel {
    float first_w;
    const char* values[4];  // numerator 1, numerator 2, denominator 1, denominator 2
};
const Cancel CANCELS[] = {
    {32, {"2", "1", "1", "1"}},  // 6ab/3a: 6 and a over 3 and a
    {64, {"2", "1", "1", "1"}},  // (-10xy)×2/5x: 10 and x over 5 and x
};

void cancel(Program& g, const Cancel& c) {
    anchor_after(g, 1, c.first_w + 38);
    anchor_after(g, 11, 32 + 38);
    strike(g, 1, c.first_w / 32);
    strike(g, 2);
    strike(g, 11);
    strike(g, 12);
    value_over(g, 1, c.values[0]);
    value_over(g, 2, c.values[1]);
    value_under(g, 11, c.values[2]);
    value_under(g, 12, c.values[3]);
}

const Element PAGES[] = {
    {0, Kind::Erase, 15, ""},
    {0, Kind::At, 3, "問3 解答", 108, 30},
    {1, Kind::At, 3, "(1)", 36, 90},
    {1, Kind::After, 0, " 6ab/3a"},
    {2, Kind::At, 0, "=ﾀ6ab/3aﾀ", 108, 170},
    {3, Kind::At, 0, "=", 108, 290},
    {3, Kind::Crossed, 0, "ﾀ6*a*b/3*aﾀ"},
    {3, Kind::Strokes, 3, "", 0},
    {3, Kind::At, 5, "=2b", 108, 410},
    {4, Kind::At, 3, "(2)", 324, 90},
    {4, Kind::After, 0, " (-10xy)/ﾀ5/2ﾀx"},
    {5, Kind::At, 0, "=-10xy*ﾀ2/5xﾀ", 396, 170},
    {6, Kind::At, 0, "=-", 396, 290},
    {6, Kind::Crossed, 0, "ﾀ10*x*y*2/5*xﾀ"},
    {6, Kind::Strokes, 3, "", 1},
    {6, Kind::At, 5, "=-4y", 396, 410},
    {7, Kind::At, 3, "(3)", 792, 30},
    {7, Kind::After, 0, " 8x^2/(-6x)"},
    {8, Kind::At, 0, "=-ﾀ8x^2/6xﾀ", 864, 110},
    {9, Kind::At, 0, "=-ﾀ8*x*x/6*xﾀ", 864, 190},
    {9, Kind::At, 5, "=-ﾀ4/3ﾀx", 864, 270},
    {10, Kind::At, 3, "(4)", 792, 330},
    {10, Kind::After, 0, " (-4xy^2)/ﾀ1/2ﾀxy"},
    {11, Kind::At, 0, "=(-4xy^2)*ﾀ2/xyﾀ", 864, 410},
    {12, Kind::At, 0, "=-ﾀ4*x*y*y*2/x*yﾀ", 864, 490},
    {12, Kind::At, 5, "=-8y", 864, 570},
    {13, Kind::Erase, 15, ""},
    {13, Kind::At, 3, "問3 解答", 108, 30},
    {13, Kind::At, 3, "(5)", 36, 90},
    {13, Kind::After, 0, " ﾀ2/3ﾀb^2c/ﾀ5/6ﾀbc^2"},
    {14, Kind::At, 0, "=ﾀ2b^2c/3ﾀ*ﾀ6/5bc^2ﾀ", 108, 170},
    {15, Kind::At, 0, "=ﾀ2*b*b*c*6/3*5*b*c*cﾀ", 108, 250},
    {15, Kind::After, 5, "=ﾀ4b/5cﾀ"},
    {16, Kind::At, 3, "(6)", 36, 340},
    {16, Kind::After, 0, " (-9xy)/(-3xy)"},
    {17, Kind::At, 0, "=ﾀ9xy/3xyﾀ", 108, 420},
    {18, Kind::At, 0, "=ﾀ9*x*y/3*x*yﾀ", 108, 500},
    {18, Kind::At, 5, "=3", 108, 580},
    {19, Kind::At, 3, "問4 解答", 684, 30},
    {19, Kind::At, 5, "ﾀ2/5aﾀをかけなければならないのに、", 684, 90},
    {19, Kind::At, 5, "ﾀ2/5ﾀaをかけている。", 684, 170},
    {19, Kind::At, 0, " 2ab^2/ﾀ5/2ﾀa", 684, 250},
    {19, Kind::At, 0, "=2ab^2*ﾀ2/5aﾀ", 684, 330},
    {19, Kind::At, 0, "=ﾀ2*a*b*b*2/5*aﾀ", 684, 410},
    {19, Kind::After, 5, "=ﾀ4/5ﾀb^2"},
};

}  // namespace

// Reads nothing; writes the screen, XI2, YI1, X(0..2), Y(1..2), X(11..12), Y(11..12); leaves width 5.
void SHOW_ANSWERS_Q3_Q4(Program& g) {
    int waits = 0;
    bool width_set = false;
    for (const Element& e : PAGES) {
        for (; waits < e.wait; ++waits) WAIT_ANY_KEY(g);
        switch (e.kind) {
            case Kind::Erase:
                lesson::clear_screen(g);
                if (!width_set) g.pf.SETDRAWWIDTH(5);
                width_set = true;
                break;
            case Kind::At:
                lesson::put(g, e.x, e.y, e.colour, e.text);
                break;
            case Kind::After:
                lesson::cont(g, e.colour, e.text);
                break;
            case Kind::Crossed:
                written_out(g, e.text);
                break;
            case Kind::Strokes:
                cancel(g, CANCELS[static_cast<int>(e.x)]);
                break;
        }
    }
}

}  // namespace cw::dorrith3
