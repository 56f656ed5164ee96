// The program Kelvane: calculation with polynomials.
#include "shell/program.h"

namespace cw {
namespace {

class Kelvane : public Program {
public:
    explicit Kelvane(Platform& pf)
        : Program(pf, {"Kelvane",
                       {"1　単項式と多項式", "2　同類項", "3　多項式の加法・減法", "4　多項式×数、÷数",
                        "5　かっこのある式の計算", "6　分数をふくむ式の計算", "7　P10 導入"},
                       false}) {}

    void run_lesson(int n) override {
        switch (n) {
            default:
                break;  // lessons not yet here go straight back to the menu
        }
    }
};

}  // namespace

std::unique_ptr<Program> make_kelvane(Platform& pf) { return std::make_unique<Kelvane>(pf); }

}  // namespace cw
