// Long sessions: the window's retained display list holds about one screen
// however many keys a pupil presses, and it renders exactly the picture the
// whole history renders.
#include <gtest/gtest.h>

#include <cairo.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/render.h"
#include "support/picture.h"
#include "platform/retained.h"
#include "shell/shell.h"
#include "support/harness.h"

namespace cw {
namespace {

using test::Harness;

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

size_t retained_after(const std::string& keys) {
    Harness h("kelvane", keys);
    h.pf.set_recording(false);
    try {
        run_program(h.g);
    } catch (const KeysExhausted&) {
    }
    const auto& ops = h.backend.screen().ops();
    if (ops.size() > 3000) {
        std::map<std::string, int> kinds;
        for (auto& op : ops) kinds[op.op == Op::Text ? "text " + op.s : std::to_string(static_cast<int>(op.op))]++;
        for (auto& [k, n] : kinds)
            if (n > 50) ADD_FAILURE() << n << " x " << k;
    }
    return ops.size();
}

TEST(LongSession, RetainedListStaysAboutOneScreen) {
    struct Case { const char* name; std::string keys; };
    const Case cases[] = {
        // Lesson 3's drill across: pages turned and "2" for another problem.
        {"drill", "3\r4\r" + repeat("k2\r", 6667)},
        // Typing and wiping a number at the lesson's menu prompt.
        {"entry", "3\r" + repeat("12\b", 6667)},
    };
    for (const Case& c : cases) EXPECT_LT(retained_after(c.keys), 3000u) << c.name;
}

using test::picture;

// Pupil-like keys through lessons 1 to 3: at every few waits the retained
// list and the whole record must give the same picture.
TEST(LongSession, RetainedListRendersWhatTheWholeHistoryRenders) {
    std::mt19937 rng(7);
    const char* keys[] = {"1\r", "2\r", "3\r", "4\r", "5\r", "6\r", "x", "\r", "12\b", "2\r"};
    std::string script;
    for (int i = 0; i < 1000; ++i) script += keys[rng() % 10];
    Harness h("kelvane", script);
    int waits = 0, compared = 0;
    h.backend.on_wait = [&] {
        if (++waits % 10 != 0) return;
        // The whole history since the last whole-screen clear, which paints
        // every pixel.
        std::vector<DrawOp> all;
        for (auto& op : h.pf.record()) {
            if (!op.drawn()) continue;
            if (RetainedList::covers_screen(op)) all.clear();
            all.push_back(op);
        }
        ASSERT_TRUE(picture(h.backend.screen().ops()) == picture(all)) << "at wait " << waits;
        ++compared;
    };
    try {
        run_program(h.g);
    } catch (const KeysExhausted&) {
    }
    EXPECT_GT(compared, 30);
}

}  // namespace
}  // namespace cw
