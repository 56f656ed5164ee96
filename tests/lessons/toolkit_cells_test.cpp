// The toolkit's answer cells, anchors, rows that run an action, and signed terms.
#include <gtest/gtest.h>

#include "lessons/cells.h"
#include "lessons/pages.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

struct Page {
    Harness h{bare_info(), std::string(20, 'k')};
    Page() {
        INITIALIZE_PROGRAM(h.g);
        h.pf.clear_record();
    }
    float width(const std::string& s) {
        h.g.A_s = s;
        MEASURE_EXPRESSION_TEXT(h.g);
        return h.g.LLT;
    }
};

TEST(ToolkitCells, AnchoredRowsKeepTheirPenAndCallsRunInTheirPlace) {
    Page p;
    Program& g = p.h.g;
    const float w = p.width("ab");
    int keys_at_call = -1;
    play_rows(g, {
        text(0, screen(40, 30), 0, "ab"),
        anchored(text(0, pen(10), 5, "ab"), 3),
        action(2, [&](Program&) { keys_at_call = static_cast<int>(p.h.backend.keys_used()); }),
        label(2, screen(500, 500), 7, "ab"),
    });
    EXPECT_FLOAT_EQ(g.X_a(3), 50 + 2 * w);
    EXPECT_FLOAT_EQ(g.Y_a(3), 30);
    EXPECT_EQ(keys_at_call, 2);
    EXPECT_FLOAT_EQ(g.XI2, 50 + 2 * w);  // the label left the cursor
}

// A filled cell is drawn over its blank one: the same box, the answer centred in the same width.
TEST(ToolkitCells, FilledCellsCoverBlankCells) {
    Page p;
    Program& g = p.h.g;
    AnswerCells cells(g.U_a, g.V_a, 9);
    g.XI2 = 100;
    g.YI1 = 200;
    play_rows(g, {cell(0, pen(10), 90, "①"), text(0, pen(10), 0, "+"), cell(0, pen(10), 135, "②")}, &cells);
    EXPECT_FLOAT_EQ(g.U_a(1), 110);
    EXPECT_FLOAT_EQ(g.V_a(1), 200);
    auto blanks = p.h.of(Op::Fill);
    ASSERT_EQ(blanks.size(), 2u);
    p.h.pf.clear_record();
    fill_cells(g, cells, {"n+1", "(n+2)"}, false);
    std::vector<DrawOp> filled;
    for (auto& f : p.h.of(Op::Fill))
        if (f.f == 13) filled.push_back(f);  // not the key wait's box
    ASSERT_EQ(filled.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(filled[i].x1, blanks[i].x1);
        EXPECT_EQ(filled[i].y1, blanks[i].y1);
        EXPECT_EQ(filled[i].x2, blanks[i].x2);
        EXPECT_EQ(filled[i].y2, blanks[i].y2);
        EXPECT_EQ(filled[i].c, 9);
        EXPECT_EQ(filled[i].f, 13);
    }
    EXPECT_EQ(blanks[0].y1, 197);  // 3 above the text line, 47 below it
    EXPECT_EQ(blanks[0].y2, 247);
    auto texts = p.h.of(Op::Expr);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].s, "(n+2)");
    EXPECT_FLOAT_EQ(texts[1].x1, g.U_a(2) + (135 - p.width("(n+2)")) / 2);
    EXPECT_EQ(texts[1].c, 5);
    EXPECT_EQ(p.h.backend.keys_used(), 1u);  // a wait between the two, none after the last
}

TEST(ToolkitCells, AnswersAtAnchorsWithTheirSecondForms) {
    Page p;
    Program& g = p.h.g;
    g.X_a(1) = 300;
    g.Y_a(1) = 90;
    g.X_a(2) = 40;
    g.Y_a(2) = 150;
    reveal_at_anchors(g, {{1, "2n"}, {2, "2n+1", "(2n-1)"}});
    auto texts = p.h.of(Op::Expr);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].x1, 300);
    EXPECT_EQ(texts[0].c, 5);
    EXPECT_EQ(texts[1].x1, 40);
    EXPECT_EQ(texts[1].y1, 150);
    EXPECT_FLOAT_EQ(texts[2].x1, 40 + p.width("2n+1") + 30);
    EXPECT_EQ(texts[2].c, 3);
    EXPECT_EQ(p.h.backend.keys_used(), 2u);
}

TEST(ToolkitCells, SignedTermsFollowAnotherTerm) {
    NumArray n(6);
    StrArray s(6);
    const float vals[] = {-3, -2, -1, 0, 1, 12, 5};
    for (int i = 0; i <= 6; ++i) {
        n(i) = vals[i];
        s(i) = number_text(vals[i]);
    }
    signed_terms(n, s, 1, 5);
    const char* want[] = {"-3", "+(-2)", "+(-1)", "+0", "+1", "+12", "5"};
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(s(i), want[i]) << i;
}

}  // namespace
}  // namespace cw::test
