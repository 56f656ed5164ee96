// Marks over typeset lines: where a drawn fraction lies, measuring without
// drawing, and dotted distribution arcs from a factor to its terms (the
// cancellation strokes are strokes.h).
//
// The anchors come from what the typesetter leaves for the last fraction it
// drew (XT, YT, NAGA, TBSI1, TBBO1, BSEN, TBSIYAKX/Y, TBBOYAKX/Y); every later
// text that holds a fraction overwrites them, measuring included, so a lesson
// copies them right after the text whose fraction it marks.
#pragma once
#include <string>

#include "lessons/toolkit.h"
#include "state/program.h"

namespace cw::lesson {

// A point of the screen where a mark goes (the lessons keep theirs in U()/V() or X()/Y()).
struct Anchor {
    float x = 0, y = 0;
    Anchor right(float dx) const { return {x + dx, y}; }
    Anchor up(float dy) const { return {x, y - dy}; }
    Anchor down(float dy) const { return {x, y + dy}; }
    bool operator==(const Anchor&) const = default;
};

// Anchors kept in the point tables, as the scripts keep a stroke's start between stages: X(k) = a.x,
// Y(k) = a.y.  Writes X_a(k), Y_a(k).
void keep_anchor(Program& g, int k, Anchor a);
// The anchor kept in slot k: (X(k), Y(k)).  Reads X_a(k), Y_a(k).
Anchor kept_anchor(const Program& g, int k);

// ---- fraction anchors ------------------------------------------------------

// The layout of one stacked fraction, as the typesetter left it.
struct FractionAnchors {
    float xt = 0, yt = 0;      // XT, YT: the pen where the fraction began
    float naga = 0;            // NAGA: bar length, the wider part's width
    float tbsi1 = 0, tbbo1 = 0;  // TBSI1, TBBO1: the numerator's and denominator's indent under the bar
    float bsen = 0;            // BSEN: y of the bar (YT + 25)
    Anchor numerator;           // (TBSIYAKX, TBSIYAKY): top left of the numerator's text
    Anchor denominator;         // (TBBOYAKX, TBBOYAKY): top left of the denominator's text

    // Start of a stroke over the numerator's factor that begins dx into the
    // numerator's text: (XT + TBSI1 + dx, BSEN - 36), one above the numerator's line.
    Anchor numerator_strike(float dx = 0) const { return {xt + tbsi1 + dx, bsen - 36}; }
    // The same under the bar: (XT + TBBO1 + dx, BSEN + 4), one below the denominator's line.
    Anchor denominator_strike(float dx = 0) const { return {xt + tbbo1 + dx, bsen + 4}; }
    bool operator==(const FractionAnchors&) const = default;
};

// Reads the anchors of the last fraction drawn (XT, YT, NAGA, TBSI1, TBBO1, BSEN, TBSIYAKX/Y, TBBOYAKX/Y);
// writes and clobbers nothing.
FractionAnchors fraction_anchors(const Program& g);

// Draws `code` in colour c at (x, y) as put() does (keep as given) and returns the anchors of its last
// fraction, copied at once.  Clobbers what DRAW_EXPRESSION_TEXT clobbers.
FractionAnchors put_fraction(Program& g, float x, float y, float c, const std::string& code, Keep keep = Keep::Pen);

// ---- measuring without drawing -------------------------------------------------

// Width of `code` as DRAW_EXPRESSION_TEXT would draw it in the current BUN style: A_s = code,
// MEASURE_EXPRESSION_TEXT, returns LLT.  Writes A_s, LLT; clobbers AA_s, DR, the typesetter's working
// variables and, for a text with a fraction, the fraction anchors (off-screen values).
float measure(Program& g, const std::string& code);
// The same in the fraction-part style: BUN = 1, measure, BUN = 0.  Writes BUN = 0 besides.
float measure_small(Program& g, const std::string& code);

// Where a text would go if it were drawn at (x, y), found without drawing anything visible.
struct TextLayout {
    float end_x = 0;            // the pen x after the text (x + its width)
    bool has_fraction = false;  // the text holds a stacked fraction
    FractionAnchors last;       // its last fraction's anchors, as a draw at (x, y) would leave them
};
// Lays `code` out as if drawn at (x, y): measures it with MEASURE_EXPRESSION_TEXT (which typesets it
// below the visible area) and moves the anchors it left from there to (x, y).  Reads BUN; writes A_s, LLT
// and the fraction anchors (to the off-screen values); clobbers AA_s, DR and the typesetter's working
// variables.  X, Y, CCC1 are as before.
TextLayout layout_text(Program& g, float x, float y, const std::string& code);

// Draws a fraction's bar where the typesetter would: draw width 4, a line in colour c from (x, bar_y) to
// (x + length, bar_y) (for a laid-out fraction: xt, bsen, naga), then the width that was in force.  Writes
// nothing.
void draw_fraction_bar(Program& g, float x, float bar_y, float length, float c);
// Draws one part of a fraction (its text's top left `at`, numerator or denominator) in the fraction-part
// style: BUN = 1, DRAW_EXPRESSION_TEXT in colour c keeping the cursor as `keep` says, BUN = 0.  Writes CCC1,
// X, Y, AA_s, BUN and what `keep` names; clobbers what DRAW_EXPRESSION_TEXT clobbers.
void draw_fraction_part(Program& g, Anchor at, const std::string& code, float c, Keep keep = Keep::None);

// ---- distribution and dimension arcs ---------------------------------------------

// An arc of DRAW_DIMENSION_ARC: every input it reads, so that a call never picks up a leftover.
struct Arc {
    Anchor from, to;        // ZX0, ZY0 and ZX1, ZY1 (must differ)
    float height = 1;      // TAKASA: 0 < h < 16 counts steps of 16 units; 16 or more units; < 0 |h| units
    float colour = 0;      // CCC2, the dots
    float side = -1;       // HOUKOU: -1 above a segment drawn left to right, 1 below it
    float step = 1;        // HABA: degrees between two dots
    std::string label;     // AAA_s ("" for none)
    float label_colour = 0;  // CCC1 (read only with a label)
    float label_dx = 0, label_dy = 0;  // AAAX, AAAY
};
// Draws the arc: sets ZX0, ZY0, ZX1, ZY1, TAKASA, HOUKOU, HABA, CCC2, AAA_s, AAAX, AAAY, MU_DO = 0 (and CCC1
// when it has a label), then DRAW_DIMENSION_ARC.  Clobbers what DRAW_DIMENSION_ARC leaves: ZX0..ZY2,
// ZX11..ZY12, TAKASA (in units), RR, H, II, HH, HHP, R, D1, D2, CX, CY, ZX3, ZY3, ZX, ZY, PI, X, Y, ITI,
// NAGASA; AAA_s, AAAX, AAAY, MU_DO end empty or 0.
void draw_arc(Program& g, const Arc& arc);
// The lessons' distribution arc, dotted a degree apart with no label: draw_arc with side -1 (above a
// left-to-right line) and step 1.  Same reads, writes and clobbers as draw_arc.
void distribution_arc(Program& g, Anchor from, Anchor to, float height, float colour, float side = -1);

}  // namespace cw::lesson
