#include "lessons/kelvane/kelvane.h"

#include <array>

#include "lessons/kelvane/lesson1.h"
#include "lessons/kelvane/lesson2.h"
#include "lessons/kelvane/lesson3.h"
#include "lessons/kelvane/lesson4.h"
#include "lessons/kelvane/lesson5.h"
#include "lessons/kelvane/lesson6.h"
#include "lessons/kelvane/lesson7.h"

namespace cw {

namespace {

// The lesson behind each main-menu item, 1 to 7.
const std::array<void (*)(Kelvane&), 7> kLessons = {
    [](Kelvane& g) { kelvane1::START_LESSON1(g); },
    [](Kelvane& g) { kelvane2::START_LESSON2(g); },
    [](Kelvane& g) { kelvane3::START_LESSON3(g); },
    [](Kelvane& g) { kelvane4::START_LESSON4(g); },
    [](Kelvane& g) { kelvane5::KELVANE_LESSON_5(g); },
    [](Kelvane& g) { kelvane6::KELVANE_LESSON_6(g); },
    [](Kelvane& g) { kelvane7::KELVANE_LESSON_7(g); },
};

}  // namespace

Kelvane::Kelvane(Platform& pf)
    : Program(pf, {"Kelvane",
                   {"1　単項式と多項式", "2　同類項", "3　多項式の加法・減法", "4　多項式×数、÷数",
                    "5　かっこのある式の計算", "6　分数をふくむ式の計算", "7　P10 導入"}}) {}

void Kelvane::run_lesson(int n) { run_lesson_entry(*this, kLessons, n); }

}  // namespace cw
