#include "platform/shown_texts.h"

#include <algorithm>

#include "platform/chars.h"

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

void ShownTexts::add(const DrawOp& op, const Bounds& ink) {
    if (clears_screen(op)) {
        clear();
        return;
    }
    if (op.op == Op::Fill) {
        const float h = (op.w > 0 ? static_cast<float>(op.w) : 1.0f) / 2;
        const Bounds covered{std::min(op.x1, op.x2) - h, std::min(op.y1, op.y2) - h, std::max(op.x1, op.x2) + h,
                             std::max(op.y1, op.y2) + h};
        std::erase_if(texts_, [&](const Shown& t) { return t.cells.inside(covered) || t.ink.inside(covered); });
        return;
    }
    if (op.op != Op::Text) return;
    // Drawn again, or erased by drawing it in the background colour: the
    // earlier copy goes.
    std::erase_if(texts_, [&](const Shown& t) { return same_place(t.op, op); });
    if (op.c == BACKGROUND || ink.empty()) return;
    texts_.push_back({op, cells_of(op), ink});
    if (texts_.size() > kMost) texts_.pop_front();
}

}  // namespace cw
