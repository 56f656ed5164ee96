// A headless program ready for typesetting, and ways to read what it drew.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/shell.h"
#include "support/harness.h"
#include "typeset/typeset.h"

namespace cw::test {

class TypesetTest : public ::testing::Test {
protected:
    TypesetTest() : h(bare_info()) {
        INITIALIZE_PROGRAM(h.g);
        h.pf.clear_record();
    }

    // Typesets text at (x, y) in colour c, as a lesson does.
    void draw(const std::string& text, float x, float y, float c = 0) {
        h.g.X = x;
        h.g.Y = y;
        h.g.CCC1 = c;
        h.g.AA_s = text;
        DRAW_EXPRESSION_TEXT(h.g);
    }

    // Drawn operations on the visible layout.
    std::vector<DrawOp> visible() const {
        std::vector<DrawOp> out;
        for (auto& op : h.drawn())
            if (top(op) < 1000) out.push_back(op);
        return out;
    }
    std::vector<DrawOp> visible(Op kind) const {
        std::vector<DrawOp> out;
        for (auto& op : visible())
            if (op.op == kind) out.push_back(op);
        return out;
    }
    static float top(const DrawOp& op) {
        if (op.op == Op::Polyline) {
            float y = op.pts.empty() ? 0 : op.pts[0].second;
            for (auto& p : op.pts) y = std::min(y, p.second);
            return y;
        }
        return op.op == Op::Line || op.op == Op::Box || op.op == Op::Fill ? std::min(op.y1, op.y2) : op.y1;
    }
    // The visible glyphs as "text@x,y" (an empty character shows nothing).
    std::vector<std::string> glyphs() const {
        std::vector<std::string> out;
        for (auto& op : visible(Op::Text))
            if (!op.s.empty()) out.push_back(op.s + "@" + num(op.x1) + "," + num(op.y1));
        return out;
    }
    static std::string num(float v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    }

    Harness h;
};

}  // namespace cw::test
