// Prompt texts at a fixed pitch of 16.
#include <gtest/gtest.h>

#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw {
namespace {

struct Prompt {
    test::Harness h;
    Prompt(const std::string& text, float x, float y = 666, float jyou = 0) {
        INITIALIZE_PROGRAM(h.g);
        h.pf.clear_record();
        h.g.X = x;
        h.g.Y = y;
        h.g.CCC1 = 0;
        h.g.JYOU = jyou;
        h.g.AA_s = text;
        PRINT_PROMPT_TEXT(h.g);
    }
};

TEST(PromptText, PenAfterTheText) {
    struct Case { const char* text; float x, end; };
    for (auto c : {Case{"番号を入力して下さい。", 816, 992}, Case{"入力", 1008, 1040},
                   Case{"何かキーを押して下さい。", 128, 320}, Case{"①P10Ｑ　②P12Q　③終了", 16, 256},
                   Case{"", 50, 50}, Case{"a b", 0, 48}}) {
        Prompt p(c.text, c.x);
        EXPECT_EQ(p.h.g.X, c.end) << c.text;
        EXPECT_EQ(p.h.g.AA_s, "");
    }
}

TEST(PromptText, CellsAndConversions) {
    Prompt p("①P10Ｑ z.", 16);
    auto t = p.h.of(Op::Text);
    struct Cell { const char* s; float x, y; };
    const Cell want[] = {{"①", 16, 666}, {"Ｐ", 32, 666}, {"１", 48, 666}, {"０", 64, 666}, {"Ｑ", 80, 666},
                         {"", 96, 666},   {"z", 112, 662}, {"．", 124, 666}};
    ASSERT_EQ(t.size(), std::size(want));
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].s, want[i].s) << i;
        EXPECT_EQ(t[i].x1, want[i].x) << i;
        EXPECT_EQ(t[i].y1, want[i].y) << i;
        EXPECT_EQ(t[i].p, 1);
        EXPECT_TRUE(t[i].font.bold);
    }
    EXPECT_EQ(p.h.g.X, 128);
    EXPECT_TRUE(p.h.pf.font().bold);  // left on
}

TEST(PromptText, CaretLeavesTheNextCharacterUnconverted) {
    Prompt p("^A1", 0);
    auto t = p.h.of(Op::Text);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].s, "A");
    EXPECT_EQ(t[0].y1, 662);
    EXPECT_EQ(t[1].s, "１");
    EXPECT_EQ(p.h.g.X, 32);

    Prompt trailing("1^", 0);
    EXPECT_EQ(trailing.h.g.JYOU, 1);
    EXPECT_EQ(trailing.h.g.A_s, "^");

    Prompt pending("x", 0, 666, 1);  // a flag the typesetter left
    EXPECT_EQ(pending.h.of(Op::Text).at(0).s, "x");
}

TEST(PromptText, TwoFullStopsShareOnePlace) {
    test::Harness h;
    INITIALIZE_PROGRAM(h.g);
    h.g.X = 100;
    h.g.Y = 666;
    h.g.A_s = "..";
    DRAW_CONVERTED_CHARS(h.g);
    auto t = h.of(Op::Text);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].x1, 96);
    EXPECT_EQ(t[1].x1, 96);
    EXPECT_EQ(h.g.XT, 100);
}

}  // namespace
}  // namespace cw
