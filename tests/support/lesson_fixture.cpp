#include "support/lesson_fixture.h"

#include "lessons/strokes.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::test {

std::string drill_keys(int waits, int count) {
    std::string k;
    for (int i = 0; i < count; ++i) k += keys(waits) + enter(i + 1 < count ? "2" : "1");
    return k;
}

std::vector<Draws> seeds_and_extremes(int seeds) {
    std::vector<Draws> out;
    for (int s = 1; s <= seeds; ++s) out.push_back(s);
    out.push_back(kLowestRnd);
    out.push_back(kHighestRnd);
    return out;
}

// ---- BarePage -------------------------------------------------------------------------

BarePage::BarePage() {
    INITIALIZE_PROGRAM(h.g);
    h.pf.clear_record();
}

float BarePage::width(const std::string& code) {
    h.g.A_s = code;
    MEASURE_EXPRESSION_TEXT(h.g);
    return h.g.LLT;
}

// ---- Span ---------------------------------------------------------------------------

namespace {

// The top of what an operation drew, for telling the screen from what lies
// below it.
float top_of(const DrawOp& op) {
    if (op.op == Op::Polyline && !op.pts.empty()) return op.pts.front().second;
    return op.y1;
}

bool on_screen(const DrawOp& op) { return top_of(op) < LAYOUT_H; }

}  // namespace

std::vector<DrawOp> Span::of(Op kind) const {
    std::vector<DrawOp> out;
    for (auto& op : ops_)
        if (op.op == kind) out.push_back(op);
    return out;
}

std::vector<DrawOp> Span::visible_texts() const {
    std::vector<DrawOp> out;
    for (auto& op : ops_)
        if (op.op == Op::Expr && op.c != 15 && !op.s.empty() && on_screen(op)) out.push_back(op);
    return out;
}

std::vector<DrawOp> Span::texts_in(int c) const {
    std::vector<DrawOp> out;
    for (auto& op : visible_texts())
        if (op.c == c) out.push_back(op);
    return out;
}

std::vector<DrawOp> Span::answers() const {
    std::vector<DrawOp> out;
    for (auto& op : texts_in(5))
        if (op.y1 < kPromptBandTop) out.push_back(op);
    return out;
}

std::vector<DrawOp> Span::lines() const {
    std::vector<DrawOp> out;
    for (auto& op : ops_)
        if (op.op == Op::Line && op.c != 15 && on_screen(op)) out.push_back(op);
    return out;
}

std::vector<DrawOp> Span::erases() const {
    std::vector<DrawOp> out;
    for (auto& op : ops_)
        if (op.op == Op::Fill && op.c == 15 && op.f == 15) out.push_back(op);
    return out;
}

int Span::erases(float x1, float y1, float x2, float y2) const {
    int n = 0;
    for (auto& op : erases())
        if (op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2) ++n;
    return n;
}

std::vector<DrawOp> Span::at(float x, float y) const {
    std::vector<DrawOp> out;
    for (auto& op : texts())
        if (op.x1 == x && op.y1 == y) out.push_back(op);
    return out;
}

std::optional<DrawOp> Span::value_placed_from(float x, float y) const {
    std::optional<DrawOp> best;
    float nearest = 0;
    for (auto& op : ops_) {
        if ((op.op != Op::Expr && op.op != Op::Text) || op.c != 3) continue;
        const float dx = op.x1 - x, dy = op.y1 - y;
        if (std::abs(dx) > lesson::kValueReachAcross || std::abs(dy) > lesson::kValueReachUpDown) continue;
        if (!best || dx * dx + dy * dy < nearest) best = op, nearest = dx * dx + dy * dy;
    }
    return best;
}

std::optional<DrawOp> Span::find(const std::string& s) const {
    for (auto& op : ops_)
        if (op.op == Op::Expr && op.s == s) return op;
    return std::nullopt;
}

int Span::count(const std::string& s) const {
    int n = 0;
    for (auto& op : texts())
        if (op.s == s) ++n;
    return n;
}

int Span::prompt_count(const std::string& s) const {
    int n = 0;
    for (auto& op : prompts())
        if (op.s == s) ++n;
    return n;
}

std::string Span::joined() const {
    std::string s;
    for (auto& op : texts()) s += op.s;
    return s;
}

std::vector<DrawOp> Span::drawn_by(size_t call) const {
    std::vector<DrawOp> out;
    size_t seen = 0;
    bool inside = false;
    for (auto& op : ops_) {
        if (!op.drawn()) {
            inside = op.op == Op::Expr && seen++ == call;
            continue;
        }
        if (inside && on_screen(op)) out.push_back(op);
    }
    return out;
}

// ---- LessonFixture ----------------------------------------------------------------------

LessonFixture::LessonFixture(const std::string& program, const std::string& keys, const std::string& time)
    : h(program, keys, time), backend(h.backend), pf(h.pf), g(h.g) {
    INITIALIZE_PROGRAM(g);
    pf.clear_record();
}

bool LessonFixture::run(const std::function<void(Program&)>& fn) {
    try {
        fn(g);
        return true;
    } catch (const KeysExhausted&) {
        return false;
    }
}

Ending LessonFixture::run_program(std::optional<Draws> seed) {
    pf.clear_record();
    error_.reset();
    bool seeded = false;
    if (seed)
        backend.on_wait = [this, &seeded, d = *seed] {
            if (!seeded) this->seed(d);
            seeded = true;
        };
    Ending end = Ending::Returned;
    try {
        cw::run_program(g);
    } catch (const KeysExhausted&) {
        end = Ending::KeysOut;
    } catch (const ErrorScreenReached& e) {
        error_ = e;
        end = Ending::ErrorScreen;
    }
    backend.on_wait = nullptr;
    return end;
}

namespace {

// Cuts ops after every prompt note showing `text`, or, with at_key, after
// the key that ended the wait that prompt opened.
std::vector<Span> cut_after(const std::vector<DrawOp>& ops, const std::string& text, bool at_key) {
    std::vector<Span> out;
    std::vector<DrawOp> part;
    bool waiting = false;
    for (auto& op : ops) {
        part.push_back(op);
        if (op.op == Op::Prompt && op.s == text) waiting = true;
        if (waiting && (!at_key || op.op == Op::Key)) {
            out.emplace_back(std::move(part));
            part.clear();
            waiting = false;
        }
    }
    if (at_key && !part.empty()) out.emplace_back(std::move(part));
    return out;
}

}  // namespace

std::vector<Span> LessonFixture::pages() const { return cut_after(pf.record(), kAnyKey, true); }

std::vector<Span> LessonFixture::passes() const { return cut_after(pf.record(), kNextStep, false); }

}  // namespace cw::test
