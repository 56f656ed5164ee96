// The Sarnoth lesson tests' use of the shared lesson fixture: a started
// Sarnoth with scripted keys, and what it drew read back in the order a pupil
// saw it, each with the number of keys pressed before it.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/shell.h"
#include "support/lesson_fixture.h"
#include "typeset/typeset.h"

namespace cw::sarnoth_test {

using test::enter;
using test::keys;

// An operation with the keys pressed before it.
struct Seen {
    DrawOp op;
    int keys;
};

struct SarnothRun : test::LessonFixture {
    explicit SarnothRun(const std::string& script, std::optional<test::Draws> random_seed = std::nullopt)
        : LessonFixture("sarnoth", script) {
        if (random_seed) seed(*random_seed);
    }
    // Every operation of the kinds asked for, with the keys pressed before it.
    std::vector<Seen> seen(std::initializer_list<Op> kinds) const {
        std::vector<Seen> out;
        int k = 0;
        for (auto& op : pf.record()) {
            if (op.op == Op::Key) ++k;
            for (Op want : kinds)
                if (op.op == want) out.push_back({op, k});
        }
        return out;
    }
    // The expression texts drawn above the prompt band, in order.
    std::vector<DrawOp> page_texts() const {
        std::vector<DrawOp> out;
        for (auto& op : texts())
            if (op.y1 < test::kPromptBandTop) out.push_back(op);
        return out;
    }
    // Keys pressed before each filled box in colour 15 with these corners.
    std::vector<int> erased_after(float x1, float y1, float x2, float y2) const {
        std::vector<int> out;
        for (auto& s : seen({Op::Fill}))
            if (s.op.x1 == x1 && s.op.y1 == y1 && s.op.x2 == x2 && s.op.y2 == y2 && s.op.c == 15 && s.op.f == 15)
                out.push_back(s.keys);
        return out;
    }
};

// The typesetter's advance for a text, from a program of its own.
inline float width_of(const std::string& code) {
    static test::Harness probe("sarnoth");
    static bool ready = false;
    if (!ready) {
        INITIALIZE_PROGRAM(probe.g);
        probe.pf.set_recording(false);
        ready = true;
    }
    probe.g.A_s = code;
    MEASURE_EXPRESSION_TEXT(probe.g);
    return probe.g.LLT;
}

// Splits s at every occurrence of sep.
inline std::vector<std::string> split(const std::string& s, const std::string& sep) {
    std::vector<std::string> out;
    size_t from = 0;
    for (;;) {
        size_t at = s.find(sep, from);
        out.push_back(s.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return out;
        from = at + sep.size();
    }
}

}  // namespace cw::sarnoth_test
