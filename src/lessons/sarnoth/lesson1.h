// Sarnoth lesson 1, "数の表し方": numbers written with letters (multiples,
// even and odd numbers, consecutive numbers, natural numbers by their
// digits), the summary and two random practice drills.
#pragma once
#include "state/program.h"

namespace cw::sarnoth1 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses ⑨ (back to the main menu).
void START_NUMBERS_LESSON(Program& g);
void SHOW_LESSON_GOAL(Program& g);
void SHOW_NUMBERS_LESSON_MENU(Program& g);

// The steps ① to ⑥: fixed pages revealed one stage per key.
void SHOW_MULTIPLES(Program& g);
void SHOW_EVEN_NUMBERS(Program& g);
void SHOW_ODD_NUMBERS(Program& g);
void SHOW_CONSECUTIVE_NUMBERS(Program& g);
void SHOW_NATURAL_NUMBERS(Program& g);
void SHOW_FORMS_SUMMARY(Program& g);

// The steps ⑦ and ⑧: random drill pages, answers revealed one per key.
void PRACTICE_WRITING_NUMBERS(Program& g);
void PRACTICE_MULTIPLES(Program& g);

// One page of each drill: its random values and texts, drawn as the drill draws them.
void make_writing_numbers_page(Program& g);
void make_multiples_page(Program& g);

}  // namespace cw::sarnoth1
