#include "platform/platform.h"

#include <stdexcept>

#include "platform/basic.h"
#include "platform/paint.h"

namespace cw {

int Platform::colour(float c) const {
    int k = to_int(c);
    if (k < 0 || k > 15) throw RuntimeError(ERR_ILLEGAL_CALL);
    return k;
}

void Platform::SETDRAWWIDTH(float width) {
    int w = to_int(width);
    width_ = w < 0 ? 0 : w;
}

bool Platform::sketching() const { return sketch_ && measuring_ == sketch_level_; }

void Platform::emit(DrawOp op) {
    if (measuring_ > 0) {
        if (sketching() && op.drawn()) sketch_->push_back(std::move(op));
        return;
    }
    if (op.drawn()) {
        // How it paints, described once and handed to all that reads it.
        const Paint paint = paint_of(op);
#ifdef CW_COUNT_PAINTS
        ++paint_count.drawings;
#endif
        const Beneath under = backdrop_.beneath(op);
        backdrop_.add(op, paint);
        shown_.add(op, paint, op.op == Op::Text && !paint.erases ? layout_.ink(op) : Bounds{});
        backend_.draw(op, paint, under);
    }
    if (observer) observer(op);
    if (recording_) record_.push_back(std::move(op));
    backend_.service();
}

namespace {

// An operation between two corners in colour c at width w.
DrawOp between(Op kind, float x1, float y1, float x2, float y2, int c, int w) {
    DrawOp op;
    op.op = kind;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.c = c;
    op.w = w;
    return op;
}

}  // namespace

void Platform::LINE(float x1, float y1, float x2, float y2, float c) {
    emit(between(Op::Line, x1, y1, x2, y2, colour(c), width_));
}

void Platform::fraction_bar(float x1, float y, float x2, float c) {
    DrawOp op = between(Op::Line, x1, y, x2, y, colour(c), width_);
    op.bar = true;
    emit(std::move(op));
}

void Platform::BOX(float x1, float y1, float x2, float y2, float c) {
    emit(between(Op::Box, x1, y1, x2, y2, colour(c), width_));
}

void Platform::FILL(float x1, float y1, float x2, float y2, float c, float f) {
    DrawOp op = between(Op::Fill, x1, y1, x2, y2, colour(c), width_);
    op.f = colour(f);
    emit(std::move(op));
}

void Platform::CIRCLE(float cx, float cy, float r, float c, float start, float end, bool filled, float f) {
    DrawOp op;
    op.op = Op::Circle;
    op.x1 = cx, op.y1 = cy, op.r = r;
    op.start = start, op.end = end;
    op.filled = filled;
    op.c = colour(c);
    op.f = f < 0 ? op.c : colour(f);
    op.w = width_;
    emit(std::move(op));
}

void Platform::CONNECT(const std::vector<Point>& pts, float c) {
    DrawOp op;
    op.op = Op::Polyline;
    op.pts = pts;
    op.c = colour(c);
    op.w = width_;
    emit(std::move(op));
}

void Platform::SYMBOL(float x, float y, float p, float q, float c, const std::string& text) {
    text_of(x, y, p, q, c, text, GlyphRole::Character);
}

void Platform::operator_sign(float x, float y, float p, float q, float c, const std::string& text) {
    text_of(x, y, p, q, c, text, GlyphRole::Operator);
}

void Platform::text_of(float x, float y, float p, float q, float c, const std::string& text, GlyphRole role) {
    DrawOp op;
    op.op = Op::Text;
    op.role = role;
    op.x1 = x, op.y1 = y;
    op.p = to_int(p), op.q = to_int(q);
    op.c = colour(c);
    op.s = text;
    op.font = font_;
    if (measuring_ == 0 || sketching()) layout_(op, backdrop_);
    emit(std::move(op));
}

void Platform::CLS() {
    DrawOp op;
    op.op = Op::Cls;
    emit(std::move(op));
}

Bounds Platform::covers(const std::function<void()>& draw) {
    std::vector<DrawOp> sketch;
    {
        SketchScope seeing(*this, sketch);
        draw();
    }
    Bounds all;
    for (const DrawOp& op : sketch) {
        const Bounds b = ink(op);
        if (!b.empty()) all = all.empty() ? b : all.united(b);
    }
    return all;
}

std::vector<Bounds> Platform::text_ink_within(const Bounds& area) {
    std::vector<Bounds> out;
    for (const ShownTexts::Shown& t : shown_.texts())
        if (t.ink.overlaps(area)) out.push_back(t.ink);
    return out;
}

void Platform::note(Op kind, float x, float y, float c, const std::string& s) {
    if ((!observer && !recording_) || measuring_ > 0) return;
    DrawOp op;
    op.op = kind;
    op.x1 = x, op.y1 = y;
    op.c = to_int(c);
    op.s = s;
    if (observer) observer(op);
    if (recording_) record_.push_back(std::move(op));
}

std::string Platform::INKEY() {
    std::string k = backend_.poll_key();
    if (!k.empty()) note(Op::Key, 0, 0, 0, k);
    return k;
}

// A small permuted congruential generator: reproducible for a seed.
void Platform::RANDOMIZE(int seed) {
    rng_ = 0x853c49e6748fea9bULL + static_cast<uint64_t>(static_cast<int64_t>(seed)) * 0x9E3779B97F4A7C15ULL;
    RND();
}

void Platform::pin_rnd(std::optional<float> value) {
    if (value && !(*value >= 0.0f && *value < 1.0f)) throw std::invalid_argument("pinned RND outside [0, 1)");
    pinned_rnd_ = value;
}

float Platform::RND() {
    if (pinned_rnd_) return *pinned_rnd_;
    uint64_t old = rng_;
    rng_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    uint32_t rot = static_cast<uint32_t>(old >> 59u);
    uint32_t v = (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
    return static_cast<float>(v >> 8) * (1.0f / 16777216.0f);  // 24 bits: strictly below 1
}

}  // namespace cw
