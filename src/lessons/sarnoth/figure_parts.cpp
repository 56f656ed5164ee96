#include "lessons/sarnoth/figure_parts.h"

#include "lessons/marks.h"
#include "lessons/toolkit.h"

namespace cw::sarnoth {

void draw_parts(Program& g, std::span<const FigurePart> parts, float& from_var, float& to_var, float unit) {
    for (const FigurePart& p : parts) {
        from_var = static_cast<float>(p.from);
        to_var = static_cast<float>(p.to);
        switch (p.piece) {
            case Piece::Line:
                g.pf.LINE(g.X_a(from_var), g.Y_a(from_var), g.X_a(to_var), g.Y_a(to_var), p.colour);
                break;
            case Piece::Arc: {
                lesson::Arc a;
                a.from = {g.X_a(from_var), g.Y_a(from_var)};
                a.to = {g.X_a(to_var), g.Y_a(to_var)};
                a.side = p.side;
                a.height = p.height * unit;
                a.step = p.step;
                a.colour = p.colour;
                a.label = p.text;
                a.label_colour = p.label_colour;
                a.label_dx = p.dx;
                lesson::draw_arc(g, a);
                break;
            }
            case Piece::Label:
                lesson::put(g, g.X_a(from_var) + p.dx, g.Y_a(from_var) + p.dy, p.colour, p.text, lesson::Keep::None);
                break;
        }
    }
}

}  // namespace cw::sarnoth
