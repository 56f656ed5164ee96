#include "lessons/sarnoth/sarnoth.h"

#include "lessons/sarnoth/lesson1.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/problem_sets.h"

namespace cw {

namespace {

ProgramInfo sarnoth_info() {
    ProgramInfo info{"Sarnoth",
                     {"1　数の表し方", "2　式による説明", "3　等式の変形", "4　P29 基本の問題",
                      "5　P32 章の問題A", "6　P33 章の問題B", "7　"}};
    info.menu_jump = MenuJump::WholeValue;
    return info;
}

}  // namespace

Sarnoth::Sarnoth(Platform& pf) : Program(pf, sarnoth_info()) {}

void Sarnoth::run_lesson(int n) {
    switch (n) {
        case 1:
            sarnoth1::START_NUMBERS_LESSON(*this);
            break;
        case 2:
            sarnoth2::START_EXPLANATIONS_LESSON(*this);
            break;
        case 3:
            sarnoth3::START_EQUATIONS_LESSON(*this);
            break;
        case 4:
            sarnoth4::START_FUNDAMENTAL_PROBLEMS_LESSON(*this);
            break;
        case 5:
            sarnoth5::START_CHAPTER_PROBLEMS_A_LESSON(*this);
            break;
        case 6:
            sarnoth6::START_CHAPTER_PROBLEMS_B_LESSON(*this);
            break;
        case 7:
            sarnoth::RETURN_TO_MAIN_MENU(*this);
            break;
        default:
            break;  // lessons not yet here go straight back to the menu
    }
}

}  // namespace cw
