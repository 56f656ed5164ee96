// The lesson fixture: whole programs run headless, seeded, and read back
// from the display list.
#include "support/lesson_fixture.h"

#include <gtest/gtest.h>

#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

TEST(LessonFixture, EachProgramShowsItsMenuAndEnds) {
    for (const char* program : {"kelvane", "dorrith", "sarnoth"}) {
        struct { const char* program; } c{program};
        LessonFixture keys_out(c.program, "");
        EXPECT_EQ(keys_out.run_program(), Ending::KeysOut) << c.program;
        EXPECT_EQ(keys_out.count("　メニュー＞"), 1) << c.program;

        LessonFixture ended(c.program, enter("8"));
        EXPECT_EQ(ended.run_program(), Ending::Returned) << c.program;
        EXPECT_EQ(ended.keys_left(), 0u);
        EXPECT_FALSE(ended.error());
    }
}

TEST(LessonFixture, SeedAfterStartUpOverridesTheClock) {
    // Two clocks, one seed: the same draws after start-up.
    std::vector<float> draws[2];
    const char* clocks[] = {"01:02:03", "23:59:59"};
    for (int k = 0; k < 2; ++k) {
        LessonFixture f("kelvane", enter("8"), clocks[k]);
        f.backend.on_wait = nullptr;
        ASSERT_EQ(f.run_program(12345), Ending::Returned);
        for (int i = 0; i < 5; ++i) draws[k].push_back(f.pf.RND());
    }
    EXPECT_EQ(draws[0], draws[1]);
    // Without a seed the clock decides.
    LessonFixture a("kelvane", enter("8"), "01:02:03"), b("kelvane", enter("8"), "23:59:59");
    a.run_program();
    b.run_program();
    EXPECT_NE(a.pf.RND(), b.pf.RND());
}

TEST(LessonFixture, PagesAreCutAtTheAnyKeyWaits) {
    LessonFixture f("kelvane", keys(2));
    EXPECT_FALSE(f.run([](Program& g) {
        lesson::put(g, 10, 100, 0, "one");
        WAIT_ANY_KEY(g);
        lesson::put(g, 10, 150, 0, "two");
        WAIT_ANY_KEY(g);
        lesson::put(g, 10, 200, 5, "three");
        WAIT_ANY_KEY(g);
        lesson::put(g, 10, 250, 5, "never");
    }));
    EXPECT_EQ(f.waits(), 3);
    auto pages = f.pages();
    ASSERT_EQ(pages.size(), 3u) << "the keys ran out at the third wait";
    EXPECT_EQ(pages[0].joined(), "one");
    EXPECT_EQ(pages[1].joined(), "two");
    EXPECT_EQ(pages[2].joined(), "three");
    EXPECT_EQ(pages[2].answers().size(), 1u);
    for (auto& p : pages) EXPECT_EQ(p.prompt_count(kAnyKey), 1);
    // The erase after each key opens the next page.
    EXPECT_EQ(pages[0].erases(0, 657, 400, 693), 0);
    EXPECT_EQ(pages[1].erases(0, 657, 400, 693), 1);

    LessonFixture done("kelvane", keys(1));
    ASSERT_TRUE(done.run([](Program& g) {
        WAIT_ANY_KEY(g);
        lesson::put(g, 10, 100, 0, "after");
    }));
    ASSERT_EQ(done.pages().size(), 2u);
    EXPECT_EQ(done.pages()[1].joined(), "after");
}

TEST(LessonFixture, PassesAreCutAtTheNextStepQuestion) {
    LessonFixture f("kelvane", drill_keys(1, 3));
    int n = 0;
    ASSERT_TRUE(f.run([&](Program& g) {
        lesson::drill(g, [&] {
            ++n;
            lesson::put(g, 10, 100, 0, "problem " + std::to_string(n));
            WAIT_ANY_KEY(g);
            lesson::put(g, 10, 200, 5, "answer " + std::to_string(n));
        });
    }));
    EXPECT_EQ(f.keys_left(), 0u);
    auto passes = f.passes();
    ASSERT_EQ(passes.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        auto answers = passes[static_cast<size_t>(k)].answers();
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].s, "answer " + std::to_string(k + 1));
        EXPECT_EQ(passes[static_cast<size_t>(k)].prompt_count(kNextStep), 1);
    }
}

TEST(LessonFixture, WhatOneCallDrewLeavesOutTheMeasuring) {
    LessonFixture f("kelvane");
    ASSERT_TRUE(f.run([](Program& g) {
        lesson::put(g, 100, 200, 0, "3a+ﾀ15/6ﾀ");
        lesson::put(g, 100, 300, 15, "ﾀ1/2ﾀ");  // only for its anchors
        lesson::put(g, 100, 400, 0, "");         // an empty cell's text
    }));
    Span all = f.all();
    auto drawn = all.drawn_by(0);
    int glyphs = 0, bars = 0;
    for (auto& op : drawn) {
        EXPECT_LT(op.y1, 900) << op.s;
        if (op.op == Op::Text) ++glyphs;
        if (op.op == Op::Line && op.bar) ++bars;
    }
    EXPECT_EQ(glyphs, 5);  // 3, a, 6, 1, 5 ("+" is drawn with strokes)
    EXPECT_EQ(bars, 1);
    EXPECT_EQ(all.texts().size(), 3u);
    EXPECT_EQ(all.visible_texts().size(), 1u) << "colour 15 and an empty text show nothing";
    EXPECT_EQ(all.drawn_by(2).size(), 0u);
    EXPECT_EQ(all.drawn_by(3).size(), 0u);
}

}  // namespace
}  // namespace cw::test
