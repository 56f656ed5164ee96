// What the screen leaves behind: every drill of the three programs starts
// each new problem on a clean area (its erases take in all the ink of the
// problems before), and a window of any size shows what a repaint of the
// screen's list shows, under whichever gothic face draws (the build runs
// these tests under Noto Sans CJK JP and again under IPAGothic, the face the
// programs fall back on).  The drills are driven by DrillSession
// (long_session_test.cpp), which feeds these checks too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/fonts.h"
#include "shell/drill_checks.h"
#include "support/lesson_fixture.h"
#include "support/picture.h"
#include "support/tour.h"
#include "support/window_picture.h"

namespace cw::test {
namespace {

// The run under another face says which it asked for: the face it draws with
// must be that one, or the run looks at the same face twice.
TEST(DrillScreens, DrawWithTheGothicFaceAsked) {
    const char* asked = std::getenv("CW_EXPECT_GOTHIC");
    const std::string drawn = face_choice(Face::Gothic).family;
    if (!asked || !*asked) {
        EXPECT_TRUE(drawn == "Noto Sans CJK JP" || drawn == "IPAGothic") << drawn;
        return;
    }
    EXPECT_EQ(drawn, asked);
    EXPECT_TRUE(family_installed(drawn)) << drawn;
}

// An operation in a line, for saying which stays.
std::string describe(const DrawOp& op) {
    std::ostringstream out;
    out << "op " << static_cast<int>(op.op) << " (" << op.x1 << ", " << op.y1 << ") (" << op.x2 << ", " << op.y2
        << ") c" << op.c << " w" << op.w << (op.s.empty() ? "" : " \"" + op.s + "\"");
    return out.str();
}

}  // namespace

// Each problem of a drill draws over what the screen showed when the drill
// first asked the next-step question (its frame, the first problem) and
// erases what it needs.  While it runs, the screen shows that, the problem
// before and this one, and nothing of an older problem; when it asks the
// next-step question, that and this problem alone.  The screen is read as
// the window keeps it, where a remnant (a glyph's top row between two
// erases) stays as an operation of its own, and its pixels are compared
// with a picture of those operations drawn on a blank screen, at the
// layout's size and at twice it.
// What a problem draws again exactly where an earlier one drew it (an
// instruction, a frame) covers the earlier copy's ink with its own, and is
// looked at once.
// And in windows smaller than the layout, as projectors show it, each
// problem's question shows what a repaint of the screen's list would.
struct CleanAreas::State {
    State(const Step& s, int p, int e) : step(s), problems(p), of_each(e) { open_windows(); }

    const Step& step;
    const int problems, of_each;
    std::vector<DrawOp> history;  // drawn since the last whole-screen clear, while looking
    // Where in the history the problem before and this one started.
    size_t before_started = 0, started = 0;
    std::vector<DrawOp> first_screen;  // what the screen kept at the drill's first question
    int problem = 0;                   // of the drill, from 1
    int asked = 0;                     // questions the drill has asked
    bool looking = true;               // at one of the drill's first problems
    bool windows_fed = true;           // the windows took every operation since they opened
    int checked = 0;
    int window_looks = 0;    // questions at which the windows were held against their repaints
    int windows_inked = 0;   // of those comparisons, the windows that showed ink
    bool failed = false, window_failed = false;
    std::string question;  // the last prompt
    GlyphLayout inks;
    std::vector<std::unique_ptr<WindowPicture>> windows;
    // The pictures compared, at the layout's size and at twice it, drawn
    // anew for each screen on the memory they hold.
    std::optional<Picture> seen_at[2], fresh_at[2];

    template <class Ops>
    static Picture& kept_picture(std::optional<Picture> (&at)[2], double scale, const Ops& ops) {
        std::optional<Picture>& p = at[scale == 1 ? 0 : 1];
        if (p)
            p->draw(ops, scale);
        else
            p.emplace(ops, scale);
        return *p;
    }

    void open_windows() {
        windows.clear();
        for (auto [w, h] : kSmallerWindows)
            windows.push_back(std::make_unique<WindowPicture>(w, h));
    }

    void compare(const std::vector<KeptOp>& screen, size_t from, const std::string& when,
                 std::initializer_list<double> scales) {
        std::vector<DrawOp> own = first_screen;
        own.insert(own.end(), history.begin() + static_cast<long>(from), history.end());
        own = drawn_once(own);
        const std::vector<KeptOp> kept = drawn_once(screen);
        ++checked;
        for (double scale : scales) {
            // At the layout's size, where the list decides what each
            // operation hides, the two are the same; at another, the list
            // may have dropped a drawing whose rim the operations drawn
            // afresh still show, but keeps none they do not.
            Picture& seen = kept_picture(seen_at, scale, kept);
            Picture& fresh = kept_picture(fresh_at, scale, own);
            const Bounds layout{0, 0, LAYOUT_W, LAYOUT_H};
            const Picture::Px d = scale == 1 ? seen.differing(fresh, layout) : seen.ink_beyond(fresh, layout);
            if (d.empty()) continue;
            failed = true;
            // The drawings of earlier problems the screen keeps there.
            const Bounds at{static_cast<float>(d.l / scale), static_cast<float>(d.t / scale),
                            static_cast<float>(d.r / scale), static_cast<float>(d.b / scale)};
            std::string older;
            for (const KeptOp& k : kept)
                if (std::find(own.begin(), own.end(), k.op) == own.end() &&
                    inks.ink(k.op, 1, true).grown(1).overlaps(at))
                    older += "\n  " + describe(k.op);
            ADD_FAILURE() << step.name() << ", problem " << problem << ", " << when << ", at scale " << scale
                          << ": ink of an earlier problem stays from (" << at.l << ", " << at.t << ") to (" << at.r
                          << ", " << at.b << ")" << older;
            return;
        }
    }

    void look(Harness& h, bool at_question) {
        if (failed) return;
        if (problem == 0) problem = 1;
        if (problem >= 3) compare(h.backend.screen().kept(), before_started, "while it runs", {1.0});
        if (!at_question) return;
        if (problem >= 2) compare(h.backend.screen().kept(), started, "at its question", {1.0, 2.0});
        if (problem == 1) first_screen = h.backend.screen().ops();
        // The answer and what it draws belong to the next problem.
        before_started = started, started = history.size();
        ++problem;
    }

    void look_through_windows() {
        if (window_failed) return;
        ++window_looks;
        for (auto& w : windows) {
            const auto [x, y] = w->first_difference_from_repaint();
            if (x < 0) {
                windows_inked += w->shows_ink();
                continue;
            }
            window_failed = true;
            const Bounds near =
                w->place().layout_box({double(x), double(y), double(x + 1), double(y + 1)}).grown(4);
            std::string there;
            for (const KeptOp& k : w->list().kept_within(near)) there += "\n  " + describe(k.op);
            ADD_FAILURE() << step.name() << ", at scale " << w->scale()
                          << ": the window differs from a repaint of the screen's list at pixel (" << x << ", " << y
                          << "), where the list keeps:" << there;
            return;
        }
    }
};

CleanAreas::CleanAreas(const Step& step, int problems, int of_each)
    : s_(std::make_unique<State>(step, problems, of_each)) {}
CleanAreas::~CleanAreas() = default;

void CleanAreas::op(const DrawOp& op) {
    State& s = *s_;
    if (op.op == Op::Prompt && op.s != "入力") s.question = op.s;  // the entry's label is no question
    if (!s.looking) {
        s.windows_fed = false;
        return;
    }
    for (auto& w : s.windows) w->draw(op);
    if (!op.drawn()) return;
    if (paint_of(op).clears) s.history.clear(), s.before_started = s.started = 0;
    s.history.push_back(op);
}

void CleanAreas::wait(Harness& h) {
    State& s = *s_;
    const bool at_question = s.question == kNextStep;
    if (s.looking) {
        s.look(h, at_question);
        if (at_question) s.look_through_windows();
    }
    if (!at_question) return;
    if (++s.asked == s.problems) s.looking = false;
    if (s.asked < s.of_each) return;
    // The pupil leaves the drill here: the next one is looked at from its
    // first problem, on the screen this one leaves, which windows opened
    // now take as a repaint would.
    s.asked = 0, s.problem = 0, s.looking = true;
    s.history.clear(), s.before_started = s.started = 0;
    if (s.windows_fed) return;
    s.open_windows();
    s.windows_fed = true;
    for (const DrawOp& op : h.backend.screen().ops())
        for (auto& w : s.windows) w->draw(op);
}

void CleanAreas::finish() {
    const State& s = *s_;
    if (!s.failed) {
        EXPECT_GT(s.checked, 2 * (s.problems - 2)) << s.step.name() << ": screens held against their problems";
    }
    // A blank window agrees with its blank repaint: every window looked at
    // shows the drill.
    if (!s.window_failed) {
        EXPECT_GE(s.window_looks, s.problems) << s.step.name() << ": questions the windows were looked at";
        EXPECT_EQ(s.windows_inked, s.window_looks * static_cast<int>(s.windows.size()))
            << s.step.name() << ": windows that showed ink, of " << s.window_looks << " questions";
    }
}

}  // namespace cw::test
