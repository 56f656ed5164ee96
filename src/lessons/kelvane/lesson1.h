// Kelvane lesson 1: monomials and polynomials (terms, coefficients, degree,
// naming a polynomial by its degree).
#pragma once
#include "state/program.h"

namespace cw::kelvane1 {

// Entry from the main menu: the goal screen, then the sub-menu loop.  Returns
// when the pupil chooses the last item (back to the main menu).
void START_LESSON1(Program& g);
void SHOW_LESSON_GOAL(Program& g);
void SHOW_LESSON1_MENU(Program& g);

// Step ①: quantities as expressions, monomials and polynomials, terms.
void TEACH_TERMS(Program& g);
void DRILL_MONOMIAL_OR_POLYNOMIAL(Program& g);  // 問2
void DRILL_NAME_TERMS(Program& g);              // 問3

// Step ③: coefficient, degree of a monomial, degree of a polynomial.
void TEACH_COEFFICIENT_AND_DEGREE(Program& g);
void DRILL_COEFFICIENT(Program& g);         // 問4
void DRILL_MONOMIAL_DEGREE(Program& g);     // 問5
void DRILL_POLYNOMIAL_DEGREE(Program& g);   // 問6

// Step ⑤: naming a polynomial by its degree.
void TEACH_DEGREE_NAME(Program& g);
void DRILL_DEGREE_NAME(Program& g);  // 問7

// Answer pages of the textbook's 問1, 問2 and 問3.
void SHOW_ANSWERS_Q1(Program& g);
void SHOW_ANSWERS_Q2(Program& g);
void SHOW_ANSWERS_Q3(Program& g);

}  // namespace cw::kelvane1
