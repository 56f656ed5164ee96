// The platform layer: drawing state and operations, keys, clock and random
// numbers, as the shell and lessons call them.  A Backend decides where the
// drawing goes (a window, or nowhere for headless runs) and where keys and the
// time of day come from.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/errors.h"
#include "platform/glyph_layout.h"
#include "platform/shown_texts.h"

namespace cw {

class Backend {
public:
    virtual ~Backend() = default;
    // Each drawing operation as it is made, with how it paints (made once
    // for it: paint_of) and what it is drawn over.
    virtual void draw(const DrawOp& op, const Paint& paint, const Beneath& under) = 0;
    // One waiting key as a one-byte string, or "" when none is waiting.
    // A window backend shows what was drawn and may wait up to about one
    // frame for input before it answers "".  Closing the window throws
    // ProgramEnd; a headless backend with no keys left throws KeysExhausted.
    virtual std::string poll_key() = 0;
    // Time of day as "HH:MM:SS".
    virtual std::string time_of_day() = 0;
    // The error screen: shows what was drawn and waits until the window is
    // closed (throws ProgramEnd); headless backends throw ErrorScreenReached.
    [[noreturn]] virtual void idle_forever(int code, int site) = 0;
    // Called between drawing operations so a window stays serviced.
    virtual void service() {}
};

using Point = std::pair<float, float>;

class Platform {
public:
    explicit Platform(Backend& backend) : backend_(backend) {}

    // Window library.
    // Logical units are the only mapping there is: the call is accepted and changes nothing.
    void SETMAPMODE(int mode) { (void)mode; }
    // The window opens maximised already.
    void MAXIMIZEWINDOW() {}
    void SETFONTNAME(const std::string& face) { font_.face = face; }
    void SETFONTSIZE(float size) { font_.size = size; }
    void SETFONTBOLD(float flag) { font_.bold = flag != 0; }
    void SETFONTITALIC(float flag) { font_.italic = flag != 0; }
    void SETDRAWWIDTH(float width);
    int GETDRAWWIDTH() const { return width_; }
    const FontState& font() const { return font_; }

    // Drawing.  Second points are absolute; callers add their STEP offsets.
    void LINE(float x1, float y1, float x2, float y2, float c);
    void BOX(float x1, float y1, float x2, float y2, float c);
    void FILL(float x1, float y1, float x2, float y2, float c, float f);
    void FILL(float x1, float y1, float x2, float y2, float c) { FILL(x1, y1, x2, y2, c, c); }
    // Arc from start to end (fractions of a turn, clockwise on screen);
    // 0 and 0 is the whole circle.  filled gives a disc or sector in f.
    void CIRCLE(float cx, float cy, float r, float c, float start = 0, float end = 0, bool filled = false,
                float f = -1);
    void CONNECT(const std::vector<Point>& pts, float c);
    // A level line from (x1, y) to (x2, y) that is a fraction bar: the
    // glyphs of text drawn later above and below it keep clear of it.
    void fraction_bar(float x1, float y, float x2, float c);
    // Text; its glyphs laid out over what was drawn under it before (see
    // glyph_layout.h), as the operation records.
    void SYMBOL(float x, float y, float p, float q, float c, const std::string& text);
    // A text that is an operator sign between two operands (×, ÷, ±), set as
    // a maths typesetter sets a binary operator (see GlyphRole).
    void operator_sign(float x, float y, float p, float q, float c, const std::string& text);
    void CLS();

    // Keyboard, clock, random numbers.
    std::string INKEY();
    std::string TIME_s() { return backend_.time_of_day(); }
    void RANDOMIZE(int seed);
    float RND();  // in [0, 1), single precision
    // For tests of the draws at the generator's extremes: while a value is pinned, RND gives it (it must lie
    // in [0, 1)) and the sequence does not move; nullopt goes back to the sequence where it was left.
    void pin_rnd(std::optional<float> value);
    [[noreturn]] void END() { throw ProgramEnd{}; }
    [[noreturn]] void IDLE_FOREVER(int code, int site) {
        backend_.idle_forever(code, site);
        throw std::logic_error("the backend's idle_forever returned");
    }

    // Notes for the replay log.
    void note(Op kind, float x, float y, float c, const std::string& s);

    // Drawing done only to measure what it would draw (the typesetter's
    // hidden copies): while a scope is open every operation is made and its
    // arguments checked as ever, and then dropped, so it reaches neither the
    // backend, the observer nor the record.  Scopes nest.
    class MeasuringScope {
    public:
        explicit MeasuringScope(Platform& pf) : pf_(pf) { ++pf_.measuring_; }
        ~MeasuringScope() { --pf_.measuring_; }
        MeasuringScope(const MeasuringScope&) = delete;
        MeasuringScope& operator=(const MeasuringScope&) = delete;

    private:
        Platform& pf_;
    };
    bool measuring() const { return measuring_ > 0; }

    // Drawing done only to see what it would draw: while a scope is open
    // the operations are made as when measuring, and those that would be
    // drawn (fitted to what lies under them, as ever) go into `into` instead
    // of being drawn; measuring inside it stays hidden.
    class SketchScope {
    public:
        SketchScope(Platform& pf, std::vector<DrawOp>& into)
            : pf_(pf), outer_(pf.sketch_), outer_level_(pf.sketch_level_) {
            pf_.sketch_ = &into;
            pf_.sketch_level_ = ++pf_.measuring_;
        }
        ~SketchScope() {
            --pf_.measuring_;
            pf_.sketch_ = outer_;
            pf_.sketch_level_ = outer_level_;
        }
        SketchScope(const SketchScope&) = delete;
        SketchScope& operator=(const SketchScope&) = delete;

    private:
        Platform& pf_;
        std::vector<DrawOp>* outer_;
        int outer_level_;
    };

    // Where an operation leaves its ink: the whole pixels at the layout's
    // size it reaches into, a text's glyphs where they were placed
    // (GlyphLayout::ink, the one measure).
    Bounds ink(const DrawOp& op) { return layout_.ink(op); }
    // What a drawing would cover if drawn now: the box of the ink of all
    // that `draw` draws, made in a sketch (SketchScope) and so not drawn;
    // empty when it leaves no ink.
    Bounds covers(const std::function<void()>& draw);
    // Where the texts the screen shows (ShownTexts) leave ink that reaches
    // into `area`: one box for each text.
    std::vector<Bounds> text_ink_within(const Bounds& area);
    const ShownTexts& shown_texts() const { return shown_; }

    // Every operation since recording began (drawn ones and notes), for tests
    // and the replay log.
    void set_recording(bool on) { recording_ = on; }
    const std::vector<DrawOp>& record() const { return record_; }
    void clear_record() { record_.clear(); }
    // What it keeps of the drawing: the fills and bars under what is drawn
    // next, and the glyph shapes it fits text with.
    const Backdrop& backdrop() const { return backdrop_; }
    const GlyphLayout& layout() const { return layout_; }
    // Optional observer of every operation (the replay tool's log).
    std::function<void(const DrawOp&)> observer;

private:
    void emit(DrawOp op);
    void text_of(float x, float y, float p, float q, float c, const std::string& text, GlyphRole role);
    // Whether what is made now goes into a sketch.
    bool sketching() const;
    int colour(float c) const;

    Backend& backend_;
    FontState font_;
    int width_ = 1;
    bool recording_ = false;
    int measuring_ = 0;
    std::vector<DrawOp> record_;
    Backdrop backdrop_;  // the fills and bars drawn: what each operation is drawn over
    ShownTexts shown_;   // the texts drawn, which text placed clear of others looks at
    std::vector<DrawOp>* sketch_ = nullptr;  // where a sketch's operations go
    int sketch_level_ = 0;                   // the measuring depth the sketch opened
    GlyphLayout layout_;
    uint64_t rng_ = 0x853c49e6748fea9bULL;
    std::optional<float> pinned_rnd_;
};

}  // namespace cw
