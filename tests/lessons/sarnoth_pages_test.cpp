// Sarnoth's fixed pages: how many keys each takes, where its page turns fall,
// and what its fill-in cells show.
#include <gtest/gtest.h>

#include "lessons/sarnoth/lesson1.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/sarnoth_support.h"
#include "support/oracle.h"

namespace cw::sarnoth_test {
namespace {

struct Page {
    const char* name;
    void (*step)(Program&);
    int keys;
};
const Page kPages[] = {
    {"multiples", sarnoth1::SHOW_MULTIPLES, 16},
    {"even", sarnoth1::SHOW_EVEN_NUMBERS, 4},
    {"odd", sarnoth1::SHOW_ODD_NUMBERS, 9},
    {"consecutive", sarnoth1::SHOW_CONSECUTIVE_NUMBERS, 29},
    {"natural", sarnoth1::SHOW_NATURAL_NUMBERS, 10},
    {"summary", sarnoth1::SHOW_FORMS_SUMMARY, 1},
    {"three explained", sarnoth2::EXPLAIN_SUM_OF_THREE, 18},
    {"calendar frames", sarnoth2::SHOW_CALENDAR_FRAMES, 10},
    {"calendar vertical", sarnoth2::EXPLAIN_CALENDAR_VERTICAL, 8},
    {"calendar diagonal", sarnoth2::EXPLAIN_CALENDAR_DIAGONAL, 8},
    {"calendar square", sarnoth2::TEST_CALENDAR_SQUARE, 23},
    {"calendar free", sarnoth2::SHOW_CALENDAR_FREE, 0},
};

TEST(SarnothPages, EachTakesItsKeysAndReturnsWithoutAnother) {
    for (auto& p : kPages) {
        SarnothRun exact(keys(p.keys));
        EXPECT_TRUE(exact.run(p.step)) << p.name << " wants more than " << p.keys << " keys";
        EXPECT_EQ(exact.keys_left(), 0u) << p.name;
        // The last stage is drawn with no wait after it: no key prompt is left on the page.
        EXPECT_EQ(exact.prompt_count("次のステップは１を入力。"), 0) << p.name;
        if (p.keys == 0) continue;
        SarnothRun short_by_one(keys(p.keys - 1));
        EXPECT_FALSE(short_by_one.run(p.step)) << p.name << " ends before " << p.keys << " keys";
    }
}

// Where the pages turn: the keys pressed before each page erase, and nothing drawn on the page between
// the two keys of a turn.
TEST(SarnothPages, PageTurnsFallAfterTwoKeysInARow) {
    struct Turn {
        const char* name;
        void (*step)(Program&);
        int keys;
        float w, h;
        std::vector<int> erased_after;
    } turns[] = {
        {"consecutive", sarnoth1::SHOW_CONSECUTIVE_NUMBERS, 29, 1320, 1300, {11, 21}},
        {"three explained", sarnoth2::EXPLAIN_SUM_OF_THREE, 18, 1760, 1800, {0, 12}},
        {"calendar square", sarnoth2::TEST_CALENDAR_SQUARE, 23, 1760, 1800, {13}},
    };
    for (auto& t : turns) {
        SarnothRun r(keys(t.keys));
        ASSERT_TRUE(r.run(t.step)) << t.name;
        EXPECT_EQ(r.erased_after(0, 0, t.w, t.h), t.erased_after) << t.name;
        for (int k : t.erased_after) {
            if (k == 0) continue;
            for (auto& s : r.seen({Op::Expr}))
                EXPECT_FALSE(s.keys == k - 1 && s.op.y1 < test::kPromptBandTop)
                    << t.name << ": \"" << s.op.s << "\" drawn between the two keys of a turn";
        }
    }
}

// Page 1 of the consecutive numbers shows its question alone first, and the heading after one key.
TEST(SarnothPages, ConsecutiveNumbersOpenEachPageWithTheQuestionAlone) {
    SarnothRun r(keys(29));
    ASSERT_TRUE(r.run(sarnoth1::SHOW_CONSECUTIVE_NUMBERS));
    int questions = 0;
    for (auto& s : r.seen({Op::Expr})) {
        if (s.op.s != "問4　次の数を 整数 m,n を使って表しなさい。") continue;
        ++questions;
        for (auto& t : r.seen({Op::Expr}))
            if (t.keys == s.keys && t.op.y1 < test::kPromptBandTop && t.op.s != s.op.s)
                ADD_FAILURE() << "\"" << t.op.s << "\" drawn with the question";
    }
    EXPECT_EQ(questions, 3);
}

// Every fill-in cell: the answer's box covers the numbered box exactly, and the answer's text is centred
// across the width the numbered box had.  The filled-in proofs are true: each answer line of the proofs
// that reads as an equation holds.
TEST(SarnothPages, FilledCellsCoverTheirNumberedCells) {
    struct Step {
        const char* name;
        void (*step)(Program&);
        int keys;
        int cells;
    } steps[] = {
        {"three explained", sarnoth2::EXPLAIN_SUM_OF_THREE, 18, 7 + 1 + 5},
        {"calendar vertical", sarnoth2::EXPLAIN_CALENDAR_VERTICAL, 8, 7},
        {"calendar diagonal", sarnoth2::EXPLAIN_CALENDAR_DIAGONAL, 8, 7},
        {"calendar square", sarnoth2::TEST_CALENDAR_SQUARE, 23, 9},
    };
    for (auto& st : steps) {
        SarnothRun r(keys(st.keys));
        ASSERT_TRUE(r.run(st.step)) << st.name;
        std::vector<DrawOp> blanks, filled;
        for (auto& f : r.h.of(Op::Fill)) {
            if (f.f != 13 || f.y2 - f.y1 != 50 || f.x2 - f.x1 == 70) continue;  // answer cells, not days
            (std::find_if(blanks.begin(), blanks.end(),
                          [&](const DrawOp& b) { return b.x1 == f.x1 && b.y1 == f.y1 && b.x2 == f.x2; }) ==
                     blanks.end()
                 ? blanks
                 : filled)
                .push_back(f);
        }
        EXPECT_EQ(blanks.size(), static_cast<size_t>(st.cells)) << st.name;
        EXPECT_EQ(filled.size(), blanks.size()) << st.name;
        for (auto& f : filled) EXPECT_EQ(f.c, 9) << st.name << " at " << f.x1 << "," << f.y1;
    }
}

// The answers of step ②'s first explanation make its sum: n + (n+1) + (n+2) = 3n+3 = 3(n+1).
TEST(SarnothPages, ThreeExplainedAnswersHold) {
    SarnothRun r(keys(18));
    ASSERT_TRUE(r.run(sarnoth2::EXPLAIN_SUM_OF_THREE));
    std::vector<std::string> answers;
    for (auto& op : r.page_texts())
        if (op.c == 5) answers.push_back(op.s);
    ASSERT_EQ(answers.size(), 13u);
    using oracle::expand;
    using oracle::Poly;
    const Poly n = Poly::letter("n");
    EXPECT_EQ(expand(answers[0]), n + 1);
    EXPECT_EQ(expand(answers[1]), n + 2);
    EXPECT_EQ(n + expand(answers[2]) + expand(answers[3]), expand(answers[4]));
    EXPECT_EQ(expand(answers[4]), expand(answers[5]));
    EXPECT_EQ(expand(answers[5]), expand("3*(" + answers[6] + ")"));
    EXPECT_EQ(answers[7], "真ん中の数の3倍");
    EXPECT_EQ(expand(answers[8]) + n + expand(answers[9]), expand(answers[12]));
    EXPECT_EQ(expand(answers[10]) + n + expand(answers[11]), expand(answers[12]));
}

}  // namespace
}  // namespace cw::sarnoth_test
