// Shared fixture of the Sarnoth lesson tests: a started Sarnoth with scripted
// keys, and what it drew read back from the display list in the order a
// pupil saw it, each with the number of keys pressed before it.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw::sarnoth_test {

// n presses of an ordinary key.
inline std::string keys(int n) { return std::string(static_cast<size_t>(n), 'k'); }
// A number typed and Enter.
inline std::string enter(const std::string& number) { return number + "\r"; }

// An operation with the keys pressed before it.
struct Seen {
    DrawOp op;
    int keys;
};

struct SarnothRun {
    explicit SarnothRun(const std::string& script, int seed = 0) : h("sarnoth", script) {
        INITIALIZE_PROGRAM(h.g);
        if (seed) h.pf.RANDOMIZE(seed);
        h.pf.clear_record();
    }
    // Runs fn; true when it came back, false when the scripted keys ran out first.
    bool run(const std::function<void(Program&)>& fn) {
        try {
            fn(h.g);
            return true;
        } catch (const KeysExhausted&) {
            return false;
        }
    }
    // Every operation of the kinds asked for, with the keys pressed before it.
    std::vector<Seen> seen(std::initializer_list<Op> kinds) const {
        std::vector<Seen> out;
        int k = 0;
        for (auto& op : h.pf.record()) {
            if (op.op == Op::Key) ++k;
            for (Op want : kinds)
                if (op.op == want) out.push_back({op, k});
        }
        return out;
    }
    // The expression texts drawn above the prompt band, in order.
    std::vector<DrawOp> texts() const {
        std::vector<DrawOp> out;
        for (auto& op : h.of(Op::Expr))
            if (op.y1 < 640) out.push_back(op);
        return out;
    }
    // Keys pressed before each filled box in colour 15 with these corners.
    std::vector<int> erases(float x1, float y1, float x2, float y2) const {
        std::vector<int> out;
        for (auto& s : seen({Op::Fill}))
            if (s.op.x1 == x1 && s.op.y1 == y1 && s.op.x2 == x2 && s.op.y2 == y2 && s.op.c == 15 && s.op.f == 15)
                out.push_back(s.keys);
        return out;
    }
    int prompt_count(const std::string& s) const {
        int n = 0;
        for (auto& op : h.of(Op::Prompt))
            if (op.s == s) ++n;
        return n;
    }
    size_t keys_left() const { return h.backend.keys_left(); }

    test::Harness h;
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
