// Shared fixture of the lesson 1-2 and toolkit tests: a started Kelvane with
// scripted keys, and the typesetter calls it made.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "shell/shell.h"
#include "support/harness.h"

namespace cw::test {

// Enter as the number entry reads it.
inline std::string enter(const std::string& number) { return number + "\r"; }
// n presses of an ordinary key.
inline std::string keys(int n) { return std::string(static_cast<size_t>(n), 'k'); }

struct LessonRun {
    explicit LessonRun(const std::string& script) : h("kelvane", script) {
        INITIALIZE_PROGRAM(h.g);
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
    // Every expression text drawn, in order.
    std::vector<DrawOp> texts() const { return h.of(Op::Expr); }
    // Every prompt text drawn (menu lines, "入力", the pauses' messages).
    std::vector<DrawOp> prompts() const { return h.of(Op::Prompt); }
    // Expression texts drawn at (x, y).
    std::vector<DrawOp> at(float x, float y) const {
        std::vector<DrawOp> out;
        for (auto& op : texts())
            if (op.x1 == x && op.y1 == y) out.push_back(op);
        return out;
    }
    // The first expression text equal to s, or nullptr.
    const DrawOp* find(const std::string& s) const {
        found_ = texts();
        for (auto& op : found_)
            if (op.s == s) return &op;
        return nullptr;
    }
    // How many times the prompt text s was drawn.
    int prompt_count(const std::string& s) const {
        int n = 0;
        for (auto& op : prompts())
            if (op.s == s) ++n;
        return n;
    }
    // Filled boxes in colour 15 with these corners.
    int erases(float x1, float y1, float x2, float y2) const {
        int n = 0;
        for (auto& op : h.of(Op::Fill))
            if (op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 && op.f == 15) ++n;
        return n;
    }
    size_t keys_left() const { return h.backend.keys_left(); }

    Harness h;
    mutable std::vector<DrawOp> found_;
};

}  // namespace cw::test
