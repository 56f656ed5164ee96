// What lies under what is drawn next: the fills (filled boxes and sectors)
// drawn since the screen was last cleared, whose colour decides how text and
// marks over them are painted and whose boxes text written in them keeps its
// ink inside, and the fraction bars (lines drawn as bars), which the glyphs
// above and below a bar keep clear of.
//
// It follows the operations in the order they are drawn and forgets what can
// no longer matter, as the screen's own list does, so it holds about what
// one screen shows however long a program runs (what a fill hides is read
// from paint.h and hides.h):
//   - a filled box drops the fills it covers whole, border and all (alone:
//     a fill is asked for by point, and one partly covered still answers
//     for the points left, whatever covers the rest);
//   - a bar goes once boxes painted over it (filled boxes, level lines in the
//     background colour: a line of a colour over a bar is still a line the
//     glyphs keep clear of) cover its ink whole, one alone or several
//     together;
//     a bar drawn again where it lies is held once;
//   - a sector drawn over one about the same centre that it holds whole
//     drops it.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/chars.h"
#include "platform/paint.h"
#include "platform/display.h"
#include "platform/palette.h"

namespace cw {


// What an operation is drawn over, as the painter reads it: the fill under
// a mark, and for each character of a text the fill under its middle.
struct Beneath {
    int mark = BACKGROUND;
    std::vector<int> chars;  // one for each of char_cells(op)
    bool operator==(const Beneath&) const = default;
};

class Backdrop {
public:
    // Takes note of an operation once it is drawn, painting as `paint` says.
    void add(const DrawOp& op, const Paint& paint);
    // The same, describing the operation itself (paint_of).
    void add(const DrawOp& op) { add(op, paint_of(op)); }
    void clear() {
        areas_.clear();
        bars_.clear();
    }
    // How many fills and bars it holds.
    size_t size() const { return areas_.size() + bars_.size(); }

    // The index of the fill under (x, y): the last filled box (inside its
    // border) or sector that holds the point, or the background.
    int colour_at(float x, float y) const;
    // The inside of the filled box under (x, y) (within its border), when a
    // box is the last fill there.
    std::optional<Bounds> cell_at(float x, float y) const;
    // The inside of the filled box a character's cell is written in: the
    // box under the cell's middle, when the cell reaches beyond its inside
    // by no more than a quarter of its width and of its height.  A character
    // laid across two boxes, or over a box's edge, is in neither.
    std::optional<Bounds> cell_holding(const Bounds& cell) const;
    // The index of the fill a mark (a line, polyline, arc, box or a filled
    // box's border) is painted over, before it is drawn.
    int under_mark(const DrawOp& op) const;
    // The fraction bars that reach into the box, each as the box its ink
    // covers.
    std::vector<Bounds> bars_across(const Bounds& box) const;
    // What an operation drawn next is drawn over.
    Beneath beneath(const DrawOp& op) const;

    // Whether an operation is a fraction bar: a level line drawn as one.
    static bool is_bar(const DrawOp& op);

private:
    struct Area {
        bool box = true;
        Bounds outer;  // everything the fill paints, its border included
        Bounds inner;  // a box's inside
        Bounds tinted;  // where a box shows its fill colour: its inside, or all of a box in one colour
        float cx = 0, cy = 0, r = 0, start = 0, end = 0;  // a sector
        int colour = BACKGROUND;
        bool holds(float x, float y) const;
    };
    const Area* area_at(float x, float y) const;

    struct Bar {
        Bounds ink;                 // the box its pen covers
        std::vector<Bounds> under;  // boxes painted over some of it since
    };
    // Paints a box over the bars: those it covers, alone or with the boxes
    // before it, go.
    void paint_over_bars(const Bounds& box);
    // Drops what the last fill, a sector, holds whole.
    void forget_hidden_sector();

    std::vector<Area> areas_;
    std::vector<Bar> bars_;
};

}  // namespace cw
