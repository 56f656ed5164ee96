// Sarnoth lessons 3 to 6, the fixed pages: each takes its number of keys,
// and every working line drawn has the value of its problem (read back from
// the draw log and checked with the exact-rational oracle).
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "lessons/sarnoth/lesson3.h"
#include "lessons/sarnoth/problem_sets.h"
#include "lessons/sarnoth_l36_support.h"

namespace cw::test {
namespace {

using oracle::Rational;
using oracle::Values;

// A text line as a pupil reads it: the fragments drawn one after another on
// the same row joined into one.
struct Line {
    std::string s;
    int colour;
};

std::vector<Line> read_lines(const std::vector<DrawOp>& ops) {
    std::vector<Line> out;
    const DrawOp* prev = nullptr;
    for (auto& op : ops) {
        if (prev && op.y1 == prev->y1 && op.x1 > prev->x1) {
            out.back().s += op.s;
            out.back().colour = op.c;
        } else {
            out.push_back({op.s, op.c});
        }
        prev = &op;
    }
    return out;
}

// Reads a page's lines problem by problem and checks each working line:
// - a problem "(k) expression" (or an unlabelled " expression" line): every
//   following "=..." line expands to the same polynomial;
// - after "... を代入して" with letter values (numbers, or expressions in
//   other letters taken at random values), every "=..." line has the value
//   the problem has there;
// - a problem that is an equation (its letter in 【 】, or found from the
//   colour-5 answer "v=..."): at random values of the other letters and v
//   from the answer, every equation line under it holds.
struct PageChecker {
    enum class Mode { None, Expr, Subst, Equation };
    Mode mode = Mode::None;
    std::string problem, letter, last_defs;
    std::vector<Line> equations;
    Values at;
    int checked = 0;
    std::vector<std::string> unchecked;
    std::vector<std::string> named;
    std::mt19937 rng{3};

    void finish() {
        if (mode != Mode::Equation) return;
        const Line* answer = nullptr;
        for (auto& l : equations) {
            auto sides = oracle::split_line(oracle::strip_text(l.s)).sides;
            if (l.colour == 5 && sides.size() == 2 && oracle::letters(sides[0]).size() == 1 &&
                oracle::expand(sides[0]) == oracle::Poly::letter(*oracle::letters(sides[0]).begin()) &&
                (letter.empty() || sides[0] == letter)) {
                answer = &l;
                break;
            }
        }
        if (!answer) {
            unchecked.push_back("no answer for " + problem);
            mode = Mode::None;
            return;
        }
        auto a = oracle::split_line(oracle::strip_text(answer->s)).sides;
        const std::string v = a[0];
        EXPECT_EQ(oracle::letters(a[1]).count(v), 0u) << answer->s;
        for (int trial = 0; trial < 3; ++trial) {
            Values vals;
            std::vector<std::string> all{problem};
            for (auto& l : equations) all.push_back(oracle::strip_text(l.s));
            for (auto& s : all)
                for (auto& l : oracle::letters(s))
                    if (l != v && !vals.count(l)) vals[l] = random_value(rng);
            vals[v] = oracle::value(a[1], vals);
            for (auto& s : all) {
                auto sides = oracle::split_line(s).sides;
                for (size_t i = 1; i < sides.size(); ++i)
                    EXPECT_EQ(oracle::value(sides[i], vals), oracle::value(sides[0], vals)) << s;
            }
        }
        checked += static_cast<int>(equations.size());
        mode = Mode::None;
    }

    void start(const std::string& text) {
        finish();
        equations.clear();
        letter.clear();
        auto open = text.find("【");
        std::string body = open == std::string::npos ? text : text.substr(0, open);
        if (open != std::string::npos) {
            auto close = text.find("】");
            letter = text.substr(open + std::string("【").size(), close - open - std::string("【").size());
        }
        problem = oracle::strip_text(body);
        try {
            if (problem.find('=') != std::string::npos) {
                (void)oracle::split_line(problem);
                mode = Mode::Equation;
            } else if (!problem.empty() && problem == body.substr(body.find_first_not_of(' '))) {
                (void)oracle::expand(problem);
                mode = Mode::Expr;
            } else {
                mode = Mode::None;
            }
        } catch (const oracle::OracleError&) {
            mode = Mode::None;
        }
    }

    void substitute(const std::string& defs) {
        at.clear();
        std::string d = oracle::strip_text(defs);
        std::vector<std::pair<std::string, std::string>> pairs;
        size_t pos = 0;
        while (pos <= d.size()) {
            size_t comma = d.find(',', pos);
            std::string one = d.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
            auto eq = one.find('=');
            if (eq != std::string::npos) pairs.push_back({one.substr(0, eq), one.substr(eq + 1)});
            if (comma == std::string::npos) break;
            pos = comma + 1;
        }
        for (auto& [name, expr] : pairs)
            for (auto& l : oracle::letters(expr))
                if (!at.count(l)) at[l] = random_value(rng);
        for (auto& [name, expr] : pairs) at[name] = oracle::value(expr, at);
        // Letters the values leave free, as π, take random values too.
        for (auto& side : oracle::split_line(problem).sides)
            for (auto& l : oracle::letters(side))
                if (!at.count(l)) at[l] = random_value(rng);
        mode = Mode::Subst;
    }

    // Checks one "=" line of an expression problem, or of a substitution.
    void working_line(const std::string& s) {
        auto sides = oracle::split_line(s).sides;
        for (auto& side : sides) {
            bool known = true;
            for (auto& l : oracle::letters(side))
                if (mode == Mode::Subst && !at.count(l)) known = false;
            if (!known) {
                named.push_back(s);  // a name for the result, as "=S"
                return;
            }
        }
        const auto problem_sides = oracle::split_line(problem).sides;
        const std::string& target = problem_sides.back();
        for (auto& side : sides) {
            if (mode == Mode::Expr)
                EXPECT_EQ(oracle::expand(side), oracle::expand(target)) << s << " from " << problem;
            else
                EXPECT_EQ(oracle::value(side, at), oracle::value(target, at)) << s << " from " << problem;
        }
        ++checked;
    }

    void read(const std::vector<Line>& lines) {
        static const std::regex label(R"(^\((\d)\)$)");
        static const std::regex labelled(R"(^\((\d)\)(?: |　)?(.+)$)");
        static const std::string kSubst = "を代入して", kOn = "に";
        bool pending = false;
        for (auto& l : lines) {
            // Braces group as parentheses do.
            std::string s = std::regex_replace(std::regex_replace(l.s, std::regex("\\{"), "("), std::regex("\\}"), ")");
            std::smatch m;
            bool opens = pending;
            pending = false;
            if (std::regex_match(s, label)) {
                finish();
                pending = true;
                continue;
            }
            if (std::regex_match(s, m, labelled)) {
                s = m[2];
                opens = true;
            }
            if (s.find(kSubst) != std::string::npos) {
                // "P に DEFS を代入して", "DEFS を代入して", or "を代入して" after a line of DEFS.
                std::string before = s.substr(0, s.find(kSubst));
                auto on = before.find(kOn);
                if (on != std::string::npos) {
                    start(before.substr(0, on));
                    before = before.substr(on + kOn.size());
                } else {
                    finish();
                }
                substitute(before.find('=') != std::string::npos ? before : last_defs);
            } else if (opens || (s.find("【") != std::string::npos && s.find("【 】") == std::string::npos)) {
                start(s);
            } else if (s.find(',') != std::string::npos && s.find('=') != std::string::npos && s[0] != '=') {
                last_defs = s;
            } else if (mode == Mode::Equation) {
                if (oracle::strip_text(s).find('=') != std::string::npos) equations.push_back({s, l.colour});
            } else if (mode == Mode::Subst && s[0] != '=' && oracle::strip_text(s).find('=') != std::string::npos) {
                // "v=value" after "v=expression に ... を代入して": its value side.
                working_line("=" + oracle::split_line(oracle::strip_text(s)).sides.back());
            } else if (s[0] == '=') {
                if (oracle::strip_text(s) != s) continue;  // words after the working, as "=166 あまり 4 だから"
                if (mode == Mode::Expr || mode == Mode::Subst)
                    working_line(s);
                else
                    unchecked.push_back(s);
            } else if (mode == Mode::None && s[0] == ' ' && s.find('=') == std::string::npos &&
                       oracle::strip_text(s) == s.substr(1)) {
                start(s);
            }
        }
        finish();
    }
};

struct PageCase {
    const char* name;
    std::function<void(Sarnoth&)> step;
    int keys;     // key presses the page takes
    int checked;  // working lines checked against their problem
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class FixedPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(FixedPages, TakeTheirKeysAndEveryWorkingLineHasTheProblemsValue) {
    const auto& c = GetParam();
    {
        StepRun short_run(keys(c.keys - 1));
        EXPECT_FALSE(short_run.run(c.step)) << "one key fewer leaves the page unfinished";
    }
    StepRun run(keys(c.keys));
    ASSERT_TRUE(run.run(c.step));
    EXPECT_EQ(run.keys_left(), 0u);

    PageChecker checker;
    checker.read(read_lines(run.texts()));
    EXPECT_TRUE(checker.unchecked.empty()) << ::testing::PrintToString(checker.unchecked);
    EXPECT_EQ(checker.checked, c.checked);
}

INSTANTIATE_TEST_SUITE_P(
    Sarnoth, FixedPages,
    ::testing::Values(PageCase{"examples", sarnoth3::SHOW_SOLVING_EXAMPLES, 22, 9},
                      PageCase{"q1", sarnoth3::SHOW_ANSWERS_Q1, 9, 10},
                      PageCase{"example2", sarnoth3::SHOW_EXAMPLE_2, 5, 3},
                      PageCase{"q2", sarnoth3::SHOW_ANSWERS_Q2, 5, 5},
                      PageCase{"q3", sarnoth3::SHOW_ANSWERS_Q3, 8, 7},
                      PageCase{"q4", sarnoth3::SHOW_ANSWERS_Q4, 8, 4},
                      PageCase{"digit_sum", sarnoth4::SHOW_DIGIT_SUM_ANSWER, 5, 2},
                      PageCase{"solve_for_letter", sarnoth4::SHOW_SOLVE_FOR_LETTER_ANSWERS, 3, 10},
                      PageCase{"problems_1_to_3", sarnoth5::SHOW_PROBLEMS_1_TO_3, 6, 9},
                      PageCase{"problem_4", sarnoth5::SHOW_PROBLEM_4, 6, 11},
                      PageCase{"problem_5", sarnoth5::SHOW_PROBLEM_5, 6, 8},
                      PageCase{"problem_6", sarnoth5::SHOW_PROBLEM_6, 4, 10},
                      PageCase{"problem_7", sarnoth5::SHOW_PROBLEM_7, 2, 8},
                      PageCase{"problem_8", sarnoth5::SHOW_PROBLEM_8, 5, 2},
                      PageCase{"simplification", sarnoth6::SHOW_SIMPLIFICATION_ANSWERS, 2, 8},
                      PageCase{"substitution", sarnoth6::SHOW_SUBSTITUTION_ANSWERS, 7, 10},
                      PageCase{"sectors", sarnoth6::SHOW_NUMBERS_IN_SECTORS, 7, 3},
                      PageCase{"sector_area", sarnoth6::SHOW_SECTOR_AREA, 3, 2},
                      PageCase{"cylinders", sarnoth6::SHOW_CYLINDERS_FROM_RECTANGLE, 9, 0},
                      PageCase{"bench", sarnoth3::SHOW_BENCH_SEATING_TABLE, 31, 0}),
    [](const ::testing::TestParamInfo<PageCase>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace cw::test
