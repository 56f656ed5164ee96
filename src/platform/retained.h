// What is on the screen, as the operations that drew it.  An operation
// leaves the list when what comes later makes it invisible:
//   - a whole-screen clear drops everything;
//   - an operation that paints over a box opaquely (a filled box, an upright
//     or level line: Paint::over) drops what lies wholly under it, an earlier
//     copy of itself included; boxes drawn one after another drop what lies
//     under them together; a disc in one colour drops the discs it holds
//     about the same centre;
//   - an operation whose ink lies wholly off the layout, or that leaves no
//     ink (a blank), is never kept.
// Each operation is kept with what it was drawn over (the colours of the
// fills under it, Beneath), and drawn again with it.  An operation
// drawn again exactly over an earlier copy, over the same, with nothing kept
// in between touching it, joins that copy, which is then drawn that many times
// over itself (at most 255: by then another copy changes no pixel, each
// pixel's colour moving one way with every copy).  So the list holds about
// what one screen shows, however long a program runs, and still renders the
// picture the whole history renders.
//
// Operations are found by place on a coarse grid of the layout, so what one
// operation costs depends on what lies near it, not on the list's length.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/glyph_layout.h"
#include "platform/kept_op.h"
#include "platform/paint.h"

namespace cw {

class RetainedList {
public:
    RetainedList();

    // Takes the operation as drawn next, over what lies under it; gives
    // back where its ink lies (empty for notes and blanks).  With `hidden`,
    // adds to it where the ink of each operation lay that this one hides
    // (erases and fills among them): what a picture drawn at another scale
    // than the layout's must take away itself.
    Bounds add(const DrawOp& op, const Paint& paint, const Beneath& under, std::vector<Bounds>* hidden = nullptr);
    // The same, with the ink ink(op, paint) gives, measured already.
    void add(const DrawOp& op, const Paint& paint, const Bounds& ink, const Beneath& under,
             std::vector<Bounds>* hidden = nullptr);
    // The same, describing the operation itself (paint_of).
    Bounds add(const DrawOp& op, const Beneath& under, std::vector<Bounds>* hidden = nullptr) {
        return add(op, paint_of(op), under, hidden);
    }
    // What is kept, in drawing order.
    std::vector<DrawOp> ops() const;
    // What is kept, in drawing order, each with what it is drawn over and
    // the times it is drawn: what paints the screen.
    std::vector<KeptOp> kept() const;
    // How many operations are kept.
    size_t size() const { return live_; }
    // How many entries it holds, those dropped and not yet compacted away included.
    size_t held() const { return entries_.size(); }
    // Where the operation would leave its ink if drawn next: the whole
    // pixels it reaches into at the layout's own size, a text's glyphs
    // landed on them (GlyphLayout::ink).
    Bounds ink(const DrawOp& op, const Paint& paint) { return inks_.ink(op, paint, 1, true); }
    Bounds ink(const DrawOp& op) { return ink(op, paint_of(op)); }
    // Where kept operations left ink other than the background colour within
    // area: everywhere else in it the screen shows the background.
    std::vector<Bounds> ink_within(const Bounds& area);
    // What is kept whose ink reaches into area, in drawing order, as kept()
    // gives it: all that paints there.
    std::vector<KeptOp> kept_within(const Bounds& area);
    void clear();
    // What it keeps beside the list: how many glyph shapes it measures
    // texts' ink by.
    size_t inks_remembered() const { return inks_.shapes(); }

private:
    struct Entry {
        DrawOp op;
        Paint paint;  // how it paints (paint_of), worked out once as it is taken
        std::shared_ptr<const Beneath> beneath;
        Bounds ink;
        size_t key = 0;  // hash of the drawing, for finding its copies
        int times = 1;
        bool live = true;
        // Boxes painted in whole pixels since it was drawn, each over a part
        // of it.
        std::vector<Bounds> under;
    };

    // Grid cells a box touches, clamped to the layout.
    struct CellRange {
        int c0, r0, c1, r1;
    };
    CellRange cells_of(const Bounds& b) const;
    // Calls fn(index) once for each live entry in the cells of b.
    template <class Fn>
    void each_near(const Bounds& b, Fn fn);

    uint32_t push(const DrawOp& op, const Paint& paint, const Bounds& ink, size_t key,
                  std::shared_ptr<const Beneath> beneath);
    void kill(uint32_t i);
    // Drops what op paints over; gives back the area it looked at (empty
    // when nothing was dropped).
    Bounds drop_covered(const DrawOp& op, const Paint& paint, const Bounds& ink, size_t key);
    // Joins entry i with the copy before it when nothing between them
    // touches it, and that copy with the one before, and so on.
    void join_copies(uint32_t i);
    // Whether a live entry between a and b (exclusive) comes near ink.
    bool anything_between(uint32_t a, uint32_t b, const Bounds& ink);
    void compact();
    // An entry as what draws the screen reads it.
    static KeptOp kept_op(const Entry& e) { return {e.op, e.paint, e.ink, e.beneath, e.times}; }

    GlyphLayout inks_;  // measures ink, keeping the shapes of the glyphs asked for lately
    std::vector<Bounds>* hidden_ = nullptr;  // where kill() tells of what is hidden
    std::vector<Entry> entries_;
    std::vector<uint32_t> seen_;  // visit stamps, one per entry
    uint32_t stamp_ = 0;
    size_t live_ = 0;
    std::vector<std::vector<uint32_t>> cells_;
    std::unordered_map<size_t, std::vector<uint32_t>> copies_;  // live entries by key, in order
};

}  // namespace cw
