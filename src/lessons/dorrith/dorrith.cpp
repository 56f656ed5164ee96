// The program Dorrith: multiplication and division of monomials.
#include "shell/program.h"

namespace cw {
namespace {

class Dorrith : public Program {
public:
    explicit Dorrith(Platform& pf)
        : Program(pf, {"Dorrith",
                       {"1　単項式の乗法", "2　単項式の除法", "3　分数をふくむ式の除法", "4　乗除の混じった計算",
                        "5　式の値", "6　P20(式 基本の問題)", "7　"},
                       true}) {}
};

}  // namespace

std::unique_ptr<Program> make_dorrith(Platform& pf) { return std::make_unique<Dorrith>(pf); }

}  // namespace cw
