// The toolkit's fragment pages, answer cells, anchors and signed terms.
#include <gtest/gtest.h>

#include "lessons/script.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

using namespace cw::lesson;
using namespace cw::lesson::frag;

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

TEST(ToolkitScript, FragmentsGoWhereTheCursorSays) {
    Page p;
    Program& g = p.h.g;
    const float w = p.width("ab");
    g.XI2 = 999;
    g.YI1 = 100;
    play(g, {
        at(40, 30, 0, "ab"),          // (40, 30)
        cont(3, "ab"),                // (40 + w, 30)
        follow(5, "ab"),              // (40 + 2w + 10, 30)
        label(500, 500, 7, "ab"),     // drawn; the cursor stays
        line(60, 50, 0, "ab"),        // (60, 80)
        line(60, 60, 0, "ab").anchored(3),
    });
    struct Want {
        float x, y, c;
    } want[] = {{40, 30, 0}, {40 + w, 30, 3}, {50 + 2 * w, 30, 5}, {500, 500, 7}, {60, 80, 0}, {60, 140, 0}};
    auto ops = p.h.of(Op::Expr);
    ASSERT_EQ(ops.size(), std::size(want));
    for (size_t i = 0; i < ops.size(); ++i) {
        EXPECT_FLOAT_EQ(ops[i].x1, want[i].x) << i;
        EXPECT_FLOAT_EQ(ops[i].y1, want[i].y) << i;
        EXPECT_EQ(ops[i].c, want[i].c) << i;
    }
    EXPECT_FLOAT_EQ(g.XI2, 60 + w);
    EXPECT_FLOAT_EQ(g.YI1, 140);
    EXPECT_FLOAT_EQ(g.X_a(3), 60 + w);
    EXPECT_FLOAT_EQ(g.Y_a(3), 140);
}

TEST(ToolkitScript, WaitsAndActionsRunInTheirPlace) {
    Page p;
    Program& g = p.h.g;
    int seen_keys = -1;
    play(g, {wait(), wait(), act([&](Program& q) { seen_keys = static_cast<int>(p.h.backend.keys_used()); }), wait()});
    EXPECT_EQ(seen_keys, 2);
    EXPECT_EQ(p.h.backend.keys_used(), 3u);
    (void)g;
}

// A filled cell is drawn over its blank one: the same box, the answer centred in the same width.
TEST(ToolkitScript, FilledCellsCoverBlankCells) {
    Page p;
    Program& g = p.h.g;
    AnswerCells cells(g.U_a, g.V_a, 9);
    g.XI2 = 100;
    g.YI1 = 200;
    play(g, {cell(90, "①"), follow(0, "+"), cell(135, "②")}, &cells);
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

TEST(ToolkitScript, AnswersAtAnchorsWithTheirSecondForms) {
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

TEST(ToolkitScript, SignedTermsFollowAnotherTerm) {
    NumArray n(6);
    StrArray s(6);
    const float vals[] = {-3, -2, -1, 0, 1, 12, 5};
    for (int i = 0; i <= 6; ++i) {
        n(i) = vals[i];
        s(i) = num_text(vals[i]);
    }
    signed_terms(n, s, 1, 5);
    const char* want[] = {"-3", "+(-2)", "+(-1)", "+0", "+1", "+12", "5"};
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(s(i), want[i]) << i;
}

}  // namespace
}  // namespace cw::test
