// Cancellation strokes: how a struck factor's stroke slants, the reduced
// value written over or under it, and, as plain computations, where the
// strokes over a written-out fraction go.
//
// Kelvane strikes numbers on a line and a fraction's denominator with a
// stroke rising to the right from below; Dorrith strikes the factors of a
// fraction written out factor by factor ("ﾀ12*a*b*b/2*a*bﾀ") with a stroke
// falling to the right from the factor's anchor, one above the numerator's
// line or one below the denominator's (FractionAnchors::numerator_strike,
// denominator_strike), often kept in X(k), Y(k) between stages.
//
// A written-out letter string is "*" and one letter by turns ("*a*b*b"); in
// the fraction-part style a digit or letter advances 32 and "*" 38.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "lessons/marks.h"
#include "platform/display.h"
#include "state/program.h"

namespace cw::lesson {

// ---- stroke rules ----------------------------------------------------------------------

// How a struck factor is marked.
struct StrokeRule {
    float pitch;  // units across per struck character
    float rise;   // height of the stroke
};
constexpr StrokeRule kNumberStroke{27, 40};            // a coefficient on a line of normal-size text
constexpr StrokeRule kWideNumberStroke{32, 46};        // a coefficient struck 32 a character, 46 high
constexpr StrokeRule kDenominatorStroke{27, 28};       // a fraction's denominator, 27 a character
constexpr StrokeRule kSmallDenominatorStroke{32, 28};  // a fraction's denominator, 32 a character
constexpr StrokeRule kFactorStroke{32, 28};            // a factor inside a written-out fraction

// How a value beside a stroke is drawn.
enum class Drawer { Typeset, Plain };

// ---- where a reduced value goes ------------------------------------------------------------------

// What a reduced value keeps clear of, in units between inks: its stroke, so that it does not read as
// the stroke's end; any other text; and a text level with it, by a word's space, so that it does not read
// as part of that text.
constexpr float kValueFromStroke = 6;
constexpr float kValueFromText = 3;
constexpr float kValueBesideText = 12;
// How far a value may move from the place the scripts give it: across, and up or down.
constexpr int kValueReachAcross = 32;
constexpr int kValueReachUpDown = 16;

// A stroke as drawn: a line from one end to the other at a pen width, with round ends.
struct StrokeInk {
    Anchor from, to;
    float width = 5;
};

// How far a reduced value moves from the place the scripts give it, where its ink would cover `ink`: the
// nearest offset in whole units, at most kValueReachAcross across and kValueReachUpDown up or down, that
// keeps its ink kValueFromStroke from the stroke's, kValueFromText from each box of `others` (other texts'
// ink) and kValueBesideText from one that stands level with it (beside it over half its height).  Of
// offsets as near, the smaller move across goes first, then up before down, then left before right.  Where
// none clears everything, the nearest that clears the stroke.  Reads and writes nothing.
Anchor value_offset(const Bounds& ink, const StrokeInk& stroke, const std::vector<Bounds>& others);

// Draws a reduced value by `draw` at the place value_offset gives from `at`: what the value would cover
// drawn at `at` is asked of the platform (Platform::covers), and the texts the screen shows are its
// neighbours (Platform::text_ink_within).  Writes and clobbers what `draw` does.
void place_value(Program& g, const StrokeInk& stroke, Anchor at, const std::function<void(Program&, Anchor)>& draw);

// ---- rising strokes: numbers on a line and denominators ---------------------------------------

// Strikes a number on a line: a stroke in colour 3 rising from (at.x, at.y + rise) to (at.x + pitch * chars,
// at.y), then `reduced` in colour 3 over it (nothing when empty), in the fraction parts' smaller digits,
// placed by place_value from (at.x, at.y - 30).  The cursor is not moved.  Writes CCC1, X, Y, AA_s; clobbers
// what DRAW_EXPRESSION_TEXT clobbers.
void strike_number(Program& g, Anchor at, int chars, const std::string& reduced, StrokeRule rule = kNumberStroke);
// Strikes a denominator whose text's top left is `at` (the fraction's TBBOYAKX, TBBOYAKY): a stroke in
// colour 3 rising from (at.x, at.y + 28) to (at.x + pitch * chars, at.y), then "1" in colour 3 under it, by
// the typesetter or the plain drawer, placed by place_value from (at.x, at.y + 28).  Cursor untouched;
// writes CCC1, X, Y, AA_s; clobbers what the drawer clobbers.
void strike_denominator(Program& g, Anchor at, int chars, StrokeRule rule = kDenominatorStroke,
                        Drawer drawer = Drawer::Typeset);

// A product's cancellation: a number on the line struck with its reduced value over it, then the
// fraction's denominator struck with "1" under it.
struct ProductCancel {
    Anchor number;                                // the number's start on the line
    int number_chars = 0;                         // characters struck
    std::string reduced;                          // written over the number ("" for nothing)
    StrokeRule number_rule = kNumberStroke;
    Anchor denominator;                           // the denominator text's top left (TBBOYAKX, TBBOYAKY)
    int denominator_chars = 0;                    // characters struck
    StrokeRule denominator_rule = kDenominatorStroke;
    Drawer denominator_drawer = Drawer::Typeset;  // how its "1" is drawn
};
// strike_number, then strike_denominator, as `c` says.  Cursor untouched; writes CCC1, X, Y, AA_s; clobbers
// what the drawers clobber.
void cancel_product(Program& g, const ProductCancel& c);

// ---- falling strokes: the factors of a written-out fraction ------------------------------------

// Strikes a factor from its anchor: a stroke in colour 3 from `at` to (at.x + pitch * chars, at.y + rise).
// Draws nothing else, writes nothing.
void strike_factor(Program& g, Anchor at, int chars, StrokeRule rule = kFactorStroke);
// The same from the anchor kept in slot k, (X(k), Y(k)), across `chars` characters (a whole number).
void strike_factor(Program& g, int k, float chars = 1);
// The reduced value over a numerator factor struck from `at` (`chars` wide, by `rule`): `text` in colour 3,
// in the fraction parts' smaller digits, placed by place_value from (at.x, at.y - 38).  Cursor untouched;
// writes CCC1, X, Y, AA_s; clobbers what DRAW_EXPRESSION_TEXT clobbers.
void value_above(Program& g, Anchor at, const std::string& text, int chars = 1, StrokeRule rule = kFactorStroke);
void value_above(Program& g, int k, const std::string& text, float chars = 1);
// The reduced value under a denominator factor struck from `at`: `text` in colour 3, in ordinary digits,
// placed by place_value from (at.x, at.y + 32).  As above.
void value_below(Program& g, Anchor at, const std::string& text, int chars = 1, StrokeRule rule = kFactorStroke);
void value_below(Program& g, int k, const std::string& text, float chars = 1);
// A cancelled pair at kept anchors, denominator first: the stroke at slot `den` and its value under it, then
// the stroke at slot `num` (`num_chars` wide) and its value over it.
void cancel_pair(Program& g, int den, const std::string& den_value, int num, const std::string& num_value,
                 float num_chars = 1);

// ---- where the strokes go ----------------------------------------------------------------------

// Left edge of the character at 1-based position k of a written-out letter string, from the string's left
// edge (the letters stand at 2, 4, 6, ...: 38, 108, 178, ...).
float letter_offset(int k);

// The struck factors of one letter written out as factors (letter_factors: "*a*a*a"), whose string starts at
// `start`: when the letter stands on both sides of the fraction (exponents `here` and `there` above 0), the
// smaller exponent's count of them, leftmost first; else none.
int struck_factor_count(float here, float there);
// The anchor of the i-th (1-based) letter of that string.
Anchor letter_factor_anchor(Anchor start, float i);

// One walked letter struck with its partner: the left edges of both.
struct LetterPair {
    float walked_x;
    float partner_x;
};
// Walking the letters of `walked` (standing at x `walked_x`) against `searched` (at `searched_x`): every walked
// letter takes the leftmost letter of `searched` equal to it and not yet taken; a letter without one is passed.
struct LetterPairing {
    std::vector<LetterPair> pairs;  // in walking order
    std::string searched;           // `searched` with every taken letter replaced by "0"
    float walked_end = 0;           // x past the last walked character
};
// Nothing is walked when either string is empty.
LetterPairing pair_letters(const std::string& walked, float walked_x, const std::string& searched, float searched_x);

// Widths (fraction-part style) of the factor texts of a written-out fraction of three factors: the numerator's
// coefficient and letters, the denominator's coefficient and letters, the third factor's coefficient.
struct FactorWidths {
    float w[6] = {0, 0, 0, 0, 0, 0};  // w[1]..w[5]
};
// Where the six factor texts stand: at[1] and at[3] are the numerator's and denominator's anchors; at[2],
// at[4], at[5], at[6] follow from the widths.  The third factor stands behind a "*" (38) after the first
// factor of the numerator when `third_in_numerator`, else of the denominator.
struct FactorPositions {
    Anchor at[7];
};
FactorPositions factor_positions(Anchor numerator, Anchor denominator, const FactorWidths& w,
                                 bool third_in_numerator);

}  // namespace cw::lesson
