// The figures of lesson 6 described as parts between numbered points
// (X(i), Y(i)): lines, dimension arcs and labels, drawn in order, each part
// naming its two points in a pair of the script's variables first.
#pragma once
#include <span>

#include "state/program.h"

namespace cw::sarnoth {

// What a part draws.
enum class Piece { Line, Arc, Label };
struct FigurePart {
    Piece piece;
    int from, to;                          // points; a label stands at point `from` moved by (dx, dy)
    float colour;                          // line, dot or label colour
    float side = 0, height = 0, step = 0;  // Arc: HOUKOU, TAKASA (in the figure's units), HABA
    const char* text = "";                 // Label: its text; Arc: the arc's label ("" for none)
    float dx = 0, dy = 0;                  // Label: its offset from point `from`; Arc: dx is the label's AAAX
    float label_colour = 0;                // Arc: the label's colour
};

// Draws the parts in order, each after from_var = from, to_var = to (the script's pair: N1, N2 or M, N or
// A, B): a line from X(from_var), Y(from_var) to X(to_var), Y(to_var) in its colour; a dimension arc
// between them, `unit` times its height (lesson::draw_arc); a label at X(from_var) + dx, Y(from_var) + dy
// that leaves the cursor untouched.  Writes from_var, to_var and CCC1, X, Y, AA_s; clobbers what draw_arc
// and DRAW_EXPRESSION_TEXT clobber.
void draw_parts(Program& g, std::span<const FigurePart> parts, float& from_var, float& to_var, float unit = 1);

}  // namespace cw::sarnoth
