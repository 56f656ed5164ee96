// Program-wide variables of the figure routines that no other subsystem names.
// All start at 0 or empty.  Names ending in _s are string variables.
#pragma once
#include <string>

namespace cw {

struct FigureVars {
    // The circle constant of the figures, stored by the angle routines and
    // the square grid.
    float PI = 0;

    // Points of a figure: a vertex or first point, arm ends, and results.
    float ZX0 = 0, ZY0 = 0, ZX1 = 0, ZY1 = 0, ZX2 = 0, ZY2 = 0, ZX3 = 0, ZY3 = 0, ZX4 = 0, ZY4 = 0,
          ZX5 = 0, ZY5 = 0, ZX = 0, ZY = 0, ZX11 = 0, ZY11 = 0, ZX12 = 0, ZY12 = 0;

    // Directions, turn fractions and the marked angle.
    // iti: position (ichi); hh*: directions (houkou); kakudo: angle.
    float ITI = 0, HH1 = 0, HH2 = 0, HH3 = 0, HH4 = 0, HH5 = 0, HHP = 0, HH = 0;
    std::string KAKUDO_s;

    // Point labels.
    std::string AAA_s;
    float AAAX = 0, AAAY = 0, NAGASA = 0, MU_DO = 0;  // nagasa: distance; mu_do: a label nudge

    // Angle marks.
    float HONSU = 0, NAGASA1 = 0, II = 0;  // honsu: how many arcs (hon); ii: the loop counter

    // Dimension arcs and the half-ellipse point.
    float HOUKOU = 0, RR = 0, D1 = 0, D2 = 0, KAKUDO = 0;  // houkou: side of the bulge; kakudo: angle

    // Square grid and plot frame.
    float GGX = 0, GGY = 0, SIZE = 0, YOKO = 0;  // yoko: across
    float GX0 = 0, GY0 = 0, GX1 = 0, GY1 = 0, GX2 = 0, GY2 = 0;

    // Polygons.
    float KAKU = 0, SIZE1 = 0, KJ1 = 0, KJ2 = 0, KJ3 = 0, TII = 0;  // kaku: corners; kj: vertex scratch

    // Segments, directions and marks.
    float AX = 0, AY = 0, BX = 0, BY = 0, CX = 0, CY = 0, DX = 0, DY = 0, EX = 0, EY = 0;
    float BX1 = 0, BY1 = 0, AX1 = 0, AY1 = 0, AX2 = 0, AY2 = 0, AIDA = 0, AIDA1 = 0;  // aida: gap

    // Slopes and intercepts of lines; the plane's extents.
    float AA1 = 0, BB1 = 0, AA2 = 0, BB2 = 0, A1 = 0, B1 = 0, A2 = 0, B2 = 0;

    // Coordinate plane and plotted points.
    // bai: scale (times); nasi: none; kasanari: overlap.
    float BAIX = 0, BAIY = 0, NASI = 0, XG = 0, YG = 0, GX = 0, GY = 0, KASANARIX = 0, KASANARIY = 0;

    // Scaled axis labels.
    float P1 = 0, P2 = 0;
    std::string P1_s, P2_s;

    // Function graphs.
    float IROIRO = 0, AA = 0, BB = 0, CC = 0, GX5 = 0, GY5 = 0;  // iroiro: which kind of graph

    // Arrows and slope triangles.
    float MUKI = 0, YA = 0, GX3 = 0, GY3 = 0, GX4 = 0, GY4 = 0;  // muki: facing; ya: arrow head
    std::string HYOUJI_s;                                      // hyouji: the shown label

    // Number routines.
    // sosu: prime (sosuu); kosuu: how many.
    float R1A = 0, R1B = 0, R1B1 = 0, R1I = 0, SOSU = 0, SOSU1 = 0, TJ = 0, KOSUU = 0;
    std::string R1A_s, R1B_s, RAB_s, RABM_s, R1A1_s;
};

}  // namespace cw
