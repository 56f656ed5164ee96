// The fixture of every lesson test: one of the three programs started
// headless with scripted keys, a fixed clock and a chosen random seed, and
// what it drew read back from the display list as a pupil would see it.
//
// The record holds, in order, every drawn operation (glyphs, lines, boxes,
// polylines, circles) and notes: one Expr note per typesetter call made by
// the program (pen x1, y1, colour c and the whole code string s, as the
// call received it), one Prompt note per prompt text, and one Key note per
// key taken.  Measuring draws nothing and makes no note; a text drawn in
// colour 15 leaves nothing visible.
#pragma once
#include <cmath>
#include <functional>
#include <iomanip>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/harness.h"

namespace cw::test {

// ---- keys ---------------------------------------------------------------------------

// A number and Enter, as the number entry reads them.
inline std::string enter(const std::string& number) { return number + "\r"; }
// n presses of an ordinary key.
inline std::string keys(int n) { return std::string(static_cast<size_t>(n), 'k'); }
// The keys of a drill of `count` problems, each taking `waits` presses before
// the next-step question: "2" and Enter after every problem but the last, then "1".
std::string drill_keys(int waits, int count);

// The texts of the waits and questions.
inline const std::string kAnyKey = "何かキーを押して下さい。";
inline const std::string kNextStep = "次のステップは１を入力。";

// ---- a bare page ------------------------------------------------------------------------

// A bare program started (no lessons), with keys for its waits, for tests of
// toolkit rows laid out on it; width() measures a code string as the
// typesetter would draw it.
struct BarePage {
    BarePage();
    float width(const std::string& code);
    Harness h{bare_info(), std::string(20, 'k')};
};

// ---- a stretch of the record ------------------------------------------------------

class Span {
public:
    Span() = default;
    explicit Span(std::vector<DrawOp> ops) : ops_(std::move(ops)) {}
    const std::vector<DrawOp>& ops() const { return ops_; }
    bool empty() const { return ops_.empty(); }

    // Every typesetter call (Expr note), in order.
    std::vector<DrawOp> texts() const { return of(Op::Expr); }
    // The calls a pupil sees: not empty (an empty cell's text), not in colour 15, top on the screen.
    std::vector<DrawOp> visible_texts() const;
    // Visible calls in colour c (5: the answers; 3: headings ...).
    std::vector<DrawOp> texts_in(int c) const;
    // The answers of a drill pass: visible colour-5 texts above the prompt band.
    std::vector<DrawOp> answers() const;
    // Every prompt text (menu lines, "入力", the waits' messages).
    std::vector<DrawOp> prompts() const { return of(Op::Prompt); }
    // Operations of one kind (drawn ones or notes).
    std::vector<DrawOp> of(Op kind) const;
    // Straight lines drawn on the screen (strokes, bars, rules), any colour but 15.
    std::vector<DrawOp> lines() const;
    // Filled boxes in colour 15 (erases), in order.
    std::vector<DrawOp> erases() const;
    // How many erases have exactly these corners.
    int erases(float x1, float y1, float x2, float y2) const;

    // Calls at pen (x, y).
    std::vector<DrawOp> at(float x, float y) const;
    // The reduced value a cancellation placed from (x, y), the place the script gives it: the text in
    // colour 3 (a typesetter call or plain text) whose pen lies nearest it within the placing rule's reach
    // (lesson::place_value), or nothing.
    std::optional<DrawOp> value_placed_from(float x, float y) const;
    // The first call whose text is s, or nothing.
    std::optional<DrawOp> find(const std::string& s) const;
    // How many calls drew the text s; how many prompts showed s.
    int count(const std::string& s) const;
    int prompt_count(const std::string& s) const;
    // The code strings of the calls, joined.
    std::string joined() const;

    // The operations the i-th typesetter call of this span drew on the
    // screen (its glyphs, strokes and bars), without the hidden measuring.
    // The note keeps the call's code string whole, so nothing needs to be
    // pieced together from the glyphs; these are for where they went.
    std::vector<DrawOp> drawn_by(size_t call) const;

private:
    std::vector<DrawOp> ops_;
};

// ---- the random numbers of a run ---------------------------------------------------------

// A seed, or the generator pinned at one value (the draws at the ends of their ranges).  An int converts,
// so a helper that takes Draws takes a seed as before.
struct Draws {
    Draws(int s) : seed(s) {}
    static Draws pinned(float value) {
        Draws d(0);
        d.pin = value;
        return d;
    }
    int seed;
    std::optional<float> pin;
};
// The generator's smallest value and its largest, the last float below 1.
inline const Draws kLowestRnd = Draws::pinned(0.0f);
inline const Draws kHighestRnd = Draws::pinned(std::nextafter(1.0f, 0.0f));
// Seeds 1 to `seeds`, then the two extremes.
std::vector<Draws> seeds_and_extremes(int seeds);
inline std::ostream& operator<<(std::ostream& os, const Draws& d) {
    if (d.pin) return os << "RND pinned at " << std::setprecision(9) << *d.pin;
    return os << "seed " << d.seed;
}

// ---- the fixture ------------------------------------------------------------------------

// How a run ended.
enum class Ending {
    Returned,     // the routine came back, or the program ended at its last menu item
    KeysOut,      // the program waited for a key and the script had none left
    ErrorScreen,  // the error screen was reached
};

class LessonFixture {
public:
    // `program`: "kelvane", "dorrith" or "sarnoth".  The program is started
    // (INITIALIZE_PROGRAM) and the record cleared, ready for routines to be
    // called with run(); run_program() starts it again from the top.
    explicit LessonFixture(const std::string& program, const std::string& keys = "",
                           const std::string& time = "00:00:00");

    // Seeds the random numbers now (for routines called directly), or pins the generator.
    void seed(const Draws& d) {
        pf.RANDOMIZE(d.seed);
        pf.pin_rnd(d.pin);
    }
    // Calls fn on the program; true when it came back, false when the keys
    // ran out first.  A run-time error passes through as an exception.
    bool run(const std::function<void(Program&)>& fn);
    // The whole program from start-up: main menu, lessons, until it ends or
    // the keys run out.  With a seed, the random numbers are seeded with it
    // once start-up is done (at the first key the program waits for), so a
    // test is not bound to the 142 seeds the clock can give.
    Ending run_program(std::optional<Draws> seed = std::nullopt);
    // The error of the last run that reached the error screen.
    std::optional<ErrorScreenReached> error() const { return error_; }

    // Everything recorded since the start (or since clear()).
    Span all() const { return Span(pf.record()); }
    void clear() { pf.clear_record(); }
    // The record cut at each any-key wait: span k holds what was drawn up to
    // the (k+1)-th wait and ends with the key that ended it; a last span holds
    // what came after the last wait, if anything did.  A run whose keys ran
    // out at a wait ends with the page of that wait.
    std::vector<Span> pages() const;
    // How many any-key waits were shown.
    int waits() const { return all().prompt_count(kAnyKey); }
    // The record cut at each next-step question: span k is the k-th drill
    // pass (with whatever came before it in the first); what follows the
    // last question is left out.
    std::vector<Span> passes() const;

    // Shortcuts on all().
    std::vector<DrawOp> texts() const { return all().texts(); }
    std::vector<DrawOp> prompts() const { return all().prompts(); }
    std::vector<DrawOp> at(float x, float y) const { return all().at(x, y); }
    std::optional<DrawOp> find(const std::string& s) const { return all().find(s); }
    int count(const std::string& s) const { return all().count(s); }
    int prompt_count(const std::string& s) const { return all().prompt_count(s); }
    int erases(float x1, float y1, float x2, float y2) const { return all().erases(x1, y1, x2, y2); }

    size_t keys_left() const { return backend.keys_left(); }
    size_t keys_used() const { return backend.keys_used(); }

    Harness h;
    HeadlessBackend& backend;
    Platform& pf;
    Program& g;

private:
    std::optional<ErrorScreenReached> error_;
};

// The program as its own class (Kelvane, Dorrith, Sarnoth), for the
// variables of its lessons.
template <class P>
P& as(LessonFixture& f) {
    return dynamic_cast<P&>(f.g);
}

// The fixture on a program as its own class P (Kelvane, Dorrith, Sarnoth): run() takes a routine of P, or
// one of any program, and prog() is the program with its lessons' variables.
template <class P>
class FixtureOf : public LessonFixture {
public:
    explicit FixtureOf(const std::string& program, const std::string& keys = "",
                       const std::string& time = "00:00:00")
        : LessonFixture(program, keys, time) {}
    P& prog() { return as<P>(*this); }
    // Calls fn on the program; true when it came back, false when the keys ran out first.
    bool run(const std::function<void(P&)>& fn) {
        return LessonFixture::run([&](Program&) { fn(prog()); });
    }
};

}  // namespace cw::test
