// A headless program ready for figures, and ways to read what they drew.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figures/figures.h"
#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw::test {

// Pi as the programs hold it, single precision.
inline constexpr float PI_F = 3.14159f;

class FigureTest : public ::testing::Test {
protected:
    FigureTest() : h(bare_info()), g(h.g) {
        INITIALIZE_PROGRAM(g);
        h.pf.clear_record();
    }

    // Drawn operations of one kind, in order.  Measuring a text draws
    // nothing, so the record holds only what the figure drew.
    std::vector<DrawOp> ops(Op kind) const {
        std::vector<DrawOp> out;
        for (auto& op : h.pf.record())
            if (op.op == kind) out.push_back(op);
        return out;
    }
    std::vector<DrawOp> lines() const { return ops(Op::Line); }
    std::vector<DrawOp> circles() const { return ops(Op::Circle); }
    std::vector<DrawOp> texts() const { return ops(Op::Text); }
    // The typesetter calls made for the figure (pen, colour and text).
    std::vector<DrawOp> labels() const { return ops(Op::Expr); }

    // Width of a text as the typesetter lays it out.
    float width_of(const std::string& text) {
        float keep_x = g.X, keep_y = g.Y;
        std::string keep_a = g.A_s;
        g.A_s = text;
        MEASURE_EXPRESSION_TEXT(g);
        g.X = keep_x, g.Y = keep_y, g.A_s = keep_a;
        h.pf.clear_record();
        return g.LLT;
    }

    Harness h;
    Program& g;
};

// Expects a line from (x1, y1) to (x2, y2) in colour c.
#define EXPECT_LINE(op, X1, Y1, X2, Y2, C)  \
    do {                                     \
        EXPECT_NEAR((op).x1, (X1), 1e-3);    \
        EXPECT_NEAR((op).y1, (Y1), 1e-3);    \
        EXPECT_NEAR((op).x2, (X2), 1e-3);    \
        EXPECT_NEAR((op).y2, (Y2), 1e-3);    \
        EXPECT_EQ((op).c, (C));              \
    } while (0)

}  // namespace cw::test
