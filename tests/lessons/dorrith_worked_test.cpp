// The fixed worked screens of Dorrith lessons 2 and 3 with cancellations:
// how many key presses each takes, and the strokes and reduced values at the
// coordinates their Parts give; the lesson-3 review's strokes on the digits
// they cancel.
#include "dorrith_support.h"

namespace cw::dtest {
namespace {

using test::enter;
using test::keys;
using test::LessonFixture;

struct Value {
    float x, y;
    std::string text;
    bool operator==(const Value&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Value& v) { return os << v.text << "@" << v.x << "," << v.y; }

// The small numbers beside the strokes: one-digit colour-3 texts.
std::vector<Value> values(const Span& s) {
    std::vector<Value> out;
    for (auto& t : s.texts_in(3))
        if (t.s.size() == 1 && digit(t.s)) out.push_back({t.x1, t.y1, t.s});
    return out;
}

struct Screen {
    const char* name;
    const char* lesson;
    const char* item;
    const char* menu;  // the lesson's sub-menu line, asked again when the step ends
    int waits;
    std::vector<Seg> strokes;  // in the order drawn
    std::vector<Value> values;
};

const char* const MENU2 = "①復習　②文字　③数+文字　④累乗　⑤練習　⑥終了";

const Screen SCREENS[] = {
    {"15÷(−6)", "2", "1", MENU2, 8,
     {{163, 239, 195, 267}, {147, 199, 211, 227}},
     {{163, 271, "2"}, {147, 161, "5"}}},
    {"xy÷(−x)", "2", "2", MENU2, 9,
     {{182, 319, 214, 347}, {147, 279, 179, 307}},
     {{182, 351, "1"}, {147, 241, "1"}}},
    {"8xy÷(−4x)", "2", "3", MENU2, 9,
     {{182, 319, 214, 347}, {147, 279, 179, 307}, {246, 319, 278, 347}, {211, 279, 243, 307}},
     {{182, 351, "1"}, {147, 241, "2"}, {246, 351, "1"}, {211, 241, "1"}}},
    {"6a²÷2a", "2", "4", MENU2, 8,
     {{120, 319, 152, 347}, {155, 359, 187, 387}, {184, 319, 216, 347}, {219, 359, 251, 387}},
     {{120, 281, "3"}, {155, 391, "1"}, {184, 281, "1"}, {219, 391, "1"}}},
    // The second fraction starts 59 after the first (32 for 3/2, 27 for the "×" between them).
    {"−3/2÷3/4", "3", "1", MENU3, 6,
     {{147, 249, 179, 277}, {206, 209, 238, 237}, {206, 249, 238, 277}, {147, 209, 179, 237}},
     {{147, 281, "1"}, {206, 171, "2"}, {206, 281, "1"}, {147, 171, "1"}}},
    {"−(3/2)x²÷(3/4)x", "3", "3", MENU3, 9,
     {{182, 449, 214, 477}, {357, 409, 389, 437}, {252, 449, 284, 477}, {147, 409, 179, 437},
      {322, 449, 354, 477}, {217, 409, 249, 437}},
     {{182, 481, "1"}, {357, 371, "2"}, {252, 481, "1"}, {147, 371, "1"}, {322, 481, "1"}, {217, 371, "1"}}},
    {"問3,4", "3", "5", MENU3, 19,
     {{140, 279, 172, 307}, {210, 279, 242, 307}, {175, 319, 207, 347}, {245, 319, 277, 347},
      {455, 279, 519, 307}, {557, 279, 589, 307}, {541, 319, 573, 347}, {611, 319, 643, 347}},
     {{140, 241, "2"}, {210, 241, "1"}, {175, 351, "1"}, {245, 351, "1"},
      {455, 241, "2"}, {557, 241, "1"}, {541, 351, "1"}, {611, 351, "1"}}},
};

TEST(DorrithWorked, KeyCountsStrokesAndValues) {
    for (auto& s : SCREENS) {
        SCOPED_TRACE(s.name);
        LessonFixture f("dorrith", enter(s.lesson) + enter(s.item) + keys(s.waits));
        EXPECT_EQ(f.run_program(), test::Ending::KeysOut);
        EXPECT_EQ(f.waits(), s.waits);
        // The last key ends the step: the sub-menu is asked again at once.
        EXPECT_EQ(f.prompt_count(s.menu), 2);
        EXPECT_EQ(segs(strokes(f.all())), s.strokes);
        EXPECT_EQ(values(f.all()), s.values);
        for (auto& st : strokes(f.all())) EXPECT_EQ(st.w, 5);
    }
}

TEST(DorrithWorked, ReviewStrokesLieOnTheDigitsTheyCancel) {
    LessonFixture f("dorrith", enter("3") + enter("1") + keys(6));
    f.run_program();
    Span all = f.all();
    auto texts = all.texts();
    size_t product = 0;
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i].s == "ﾀ3/2ﾀ*ﾀ4/3ﾀ") product = i;
    ASSERT_GT(product, 0u);
    auto cells = cells_of(all.drawn_by(product));
    struct Expect {
        bool numerator;
        const char* digit;
    } expect[] = {{false, "2"}, {true, "4"}, {false, "3"}, {true, "3"}};
    auto st = strokes(all);
    ASSERT_EQ(st.size(), 4u);
    std::vector<float> xs;
    for (size_t i = 0; i < st.size(); ++i) {
        auto s = struck_by(st[i], cells);
        ASSERT_TRUE(s) << "stroke " << i << " starts on no glyph";
        EXPECT_EQ(s->numerator, expect[i].numerator) << i;
        EXPECT_EQ(s->text, expect[i].digit) << i;
        xs.push_back(st[i].x1);
    }
    // The two fractions' strokes: the first at the product's start, the second's on its own digits.
    EXPECT_EQ(xs[0], xs[3]);
    EXPECT_EQ(xs[1], xs[2]);
    EXPECT_LT(xs[0], xs[1]);
}

TEST(DorrithWorked, StepsLeaveTheDrawWidthAtFive) {
    for (auto& s : SCREENS) {
        SCOPED_TRACE(s.name);
        LessonFixture f("dorrith", enter(s.lesson) + enter(s.item) + keys(s.waits));
        f.run_program();
        EXPECT_EQ(f.pf.GETDRAWWIDTH(), 5);
    }
}

}  // namespace
}  // namespace cw::dtest
