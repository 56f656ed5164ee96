// Long sessions: the retained display list holds about one screen however
// many keys a pupil presses, in every drill of every lesson, and it renders
// exactly the picture the whole history renders, there and on every page of
// every step; what the platform, the list and the painter keep beside it
// (fills and bars drawn, glyph shapes, text inks) stays as small.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/render.h"
#include "platform/retained.h"
#include "shell/drill_checks.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "support/lesson_fixture.h"
#include "support/picture.h"
#include "support/tour.h"
#include "support/window_picture.h"

namespace cw::test {
namespace {

// Problems of each drill (a step with several drills runs each this long).
// The sanitizer build runs every drill too, for fewer problems (growth shows
// in the normal build; the sanitizers look at the same code paths over the
// first problems).
#if defined(__SANITIZE_ADDRESS__)
constexpr int kProblems = 150;
#else
constexpr int kProblems = 2000;
#endif
// Over the first problems of a step the whole history is drawn as well, and
// the list's picture compared with it.
constexpr int kComparedProblems = 40;
// What a drill keeps over its first problems is what any later question of
// it may keep, and a quarter more.
constexpr int kSettlingProblems = 40;
// The first problems of each drill whose screens are looked at for what
// earlier problems leave, as the window shows them (CleanAreas).
constexpr int kCleanAreaProblems = 8;
// More keys than any drill's problem takes (Dorrith lesson 5's take 15).
constexpr int kMostWaits = 40;
// More than the fullest screen of any drill holds (Kelvane lesson 5's dotted
// arcs keep about 800 operations; before the list forgot what later ones
// cover, the longest drills kept tens of thousands).
constexpr size_t kOneScreen = 3000;

// The tables of drills hold every step that asks the next-step question,
// and how many drills each runs (a drill is left after its one problem, so
// the step asks once a drill).
TEST(LongSession, TheDrillTableHoldsEveryDrill) {
    std::set<std::string> found;
    for (const Step& s : all_steps()) {
        int asked = 0;
        WalkOptions o;
        o.problems = 1;
        o.on_op = [&](const DrawOp& op, const Program&) { asked += op.op == Op::Prompt && op.s == kNextStep; };
        walk(s, o);
        if (asked == 0) continue;
        found.insert(s.name());
        EXPECT_EQ(asked, drills_of(s.name())) << s.name();
    }
    EXPECT_EQ(found, std::set<std::string>(drill_steps().begin(), drill_steps().end()));
}

// The whole history drawn as it comes, on one picture of the layout.
class History {
public:
    History()
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900)), cr_(cairo_create(surface_)), painter_(cr_) {
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_paint(cr_);
    }
    ~History() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    History(const History&) = delete;
    History& operator=(const History&) = delete;
    void draw(const DrawOp& op) {
        const Paint paint = paint_of(op);
        painter_.draw(op, paint, under_.beneath(op));
        under_.add(op, paint);
    }
    // Takes note of an operation not drawn here, so that what lies under the
    // operations drawn later is known.
    void note(const DrawOp& op) { under_.add(op); }
    // Whether a picture of the layout shows what the history does, compared
    // where the two lie.
    bool shows(const Picture& p) {
        cairo_surface_flush(surface_);
        const uint8_t* d = cairo_image_surface_get_data(surface_);
        const size_t n = static_cast<size_t>(cairo_image_surface_get_stride(surface_)) * 900;
        return p.bytes().size() == n && std::equal(d, d + n, p.bytes().begin());
    }
    // The colour of pixel (x, y).
    uint32_t pixel(int x, int y) {
        cairo_surface_flush(surface_);
        const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface_));
        const uint8_t* row = cairo_image_surface_get_data(surface_) + static_cast<size_t>(y) * stride;
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
    }

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
    Painter painter_;
    Backdrop under_;  // what lies under each operation, as the platform sees it
};

// A box of whole pixels of the layout, right and bottom exclusive.
struct PixelBox {
    int l, t, r, b;
};


// Where the list changed other than by taking what was drawn: `before` is
// what it held at the page before followed by what was drawn since, `now`
// what it holds (a subsequence of it).  The pixels of each operation it
// dropped, and of each drawn more times than before; the whole layout when
// it holds what was never drawn.
std::vector<PixelBox> changed_areas(const std::vector<KeptOp>& before, const std::vector<KeptOp>& now,
                                    GlyphLayout& inks) {
    std::vector<PixelBox> out;
    auto add = [&](const DrawOp& op) {
        const Bounds b = inks.ink(op, 1, true);
        // A pixel more each side, for what antialiasing reaches.
        const PixelBox p{std::max(0, static_cast<int>(std::floor(b.l)) - 1),
                         std::max(0, static_cast<int>(std::floor(b.t)) - 1),
                         std::min(1440, static_cast<int>(std::ceil(b.r)) + 1),
                         std::min(900, static_cast<int>(std::ceil(b.b)) + 1)};
        if (p.l < p.r && p.t < p.b) out.push_back(p);
    };
    size_t j = 0;
    for (const KeptOp& k : before) {
        if (j < now.size() && k.op == now[j].op) {
            if (k.times != now[j].times) add(now[j].op);
            ++j;
        } else {
            add(k.op);
        }
    }
    if (j < now.size()) return {{0, 0, 1440, 900}};
    return out;
}

// Whether the list holds what it held before and what was drawn since,
// each as many times, and nothing else: it merely took what was drawn.
bool took_alone(const std::vector<KeptOp>& before, const std::vector<KeptOp>& now) {
    return std::equal(before.begin(), before.end(), now.begin(), now.end(),
                      [](const KeptOp& a, const KeptOp& b) { return a.op == b.op && a.times == b.times; });
}

// The first pixel within the boxes where the list's picture differs from
// the history's.  The list is drawn as the window draws a part of itself
// again: clipped to one box around them all (a clip of several boxes blends
// glyph edges a shade apart) that holds every antialiased drawing reaching
// into them whole (cut by a clip, such a drawing's rim, a synthesised bold
// glyph's faint edge among them, comes out a shade apart).
std::optional<std::pair<int, int>> first_difference(const std::vector<KeptOp>& ops, const std::vector<PixelBox>& boxes,
                                                    History& history, GlyphLayout& inks) {
    PixelBox all = boxes.front();
    for (const PixelBox& p : boxes)
        all = {std::min(all.l, p.l), std::min(all.t, p.t), std::max(all.r, p.r), std::max(all.b, p.b)};
    const Bounds compared{static_cast<float>(all.l), static_cast<float>(all.t), static_cast<float>(all.r),
                          static_cast<float>(all.b)};
    PixelBox whole = all;
    for (const KeptOp& k : ops) {
        if (paint_of(k.op).lands == Landing::Snapped) continue;
        // A pixel more each side, for what antialiasing reaches.
        const Bounds b = inks.ink(k.op, 1, true).grown(1);
        if (b.empty() || !b.overlaps(compared)) continue;
        whole = {std::min(whole.l, static_cast<int>(std::floor(b.l))), std::min(whole.t, static_cast<int>(std::floor(b.t))),
                 std::max(whole.r, static_cast<int>(std::ceil(b.r))), std::max(whole.b, static_cast<int>(std::ceil(b.b)))};
    }
    whole = {std::max(whole.l, 0), std::max(whole.t, 0), std::min(whole.r, 1440), std::min(whole.b, 900)};
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_rectangle(cr, whole.l, whole.t, whole.r - whole.l, whole.b - whole.t);
    cairo_clip(cr);
    render_ops(cr, ops);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    const uint8_t* data = cairo_image_surface_get_data(s);
    const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(s));
    std::optional<std::pair<int, int>> found;
    for (const PixelBox& p : boxes)
        for (int y = p.t; y < p.b && !found; ++y)
            for (int x = p.l; x < p.r && !found; ++x) {
                const uint8_t* row = data + static_cast<size_t>(y) * stride;
                const uint32_t mine = reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
                if (mine != history.pixel(x, y)) found = {x, y};
            }
    cairo_surface_destroy(s);
    return found;
}

// Every page of every step of the tour, walked from the main menu: the list
// renders what the whole history renders.  What the list merely took since
// the page before draws there as it drew in the history, so a page is
// compared where the list dropped an operation or joined copies since the
// page before.
// The same walk draws every page in windows smaller than the layout
// (projectors, and the smallest a school's screen gives): each shows what a
// repaint of the screen's list shows, so no rim of what a fill or an erase
// hid stays.  One lesson a test, so they run side by side (and each process
// starts once for the steps of its lesson); the run under the fallback face
// checks the same.
// Each step counts what it held: every page's windows show ink (a blank
// window agrees with its blank repaint and would prove nothing), and every
// page where the list changed other than by taking what was drawn is held
// against the history.
class StepPages : public testing::TestWithParam<std::string> {};

// What one step's pages held.
struct PagesHeld {
    int pages = 0;
    int windows_inked = 0;  // window comparisons that found ink in the window
    int changed = 0;        // pages where the list changed other than by taking what was drawn
    int compared = 0;       // of those, held against the history
};

// One step's pages.
PagesHeld check_pages(const Step& step) {
    GlyphLayout inks;
    PagesHeld held;
    History history;
    std::vector<KeptOp> before;  // the list at the page before, and what was drawn since
    bool failed = false, window_failed = false;
    std::vector<std::unique_ptr<WindowPicture>> windows;
    for (auto [w, h] : kSmallerWindows) windows.push_back(std::make_unique<WindowPicture>(w, h));
    WalkOptions o;
    o.on_every_op = [&](const DrawOp& op) {
        for (auto& w : windows) w->draw(op);
        if (!op.drawn()) return;
        history.draw(op);
        const Paint paint = paint_of(op);
        if (paint.clears) before.clear();
        before.push_back({op, paint, {}, nullptr, 1});
    };
    // Each page, and the screen the step leaves under its lesson's menu.
    auto look = [&](Harness& h) {
        ++held.pages;
        for (auto& w : windows) {
            if (window_failed) break;
            const auto [x, y] = w->first_difference_from_repaint();
            if (x < 0) {
                held.windows_inked += w->shows_ink();
                continue;
            }
            window_failed = true;
            ADD_FAILURE() << step.name() << " page " << held.pages << ", at scale " << w->scale()
                          << ": the window differs from a repaint of the screen's list at pixel (" << x << ", " << y
                          << ")";
        }
        std::vector<KeptOp> now = h.backend.screen().kept();
        held.changed += !took_alone(before, now);
        const std::vector<PixelBox> areas = changed_areas(before, now, inks);
        before = std::move(now);
        if (areas.empty() || failed) return;
        ++held.compared;
        if (auto at = first_difference(before, areas, history, inks)) {
            failed = true;
            ADD_FAILURE() << step.name() << " page " << held.pages
                          << ": the list's picture differs from the history's at pixel (" << at->first << ", "
                          << at->second << ")";
        }
    };
    o.on_wait = look;
    o.on_back_at_menu = look;
    const WalkResult r = walk(step, o);
    EXPECT_TRUE(r.back_at_menu) << step.name() << ": " << r.stuck;
    if (!window_failed) {
        EXPECT_EQ(held.windows_inked, held.pages * static_cast<int>(std::size(kSmallerWindows)))
            << step.name() << ": of " << held.pages << " pages in " << std::size(kSmallerWindows)
            << " windows, only these showed ink";
    }
    if (!failed) {
        EXPECT_EQ(held.compared, held.changed) << step.name() << ": pages held against the history";
    }
    // Most pages drop the prompt of the page before (a step of two or three
    // pages may drop one).
    EXPECT_GE(held.compared, held.pages / 2) << step.name() << ": of " << held.pages << " pages";
    return held;
}

TEST_P(StepPages, EveryPageRendersWhatTheHistoryAndARepaintRender) {
    PagesHeld lesson;
    for (const std::string& step : steps_of_lesson(GetParam())) {
        const PagesHeld h = check_pages(step_named(step));
        lesson.pages += h.pages, lesson.compared += h.compared;
    }
    // And more than half of a lesson's.
    EXPECT_GT(lesson.compared, lesson.pages / 2) << "of " << lesson.pages << " pages";
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, StepPages, testing::ValuesIn(lesson_names()), StepTestName());

// One walk through each drill feeds every check of it: the list keeps
// about one screen and its picture, and (CleanAreas) each of the first
// problems starts on a clean area, also in smaller windows.  One drill a
// test: of a step that runs several, the drills before and after the one
// looked at are left after one problem each.
class DrillSession : public testing::TestWithParam<std::string> {};

// Whether a walk through a step waits in the drill a test looks at, from the
// next-step questions the step asked: one for each drill before it.
struct InDrill {
    int before = 0;     // questions of the drills before it
    int problems = 0;   // of the drill looked at
    int questions = 0;  // the step asked so far
    bool at_question = false;
    void op(const DrawOp& op) {
        if (op.op != Op::Prompt || op.s == "入力") return;  // the entry's label is no question
        at_question = op.s == kNextStep;
        questions += at_question;
    }
    bool waits_there() const {
        // The problem of the step a wait belongs to: a question ends its own.
        const int problem = at_question ? questions : questions + 1;
        return problem > before && problem <= before + problems;
    }
};

// What is kept beside the screen's list of what is drawn, each counted as
// its keeper counts it.
struct KeptBeside {
    const char* what;
    size_t (*count)(Harness&);
};
const KeptBeside kKeptBeside[] = {
    {"the platform's fills and bars", [](Harness& h) { return h.pf.backdrop().size(); }},
    {"the platform's glyph shapes", [](Harness& h) { return h.pf.layout().shapes(); }},
    {"the list's text inks", [](Harness& h) { return h.backend.screen().inks_remembered(); }},
    {"the platform's shown texts", [](Harness& h) { return h.pf.shown_texts().texts().size(); }},
};
constexpr size_t kKeptKinds = std::size(kKeptBeside);

TEST_P(DrillSession, KeepsAboutOneScreenAndItsPictureAndStartsEachProblemClean) {
    int which = 0;
    const Step& step = step_of_drill(GetParam(), which);
    CleanAreas clean(step, kCleanAreaProblems, kProblems);
    InDrill in_drill{std::max(which - 1, 0), kProblems};
    const Bounds layout{0, 0, LAYOUT_W, LAYOUT_H};
    History history;
    int questions = 0, waits_in_problem = 0, compared = 0;
    int held_flat = 0;  // questions after the first problems held against what those kept
    int drills = 0, asked = 0;  // the drills the pupil left, and the questions the one it is in asked
    // The most each drill kept over its first problems: the list, and each
    // record beside it.
    size_t first_screens = 0;
    std::array<size_t, kKeptKinds> first_kept{};
    GlyphLayout inks;
    std::optional<size_t> kept;  // at the last problem's question
    Picture listed(std::vector<DrawOp>{});  // the list's picture, drawn anew at each wait compared
    size_t outside = 0;

    WalkOptions o;
    o.problems = kProblems;
    o.problems_each_drill = true;
    o.max_waits = 8 * kProblems * kMostWaits;
    o.only_drill = which;
    o.on_every_op = [&](const DrawOp& op) {
        clean.op(op);
        in_drill.op(op);
        if (op.drawn()) {
            if (questions < kComparedProblems)
                history.draw(op);
            else
                history.note(op);
        }
        if (op.op == Op::Prompt && op.s == kNextStep && in_drill.waits_there())
            ++questions, ++asked, waits_in_problem = 0;
    };
    o.on_wait = [&](Harness& h) {
        if (in_drill.waits_there()) clean.wait(h);
    };
    // Each check stops the walk where it first fails.
    o.stop_if = [&](Harness& h) -> std::string {
        if (!in_drill.waits_there()) return "";
        const RetainedList& screen = h.backend.screen();
        const int wait = waits_in_problem++;
        const std::string at = "drill " + std::to_string(drills + 1) + ", problem " + std::to_string(asked + 1) +
                               ", wait " + std::to_string(wait) + ": ";
        if (screen.size() > kOneScreen)
            return at + "the list keeps " + std::to_string(screen.size()) + " operations, more than one screen";
        // What it drops it forgets in time: the entries it holds, dropped
        // ones included, stay within twice a screen.
        if (screen.held() > 2 * kOneScreen)
            return at + "the list holds " + std::to_string(screen.held()) + " entries, dropped ones included";
        if (questions < kComparedProblems && (questions < 3 || wait == 0)) {
            // Every wait of the first problems, then the question of each.
            ++compared;
            listed.draw(screen.kept());
            if (!history.shows(listed)) return at + "the list's picture differs from the history's";
        }
        if (asked < kSettlingProblems) {
            first_screens = std::max(first_screens, screen.size());
            for (size_t k = 0; k < kKeptKinds; ++k)
                first_kept[k] = std::max(first_kept[k], kKeptBeside[k].count(h));
        } else if (wait == 0 && asked <= kProblems) {
            // No growth: each question keeps no more than the busiest wait of the drill's first problems.
            ++held_flat;
            const size_t most = first_screens + first_screens / 4;
            if (screen.size() > most)
                return at + "the list keeps " + std::to_string(screen.size()) + " operations, more than " +
                       std::to_string(most) + " (the first problems kept at most " + std::to_string(first_screens) +
                       ")";
            for (size_t k = 0; k < kKeptKinds; ++k) {
                // A few more for what a rare problem alone draws.
                const size_t n = kKeptBeside[k].count(h), first = first_kept[k];
                if (n > first + first / 4 + 8)
                    return at + kKeptBeside[k].what + " hold " + std::to_string(n) + " entries (the first problems " +
                           std::to_string(first) + ")";
            }
        }
        if (wait == 0 && asked == kProblems) {
            const std::vector<DrawOp> ops = screen.ops();
            kept = ops.size();
            for (const DrawOp& op : ops) outside += !inks.ink(op, 1, true).overlaps(layout);
            // The pupil leaves the drill; the next starts counting what it keeps anew.
            ++drills, asked = 0;
            first_screens = 0;
            first_kept = {};
        }
        return "";
    };
    WalkResult r = walk(step, o);
    ASSERT_TRUE(r.back_at_menu) << r.stuck;
    EXPECT_GE(questions, kProblems * drills);
    EXPECT_GT(compared, kComparedProblems);
    // Every question of a drill after its first problems, up to the last.
    EXPECT_GE(held_flat, (kProblems - kSettlingProblems) * std::max(drills, 1))
        << "questions held against what the first problems kept";
    EXPECT_TRUE(kept) << "the last problem's question was not seen";
    EXPECT_GT(kept.value_or(0), 0u) << "the last problem's screen held nothing to look at";
    EXPECT_EQ(outside, 0u);
    clean.finish();
}

INSTANTIATE_TEST_SUITE_P(EveryDrill, DrillSession, testing::ValuesIn(each_drill()),
                         StepTestName());

// Typing and wiping a number at a menu prompt for a long time.
TEST(LongSession, TypingAndWipingKeepsAboutOneScreen) {
    std::string keys = "3\r";
    for (int i = 0; i < 6667; ++i) keys += "12\b";
    Harness h("kelvane", keys);
    h.pf.set_recording(false);
    try {
        run_program(h.g);
    } catch (const KeysExhausted&) {
    }
    EXPECT_LT(h.backend.screen().size(), 300u);
}

// Pupil-like keys through lessons 1 to 3: at every few waits the retained
// list and the whole record must give the same picture.
TEST(LongSession, RetainedListRendersWhatTheWholeHistoryRenders) {
    std::mt19937 rng(7);
    const char* keys[] = {"1\r", "2\r", "3\r", "4\r", "5\r", "6\r", "x", "\r", "12\b", "2\r"};
    std::string script;
    for (int i = 0; i < 1000; ++i) script += keys[rng() % 10];
    Harness h("kelvane", script);
    int waits = 0, compared = 0;
    // The whole history, drawn as it comes, and the list's picture.
    History history;
    Picture listed(std::vector<DrawOp>{});
    size_t drawn = 0;
    h.backend.on_wait = [&] {
        if (++waits % 10 != 0) return;
        const std::vector<DrawOp>& record = h.pf.record();
        for (; drawn < record.size(); ++drawn)
            if (record[drawn].drawn()) history.draw(record[drawn]);
        listed.draw(h.backend.screen().kept());
        ASSERT_TRUE(history.shows(listed)) << "at wait " << waits;
        ++compared;
    };
    try {
        run_program(h.g);
    } catch (const KeysExhausted&) {
    }
    EXPECT_GT(compared, 30);
}

}  // namespace
}  // namespace cw::test
