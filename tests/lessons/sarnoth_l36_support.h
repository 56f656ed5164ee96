// What the Sarnoth lesson 3-6 tests add to the shared lesson fixture: a step
// run on Sarnoth itself, its texts grouped by key presses, and the dots of
// its dimension arcs.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "lessons/sarnoth/sarnoth.h"
#include "shell/shell.h"
#include "support/lesson_fixture.h"
#include "support/oracle.h"
#include "typeset/typeset.h"

namespace cw::test {

// A random nonzero value n/d with small n, d, for the letters of a formula.
inline oracle::Rational random_value(std::mt19937& rng) {
    std::uniform_int_distribution<int> num(1, 19), den(1, 7), sign(0, 1);
    return oracle::Rational(num(rng) * (sign(rng) ? 1 : -1), den(rng));
}

struct StepRun : FixtureOf<Sarnoth> {
    explicit StepRun(const std::string& script, const Draws& seed = 1) : FixtureOf("sarnoth", script) {
        this->seed(seed);
        clear();
    }
    // The texts drawn before the first key, after the first, ...
    std::vector<std::vector<DrawOp>> stages() const {
        std::vector<std::vector<DrawOp>> out;
        for (auto& page : pages()) out.push_back(page.texts());
        return out;
    }
    // The first text equal to s, or nullptr.
    const DrawOp* find(const std::string& s) const {
        found_ = texts();
        for (auto& op : found_)
            if (op.s == s) return &op;
        return nullptr;
    }
    // The dots of the dimension arcs, one group per arc (a dot is a filled
    // circle of radius 0.5; a group ends at any other operation, the arc's
    // label call included).
    std::vector<std::vector<DrawOp>> dot_runs() const {
        std::vector<std::vector<DrawOp>> out;
        bool in_run = false;
        for (auto& op : pf.record()) {
            bool dot = op.op == Op::Circle && op.r == 0.5f && op.filled;
            if (dot && !in_run) out.emplace_back();
            if (dot) out.back().push_back(op);
            in_run = dot;
        }
        return out;
    }

private:
    mutable std::vector<DrawOp> found_;
};

// The width the typesetter gives a text, as the pages measure their labels.
inline float measured(Program& g, const std::string& text) {
    g.A_s = text;
    MEASURE_EXPRESSION_TEXT(g);
    return g.LLT;
}

}  // namespace cw::test
