// Plain text: characters at the typesetter's cell advances and their styles.
#include <gtest/gtest.h>

#include "typeset_fixture.h"

namespace cw::test {
namespace {

class PlainTest : public TypesetTest {
protected:
    void plain(const std::string& text, float x = 100, float y = 200, float c = 3) {
        h.g.X = x;
        h.g.Y = y;
        h.g.CCC1 = c;
        h.g.AA_s = text;
        DRAW_PLAIN_TEXT(h.g);
    }
};

TEST_F(PlainTest, PositionsAndAdvances) {
    struct Case {
        const char* text;
        std::vector<std::string> glyphs;
        float end;
    } cases[] = {
        {"1", {"1@100,200"}, 120},
        {"3.5", {"3@100,200", ".@120,200", "5@128,200"}, 148},
        {"(x)", {"(@92,200", "x@116,188", ")@132,200"}, 140},
        {"y2", {"y@100,194", "2@120,200"}, 140},
        {"b z", {"b@100,200", "z@140,200"}, 160},
        {"1,　2", {"1@100,200", ",@120,200", "　@128,200", "2@158,200"}, 178},
        {"^2", {"^@100,200", "2@120,200"}, 140},
        {"ﾀ1/2ﾀ", {"ﾀ@100,200", "1@120,200", "/@140,200", "2@160,200", "ﾀ@180,200"}, 200},
    };
    for (const Case& c : cases) {
        h.pf.clear_record();
        plain(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(glyphs(), c.glyphs);
        EXPECT_FLOAT_EQ(h.g.X, c.end);
        EXPECT_FLOAT_EQ(h.g.Y, 200);
        EXPECT_EQ(h.g.AA_s, "");
    }
}

TEST_F(PlainTest, StyleOfEachCharacter) {
    plain("1(x)表");
    auto texts = visible(Op::Text);
    ASSERT_EQ(texts.size(), 5u);  // 1 ( x ) 表
    for (auto& op : texts) {
        EXPECT_EQ(op.c, 3);
        EXPECT_TRUE(op.font.bold);
    }
    EXPECT_EQ(texts[0].font.size, 15);
    EXPECT_EQ(texts[0].p, 3);
    EXPECT_EQ(texts[0].q, 2);
    EXPECT_EQ(texts[2].font.face, "Times New Roman");
    EXPECT_EQ(texts[2].font.size, 8);
    EXPECT_TRUE(texts[2].font.italic);
    EXPECT_EQ(texts[2].p, 7);
    EXPECT_EQ(texts[2].q, 4);
    EXPECT_EQ(texts[4].font.face, "ゴシック");
    EXPECT_FALSE(texts[4].font.italic);
    EXPECT_EQ(texts[4].font.size, 15);
    EXPECT_EQ(texts[4].p, 2);
    EXPECT_EQ(texts[4].q, 2);
}

TEST_F(PlainTest, LeavesGothicSixteenNotBoldAndTheWidth) {
    h.pf.SETDRAWWIDTH(6);
    plain("a");
    FontState f = h.pf.font();
    EXPECT_EQ(f.face, "ゴシック");
    EXPECT_EQ(f.size, 16);
    EXPECT_FALSE(f.bold);
    EXPECT_FALSE(f.italic);
    EXPECT_EQ(h.pf.GETDRAWWIDTH(), 6);
    EXPECT_FLOAT_EQ(h.g.I, 2);
}

TEST_F(PlainTest, EmptyTextOnlyResetsTheFont) {
    h.pf.SETFONTBOLD(-1);
    h.pf.SETFONTSIZE(11);
    plain("", 100, 200);
    EXPECT_TRUE(h.drawn().empty());
    EXPECT_FLOAT_EQ(h.g.X, 100);
    EXPECT_FALSE(h.pf.font().bold);
    EXPECT_EQ(h.pf.font().size, 16);
}

}  // namespace
}  // namespace cw::test
