// Reading the fixed pages of Dorrith lessons 5 and 6 back as worked items:
// each item's problem, its rows of working, and the letter values a
// substitution row gives, so that every row can be held against the problem
// with the oracle.
#pragma once
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/lesson_fixture.h"
#include "support/oracle.h"

namespace cw::l56test {

// One row of working: the texts that share a line, joined.
struct Row {
    float x = 0, y = 0;
    std::string text;
    std::vector<int> colours;
};

// One worked item: its label ("(1)"), problem and rows.
struct Item {
    std::string label;
    std::string problem;
    std::vector<Row> rows;
};

// Items of a page: visible texts above the prompt band in drawing order; a label "(n)" in colour 3 opens
// an item, the text after it on its line is the problem, and every later line is a row.
inline std::vector<Item> read_items(const std::vector<DrawOp>& texts) {
    static const std::regex label(R"(\(\d\))");
    std::vector<Item> items;
    for (auto& op : texts) {
        if (op.y1 >= test::kPromptBandTop) continue;
        if (op.c == 3 && std::regex_match(op.s, label)) {
            items.push_back({op.s, "", {}});
            items.back().rows.push_back({op.x1, op.y1, "", {}});
            continue;
        }
        if (items.empty()) continue;
        auto& it = items.back();
        if (it.rows.size() == 1 && it.problem.empty() && op.y1 == it.rows[0].y) {
            it.problem = op.s;
            continue;
        }
        if (it.rows.back().y != op.y1 || it.rows.size() == 1) it.rows.push_back({op.x1, op.y1, "", {}});
        it.rows.back().text += op.s;
        it.rows.back().colours.push_back(op.c);
    }
    for (auto& it : items) it.rows.erase(it.rows.begin());  // the label's own line
    return items;
}

// The letter values a substitution row names ("a=2,b=-2 を代入して", "a=-2,b=ﾀ1/3ﾀ　を代入して").
inline oracle::Values substituted(const std::string& row) {
    static const std::regex pair(R"(([a-z])=(-?\d+|ﾀ\d+/\d+ﾀ))");
    oracle::Values v;
    for (auto it = std::sregex_iterator(row.begin(), row.end(), pair); it != std::sregex_iterator(); ++it)
        v[(*it)[1]] = oracle::value((*it)[2], {});
    return v;
}

// Full-width braces read as parentheses.
inline std::string braces(std::string s) {
    for (auto [from, to] : {std::pair<std::string, std::string>{"｛", "("}, {"｝", ")"}}) {
        for (size_t at = s.find(from); at != std::string::npos; at = s.find(from)) s.replace(at, from.size(), to);
    }
    return s;
}

// Holds every row of an item against its problem: before a substitution row every side of a row expands to
// the problem's polynomial; after it every side has the problem's value at the substituted letters.
// Returns how many rows were checked.
inline int check_item(const Item& it) {
    SCOPED_TRACE(it.label + " " + it.problem);
    const oracle::Poly problem = oracle::expand(braces(it.problem));
    std::optional<oracle::Values> at;
    int checked = 0;
    for (auto& r : it.rows) {
        if (r.text.find("代入") != std::string::npos) {
            at = substituted(r.text);
            continue;
        }
        for (auto& side : oracle::split_line(braces(r.text)).sides) {
            if (at)
                EXPECT_EQ(oracle::value(side, {}), problem.at(*at)) << r.text;
            else
                EXPECT_EQ(oracle::expand(side), problem) << r.text;
        }
        ++checked;
    }
    return checked;
}

}  // namespace cw::l56test
