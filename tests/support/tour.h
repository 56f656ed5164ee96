// A pupil walking through the lessons: every step of every lesson of the
// three programs, opened from the main menu and the lesson's menu, with the
// keys a pupil types at each question, until the lesson's menu comes back.
//
// The pupil answers what the screen asks: any key at "何かキーを押して下さい。",
// "2" and Enter at "次のステップは１を入力。" until the drill has shown its
// problems and then "1", and a fixed example number at each question that
// asks for one.  Nothing is scripted per step, so a step that starts asking
// something new shows up as a walk that got stuck.
#pragma once
#include <array>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/harness.h"

namespace cw::test {

// Whether this run writes the snapshots and the list of texts allowed
// together anew (make snapshots) rather than checking against them.
inline bool updating_snapshots() {
    const char* v = std::getenv("CW_UPDATE_SNAPSHOTS");
    return v && *v && std::string(v) != "0";
}

// One item of a lesson's menu.
struct Step {
    std::string program;  // "kelvane", "dorrith", "sarnoth"
    int lesson = 0;       // main-menu item
    int item = 0;         // lesson-menu item
    std::string menu;     // the lesson's menu line
    // "kelvane-3-2": program, lesson, item.
    std::string name() const;
};

// Every step of a program, read from its menus: lessons 1 to 7 of the main
// menu, and of each lesson's menu every item but the last (which goes back).
std::vector<Step> program_steps(const std::string& program);
// The steps of the three programs.
std::vector<Step> all_steps();
// How many steps each lesson's menu offers, lessons 1 to 7 (0: no lesson),
// of each program; PageSnapshots.TheMenusOfferEveryLessonsSteps holds it
// against the menus.
struct StepsOfLessons {
    std::string program;
    std::array<int, 7> items;
};
const std::vector<StepsOfLessons>& steps_of_lessons();
// The names of every step of the three programs ("kelvane-3-2"), from that
// table, so that a test can be run step by step without a program started
// to read them.
const std::vector<std::string>& step_names();
// The names of every lesson of the three programs ("kelvane-3"), from that
// table, for a test run lesson by lesson, and the names of a lesson's steps.
const std::vector<std::string>& lesson_names();
std::vector<std::string> steps_of_lesson(const std::string& lesson);
// Every drill of the three programs: the names of the steps that end a
// problem with the next-step question ("2" and Enter bring another problem).
const std::vector<std::string>& drill_steps();
// How many drills a step runs one after the other (left with "1", each
// asks the next-step question), where it runs more than one.
int drills_of(const std::string& step);
// Each drill of every step, for a test run drill by drill: the step's name,
// and "#2" and on for the second drill and on of a step that runs several.
const std::vector<std::string>& each_drill();
// The step of one of those, and which of its drills (from 1; 0 where the
// step runs one).
const Step& step_of_drill(const std::string& drill, int& which);
// A test's name for a lesson, step or drill it is run for ("kelvane_3",
// "kelvane_3_2", "kelvane_4_4_drill2"), as GoogleTest's
// INSTANTIATE_TEST_SUITE_P takes it.
struct StepTestName {
    template <class ParamInfo>
    std::string operator()(const ParamInfo& info) const {
        std::string n;
        for (char c : std::string(info.param)) n += c == '-' ? "_" : c == '#' ? "_drill" : std::string(1, c);
        return n;
    }
};
// The step of that name.
const Step& step_named(const std::string& name);

struct WalkOptions {
    std::string time = "00:00:00";  // the clock, and so the random problems
    int problems = 2;               // problems of the step before leaving its drills
    // Instead, that many problems of every drill of the step: after leaving
    // one, the next question starts the count anew.
    bool problems_each_drill = false;
    // With it, that many problems of this drill of the step alone (from 1;
    // 0 for every drill): every other drill is left after one problem.
    int only_drill = 0;
    int max_waits = 5000;           // more keys than this: the walk is stuck in a loop
    // RND held at this value from start-up instead (the draws at the ends of their ranges).
    std::optional<float> rnd;
    // Each operation made from the key that chose the step until the
    // lesson's menu asks again, with the program as it was when it was made.
    std::function<void(const DrawOp&, const Program&)> on_op;
    // Every operation from start-up on, menus included.
    std::function<void(const DrawOp&)> on_every_op;
    // Each operation before the step was chosen, with the program: the main
    // menu's (`opening` false), then the lesson's opening's, its goal screen
    // and its menu (`opening` true).
    std::function<void(const DrawOp&, const Program&, bool opening)> on_menu_op;
    // At each key the lesson's opening waits for (its goal screen), before
    // the key is taken.
    std::function<void(Harness&)> on_opening_wait;
    // At each key the step waits for (before the key is taken).
    std::function<void(Harness&)> on_wait;
    // When the lesson's menu asks again after the step: the screen the step
    // leaves, which the pupil sees under the menu's question (a step that
    // shows one page and waits for nothing else shows it only there).
    std::function<void(Harness&)> on_back_at_menu;
    // Then, why the walk should stop there (a check that failed), or "" to go on.
    std::function<std::string(Harness&)> stop_if;
};

struct WalkResult {
    bool back_at_menu = false;  // the step ended and its lesson's menu asked again
    std::string stuck;          // otherwise why the walk stopped (stop_if's reason among them)
    int waits = 0;              // keys the step took
};

// Starts the step's program, walks to the step and through it.
WalkResult walk(const Step& step, const WalkOptions& options = {});

// The example numbers the pupil types, by question.
const std::string* example_answer(const std::string& question);

}  // namespace cw::test
