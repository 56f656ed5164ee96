// The random numbers: a pinned value for tests of the draws at the
// generator's extremes, and the sequence going on where it was left.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "platform/headless.h"
#include "platform/platform.h"

namespace cw {
namespace {

TEST(Random, APinnedValueHoldsAndTheSequenceGoesOnAfterIt) {
    HeadlessBackend b1, b2;
    Platform pinned(b1), free(b2);
    pinned.RANDOMIZE(42);
    free.RANDOMIZE(42);
    EXPECT_EQ(pinned.RND(), free.RND());
    const float largest = std::nextafter(1.0f, 0.0f);
    for (float v : {0.0f, largest, 0.5f}) {
        pinned.pin_rnd(v);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(pinned.RND(), v);
    }
    pinned.pin_rnd(std::nullopt);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pinned.RND(), free.RND()) << "the sequence did not move while pinned";
    // A seed does not undo the pin.
    pinned.pin_rnd(largest);
    pinned.RANDOMIZE(7);
    EXPECT_EQ(pinned.RND(), largest);
}

TEST(Random, OnlyValuesTheGeneratorCanGiveArePinned) {
    HeadlessBackend b;
    Platform pf(b);
    for (float v : {1.0f, -0.25f, 2.0f, std::nanf("")}) EXPECT_THROW(pf.pin_rnd(v), std::invalid_argument) << v;
}

}  // namespace
}  // namespace cw
