#include "lessons/kelvane/kelvane.h"

#include "lessons/kelvane/lesson1.h"
#include "lessons/kelvane/lesson2.h"
#include "lessons/kelvane/lesson3.h"
#include "lessons/kelvane/lesson4.h"
#include "lessons/kelvane/lesson5.h"
#include "lessons/kelvane/lesson6.h"
#include "lessons/kelvane/lesson7.h"

namespace cw {

Kelvane::Kelvane(Platform& pf)
    : Program(pf, {"Kelvane",
                   {"1　単項式と多項式", "2　同類項", "3　多項式の加法・減法", "4　多項式×数、÷数",
                    "5　かっこのある式の計算", "6　分数をふくむ式の計算", "7　P10 導入"}}) {}

void Kelvane::run_lesson(int n) {
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
        case 4:
            kelvane4::START_LESSON4(*this);
            break;
        case 5:
            kelvane5::KELVANE_LESSON_5(*this);
            break;
        case 6:
            kelvane6::KELVANE_LESSON_6(*this);
            break;
        case 7:
            kelvane7::KELVANE_LESSON_7(*this);
            break;
        default:
            break;  // lessons not yet here go straight back to the menu
    }
}

}  // namespace cw
