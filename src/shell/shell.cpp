// Start-up, the main menu, the prompt band, number entry, page waits and the
// error screen.
#include "shell/shell.h"

#include <exception>

#include "exprstr/exprstr.h"
#include "typeset/typeset.h"

namespace cw {

namespace {

void fill_rel(Program& g, float x, float y, float w, float h, float c, float f) {
    g.pf.FILL(x, y, x + w, y + h, c, f);
}

// A program's name is a name, not maths: its letters are drawn as written,
// upright in the heading's gothic face, at the typesetter's cell advances
// (27 for a one-byte character, 34 for a full-width one).  Moves X.
void draw_name(Program& g, const std::string& name) {
    auto& pf = g.pf;
    pf.SETFONTNAME("ゴシック");
    pf.SETFONTSIZE(16);
    pf.SETFONTITALIC(0);
    pf.SETFONTBOLD(-1);
    for (const std::string& ch : split_chars(name)) {
        const bool wide = sj_width(ch) == 2;
        pf.SYMBOL(g.X, g.Y, wide ? 2 : 3, 3, g.CCC1, ch);
        g.X += wide ? 34 : 27;
    }
}

}  // namespace

void run_program(Program& g) {
    try {
        try {
            INITIALIZE_PROGRAM(g);
            for (;;) SHOW_MAIN_MENU(g);
        } catch (const RuntimeError& e) {
            REPORT_FATAL_ERROR(g, e.code(), e.site());
        } catch (const std::exception&) {
            // A fault of our own: shown the same way, never left to crash.
            REPORT_FATAL_ERROR(g, 51, 0);
        }
    } catch (const ProgramEnd&) {
    }
}

void INITIALIZE_PROGRAM(Program& g) {
    auto& pf = g.pf;
    pf.SETMAPMODE(1);
    pf.MAXIMIZEWINDOW();
    pf.SETFONTNAME("ｺﾞｼｯｸ");
    pf.SETFONTSIZE(16);
    pf.SETDRAWWIDTH(3);
    std::string t = pf.TIME_s();
    g.A = VAL(LEFT_s(t, 2)) + VAL(MID_s(t, 4, 2)) + VAL(RIGHT_s(t, 2));
    pf.RANDOMIZE(to_int(g.A));
    g.CCC1 = 4;
    g.KAIX = 1056;
    g.KAIY = 648;
    g.TITLE_s = g.info.title;
    g.SAIGO = 23;
    g.F_sa.DIM(40);
    g.F_a.DIM(40);
    g.T_sa.DIM(80);
    g.T_a.DIM(80);
    g.SFU_a.DIM(to_int(g.SAIGO));
    g.TANI_sa.DIM(6);
    g.TKAI_sa.DIM(5, 2);
    g.KKAI_sa.DIM(10);
    g.XW_a.DIM(5);
    g.YW_a.DIM(5);
    g.G_a.DIM(10, 2);
    g.X_a.DIM(40);
    g.Y_a.DIM(40);
    g.R_a.DIM(10);
    g.H_a.DIM(10);
    g.HH_a.DIM(10);
    g.X_sa.DIM(20);
    g.Y_sa.DIM(20);
    g.XX_a.DIM(5);
    g.YY_a.DIM(5);
    g.RAB_sa.DIM(10);
    g.RABM_sa.DIM(10);
    g.R1B_sa.DIM(10);
    g.U_a.DIM(40);
    g.V_a.DIM(40);
    if (g.info.letter_tables) {
        g.U_sa.DIM(20);
        g.V_sa.DIM(20);
    }
}

void SHOW_MAIN_MENU(Program& g) {
    CLEAR_WORK_AREA(g);
    clear_screen(g);
    fill_rel(g, 22, 10, 1320, 600, 15, 10);
    g.CCC1 = 15;
    g.X = 264;
    g.Y = 30;
    g.AA_s = "＜";
    DRAW_EXPRESSION_TEXT(g);
    draw_name(g, g.TITLE_s);
    g.AA_s = "　メニュー＞";
    DRAW_EXPRESSION_TEXT(g);
    for (int k = 1; k <= 8; ++k) {
        g.CCC1 = k % 2 == 1 ? 13 : 15;
        g.X = 44;
        g.Y = 120 + 60 * static_cast<float>(k - 1);
        g.AA_s = k == 8 ? "8　終了" : g.info.items[k - 1];
        DRAW_EXPRESSION_TEXT(g);
    }
    INPUT_MENU_NUMBER(g);
    CLEAR_MENU_PROMPT(g);
    if (g.AINP == 8) g.pf.END();
    if (g.AINP < 1 || g.AINP > 8) return;
    // A jump that names no lesson although the value passed the range test
    // redraws the menu.
    int n = g.info.menu_jump == MenuJump::WholeValue ? to_int(g.AINP) : to_int(VAL(g.AINP_s));
    if (n < 1 || n > 7) return;
    clear_screen(g);
    g.run_lesson(n);
}

void INPUT_MENU_NUMBER(Program& g) {
    g.CCC1 = 0;
    g.X = g.KAIX - 240;
    g.Y = g.KAIY;
    g.AA_s = "番号を入力して下さい。";
    PRINT_PROMPT_TEXT(g);
    INPUT_NUMBER(g);
    PARSE_ANSWER(g);
}

void CLEAR_MENU_PROMPT(Program& g) { fill_rel(g, g.KAIX - 240, g.KAIY - 8, 1056, 50, 15, 15); }

void PROMPT_FOR_NUMBER(Program& g) {
    g.CCC1 = 0;
    g.X = 16;
    g.Y = 666;
    PRINT_PROMPT_TEXT(g);
    INPUT_NUMBER(g);
    PARSE_ANSWER(g);
}

void CLEAR_PROMPT_LINE(Program& g) { g.pf.FILL(0, 657, 992, 720, 15, 15); }

void ASK_NEXT_STEP(Program& g) {
    g.DR = static_cast<float>(g.pf.GETDRAWWIDTH());
    g.pf.SETDRAWWIDTH(2);
    g.pf.FILL(96, 639, 400, 675, 13, 12);
    g.CCC1 = 9;
    g.X = 128;
    g.Y = 648;
    g.AA_s = "次のステップは１を入力。";
    PRINT_PROMPT_TEXT(g);
    INPUT_NUMBER(g);
    PARSE_ANSWER(g);
    fill_rel(g, g.KAIX - 48, g.KAIY - 9, 160, 27, 15, 15);
    g.pf.FILL(96, 639, 400, 675, 15, 15);
    g.pf.SETDRAWWIDTH(g.DR);
}

void INPUT_NUMBER(Program& g) {
    g.XX = g.KAIX;
    g.YY = g.KAIY;
    g.AINP_s.clear();
    g.CCC1 = 0;
    g.X = g.XX - 48;
    g.Y = g.YY;
    g.AA_s = "入力";
    PRINT_PROMPT_TEXT(g);
    READ_ENTRY_KEYS(g);
    fill_rel(g, g.KAIX - 48, g.KAIY - 8, 240, 30, 15, 15);
}

void READ_ENTRY_KEYS(Program& g) {
    auto dot = [&](float c) { g.pf.CIRCLE(g.XX + 8, g.YY + 8, 4, c, 0, 0, true, c); };
    for (;;) {
        dot(5);
        g.I_s = g.pf.INKEY();
        if (g.I_s.empty()) {
            dot(15);
            continue;
        }
        if (g.I_s == "\b" || g.I_s == "\x0c" || KLEN(g.AINP_s) > 9) {
            fill_rel(g, g.KAIX, g.KAIY - 8, 192, 30, 15, 15);
            g.AINP_s.clear();
            g.XX = g.KAIX;
            g.YY = g.KAIY;
            g.I_s.clear();
            continue;
        }
        if (g.I_s == "\r") {
            dot(15);
            return;
        }
        unsigned char k = static_cast<unsigned char>(g.I_s[0]);
        if (g.I_s.size() == 1 && k >= '-' && k <= '9') {
            dot(15);
            g.CCC1 = 5;
            g.A_s = g.I_s;
            g.X = g.XX;
            g.Y = g.YY;
            DRAW_CONVERTED_CHARS(g);
            g.XX = g.XT;
            g.AINP_s += g.I_s;
        }
    }
}

void PARSE_ANSWER(Program& g) {
    g.LEM = static_cast<float>(KLEN(g.AINP_s));
    g.N = static_cast<float>(KINSTR(g.AINP_s, "/"));
    if (g.N == 0) {
        g.AINP = VAL(g.AINP_s);
        return;
    }
    g.A_s = KLEFT_s(g.AINP_s, g.N - 1);
    g.B_s = KRIGHT_s(g.AINP_s, g.LEM - g.N);
    float divisor = VAL(g.B_s);
    // A typed zero divisor ("5/0", "3/", "/") reads as 0: a menu asks again
    // and a drill brings another problem.
    g.AINP = divisor == 0 ? 0.0f : DIV(VAL(g.A_s), divisor);
}

void WAIT_ANY_KEY(Program& g) {
    g.CCC0 = g.CCC1;
    g.DR = static_cast<float>(g.pf.GETDRAWWIDTH());
    g.pf.SETDRAWWIDTH(3);
    g.pf.FILL(96, 657, 400, 693, 13, 4);
    g.CCC1 = 9;
    g.X = 128;
    g.Y = 666;
    g.AA_s = "何かキーを押して下さい。";
    PRINT_PROMPT_TEXT(g);
    do {
        g.I_s = g.pf.INKEY();
    } while (g.I_s.empty());
    g.pf.FILL(0, 657, 400, 693, 15, 15);
    g.CCC1 = g.CCC0;
    g.pf.SETDRAWWIDTH(g.DR);
}

void CLEAR_WORK_AREA(Program& g) { g.pf.FILL(0, 54, 1440, 900, 15, 15); }

void clear_screen(Program& g) { fill_rel(g, 0, 0, 1760, 1800, 15, 15); }

void REPORT_FATAL_ERROR(Program& g, int code, int site) {
    g.pf.CLS();
    g.A = static_cast<float>(site);
    g.A_s = STR_s(g.A);
    g.B = static_cast<float>(code);
    g.B_s = STR_s(g.B);
    // Drawn in the gothic face at size 16, whatever a lesson left selected.
    g.pf.SETFONTNAME("ゴシック");
    g.pf.SETFONTSIZE(16);
    g.pf.SETFONTBOLD(0);
    g.pf.SETFONTITALIC(0);
    g.pf.SYMBOL(288, 432, 1, 1, 13, g.A_s + "," + g.B_s + "エラーが発生しました。マウスで×をクリックして下さい。");
    g.pf.IDLE_FOREVER(code, site);
}

}  // namespace cw
