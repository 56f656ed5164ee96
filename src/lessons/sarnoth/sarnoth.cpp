#include "lessons/sarnoth/sarnoth.h"

#include <array>

#include "lessons/sarnoth/lesson1.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/toolkit.h"

namespace cw {

namespace {

ProgramInfo sarnoth_info() {
    ProgramInfo info{"Sarnoth",
                     {"1　数の表し方", "2　式による説明", "3　等式の変形", "4　P29 基本の問題",
                      "5　P32 章の問題A", "6　P33 章の問題B", "7　"}};
    info.menu_jump = MenuJump::WholeValue;
    return info;
}

// The lesson behind each main-menu item, 1 to 7.
const std::array<void (*)(Sarnoth&), 7> kLessons = {
    [](Sarnoth& g) { sarnoth1::START_NUMBERS_LESSON(g); },
    [](Sarnoth& g) { sarnoth2::START_EXPLANATIONS_LESSON(g); },
    [](Sarnoth& g) { sarnoth3::START_EQUATIONS_LESSON(g); },
    [](Sarnoth& g) { sarnoth4::START_FUNDAMENTAL_PROBLEMS_LESSON(g); },
    [](Sarnoth& g) { sarnoth5::START_CHAPTER_PROBLEMS_A_LESSON(g); },
    [](Sarnoth& g) { sarnoth6::START_CHAPTER_PROBLEMS_B_LESSON(g); },
    [](Sarnoth& g) { lesson::RETURN_TO_MAIN_MENU(g); },
};

}  // namespace

Sarnoth::Sarnoth(Platform& pf) : Program(pf, sarnoth_info()) {}

void Sarnoth::run_lesson(int n) { run_lesson_entry(*this, kLessons, n); }

}  // namespace cw
