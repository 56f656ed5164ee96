// Fixture of the Sarnoth lesson 3-6 tests: a started Sarnoth with scripted
// keys, a step run on it, and what it drew grouped by the key presses.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "lessons/sarnoth/sarnoth.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "support/oracle.h"
#include "typeset/typeset.h"

namespace cw::test {

inline std::string enter(const std::string& number) { return number + "\r"; }
// n presses of the blank key, which the pages take as "any key".
inline std::string blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

struct StepRun {
    explicit StepRun(const std::string& script, int seed = 1) : h("sarnoth", script) {
        INITIALIZE_PROGRAM(h.g);
        h.pf.RANDOMIZE(seed);
        h.pf.clear_record();
    }
    Sarnoth& s() { return static_cast<Sarnoth&>(h.g); }
    // Runs the step; true when it came back, false when the keys ran out first.
    bool run(const std::function<void(Sarnoth&)>& step) {
        try {
            step(s());
            return true;
        } catch (const KeysExhausted&) {
            return false;
        }
    }
    std::vector<DrawOp> texts() const { return h.of(Op::Expr); }
    // The expression texts drawn before the first key, after the first, ...
    // (a stage ends at every blank key the program took).
    std::vector<std::vector<DrawOp>> stages() const {
        std::vector<std::vector<DrawOp>> out(1);
        for (auto& op : h.pf.record()) {
            if (op.op == Op::Key && op.s == " ") out.emplace_back();
            if (op.op == Op::Expr) out.back().push_back(op);
        }
        return out;
    }
    const DrawOp* find(const std::string& s) const {
        found_ = texts();
        for (auto& op : found_)
            if (op.s == s) return &op;
        return nullptr;
    }
    int erases(float x1, float y1, float x2, float y2) const {
        int n = 0;
        for (auto& op : h.of(Op::Fill))
            if (op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 && op.f == 15) ++n;
        return n;
    }
    // The dots of the dimension arcs, one group per arc (a dot is a filled
    // circle of radius 0.5; a group ends at any other operation, the arc's
    // label call included).
    std::vector<std::vector<DrawOp>> dot_runs() const {
        std::vector<std::vector<DrawOp>> out;
        bool in_run = false;
        for (auto& op : h.pf.record()) {
            bool dot = op.op == Op::Circle && op.r == 0.5f && op.filled;
            if (dot && !in_run) out.emplace_back();
            if (dot) out.back().push_back(op);
            in_run = dot;
        }
        return out;
    }
    size_t keys_left() const { return h.backend.keys_left(); }

    Harness h;
    mutable std::vector<DrawOp> found_;
};

// The width the typesetter gives a text, as the pages measure their labels.
inline float measured(Program& g, const std::string& text) {
    g.A_s = text;
    MEASURE_EXPRESSION_TEXT(g);
    return g.LLT;
}

}  // namespace cw::test
