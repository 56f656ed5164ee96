// The record of shown texts holds every text on the screen: on no screen of
// the tour does it come near its cap (a quarter of it at most), so that it
// never forgets a text still shown, which a value placed beside it could
// land on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/tour.h"

namespace cw::test {
namespace {

TEST(ShownTextsOnTheTour, EveryScreenUsesAQuarterOfTheCapAtMost) {
    size_t most = 0;
    std::string where;
    for (const Step& step : all_steps()) {
        int page = 0;
        WalkOptions options;
        options.on_wait = [&](Harness& h) {
            ++page;
            const size_t n = h.pf.shown_texts().texts().size();
            if (n > most) most = n, where = step.name() + " page " + std::to_string(page);
        };
        walk(step, options);
    }
    EXPECT_LE(most, ShownTexts::kMost / 4) << where;
    EXPECT_GT(most, 200u) << where;  // the fullest screens hold a few hundred texts
}

}  // namespace
}  // namespace cw::test
