#include "lessons/dorrith/dorrith.h"

#include <array>

#include "lessons/dorrith/lesson1.h"
#include "lessons/dorrith/lesson2.h"
#include "lessons/dorrith/lesson3.h"
#include "lessons/dorrith/lesson4.h"
#include "lessons/dorrith/lesson5.h"
#include "lessons/dorrith/lesson6.h"
#include "lessons/toolkit.h"

namespace cw {

namespace {

ProgramInfo dorrith_info() {
    ProgramInfo info{"Dorrith",
                     {"1　単項式の乗法", "2　単項式の除法", "3　分数をふくむ式の除法", "4　乗除の混じった計算",
                      "5　式の値", "6　P20(式 基本の問題)", "7　"}};
    info.fraction_rules = FractionRules::MarkWholeAndZero;
    info.letter_tables = true;
    return info;
}

// The lesson behind each main-menu item, 1 to 7.
const std::array<void (*)(Dorrith&), 7> kLessons = {
    [](Dorrith& g) { dorrith1::START_LESSON1(g); },
    [](Dorrith& g) { dorrith2::LESSON_2_MENU(g); },
    [](Dorrith& g) { dorrith3::LESSON_3_MENU(g); },
    [](Dorrith& g) { dorrith4::RUN_LESSON4(g); },
    [](Dorrith& g) { dorrith5::RUN_LESSON_5(g); },
    [](Dorrith& g) { dorrith6::RUN_LESSON_6(g); },
    [](Dorrith& g) { lesson::RETURN_TO_MAIN_MENU(g); },
};

}  // namespace

Dorrith::Dorrith(Platform& pf) : Program(pf, dorrith_info()) {}

void Dorrith::run_lesson(int n) { run_lesson_entry(*this, kLessons, n); }

}  // namespace cw

namespace cw::dorrith {

lesson::Cursor right_column(Dorrith& g) { return lesson::Cursor(g, g.XJ1, g.XJ1, g.XJ2, g.YJ1); }

}  // namespace cw::dorrith
