// The toolkit's cell: a bordered box with its text centred, as the answer
// boxes and the answer pages' heading cells draw it.
#include <gtest/gtest.h>

#include "lessons/pages.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

TEST(ToolkitCell, BoxThenCentredText) {
    struct Case {
        const char* text;
        float w, h;
        lesson::CellColours c;
        float text_x, text_y;  // where the text goes: centred across, (h - 44) / 2 down
    } cases[] = {
        {"", 60, 50, {5, 3, 13}, 0, 0},
        {"+", 60, 50, {5, 3, 13}, 100 + (60 - 27) / 2.0f, 203},
        {"問5", 396, 44, {13, 5, 4}, 100 + (396 - 27 - 34) / 2.0f, 200},
        {"12345678901234567", 60, 44, {0, 3, 13}, 100, 200},  // wider than the box: from its left edge
    };
    for (auto& c : cases) {
        LessonFixture f("dorrith");
        lesson::cell(f.g, 100, 200, c.w, c.h, c.text, c.c);
        auto boxes = f.all().of(Op::Fill);
        ASSERT_EQ(boxes.size(), 1u) << c.text;
        EXPECT_EQ(std::vector<float>({boxes[0].x1, boxes[0].y1, boxes[0].x2, boxes[0].y2}),
                  std::vector<float>({100, 200, 100 + c.w, 200 + c.h}))
            << c.text;
        EXPECT_EQ(boxes[0].c, c.c.border);
        EXPECT_EQ(boxes[0].f, c.c.fill);
        auto texts = f.all().visible_texts();
        if (std::string(c.text).empty()) {
            EXPECT_TRUE(texts.empty());
        } else {
            ASSERT_EQ(texts.size(), 1u) << c.text;
            EXPECT_EQ(std::make_pair(texts[0].x1, texts[0].y1), std::make_pair(c.text_x, c.text_y)) << c.text;
            EXPECT_EQ(texts[0].c, c.c.text);
        }
        EXPECT_EQ(f.g.X, 100 + c.w);
        EXPECT_EQ(f.g.Y, 200);
    }
}

}  // namespace
}  // namespace cw::test
