// The program-wide variables shared by the shell, the typesetter, the
// expression-string routines and every lesson.  All start at 0 or empty.
// A name ending in _s is a string variable, _a a numeric array, _sa a string
// array.
#pragma once
#include <string>

#include "platform/array.h"

namespace cw {

struct CoreVars {
    // Single letters: pens X, Y and the scratch every script uses.
    float A = 0, B = 0, C = 0, D = 0, E = 0, F = 0, G = 0, H = 0, I = 0, J = 0, K = 0, L = 0, N = 0,
          O = 0, P = 0, Q = 0, R = 0, S = 0, T = 0, U = 0, V = 0, W = 0, X = 0, Y = 0, Z = 0;
    std::string A_s, B_s, C_s, D_s, E_s, F_s, G_s, H_s, I_s, J_s, K_s, L_s, M_s, N_s, O_s, P_s, Q_s, R_s,
        S_s, T_s, U_s, V_s, W_s, X_s, Y_s, Z_s;

    // Shell.
    float CCC0 = 0, CCC1 = 0, CCC2 = 0, CCC3 = 0;  // colours; CCC1 the pen's
    float KAIX = 0, KAIY = 0;                      // kai(tou): where answers are typed
    std::string TITLE_s;
    std::string AINP_s;                            // the typed answer's text
    float AINP = 0;                                // its value
    float SENTAKU = 0;                             // sentaku: the chosen item
    float NO = 0, NO1 = 0;                         // number: table row, problem counter
    float XX = 0, YY = 0;                          // the entry's echo pen
    float DR = 0;                                  // a draw width kept for restoring
    std::string AA_s;                              // the text to draw
    float SAIGO = 0;                               // saigo: the last (slot of SFU())

    // Layout cursor of the lesson scripts.
    float XI0 = 0, XI1 = 0, XI2 = 0, XI3 = 0, YI1 = 0;
    float XI = 0, YI = 0;  // II, the lessons' loop counter, is the figures' (FigureVars)

    // Two-panel lesson steps: the panel edges and the box a drill works in.
    // hidari/migi/ue/sita: left, right, top, bottom; kara/made: from, to.
    float HIDARI = 0, MIGI = 0, UE = 0, SITA = 0, XKARA = 0, YKARA = 0, XMADE = 0, YMADE = 0;

    // Typesetter state and scratch.
    // bun(suu): inside a fraction; jyou: an exponent follows (jyouk: of a
    // bracket); hroot: under a root's bar; txm: the bar's end.
    float BUN = 0, JYOU = 0, JYOUK = 0, HROOT = 0, TXM = 0;
    // lem: length of the entry; tx, ty: the glyph pen; nag(asa): a length;
    // ta*: glyph scratch.
    float LEM = 0, TX = 0, TY = 0, NAG = 0, TA1 = 0, TA2 = 0, TA3 = 0, TA5 = 0, TA6 = 0;
    std::string AA_A_s;

    // Fraction anchors.
    // xt, yt: the fraction's corner; tbsi/tbbo: start of the numerator
    // (bunshi) and denominator (bunbo); naga(sa): the bar's length; bsen:
    // the bar (bunsen); *yak x/y: where a cancelled (yakubun) value goes.
    float XT = 0, YT = 0, TBSI = 0, TBBO = 0, NAGA = 0, TBSI1 = 0, TBBO1 = 0, BSEN = 0;
    float TBSIYAKX = 0, TBSIYAKY = 0, TBBOYAKX = 0, TBBOYAKY = 0;
    std::string RTASKAI1_s, RTASKAI2_s;  // r(oot) tas(u) kai: the root sum's answer parts

    // Measuring, cells and column layout.
    float LLT = 0, HABA = 0, TATE = 0;  // llt: measured width; haba: width; tate: height
    float X1 = 0, X2 = 0, X3 = 0, X4 = 0, Y1 = 0, Y2 = 0, Y3 = 0;
    float LT = 0, LT1 = 0, LT2 = 0, N1 = 0, TAKASA = 0;  // takasa: height
    std::string MOTOA_s, ENZAN_s;                      // moto: the original text; enzan: the operation
    std::string A1_s, A2_s, A21_s, A3_s, A31_s;

    // Converted-character drawer and the character code table.
    float LE = 0;
    std::string HENK_s, HENK1_s, HENK2_s, HENK3_s;  // henk(an): converted characters

    // Fraction formatting.
    // ds/db: numerator (bunshi) and denominator (bunbo); yak(ubun): how the
    // reduction came out; tkai: the answer (kai) texts.
    float DS = 0, DB = 0, DS1 = 0, DB1 = 0, YAK = 0, YAK1 = 0, E1 = 0, E2 = 0, LB8 = 0;
    std::string DS1_s, DA1_s, DS_s, DB_s, FDS1_s, TKAI1_s, TKAI2_s;

    // String routines.
    std::string X8_s, X9_s;
    float KB8 = 0, IB8 = 0;

    // Cancellation marks: lengths of the walked and the searched letter strings.
    float LEM1 = 0, LEM2 = 0;

    // Arrays, dimensioned by start-up.
    // sfu: signs (fugou); tani: units (tan'i); kkai: answers (kai); rab,
    // rabm, r1b: root and divisor texts.
    NumArray T_a, F_a, X_a, Y_a, U_a, V_a, G_a, R_a, H_a, HH_a, SFU_a, XW_a, YW_a, XX_a, YY_a;
    StrArray T_sa, F_sa, X_sa, Y_sa, RAB_sa, RABM_sa, R1B_sa, TKAI_sa, KKAI_sa, TANI_sa, U_sa, V_sa;
};

}  // namespace cw
