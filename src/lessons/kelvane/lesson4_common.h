// What lesson 4's drills share: worked solutions and problem generators
// that two drills each use.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "lessons/kelvane/drill_panel.h"
#include "lessons/kelvane/kelvane.h"
#include "lessons/marks.h"
#include "lessons/strokes.h"
#include "lessons/toolkit.h"

namespace cw::kelvane4::detail {

using kelvane::DrillPanel;
using kelvane::set_drill_panel;
using kelvane::start_problem;

// A distribution arc: its two anchors, its height (TAKASA), its dot colour
// and its side (HOUKOU: -1 above a chord drawn rightwards, 1 above one drawn
// leftwards).
struct ArcTo {
    lesson::Anchor from, to;
    float height, colour, side;
};
// The reveal of a distribution, one stage per key: for each term its arc and
// then its product in colour 5, the first product at (x, y), each later one
// where the one before ended; XI3, YI3 keep the pen after each product.
void reveal_products(Kelvane& g, const std::vector<ArcTo>& arcs, const std::vector<std::string>& products,
                     float x, float y);

// The worked solution of a fraction times a binomial whose problem line is
// at YI1, with its anchors X(1) (the fraction), X(3) (the second term), after
// the first arc: one stage per key, the first product on the line 90 below,
// the second arc, the second product, the cancellation of the denominator
// in the first product, the result's first term 100 below the products, the
// second cancellation and the result's second term, which ends in `letter`.
void fraction_solution(Program& g, const std::string& letter);

// The worked solution of a binomial divided by a whole number, after its
// problem line at YI1, one stage per key: the division rewritten as
// =(ax+b`letter`)×RAB$(1) 100 below, with the anchors X(2), X(3), X(1) 27
// into the terms and the reciprocal; the anchors moved past a "(-" before
// the reciprocal and a "-" before a; the arcs from the reciprocal to a
// (32 high) and to b (16 high); the products line 90 below; the
// cancellations and the result line 100 below it, term by term.
void division_solution(Program& g, const std::string& letter);

// The numbers of a fraction times a binomial, (n/d)(ax+b) or (n/d)(ax+by):
// d = F(1) picked from the list 2, 3, 5, 1 and removed from it, n = T(1)
// from what is left with a sign; a = T(2), b = T(3) the multiples T(12)·d,
// T(13)·d; the products T(4) = n·T(12), T(5) = n·T(13).  Its texts: RAB$(1)
// the fraction, the tables, "+" before a positive b, and the term rule on
// T$(4) (and on T$(5) when a letter follows it).
void draw_fraction_times_binomial(Program& g, bool letter_last);
// The numbers of a binomial divided by a whole number: F(1) from 2, 3, 5
// (with a letter after b, from the list 2, 3, 5, 1, closed up behind it),
// the divisor T(1) = ±F(1), a = T(2) = T(12)·F(1), b = T(3) = T(13)·F(1),
// the quotients T(4), T(5).  Its texts: RAB$(1) the reciprocal, the tables,
// "+" before a positive b, the term rule on T$(4) (and on T$(5) when a
// letter follows it), a negative divisor and its reciprocal in parentheses.
void draw_division_by_number(Program& g, bool letter_last);

}  // namespace cw::kelvane4::detail
