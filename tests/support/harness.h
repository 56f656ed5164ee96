// A program run headless with scripted keys, for tests.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/platform.h"
#include "programs/programs.h"
#include "state/program.h"

namespace cw::test {

// The top of the prompt band the shell fills at the foot of the screen, from (96, 639) to (400, 675); what a
// lesson draws on its pages lies above it.
constexpr float kPromptBandTop = 639;

// A bare program with no lessons, for tests of the shared subsystems.
// With `dorrith`, the choices Dorrith makes: its fraction rules and the letter tables.
inline ProgramInfo bare_info(bool dorrith = false) {
    ProgramInfo info{"Test", {"1　一", "2　二", "3　三", "4　四", "5　五", "6　六", "7　七"}};
    if (dorrith) {
        info.fraction_rules = FractionRules::MarkWholeAndZero;
        info.letter_tables = true;
    }
    return info;
}

struct Harness {
    // One of the three programs ("kelvane", "dorrith", "sarnoth").
    explicit Harness(const std::string& program, const std::string& keys = "",
                     const std::string& time = "00:00:00")
        : backend(keys, time), pf(backend), prog(make_program(program, pf)), g(*prog) {
        pf.set_recording(true);
    }
    // A bare program: only the shared subsystems, nothing of any lesson.
    explicit Harness(ProgramInfo info = bare_info(), const std::string& keys = "",
                     const std::string& time = "00:00:00")
        : backend(keys, time), pf(backend), prog(std::make_unique<Program>(pf, std::move(info))), g(*prog) {
        pf.set_recording(true);
    }
    // Operations drawn since the record was last cleared (notes left out).
    std::vector<DrawOp> drawn() const {
        std::vector<DrawOp> out;
        for (auto& op : pf.record())
            if (op.drawn()) out.push_back(op);
        return out;
    }
    std::vector<DrawOp> of(Op kind) const {
        std::vector<DrawOp> out;
        for (auto& op : pf.record())
            if (op.op == kind) out.push_back(op);
        return out;
    }

    HeadlessBackend backend;
    Platform pf;
    std::unique_ptr<Program> prog;
    Program& g;
};

}  // namespace cw::test
