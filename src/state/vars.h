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
    float CCC0 = 0, CCC1 = 0, CCC2 = 0, CCC3 = 0;
    float KAIX = 0, KAIY = 0;
    std::string TITLE_s;
    std::string AINP_s;
    float AINP = 0, SENTAKU = 0, NO = 0, NO1 = 0;
    float XX = 0, YY = 0;
    float DR = 0;
    std::string AA_s;
    float SAIGO = 0;

    // Layout cursor of the lesson scripts.
    float XI0 = 0, XI1 = 0, XI2 = 0, XI3 = 0, YI1 = 0;
    float XI = 0, YI = 0;  // II, the lessons' loop counter, is the figures' (FigureVars)

    // Two-panel lesson steps: the panel edges and the box a drill works in.
    float HIDARI = 0, MIGI = 0, UE = 0, SITA = 0, XKARA = 0, YKARA = 0, XMADE = 0, YMADE = 0;

    // Typesetter state and scratch.
    float BUN = 0, JYOU = 0, JYOUK = 0, HROOT = 0, TXM = 0;
    float LEM = 0, TX = 0, TY = 0, NAG = 0, TA1 = 0, TA2 = 0, TA3 = 0, TA5 = 0, TA6 = 0;
    std::string AA_A_s;

    // Fraction anchors.
    float XT = 0, YT = 0, TBSI = 0, TBBO = 0, NAGA = 0, TBSI1 = 0, TBBO1 = 0, BSEN = 0;
    float TBSIYAKX = 0, TBSIYAKY = 0, TBBOYAKX = 0, TBBOYAKY = 0;
    std::string RTASKAI1_s, RTASKAI2_s;

    // Measuring, cells and column layout.
    float LLT = 0, HABA = 0, TATE = 0;
    float X1 = 0, X2 = 0, X3 = 0, X4 = 0, Y1 = 0, Y2 = 0, Y3 = 0;
    float LT = 0, LT1 = 0, LT2 = 0, N1 = 0, TAKASA = 0;
    std::string MOTOA_s, ENZAN_s;
    std::string A1_s, A2_s, A21_s, A3_s, A31_s;

    // Converted-character drawer and the character code table.
    float LE = 0;
    std::string HENK_s, HENK1_s, HENK2_s, HENK3_s;

    // Fraction formatting.
    float DS = 0, DB = 0, DS1 = 0, DB1 = 0, YAK = 0, YAK1 = 0, E1 = 0, E2 = 0, LB8 = 0;
    std::string DS1_s, DA1_s, DS_s, DB_s, FDS1_s, TKAI1_s, TKAI2_s;

    // String routines.
    std::string X8_s, X9_s;
    float KB8 = 0, IB8 = 0;

    // Arrays, dimensioned by start-up.
    NumArray T_a, F_a, X_a, Y_a, U_a, V_a, G_a, R_a, H_a, HH_a, SFU_a, XW_a, YW_a, XX_a, YY_a;
    StrArray T_sa, F_sa, X_sa, Y_sa, RAB_sa, RABM_sa, R1B_sa, TKAI_sa, KKAI_sa, TANI_sa, U_sa, V_sa;
};

}  // namespace cw
