// Long random key streams through each program: no crash, no error screen,
// and every lesson of the main menu reached on the way.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "shell/shell.h"
#include "support/harness.h"

namespace cw {
namespace {

std::string monkey_keys(unsigned seed, size_t n) {
    // Mostly what a pupil types: digits and Enter, with some noise; "/" too (a typed zero divisor is asked
    // again like any other refused entry).
    static const std::string pool = "1234567123456789\r\r\r\r\r\r0./-\bxa +\x0c";
    std::mt19937 rng(seed);
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
    std::string keys;
    for (size_t i = 0; i < n; ++i) keys += pool[pick(rng)];
    return keys;
}

// What a run showed that tells which lessons it entered: the goal sentences (the text after each
// "<めあて>") and the prompt lines.  Read at every key and then forgotten, so a long run keeps no history.
struct Shown {
    std::map<std::string, int> goals, prompts;
};
void watch(test::Harness& h, Shown& shown) {
    h.backend.on_wait = [&h, &shown] {
        bool after_heading = false;
        for (auto& op : h.pf.record()) {
            if (op.op == Op::Prompt) ++shown.prompts[op.s];
            if (op.op != Op::Expr || op.s.empty()) continue;
            if (after_heading) ++shown.goals[op.s];
            after_heading = op.s == "<めあて>";
        }
        h.pf.clear_record();
    };
}
Shown shown_by(const std::string& program, const std::string& keys) {
    test::Harness h(program, keys);
    Shown shown;
    watch(h, shown);
    try {
        run_program(h.g);
    } catch (const KeysExhausted&) {
    }
    h.pf.clear_record();
    return shown;
}

// A lesson of the main menu and what shows it was reached: its goal sentence, or, for a lesson that opens
// on its sub-menu with no goal screen, its sub-menu line.
struct Lesson {
    std::string item;
    bool goal;
    std::string mark;
};
std::vector<Lesson> lessons_of(const std::string& program) {
    const Shown menu_only = shown_by(program, "");
    std::vector<Lesson> out;
    test::Harness probe(program);
    for (int n = 1; n <= 7; ++n) {
        const std::string& item = probe.g.info.items[static_cast<size_t>(n - 1)];
        if (item == std::to_string(n) + "　") continue;  // an item with no lesson behind it
        const Shown entered = shown_by(program, std::to_string(n) + "\r");
        if (entered.goals.size() == 1) {
            out.push_back({item, true, entered.goals.begin()->first});
            continue;
        }
        std::vector<std::string> menus;
        for (auto& [p, count] : entered.prompts)
            if (!menu_only.prompts.count(p)) menus.push_back(p);
        EXPECT_EQ(menus.size(), 1u) << program << " item " << item;
        if (!menus.empty()) out.push_back({item, false, menus[0]});
    }
    return out;
}

class Monkey : public ::testing::TestWithParam<const char*> {};

TEST_P(Monkey, TwentyThousandKeysReachEveryLesson) {
    const std::string program = GetParam();
    const size_t total = 20000;
    // Half the keys in one long session, half in sessions of 500 keys from a fresh start: the long one goes
    // deep, the short ones enter many lessons from the main menu.
    const size_t short_run = 500;
    std::string keys = monkey_keys(12345, total);
    size_t used = 0;
    int runs = 0;
    Shown shown;
    while (used < total) {
        const size_t budget = used < total / 2 ? total / 2 - used : short_run;
        test::Harness h(program, keys.substr(used, budget), runs % 2 ? "12:34:56" : "07:08:09");
        watch(h, shown);
        try {
            run_program(h.g);
        } catch (const KeysExhausted&) {
        } catch (const ErrorScreenReached& e) {
            FAIL() << program << " reached the error screen (" << e.code << " at " << e.site << ") after "
                   << used + h.backend.keys_used() << " keys";
        }
        used += h.backend.keys_used();
        ++runs;
        ASSERT_GT(h.backend.keys_used(), 0u);
    }
    EXPECT_GE(used, total);

    const auto lessons = lessons_of(program);
    EXPECT_GE(lessons.size(), 6u);
    std::set<std::string> marks;
    for (auto& l : lessons) EXPECT_TRUE(marks.insert(l.mark).second) << l.item << " opens what another item opens";
    std::string report = program + ", " + std::to_string(runs) + " runs:";
    for (auto& l : lessons) {
        const auto& seen = l.goal ? shown.goals : shown.prompts;
        const auto it = seen.find(l.mark);
        const int times = it == seen.end() ? 0 : it->second;
        report += "\n  " + l.item + (l.goal ? ": goal screen " : ": sub-menu ") + std::to_string(times) + " times";
        EXPECT_GT(times, 0) << program << ": lesson \"" << l.item << "\" never reached";
    }
    std::cout << report << "\n";
    RecordProperty("lessons_reached", report);
}

INSTANTIATE_TEST_SUITE_P(Programs, Monkey, ::testing::Values("kelvane", "dorrith", "sarnoth"));

}  // namespace
}  // namespace cw
