#include "lessons/dorrith/dorrith.h"

#include "lessons/dorrith/lesson1.h"
#include "lessons/dorrith/lesson2.h"
#include "lessons/dorrith/lesson3.h"
#include "lessons/dorrith/lesson4.h"
#include "lessons/dorrith/lesson5.h"
#include "lessons/dorrith/lesson6.h"

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

}  // namespace

Dorrith::Dorrith(Platform& pf) : Program(pf, dorrith_info()) {}

void Dorrith::run_lesson(int n) {
    switch (n) {
        case 1:
            dorrith1::START_LESSON1(*this);
            break;
        case 2:
            dorrith2::LESSON_2_MENU(*this);
            break;
        case 3:
            dorrith3::LESSON_3_MENU(*this);
            break;
        case 4:
            dorrith4::RUN_LESSON4(*this);
            break;
        case 5:
            dorrith5::RUN_LESSON_5(*this);
            break;
        case 6:
            dorrith6::RUN_LESSON_6(*this);
            break;
        case 7:
            break;  // the blank item: straight back to the main menu
        default:
            break;  // lessons not yet here go straight back to the menu
    }
}

}  // namespace cw
