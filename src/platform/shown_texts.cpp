#include "platform/shown_texts.h"

#include <algorithm>

#include "platform/chars.h"
#include "platform/backdrop.h"
#include "platform/hides.h"
#include "platform/paint.h"

namespace cw {

namespace {

Bounds cells_of(const DrawOp& text) {
    Bounds b{text.x1, text.y1, text.x1, text.y1};
    for (const CharCell& c : char_cells(text))
        b = b.united(c.cell);
    return b;
}

// The same text at the same place, whatever its colour.
bool same_place(const DrawOp& a, const DrawOp& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.s == b.s && a.p == b.p && a.q == b.q && a.font == b.font;
}

}  // namespace

void ShownTexts::add(const DrawOp& op, const Paint& paint, const Bounds& ink) {
    if (paint.clears) {
        clear();
        return;
    }
    if (const Bounds& over = paint.over; !over.empty()) {
        // A box painted over all of a text's cells takes it away, though
        // its glyphs' ink reach a little beyond them: what is left is the
        // rim of a glyph drawn over its cell's edge, no neighbour to read
        // clear of (the lessons erase what they wrote by its cells).
        for (auto it = texts_.begin(); it != texts_.end();)
            it = it->cells.within(over) || hides(over, it->ink, it->under) ? texts_.erase(it) : it + 1;
        return;
    }
    if (op.op != Op::Text) return;
    // Drawn again, or erased by drawing it in the background colour: the
    // earlier copy goes.
    std::erase_if(texts_, [&](const Shown& t) { return same_place(t.op, op); });
    if (paint.erases || ink.empty()) return;
    texts_.push_back({op, cells_of(op), ink, {}});
    if (texts_.size() > kMost) texts_.pop_front();
}

}  // namespace cw
