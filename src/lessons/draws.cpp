#include "lessons/draws.h"

#include "platform/basic.h"

namespace cw::lesson {

float rnd_int(Program& g, float n, float k) { return INT(g.pf.RND() * n) + k; }

float signed_draw(Program& g, Range magnitude, Coin coin) {
    float v = rnd_int(g, magnitude.n, magnitude.k);
    g.P = rnd_int(g, coin.r.n, coin.r.k);
    if (g.P == coin.negate_on) v = -v;
    return v;
}

float draw_unlike(float& memory, const std::function<float()>& draw, int max_attempts) {
    float v = draw();
    for (int attempt = 1; v == memory && attempt < max_attempts; ++attempt) v = draw();
    memory = v;
    return v;
}

float apply_sign_memory(float sign, float& memory) {
    if (sign == memory) return -sign;
    memory = sign;
    return sign;
}

void load_list(NumArray& list, const std::vector<float>& values) {
    for (size_t i = 0; i < values.size(); ++i) list(static_cast<int>(i) + 1) = values[i];
}

float pick_and_remove(Program& g, NumArray& list, float choices, float last) {
    g.P = rnd_int(g, choices, 1);
    const float v = list(to_int(g.P));
    for (g.II = g.P; g.II <= last; g.II += 1) list(to_int(g.II)) = list(to_int(g.II + 1));
    return v;
}

}  // namespace cw::lesson
