// Reading Dorrith's cancellations back from the display list: the glyph
// cells of a drawn fraction, the strokes over them and the values beside
// them, and the two monomials of a division problem.
#pragma once
#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "lessons/dorrith/dorrith.h"
#include "support/lesson_fixture.h"
#include "support/oracle.h"

namespace cw::dtest {

// Lesson 3's menu line.
inline const char* const MENU3 = "①復習　②逆数　③課題　④練習　⑤問３,4　⑥終了";

using test::Span;

// Where a character of a fraction stands: the left edge and top of its cell
// (italic letters are drawn 4 right of their cell and 16 above its top).
struct Cell {
    float x = 0, top = 0;
    std::string ch;
};

inline bool italic(const std::string& ch) { return ch == "a" || ch == "c" || ch == "x"; }
inline bool digit(const std::string& ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

// The cells of every glyph a typesetter call drew.
inline std::vector<Cell> cells_of(const std::vector<DrawOp>& drawn) {
    std::vector<Cell> out;
    for (auto& op : drawn) {
        if (op.op != Op::Text) continue;
        const bool it = italic(op.s);
        out.push_back({op.x1 - (it ? 4.0f : 0.0f), op.y1 + (it ? 16.0f : 0.0f), op.s});
    }
    return out;
}

// A cancellation stroke: colour 3, falling 28 to the right.
inline bool is_stroke(const DrawOp& op) { return op.op == Op::Line && op.c == 3 && op.y2 - op.y1 == 28; }
inline std::vector<DrawOp> strokes(const Span& s) {
    std::vector<DrawOp> out;
    for (auto& op : s.ops())
        if (is_stroke(op)) out.push_back(op);
    return out;
}

// What a stroke crosses: the cells it starts on and runs over, 32 each.  A
// stroke starts 1 above a numerator cell's top or 1 below a denominator's.
struct Struck {
    bool numerator = false;
    std::string text;  // the characters struck, in order
};
inline std::optional<Struck> struck_by(const DrawOp& stroke, const std::vector<Cell>& cells) {
    Struck s;
    bool found = false;
    for (auto& c : cells) {
        const bool num = c.top - 1 == stroke.y1, den = c.top + 1 == stroke.y1;
        if (!num && !den) continue;
        if (c.x == stroke.x1) found = true, s.numerator = num;
        if (c.x >= stroke.x1 && c.x < stroke.x2) s.text += c.ch;
    }
    if (!found) return std::nullopt;
    return s;
}

// A division problem "dividend/divisor" split at its "/" outside fractions.
inline std::pair<std::string, std::string> split_division(const std::string& code) {
    bool inside = false;
    const std::string bar = "ﾀ";
    for (size_t i = 0; i < code.size(); ++i) {
        if (code.compare(i, bar.size(), bar) == 0) {
            inside = !inside;
            i += bar.size() - 1;
        } else if (code[i] == '/' && !inside) {
            return {code.substr(0, i), code.substr(i + 1)};
        }
    }
    return {code, ""};
}

// The single term of a monomial's text.
inline std::pair<oracle::Monomial, oracle::Rational> term_of(const std::string& code) {
    oracle::Poly p = oracle::expand(code);
    EXPECT_TRUE(p.is_monomial()) << code;
    if (p.terms().empty()) return {};
    return *p.terms().begin();
}

// A letter's exponent in a monomial, 0 when it is not there.
inline int exponent(const oracle::Monomial& m, const std::string& letter) {
    auto it = m.find(letter);
    return it == m.end() ? 0 : it->second;
}

// The value written beside a stroke: the colour-3 text placed from 38 over
// (numerator) or 32 under (denominator) its start.
inline std::optional<std::string> value_beside(const Span& s, const DrawOp& stroke, bool numerator) {
    if (auto t = s.value_placed_from(stroke.x1, numerator ? stroke.y1 - 38 : stroke.y1 + 32)) return t->s;
    return std::nullopt;
}

inline int64_t gcd64(int64_t a, int64_t b) { return std::gcd(a, b); }

// A stroke as four numbers, for tables of where the lessons put them.
struct Seg {
    float x1, y1, x2, y2;
    bool operator==(const Seg&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Seg& s) {
    return os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}
inline std::vector<Seg> segs(const std::vector<DrawOp>& ops) {
    std::vector<Seg> out;
    for (auto& op : ops) out.push_back({op.x1, op.y1, op.x2, op.y2});
    return out;
}

// The items of an answer page: each item's problem (the text that begins
// with a blank after its label or heading) and the lines worked from it (the
// texts that begin with "=", a lone "=" or "=-" joined with the fraction
// drawn after it).  Labels, values beside strokes and sentences are skipped.
struct Item {
    std::string problem;
    std::vector<std::string> lines;
};
inline std::vector<Item> items_of(const Span& s) {
    std::vector<Item> out;
    auto texts = s.visible_texts();
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string& t = texts[i].s;
        if (t.rfind(" ", 0) == 0) {
            out.push_back({t, {}});
        } else if (t.rfind("=", 0) == 0 && !out.empty() && texts[i].y1 < test::kPromptBandTop) {
            if ((t == "=" || t == "=-") && i + 1 < texts.size())
                out.back().lines.push_back(t + texts[++i].s);
            else
                out.back().lines.push_back(t);
        }
    }
    return out;
}

// Every line of every item has its item's value.
inline void expect_items_hold(const std::vector<Item>& items) {
    for (auto& it : items) {
        SCOPED_TRACE(it.problem);
        EXPECT_FALSE(it.lines.empty());
        for (auto& line : it.lines) EXPECT_EQ(oracle::expand(line), oracle::expand(it.problem)) << line;
    }
}

}  // namespace cw::dtest
