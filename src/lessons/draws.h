// Random draws as the lesson scripts make them, one RND at a time in the
// scripts' order, so that a seeded run shows the same problems.
#pragma once
#include <functional>
#include <vector>

#include "platform/array.h"
#include "state/program.h"

namespace cw::lesson {

// A whole number from one RND: INT(RND * n) + k, one of k, k + 1, ..., k + n - 1 for a whole n >= 1.  Every
// random whole number of the lessons is drawn here.  The product of an RND below 1 and a whole n rounds to
// less than n in single precision, so INT(RND * n) is at most n - 1 even for the largest value RND gives;
// adding k inside INT, as INT(RND * n + k), can round up to k + n.  One RND; writes nothing.
float rnd_int(Program& g, float n, float k);

// A range for signed_draw: INT(RND * n) + k.
struct Range {
    float n = 1, k = 0;
};

// The sign coin of a signed draw: P = the coin's draw; the value is negated when P equals `negate_on`.
struct Coin {
    Range r;
    float negate_on;
};
constexpr Coin kCoin12{{2, 1}, 2};      // P = INT(RND * 2) + 1, negated on 2
constexpr Coin kCoinNegOn1{{2, 0}, 1};  // P = INT(RND * 2), negated on 1
constexpr Coin kCoinNegOn0{{2, 0}, 0};  // P = INT(RND * 2), negated on 0

// A signed draw through rnd_int: the magnitude, then the coin.  Two RNDs in that order; writes P.
float signed_draw(Program& g, Range magnitude, Coin coin);

// Kelvane's no-repeat rule: runs draw() (all of its RNDs) again while its value equals `memory`; then
// memory = the value, which it returns.  After `max_attempts` draws the last value is taken even if it
// repeats, so the loop always ends.  Writes `memory` (FMAESU) and what draw() writes.
float draw_unlike(float& memory, const std::function<float()>& draw, int max_attempts = 1000);

// Dorrith's sign memory: a sign (+1 or -1) equal to `memory` is negated and `memory` keeps its value;
// any other sign is stored in `memory`.  Returns the sign to use.  Draws nothing.
float apply_sign_memory(float sign, float& memory);

// Fills list(1), list(2), ... with the values (the scripts' candidate lists: 2, 3, 5, 1 / 2, 3, 5, 7, 11 ...).
void load_list(NumArray& list, const std::vector<float>& values);
// Pick and remove: P = INT(RND * choices) + 1 (rnd_int); the value list(P) is taken, and for II = P to last,
// list(II) = list(II + 1), so the entries behind it move down one place.  One RND; writes P, II and the
// list; returns the value.
float pick_and_remove(Program& g, NumArray& list, float choices, float last);

}  // namespace cw::lesson
