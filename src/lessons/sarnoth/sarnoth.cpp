// The program Sarnoth: using literal expressions.
#include "shell/program.h"

namespace cw {
namespace {

class Sarnoth : public Program {
public:
    explicit Sarnoth(Platform& pf)
        : Program(pf, {"Sarnoth",
                       {"1　数の表し方", "2　式による説明", "3　等式の変形", "4　P29 基本の問題",
                        "5　P32 章の問題A", "6　P33 章の問題B", "7　"},
                       false}) {}
};

}  // namespace

std::unique_ptr<Program> make_sarnoth(Platform& pf) { return std::make_unique<Sarnoth>(pf); }

}  // namespace cw
