// Sarnoth's answer cells: blank cells laid out by page rows and filled in over
// themselves, and answers revealed at their questions' anchors.
#include <gtest/gtest.h>

#include "lessons/pages.h"
#include "lessons/sarnoth/cells.h"
#include "lessons/toolkit.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

using namespace cw::lesson;
using namespace cw::sarnoth;

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

// A filled cell is drawn over its blank one: the same box, the answer centred in the same width.
TEST(SarnothCells, FilledCellsCoverBlankCells) {
    Page p;
    Program& g = p.h.g;
    AnswerCells cells(g.U_a, g.V_a, 9);
    g.XI2 = 100;
    g.YI1 = 200;
    play_rows(g, {cells.blank(0, pen(10), 90, "①"), text(0, pen(10), 0, "+"), cells.blank(0, pen(10), 135, "②")});
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

TEST(SarnothCells, AnswersAtAnchorsWithTheirSecondForms) {
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

}  // namespace
}  // namespace cw::test
