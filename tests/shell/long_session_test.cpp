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
#include <cstring>
#include <map>
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

// The layout in pixels, at its own size.
constexpr int kLayoutPxW = static_cast<int>(LAYOUT_W), kLayoutPxH = static_cast<int>(LAYOUT_H);

// The whole history drawn as it comes, on one picture of the layout.
class History {
public:
    History()
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kLayoutPxW, kLayoutPxH)), cr_(cairo_create(surface_)),
          painter_(cr_) {
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
        const uint8_t* d = data();
        const size_t n = static_cast<size_t>(stride()) * kLayoutPxH;
        return p.bytes().size() == n && std::equal(d, d + n, p.bytes().begin());
    }
    // A picture of the layout as the history shows it, for the caller to
    // draw on and destroy.
    cairo_surface_t* copy() {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kLayoutPxW, kLayoutPxH);
        std::copy(data(), data() + static_cast<size_t>(stride()) * kLayoutPxH, cairo_image_surface_get_data(s));
        cairo_surface_mark_dirty(s);
        return s;
    }
    // The first pixel (row by row) where a picture of the layout, as copy()
    // makes one, differs from the history's.
    std::optional<std::pair<int, int>> first_difference(cairo_surface_t* s) {
        cairo_surface_flush(s);
        const size_t row_bytes = static_cast<size_t>(stride());
        for (int y = 0; y < kLayoutPxH; ++y) {
            const auto* mine = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s) + y * row_bytes);
            const auto* theirs = reinterpret_cast<const uint32_t*>(data() + y * row_bytes);
            if (std::memcmp(mine, theirs, 4 * kLayoutPxW) == 0) continue;  // rows alike, most of them
            for (int x = 0; x < kLayoutPxW; ++x)
                if ((mine[x] & 0xFFFFFF) != (theirs[x] & 0xFFFFFF)) return std::pair{x, y};
        }
        return std::nullopt;
    }
    // Moves pixel (x, y) one level of blue away from what was drawn there:
    // a history a shade apart, for showing a comparison what it must see.
    void shade(int x, int y) {
        cairo_surface_flush(surface_);
        auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_) + y * stride()) + x;
        *px = (*px & 0xFF) == 0 ? *px + 1 : *px - 1;
        cairo_surface_mark_dirty(surface_);
    }

private:
    const uint8_t* data() {
        cairo_surface_flush(surface_);
        return cairo_image_surface_get_data(surface_);
    }
    int stride() const { return cairo_image_surface_get_stride(surface_); }

    cairo_surface_t* surface_;
    cairo_t* cr_;
    Painter painter_;
    Backdrop under_;  // what lies under each operation, as the platform sees it
};

// A box of whole pixels of the layout, right and bottom exclusive.
struct PixelBox {
    int l, t, r, b;
    bool overlaps(const PixelBox& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
    bool holds(const PixelBox& o) const { return l <= o.l && t <= o.t && o.r <= r && o.b <= b; }
    PixelBox joined(const PixelBox& o) const {
        return {std::min(l, o.l), std::min(t, o.t), std::max(r, o.r), std::max(b, o.b)};
    }
};

// The whole pixels an operation leaves ink on at the layout's size, and a
// pixel more each side for what antialiasing reaches, within the layout.
PixelBox reach_of(const DrawOp& op, GlyphLayout& inks) {
    const Bounds b = inks.ink(op, 1, true);
    return {std::max(0, static_cast<int>(std::floor(b.l)) - 1), std::max(0, static_cast<int>(std::floor(b.t)) - 1),
            std::min(kLayoutPxW, static_cast<int>(std::ceil(b.r)) + 1),
            std::min(kLayoutPxH, static_cast<int>(std::ceil(b.b)) + 1)};
}

// Where the list changed other than by taking what was drawn: `before` is
// what it held at the page before followed by what was drawn since, `now`
// what it holds (a subsequence of it).  The pixels of each operation it
// dropped, and of each drawn more times than before; the whole layout when
// it holds what was never drawn.
std::vector<PixelBox> changed_areas(const std::vector<KeptOp>& before, const std::vector<KeptOp>& now,
                                    GlyphLayout& inks) {
    std::vector<PixelBox> out;
    auto add = [&](const DrawOp& op) {
        const PixelBox p = reach_of(op, inks);
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
    if (j < now.size()) return {{0, 0, kLayoutPxW, kLayoutPxH}};
    return out;
}

// Whether the list holds what it held before and what was drawn since,
// each as many times, and nothing else: it merely took what was drawn.
bool took_alone(const std::vector<KeptOp>& before, const std::vector<KeptOp>& now) {
    return std::equal(before.begin(), before.end(), now.begin(), now.end(),
                      [](const KeptOp& a, const KeptOp& b) { return a.op == b.op && a.times == b.times; });
}

// The part the list is drawn again over where it changed, as the window
// draws a part of itself again: one box around the changed boxes (a clip of
// several boxes blends glyph edges a shade apart), grown until it holds
// whole every drawing of the list that is not snapped to whole pixels and
// reaches into it (cut by the part's edge, such a drawing's rim, a
// synthesised bold glyph's faint edge among them, comes out a shade apart).
PixelBox part_drawn_again(const std::vector<KeptOp>& ops, const std::vector<PixelBox>& boxes, GlyphLayout& inks) {
    PixelBox part = boxes.front();
    for (const PixelBox& p : boxes) part = part.joined(p);
    std::vector<PixelBox> reaches;
    for (const KeptOp& k : ops) {
        if (paint_of(k.op).lands == Landing::Snapped) continue;
        const PixelBox r = reach_of(k.op, inks);
        if (r.l < r.r && r.t < r.b) reaches.push_back(r);
    }
    for (bool grew = true; grew;) {
        grew = false;
        for (const PixelBox& r : reaches)
            if (r.overlaps(part) && !part.holds(r)) part = part.joined(r), grew = true;
    }
    return part;
}

// The first pixel where the window's picture, once it draws the list again
// over the part around the changed boxes, differs from the history's: the
// window shows the history (what it showed) outside the part, and there the
// background with the list drawn over it.
std::optional<std::pair<int, int>> first_difference(const std::vector<KeptOp>& ops, const std::vector<PixelBox>& boxes,
                                                    History& history, GlyphLayout& inks) {
    const PixelBox part = part_drawn_again(ops, boxes, inks);
    cairo_surface_t* s = history.copy();
    cairo_t* cr = cairo_create(s);
    cairo_rectangle(cr, part.l, part.t, part.r - part.l, part.b - part.t);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    render_ops(cr, ops);
    cairo_destroy(cr);
    const auto found = history.first_difference(s);
    cairo_surface_destroy(s);
    return found;
}

// The screen's list held against the whole history, page by page: what the
// list merely took since the page before draws there as it drew in the
// history, so a page is held against it where the list dropped an operation
// or joined copies since the page before.  Counts the pages, those where the
// list changed other than by taking what was drawn and those held against
// the history; from the first difference found on, the pages are counted
// and no longer compared.
class ListAgainstHistory {
public:
    // Takes an operation as it is drawn.
    void drawn(const DrawOp& op) {
        history_.draw(op);
        const Paint paint = paint_of(op);
        if (paint.clears) before_.clear();
        before_.push_back({op, paint, {}, nullptr, 1});
    }
    // Holds what the list keeps at a page against the history.
    void page(std::vector<KeptOp> now) {
        ++pages;
        changed += !took_alone(before_, now);
        const std::vector<PixelBox> areas = changed_areas(before_, now, inks_);
        before_ = std::move(now);
        if (areas.empty() || difference) return;
        ++compared;
        if (auto at = first_difference(before_, areas, history_, inks_)) difference = Difference{pages, at->first, at->second};
    }
    History& history() { return history_; }

    int pages = 0;
    int changed = 0;   // pages where the list changed other than by taking what was drawn
    int compared = 0;  // of those, held against the history
    struct Difference {
        int page, x, y;
        bool operator==(const Difference&) const = default;
    };
    std::optional<Difference> difference;  // the first found

private:
    History history_;
    GlyphLayout inks_;
    std::vector<KeptOp> before_;  // the list at the page before, and what was drawn since
};

// The comparison the pages are held by, shown what it must see: a list and
// a history a level apart in one pixel where the list is drawn again, a list
// that lost a text, and a list and a history alike but for a pixel outside
// that part (which the window does not draw again).  Each row draws its
// pages' operations through a screen's list as the platform feeds it, and
// takes from what the list keeps what a row says it lost.
TEST(ListAgainstHistory, SeesWhereTheListIsDrawnAgainAndNothingElse) {
    auto text = [](float x, float y, const std::string& s) {
        DrawOp op;
        op.op = Op::Text;
        op.x1 = x, op.y1 = y, op.s = s, op.p = 2, op.q = 3;
        op.font.face = "ゴシック";
        op.font.bold = true;
        return laid_out(op);
    };
    auto erase = [](float x1, float y1, float x2, float y2) {
        DrawOp op;
        op.op = Op::Fill;
        op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.c = op.f = BACKGROUND, op.w = 3;
        return op;
    };
    // Texts in cells 32 across and 48 down; a box over the first alone, and
    // one over the far one.
    const DrawOp word = text(200, 200, "式"), beside = text(300, 200, "値"), far = text(900, 600, "数");
    const DrawOp over_word = erase(190, 190, 240, 260), over_far = erase(890, 590, 940, 660);
    // A text whose cell overlaps the first's, reaching into where the box
    // drops it from beyond the box.
    const DrawOp across = text(225, 200, "値");
    GlyphLayout inks;
    const PixelBox in_beside = reach_of(beside, inks);
    struct Page {
        std::vector<DrawOp> drawn = {};             // since the page before
        std::optional<DrawOp> lost = {};            // what the list loses at this page
        std::optional<std::pair<int, int>> shaded = {};  // a pixel of the history a level apart
    };
    struct Row {
        const char* name;
        std::vector<Page> pages;
        int changed, compared;
        int difference_page;   // where the first difference is found (0: none)
        PixelBox difference;   // and the box it lies in
    } rows[] = {
        {"the list takes what is drawn", {{{word, beside}}, {{far}}}, 0, 0, 0, {}},
        {"a box drops the text under it", {{{word, beside}}, {{over_word}}}, 1, 1, 0, {}},
        {"the history a level apart in a pixel the box drew over",
         {{{word, beside}}, {{over_word}, std::nullopt, std::pair{215, 225}}}, 1, 1, 2, {215, 225, 216, 226}},
        {"the history a level apart in a pixel far from the box",
         {{{word, beside}}, {{over_word}, std::nullopt, std::pair{700, 500}}}, 1, 1, 0, {}},
        {"the list loses the text beside the box", {{{word, beside}}, {{over_word}, beside}}, 1, 1, 2, in_beside},
        {"a text reaching in from beyond the box", {{{word, across}}, {{over_word}}}, 1, 1, 0, {}},
        {"the pages after a difference are counted, not compared",
         {{{word, beside, far}}, {{over_word}, std::nullopt, std::pair{215, 225}}, {{over_far}}}, 2, 1, 2,
         {215, 225, 216, 226}},
    };
    for (const Row& row : rows) {
        ListAgainstHistory held;
        RetainedList list;
        Backdrop under;
        for (const Page& page : row.pages) {
            for (const DrawOp& op : page.drawn) {
                list.add(op, under.beneath(op));
                under.add(op);
                held.drawn(op);
            }
            if (page.shaded) held.history().shade(page.shaded->first, page.shaded->second);
            std::vector<KeptOp> now = list.kept();
            if (page.lost) std::erase_if(now, [&](const KeptOp& k) { return k.op == *page.lost; });
            held.page(now);
        }
        EXPECT_EQ(held.pages, static_cast<int>(row.pages.size())) << row.name;
        EXPECT_EQ(held.changed, row.changed) << row.name;
        EXPECT_EQ(held.compared, row.compared) << row.name;
        EXPECT_EQ(held.difference ? held.difference->page : 0, row.difference_page) << row.name;
        if (held.difference && row.difference_page) {
            const PixelBox at{held.difference->x, held.difference->y, held.difference->x + 1, held.difference->y + 1};
            EXPECT_TRUE(row.difference.holds(at)) << row.name << ": at (" << at.l << ", " << at.t << ")";
        }
    }
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
// Each step counts what it held: its pages, as many as the tour shows
// (kPagesOfSteps), every page's windows show ink (a blank window agrees with
// its blank repaint and would prove nothing), and every page where the list
// changed other than by taking what was drawn is held against the history
// (ListAgainstHistory).
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
    PagesHeld held;
    ListAgainstHistory list;
    bool window_failed = false;
    std::vector<std::unique_ptr<WindowPicture>> windows;
    for (auto [w, h] : kSmallerWindows) windows.push_back(std::make_unique<WindowPicture>(w, h));
    WalkOptions o;
    o.on_every_op = [&](const DrawOp& op) {
        for (auto& w : windows) w->draw(op);
        if (op.drawn()) list.drawn(op);
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
        list.page(h.backend.screen().kept());
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
    held.changed = list.changed, held.compared = list.compared;
    if (list.difference) {
        ADD_FAILURE() << step.name() << " page " << list.difference->page
                      << ": the list drawn again where it changed differs from the history at pixel ("
                      << list.difference->x << ", " << list.difference->y << ")";
    } else {
        EXPECT_EQ(held.compared, held.changed) << step.name() << ": pages held against the history";
    }
    // Most pages drop the prompt of the page before (a step of two or three
    // pages may drop one).
    EXPECT_GE(held.compared, held.pages / 2) << step.name() << ": of " << held.pages << " pages";
    return held;
}

// The pages each step of a lesson shows, its menu's steps in order, the
// screen a step leaves under its lesson's menu among them: the tour fixes
// them (the pupil's keys are the same under either face), so a walk that
// looks at fewer shows.
const std::map<std::string, std::vector<int>> kPagesOfSteps = {
    {"kelvane-1", {23, 8, 12, 6, 6, 13}},
    {"kelvane-2", {8, 16, 13}},
    {"kelvane-3", {17, 15, 9, 20, 27, 13, 2, 10}},
    {"kelvane-4", {10, 27, 20, 61, 7, 47, 3}},
    {"kelvane-5", {36, 5, 4}},
    {"kelvane-6", {16, 1, 28, 22}},
    {"kelvane-7", {25, 11}},
    {"dorrith-1", {12, 7, 8, 6}},
    {"dorrith-2", {9, 10, 10, 9, 13}},
    {"dorrith-3", {7, 8, 10, 19, 20}},
    {"dorrith-4", {8, 9, 28, 13}},
    {"dorrith-5", {23, 19, 35, 10}},
    {"dorrith-6", {1, 1, 1, 1, 1, 1}},
    {"sarnoth-1", {17, 5, 10, 30, 11, 2, 19, 23}},
    {"sarnoth-2", {16, 19, 26, 24, 23, 11, 9, 9, 24, 1}},
    {"sarnoth-3", {32, 23, 11, 10, 6, 15, 6, 15, 9, 9}},
    {"sarnoth-4", {6, 4}},
    {"sarnoth-5", {7, 7, 7, 5, 3, 6}},
    {"sarnoth-6", {3, 8, 8, 4, 10}},
};

TEST_P(StepPages, EveryPageRendersWhatTheHistoryAndARepaintRender) {
    const std::vector<std::string> steps = steps_of_lesson(GetParam());
    const std::vector<int>& pages = kPagesOfSteps.at(GetParam());
    ASSERT_EQ(steps.size(), pages.size());
    PagesHeld lesson;
    for (size_t k = 0; k < steps.size(); ++k) {
        const PagesHeld h = check_pages(step_named(steps[k]));
        EXPECT_EQ(h.pages, pages[k]) << steps[k] << ": pages looked at";
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
    size_t most_dropped = 0;  // the most entries the bound on what the list holds read beyond those kept

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
        const size_t held = screen.held();
        most_dropped = std::max(most_dropped, held - screen.size());
        if (held > 2 * kOneScreen)
            return at + "the list holds " + std::to_string(held) + " entries, dropped ones included";
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
    // Every drill drops what it draws over (the entry cursor, blinking at
    // every wait, drops the one before): the bound on what the list holds
    // read those entries too.
    EXPECT_GT(most_dropped, 0u) << "the bound on what the list holds saw no entry it dropped";
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
