#include "support/tour.h"

#include <map>
#include <stdexcept>

#include "shell/shell.h"
#include "support/lesson_fixture.h"

namespace cw::test {

namespace {

const std::string kMainMenuQuestion = "番号を入力して下さい。";
const std::string kEntryLabel = "入力";

// Items of a menu line: its circled numbers ① to ⑳ (U+2460..U+2473).
int circled_numbers(const std::string& line) {
    int n = 0;
    for (size_t i = 0; i + 2 < line.size(); ++i) {
        auto b0 = static_cast<unsigned char>(line[i]);
        auto b1 = static_cast<unsigned char>(line[i + 1]);
        auto b2 = static_cast<unsigned char>(line[i + 2]);
        unsigned cp = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
        if ((b0 & 0xF0u) == 0xE0u && cp >= 0x2460 && cp <= 0x2473) ++n;
    }
    return n;
}

enum class Phase { MainMenu, LessonMenu, InStep, Done };

}  // namespace

std::string Step::name() const { return program + "-" + std::to_string(lesson) + "-" + std::to_string(item); }

const std::string* example_answer(const std::string& question) {
    static const std::map<std::string, std::string> answers = {
        {"最も小さい整数を入力して下さい。", "5"},
        {"2けたの自然数を入力して下さい。", "47"},
    };
    auto it = answers.find(question);
    return it == answers.end() ? nullptr : &it->second;
}

WalkResult walk(const Step& step, const WalkOptions& options) {
    Harness h(step.program, "", options.time);
    h.pf.set_recording(false);
    h.pf.pin_rnd(options.rnd);
    WalkResult result;
    Phase phase = Phase::MainMenu;
    std::string question;  // the last prompt shown, but the entry's label
    int problems = 0;
    int drill = 1;  // of the step, from 1

    h.pf.observer = [&](const DrawOp& op) {
        if (op.op == Op::Prompt && op.s != kEntryLabel) question = op.s;
        if (options.on_every_op) options.on_every_op(op);
        if (options.on_menu_op && (phase == Phase::MainMenu || phase == Phase::LessonMenu))
            options.on_menu_op(op, h.g, phase == Phase::LessonMenu);
        if (phase == Phase::InStep && options.on_op) options.on_op(op, h.g);
    };
    auto stop = [&](std::string why) {
        result.stuck = std::move(why);
        phase = Phase::Done;
    };
    h.backend.on_wait = [&] {
        if (h.backend.keys_left() > 0 || phase == Phase::Done) return;
        switch (phase) {
        case Phase::MainMenu:
            if (question != kMainMenuQuestion) return stop("the main menu did not ask: " + question);
            h.backend.push_keys(std::to_string(step.lesson) + "\r");
            phase = Phase::LessonMenu;
            return;
        case Phase::LessonMenu:
            if (question == kAnyKey) {
                if (options.on_opening_wait) options.on_opening_wait(h);
                return h.backend.push_keys("k");
            }
            if (question != step.menu) return stop("the lesson's menu did not ask: " + question);
            h.backend.push_keys(std::to_string(step.item) + "\r");
            question.clear();  // a step that waits before asking anything gets stuck
            phase = Phase::InStep;
            return;
        case Phase::InStep: {
            if (question == step.menu) {
                result.back_at_menu = true;
                if (options.on_back_at_menu) options.on_back_at_menu(h);
                phase = Phase::Done;
                return;
            }
            if (++result.waits > options.max_waits)
                return stop("more than " + std::to_string(options.max_waits) + " keys");
            if (options.on_wait) options.on_wait(h);
            if (options.stop_if)
                if (std::string why = options.stop_if(h); !why.empty()) return stop(std::move(why));
            if (question == kAnyKey) return h.backend.push_keys("k");
            if (question == kNextStep) {
                const bool looked_at = options.only_drill == 0 || drill == options.only_drill;
                const bool more = ++problems < (looked_at ? options.problems : 1);
                if (!more && options.problems_each_drill) problems = 0, ++drill;
                return h.backend.push_keys(more ? "2\r" : "1\r");
            }
            if (const std::string* answer = example_answer(question)) return h.backend.push_keys(*answer + "\r");
            return stop("an unknown question: " + question);
        }
        case Phase::Done:
            return;
        }
    };
    try {
        run_program(h.g);
        if (phase != Phase::Done) stop("the program ended");
    } catch (const KeysExhausted&) {
        // The walk stopped feeding keys.
    } catch (const ErrorScreenReached& e) {
        stop("the error screen (" + std::to_string(e.code) + " at " + std::to_string(e.site) + ")");
    }
    h.pf.observer = nullptr;
    h.backend.on_wait = nullptr;
    return result;
}

std::vector<Step> program_steps(const std::string& program) {
    std::vector<Step> steps;
    for (int lesson = 1; lesson <= 7; ++lesson) {
        Harness h(program, std::to_string(lesson) + "\r");
        h.pf.set_recording(false);
        std::string question;
        h.pf.observer = [&](const DrawOp& op) {
            if (op.op == Op::Prompt && op.s != kEntryLabel) question = op.s;
        };
        // Any key until the first question after the lesson was chosen.
        h.backend.on_wait = [&] {
            if (h.backend.keys_left() > 0) return;
            if (question == kAnyKey) h.backend.push_keys("k");
        };
        try {
            run_program(h.g);
        } catch (const KeysExhausted&) {
        }
        h.pf.observer = nullptr;
        h.backend.on_wait = nullptr;
        if (question == kMainMenuQuestion) continue;  // an item with no lesson
        int items = circled_numbers(question);
        for (int item = 1; item < items; ++item) steps.push_back({program, lesson, item, question});
    }
    return steps;
}

std::vector<Step> all_steps() {
    std::vector<Step> steps;
    for (const char* p : {"kelvane", "dorrith", "sarnoth"}) {
        auto s = program_steps(p);
        steps.insert(steps.end(), s.begin(), s.end());
    }
    return steps;
}

const std::vector<StepsOfLessons>& steps_of_lessons() {
    static const std::vector<StepsOfLessons> table = {
        {"kelvane", {6, 3, 8, 7, 3, 4, 2}},
        {"dorrith", {4, 5, 5, 4, 4, 6, 0}},
        {"sarnoth", {8, 10, 10, 2, 6, 5, 0}},
    };
    return table;
}

const std::vector<std::string>& lesson_names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const StepsOfLessons& p : steps_of_lessons())
            for (int lesson = 1; lesson <= 7; ++lesson)
                if (p.items[static_cast<size_t>(lesson - 1)] > 0) out.push_back(p.program + "-" + std::to_string(lesson));
        return out;
    }();
    return names;
}

std::vector<std::string> steps_of_lesson(const std::string& lesson) {
    std::vector<std::string> out;
    for (const std::string& step : step_names())
        if (step.compare(0, lesson.size() + 1, lesson + "-") == 0) out.push_back(step);
    return out;
}

const std::vector<std::string>& step_names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const StepsOfLessons& p : steps_of_lessons())
            for (int lesson = 1; lesson <= 7; ++lesson)
                for (int item = 1; item <= p.items[static_cast<size_t>(lesson - 1)]; ++item)
                    out.push_back(Step{p.program, lesson, item, ""}.name());
        return out;
    }();
    return names;
}

const std::vector<std::string>& drill_steps() {
    static const std::vector<std::string> drills = {
        "kelvane-1-1", "kelvane-1-3", "kelvane-1-5", "kelvane-2-1", "kelvane-2-2", "kelvane-3-1", "kelvane-3-2",
        "kelvane-3-4", "kelvane-3-5", "kelvane-4-2", "kelvane-4-3", "kelvane-4-4", "kelvane-4-6", "kelvane-5-1",
        "kelvane-6-3", "dorrith-1-1", "dorrith-1-3", "dorrith-2-5", "dorrith-3-2", "dorrith-3-4", "dorrith-4-2",
        "dorrith-4-3", "dorrith-5-3", "sarnoth-1-7", "sarnoth-1-8", "sarnoth-2-1", "sarnoth-2-3", "sarnoth-2-4",
        "sarnoth-2-5", "sarnoth-3-3", "sarnoth-3-6", "sarnoth-3-8",
    };
    return drills;
}

int drills_of(const std::string& step) {
    static const std::map<std::string, int> several = {
        {"kelvane-1-1", 2}, {"kelvane-1-3", 3}, {"kelvane-2-1", 2}, {"kelvane-2-2", 3}, {"kelvane-3-1", 2},
        {"kelvane-3-2", 2}, {"kelvane-3-4", 2}, {"kelvane-3-5", 2}, {"kelvane-4-2", 3}, {"kelvane-4-4", 6},
        {"kelvane-4-6", 4}, {"kelvane-5-1", 2}, {"kelvane-6-3", 2}, {"dorrith-4-2", 3}, {"dorrith-4-3", 2},
    };
    auto it = several.find(step);
    return it == several.end() ? 1 : it->second;
}

const std::vector<std::string>& each_drill() {
    static const std::vector<std::string> drills = [] {
        std::vector<std::string> out;
        for (const std::string& step : drill_steps()) {
            out.push_back(step);
            for (int d = 2; d <= drills_of(step); ++d) out.push_back(step + "#" + std::to_string(d));
        }
        return out;
    }();
    return drills;
}

const Step& step_of_drill(const std::string& drill, int& which) {
    const size_t hash = drill.find('#');
    const std::string step = drill.substr(0, hash);
    which = hash == std::string::npos ? (drills_of(step) > 1 ? 1 : 0) : std::stoi(drill.substr(hash + 1));
    return step_named(step);
}

const Step& step_named(const std::string& name) {
    static const std::vector<Step> steps = all_steps();
    for (const Step& s : steps)
        if (s.name() == name) return s;
    throw std::runtime_error("no step " + name);
}

}  // namespace cw::test
