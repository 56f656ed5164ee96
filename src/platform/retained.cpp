#include "platform/retained.h"

#include "platform/hides.h"
#include "platform/palette.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace cw {

namespace {

// Every rule below compares the whole pixels operations touch at the
// layout's own size (ink()), so it holds there exactly.
const Bounds kLayout{0, 0, LAYOUT_W, LAYOUT_H};

// The grid: square cells of this many units over the layout.
constexpr float kCell = 48.0f;
constexpr int kCols = static_cast<int>((LAYOUT_W + kCell - 1) / kCell);
constexpr int kRows = static_cast<int>((LAYOUT_H + kCell - 1) / kCell);

// After this many copies drawn over each other another changes nothing.
constexpr int kMostTimes = 255;

// Keeps what is dropped from outweighing what is kept.
constexpr size_t kCompactAfter = 1024;

void mix(size_t& h, size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); }

size_t drawing_key(const DrawOp& op) {
    size_t h = static_cast<size_t>(op.op);
    std::hash<float> f;
    for (float v : {op.x1, op.y1, op.x2, op.y2, op.r, op.start, op.end, op.font.size}) mix(h, f(v));
    for (int v : {op.c, op.f, op.w, op.p, op.q, static_cast<int>(op.filled), static_cast<int>(op.font.bold),
                  static_cast<int>(op.font.italic), static_cast<int>(op.bar), static_cast<int>(op.role)})
        mix(h, static_cast<size_t>(v));
    for (auto& [x, y] : op.pts) mix(h, f(x)), mix(h, f(y));
    for (const GlyphFit& g : op.fits) mix(h, static_cast<size_t>(g.index)), mix(h, f(g.scale)), mix(h, f(g.dx)), mix(h, f(g.dy));
    mix(h, std::hash<std::string>{}(op.s));
    mix(h, std::hash<std::string>{}(op.font.face));
    return h;
}

}  // namespace

RetainedList::RetainedList() : cells_(static_cast<size_t>(kCols * kRows)) {}

RetainedList::CellRange RetainedList::cells_of(const Bounds& b) const {
    auto col = [](float x) { return std::clamp(static_cast<int>(x / kCell), 0, kCols - 1); };
    auto row = [](float y) { return std::clamp(static_cast<int>(y / kCell), 0, kRows - 1); };
    // Clamped before converting, so far-off boxes do not overflow.
    float l = std::clamp(b.l, -1.0f, LAYOUT_W + 1), r = std::clamp(b.r, -1.0f, LAYOUT_W + 1);
    float t = std::clamp(b.t, -1.0f, LAYOUT_H + 1), bt = std::clamp(b.b, -1.0f, LAYOUT_H + 1);
    return {col(l), row(t), col(r), row(bt)};
}

template <class Fn>
void RetainedList::each_near(const Bounds& b, Fn fn) {
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
    CellRange cr = cells_of(b);
    for (int r = cr.r0; r <= cr.r1; ++r)
        for (int c = cr.c0; c <= cr.c1; ++c) {
            auto& cell = cells_[static_cast<size_t>(r * kCols + c)];
            size_t kept = 0;
            for (size_t k = 0; k < cell.size(); ++k) {
                uint32_t i = cell[k];
                if (!entries_[i].live) continue;  // dropped: forgotten here too
                cell[kept++] = i;
                if (seen_[i] == stamp_) continue;
                seen_[i] = stamp_;
                fn(i);
            }
            cell.resize(kept);
        }
}

uint32_t RetainedList::push(const DrawOp& op, const Paint& paint, const Bounds& ink, size_t key,
                           std::shared_ptr<const Beneath> beneath) {
    auto i = static_cast<uint32_t>(entries_.size());
    Entry e;
    e.op = op;
    e.paint = paint;
    e.beneath = std::move(beneath);
    e.ink = ink;
    e.key = key;
    entries_.push_back(std::move(e));
    seen_.push_back(0);
    CellRange cr = cells_of(ink);
    for (int r = cr.r0; r <= cr.r1; ++r)
        for (int c = cr.c0; c <= cr.c1; ++c) cells_[static_cast<size_t>(r * kCols + c)].push_back(i);
    copies_[entries_[i].key].push_back(i);
    ++live_;
    return i;
}

void RetainedList::kill(uint32_t i) {
    Entry& e = entries_[i];
    if (!e.live) return;
    if (hidden_) hidden_->push_back(e.ink);
    e.live = false;
    auto it = copies_.find(e.key);
    if (it != copies_.end()) {
        auto& list = it->second;
        list.erase(std::find(list.begin(), list.end(), i));
        if (list.empty()) copies_.erase(it);
    }
    e.op = DrawOp{};  // its text and points go now
    e.beneath.reset();
    e.under = {};
    --live_;
}

void RetainedList::clear() {
    entries_.clear();
    seen_.clear();
    for (auto& cell : cells_) cell.clear();
    copies_.clear();
    live_ = 0;
}

Bounds RetainedList::drop_covered(const DrawOp& op, const Paint& paint, const Bounds& ink, size_t key) {
    Bounds looked{};
    bool dropped = false;
    if (!paint.over.empty()) {
        // What it hides (hides.h), read on the whole pixels it paints.
        each_near(ink, [&](uint32_t i) {
            Entry& e = entries_[i];
            if (hides(ink, e.ink, e.under)) {
                kill(i);
                dropped = true;
            }
        });
        looked = ink;
    } else if (paint.disc) {
        // Drawn without antialiasing, a disc in one colour (the entry
        // cursor's, drawn and erased on every poll) takes every pixel of one
        // no larger about the same centre.
        each_near(ink, [&](uint32_t i) {
            const Entry& e = entries_[i];
            if (e.op.x1 == op.x1 && e.op.y1 == op.y1 && e.paint.disc && e.paint.pen.within(paint.pen)) {
                kill(i);
                dropped = true;
            }
        });
        looked = ink;
    }
    if (paint.repaints_itself()) {
        // Drawn again, it paints each of its pixels as it did before,
        // whatever was drawn in between.
        auto it = copies_.find(key);
        if (it != copies_.end()) {
            std::vector<uint32_t> same;
            for (uint32_t i : it->second)
                if (entries_[i].op == op) same.push_back(i);
            for (uint32_t i : same) kill(i);
            dropped = dropped || !same.empty();
            if (!same.empty() && looked.empty()) looked = ink;
        }
    }
    return dropped ? looked : Bounds{};
}

bool RetainedList::anything_between(uint32_t a, uint32_t b, const Bounds& ink) {
    bool found = false;
    each_near(ink, [&](uint32_t k) {
        if (k > a && k < b && entries_[k].ink.overlaps(ink)) found = true;
    });
    return found;
}

void RetainedList::join_copies(uint32_t i) {
    for (;;) {
        const Entry& later = entries_[i];
        if (!later.live) return;
        auto it = copies_.find(later.key);
        if (it == copies_.end()) return;
        const auto& list = it->second;
        auto at = std::find(list.begin(), list.end(), i);
        std::optional<uint32_t> earlier;
        while (at != list.begin()) {
            --at;
            // Drawn over the same, a copy is drawn the same.
            if (entries_[*at].op == later.op && *entries_[*at].beneath == *later.beneath) {
                earlier = *at;
                break;
            }
        }
        if (!earlier || anything_between(*earlier, i, later.ink)) return;
        Entry& kept = entries_[*earlier];
        kept.times = std::min(kept.paint.repaints_itself() ? 1 : kMostTimes, kept.times + later.times);
        // Only boxes drawn after both copies lie over both.
        kept.under = std::move(entries_[i].under);
        kill(i);
        i = *earlier;
    }
}

Bounds RetainedList::add(const DrawOp& op, const Paint& paint, const Beneath& under, std::vector<Bounds>* hidden) {
    if (!op.drawn()) return {};
    const Bounds ink = this->ink(op, paint);
    add(op, paint, ink, under, hidden);
    return ink;
}

void RetainedList::add(const DrawOp& op, const Paint& paint, const Bounds& ink, const Beneath& under,
                       std::vector<Bounds>* hidden) {
    if (!op.drawn()) return;
    auto beneath = std::make_shared<const Beneath>(under);
    const size_t key = drawing_key(op);
    if (paint.clears) {
        clear();
        push(op, paint, ink, key, beneath);
        return;
    }
    hidden_ = hidden;
    const Bounds looked = drop_covered(op, paint, ink, key);
    hidden_ = nullptr;
    if (ink.overlaps(kLayout)) join_copies(push(op, paint, ink, key, beneath));
    if (!looked.empty()) {
        // Copies that something now dropped kept apart may join.
        std::vector<uint32_t> near;
        each_near(looked, [&](uint32_t i) {
            if (copies_[entries_[i].key].size() > 1) near.push_back(i);
        });
        for (uint32_t i : near) join_copies(i);
    }
    if (entries_.size() - live_ > std::max(kCompactAfter, live_)) compact();
}

std::vector<Bounds> RetainedList::ink_within(const Bounds& area) {
    std::vector<Bounds> out;
    each_near(area, [&](uint32_t i) {
        const Entry& e = entries_[i];
        if (!e.ink.overlaps(area)) return;
        // An erase leaves the background, as what it erased does not.
        if (!e.paint.erases) out.push_back(e.ink);
    });
    return out;
}

std::vector<KeptOp> RetainedList::kept_within(const Bounds& area) {
    std::vector<uint32_t> near;
    each_near(area, [&](uint32_t i) {
        if (entries_[i].ink.overlaps(area)) near.push_back(i);
    });
    std::sort(near.begin(), near.end());
    std::vector<KeptOp> out;
    out.reserve(near.size());
    for (uint32_t i : near) out.push_back(kept_op(entries_[i]));
    return out;
}

std::vector<DrawOp> RetainedList::ops() const {
    std::vector<DrawOp> out;
    out.reserve(live_);
    for (const Entry& e : entries_)
        if (e.live) out.push_back(e.op);
    return out;
}

std::vector<KeptOp> RetainedList::kept() const {
    std::vector<KeptOp> out;
    out.reserve(live_);
    for (const Entry& e : entries_)
        if (e.live) out.push_back(kept_op(e));
    return out;
}

void RetainedList::compact() {
    // In place, in order: the list keeps the memory it has grown to rather
    // than growing a new one after each compaction.
    size_t kept = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].live) continue;
        if (i != kept) entries_[kept] = std::move(entries_[i]);
        ++kept;
    }
    entries_.erase(entries_.begin() + static_cast<long>(kept), entries_.end());
    seen_.assign(entries_.size(), 0);
    stamp_ = 0;
    for (auto& cell : cells_) cell.clear();
    copies_.clear();
    for (uint32_t i = 0; i < entries_.size(); ++i) {
        CellRange cr = cells_of(entries_[i].ink);
        for (int r = cr.r0; r <= cr.r1; ++r)
            for (int c = cr.c0; c <= cr.c1; ++c) cells_[static_cast<size_t>(r * kCols + c)].push_back(i);
        copies_[entries_[i].key].push_back(i);
    }
}

}  // namespace cw
