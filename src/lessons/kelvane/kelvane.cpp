// The program Kelvane: calculation with polynomials.
#include "lessons/kelvane/lesson1.h"
#include "lessons/kelvane/lesson2.h"
#include "lessons/kelvane/lesson3.h"
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
            case 1:
                kelvane1::START_LESSON1(*this);
                break;
            case 2:
                kelvane2::START_LESSON2(*this);
                break;
            case 3:
                kelvane3::START_LESSON3(*this);
                break;
            default:
                break;  // lessons not yet here go straight back to the menu
        }
    }
};

}  // namespace

std::unique_ptr<Program> make_kelvane(Platform& pf) { return std::make_unique<Kelvane>(pf); }

}  // namespace cw
