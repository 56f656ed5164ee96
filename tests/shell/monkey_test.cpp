// Long random key streams through each program: no crash, no error screen.
#include <gtest/gtest.h>

#include <random>

#include "shell/shell.h"
#include "support/harness.h"

namespace cw {
namespace {

std::string monkey_keys(unsigned seed, size_t n) {
    // Mostly what a pupil types: digits and Enter, with some noise.
    static const std::string pool = "1234567123456789\r\r\r\r\r\r0./-\bxa +\x0c";
    std::mt19937 rng(seed);
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
    std::string keys;
    for (size_t i = 0; i < n; ++i) keys += pool[pick(rng)];
    return keys;
}

class Monkey : public ::testing::TestWithParam<const char*> {};

TEST_P(Monkey, TwentyThousandKeys) {
    const size_t total = 20000;
    std::string keys = monkey_keys(12345, total);
    size_t used = 0;
    int runs = 0;
    while (used < total) {
        test::Harness h(GetParam(), keys.substr(used), runs % 2 ? "12:34:56" : "07:08:09");
        h.pf.set_recording(false);
        try {
            run_program(h.g);
        } catch (const KeysExhausted&) {
        } catch (const ErrorScreenReached& e) {
            FAIL() << GetParam() << " reached the error screen (" << e.code << " at " << e.site << ") after "
                   << used + h.backend.keys_used() << " keys";
        }
        used += h.backend.keys_used();
        ++runs;
        ASSERT_GT(h.backend.keys_used(), 0u);
    }
    EXPECT_GE(used, total);
}

INSTANTIATE_TEST_SUITE_P(Programs, Monkey, ::testing::Values("kelvane", "dorrith", "sarnoth"));

}  // namespace
}  // namespace cw
