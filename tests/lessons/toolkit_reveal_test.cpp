// The toolkit's staged reveal, anchored fragments and edits through A$.
#include <gtest/gtest.h>

#include "exprstr/exprstr.h"
#include "lessons/toolkit.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

TEST(ToolkitReveal, EachLaterStageWaitsForItsKey) {
    struct Case {
        int stages, keys;
        int ran;  // stages run before the keys ran out (all when the run came back)
        bool back;
        int waits;  // any-key boxes shown
    } cases[] = {
        {1, 0, 1, true, 0},   // the first stage needs no key
        {3, 2, 3, true, 2},   // two waits for three stages
        {3, 1, 2, false, 2},  // one key short: the second wait is shown, the third stage never runs
        {0, 0, 0, true, 0},
    };
    for (auto& c : cases) {
        LessonFixture f("kelvane", keys(c.keys));
        int ran = 0;
        std::vector<std::function<void()>> stages(static_cast<size_t>(c.stages), [&] { ++ran; });
        EXPECT_EQ(f.run([&](Program& g) { lesson::reveal(g, stages); }), c.back);
        EXPECT_EQ(ran, c.ran);
        EXPECT_EQ(f.waits(), c.waits);
    }
}

TEST(ToolkitReveal, AnchoredFragmentsKeepTheirAnchorAndContinueTheLine) {
    struct Frag {
        int k;
        float dx;
        std::string code;
        float want_x;  // the fragment's start
    } frags[] = {{1, 27, "3(", 100}, {2, 10, "2x", 154}, {3, 20, "+5)", 208}};
    LessonFixture f("kelvane");
    auto& g = f.g;
    g.XI2 = 100;
    g.YI1 = 130;
    for (auto& fr : frags) {
        lesson::cont_keeping_start(g, fr.k, fr.dx, 0, fr.code);
        EXPECT_EQ(g.X_a(fr.k), fr.want_x + fr.dx);
        EXPECT_EQ(g.Y_a(fr.k), 130);
        EXPECT_EQ(f.texts().back().x1, fr.want_x);
        EXPECT_EQ(f.texts().back().s, fr.code);
    }
    EXPECT_EQ(g.XI2, 289);
    EXPECT_EQ(g.YI1, 130);
}

}  // namespace
}  // namespace cw::test
