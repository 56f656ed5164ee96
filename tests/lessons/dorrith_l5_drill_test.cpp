// Dorrith lesson 5, the value drill: over many seeded problems, what the
// pupil reads agrees with the problem as the oracle evaluates it.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "lessons/dorrith/dorrith.h"
#include "lessons/dorrith/lesson5.h"
#include "support/lesson_fixture.h"
#include "support/oracle.h"

namespace cw {
namespace {

using oracle::Rational;
using oracle::Values;
using test::LessonFixture;
using test::Span;

// Every problem gets 15 plain keys and then "2" (or "1" for the last): the
// number entry ignores the plain keys a 12-key problem leaves over.
std::string l5_drill_keys(int problems) {
    std::string k = test::keys(1);  // the key after the summary
    for (int i = 0; i < problems; ++i) k += test::keys(15) + test::enter(i + 1 < problems ? "2" : "1");
    return k + test::keys(1);  // the key before the assignment line
}

// Texts of one pass, joined row by row (the rows of the solution share a y).
std::map<float, std::string> rows(const Span& pass) {
    std::map<float, std::string> out;
    for (auto& op : pass.visible_texts())
        if (op.x1 < 660 && op.y1 < test::kPromptBandTop) out[op.y1] += op.s;
    return out;
}

struct Heading {
    int x = 0, y = 0;
};
Heading read_heading(const std::string& s) {
    static const std::regex re(" x=(-?\\d+),y=(-?\\d+)のとき、");
    std::smatch m;
    EXPECT_TRUE(std::regex_match(s, m, re)) << s;
    if (m.size() < 3) return {};
    return {std::stoi(m[1]), std::stoi(m[2])};
}

struct Pass {
    std::string problem;
    int colour = 0;
    Heading at;
    std::map<float, std::string> rows;
    std::vector<DrawOp> answers;
    std::vector<DrawOp> substitutions;  // the headings of the substitution: "x=..,y=.. を代入して"
    int waits = 0;
};

std::vector<Pass> read_passes(const LessonFixture& f) {
    std::vector<Pass> out;
    for (auto& span : f.passes()) {
        // The head of this pass: the last "練習" and what follows it.
        auto texts = span.visible_texts();
        size_t head = texts.size();
        for (size_t i = 0; i < texts.size(); ++i)
            if (texts[i].s == "練習") head = i;
        if (head + 3 >= texts.size()) {
            ADD_FAILURE() << "a pass without its problem page";
            continue;
        }
        Pass p;
        p.at = read_heading(texts[head + 1].s);
        EXPECT_EQ(texts[head + 3].x1, 72);
        EXPECT_EQ(texts[head + 3].y1, 140);
        p.problem = texts[head + 3].s;
        p.colour = texts[head + 3].c;
        std::vector<DrawOp> after(texts.begin() + static_cast<long>(head), texts.end());
        p.rows = rows(Span(after));
        for (auto& op : after) {
            if (op.c == 5 && op.y1 < test::kPromptBandTop) p.answers.push_back(op);
            if (op.s.find("代入") != std::string::npos) p.substitutions.push_back(op);
        }
        // The waits from the problem page on (the first pass also holds the opening's).
        bool on_page = false;
        for (auto& op : span.ops()) {
            if (op.op == Op::Expr && op.s == "練習") on_page = true;
            if (on_page && op.op == Op::Prompt && op.s == test::kAnyKey) ++p.waits;
        }
        out.push_back(p);
    }
    return out;
}

// The value drill run from `seed` for `problems` problems.
struct L5DrillRun {
    LessonFixture f;
    std::vector<Pass> passes;
    L5DrillRun(const test::Draws& seed, int problems) : f("dorrith", l5_drill_keys(problems)) {
        f.seed(seed);
        EXPECT_TRUE(f.run(dorrith5::START_VALUE_DRILL));
        passes = read_passes(f);
    }
};

// a(bx+cy)+d(ex+fy): a and d may be written "-" or "" (no 1), b and e "" or "-" (no 1); c and f are never 1.
const std::regex kProblemForm(R"(-?\d*\(-?\d*x[+-]\d+y\)[+-]\d*\(-?\d*x[+-]\d+y\))");

Rational at_xy(const std::string& code, const Heading& h) {
    return oracle::value(code, {{"x", Rational(h.x)}, {"y", Rational(h.y)}});
}

// The branches of the drill a pass took, as its page shows them: how the
// problem line writes its factors, how the expanded terms and the collected
// coefficients come out, how the products of the substitution are written,
// whether y was moved off x, whether the sum line is drawn.
std::set<std::string> branches_of(const Pass& p) {
    static const std::regex parts(R"((-?\d*)\((-?\d*)x[+-]\d+y\)([+-]\d*)\((-?\d*)x[+-]\d+y\))");
    std::set<std::string> out;
    std::smatch m;
    if (!std::regex_match(p.problem, m, parts)) return out;
    const std::string a = m[1], b = m[2], d = m[3], e = m[4];
    out.insert(a == "-" ? "first factor -1" : "first factor other");
    if (d == "+" || d == "-")
        out.insert("second factor " + d + "1");
    else
        out.insert(d[0] == '+' ? "second factor positive" : "second factor negative");
    if (b.empty() || e.empty()) out.insert("a bracket opens with x");
    if (b == "-" || e == "-") out.insert("a bracket opens with -x");
    if (p.rows.count(200)) {
        const std::string& expanded = p.rows.at(200);
        if (expanded.rfind("=x", 0) == 0) out.insert("first expanded term x");
        if (expanded.find("+x") != std::string::npos) out.insert("a later expanded term +x");
        if (expanded.find("-x") != std::string::npos) out.insert("an expanded term -x");
    }
    const oracle::Poly problem = oracle::expand(p.problem);
    const Rational x = problem.coefficient({{"x", 1}}), y = problem.coefficient({{"y", 1}});
    if (x == 0 && y == 0) out.insert("both collect to 0");
    if (x == 0 && y != 0) out.insert("x collects to 0");
    if (y == 0 && x != 0) out.insert("y collects to 0");
    if (x == 1) out.insert("x product 1, leading");
    if (x == -1) out.insert("x product -1");
    if (y == 1) out.insert(x == 0 ? "y product 1, leading" : "y product +1 after x");
    if (y == -1) out.insert("y product -1");
    // Only a y drawn equal to x and moved one up is 0 or 6.
    if (p.at.y == 6) out.insert("y moved up to 6");
    if (p.at.y == 0) out.insert("y moved up to 0");
    out.insert(p.rows.count(490) ? "sum line" : "no sum line");
    return out;
}

const std::set<std::string> kBranches = {
    "first factor -1",         "first factor other",       "second factor +1",       "second factor -1",
    "second factor positive",  "second factor negative",   "a bracket opens with x", "a bracket opens with -x",
    "first expanded term x",   "a later expanded term +x", "an expanded term -x",    "both collect to 0",
    "x collects to 0",         "y collects to 0",          "x product 1, leading",   "x product -1",
    "y product 1, leading",    "y product +1 after x",     "y product -1",           "y moved up to 6",
    "y moved up to 0",         "sum line",                 "no sum line",
};

// Checks a pass against the problem as the oracle evaluates it and against
// the writing rules; `colour` is the problem line's, by the parity of the
// problems before it.  Whether it drew the sum line.
bool check_pass(const Pass& p, int colour) {
    SCOPED_TRACE(p.problem + " at x=" + std::to_string(p.at.x) + ", y=" + std::to_string(p.at.y));
    EXPECT_NE(p.at.x, p.at.y);
    EXPECT_EQ(p.colour, colour);
    const oracle::Poly problem = oracle::expand(p.problem);
    const Rational value = at_xy(p.problem, p.at);

    // The problem line: a number times a bracket, plus or minus a number times a bracket, each
    // bracket an x term and a y term.
    EXPECT_TRUE(std::regex_match(p.problem, kProblemForm)) << p.problem;
    // The substitution's heading names the values the problem's heading gave, over the "=" row.
    EXPECT_EQ(p.substitutions.size(), 1u);
    if (p.substitutions.size() == 1) {
        EXPECT_EQ(p.substitutions[0].s,
                  "x=" + std::to_string(p.at.x) + ",y=" + std::to_string(p.at.y) + " を代入して");
        EXPECT_EQ(p.substitutions[0].c, 3);
        EXPECT_EQ(std::make_pair(p.substitutions[0].x1, p.substitutions[0].y1), std::make_pair(80.0f, 370.0f));
    }

    // Every line from the problem down is written by the textbook's rules: the products of the
    // substitution too, where a coefficient 1 is written out.
    for (auto& [y, row] : p.rows)
        if (y >= 140 && row.find("代入") == std::string::npos)
            for (auto& fault : oracle::form_faults(row))
                ADD_FAILURE() << "row " << y << " \"" << row << "\": " << fault;

    // The expanded, gathered and collected lines are the problem's polynomial.
    for (float y : {200.0f, 260.0f, 320.0f}) {
        if (!p.rows.count(y)) {
            ADD_FAILURE() << "no row " << y;
            continue;
        }
        EXPECT_EQ(oracle::expand(p.rows.at(y)), problem) << p.rows.at(y);
    }
    // The substitution and the sum: every side has the value.
    for (float y : {430.0f, 490.0f}) {
        if (!p.rows.count(y)) continue;
        for (auto& side : oracle::split_line(p.rows.at(y)).sides)
            EXPECT_EQ(oracle::value(side, {}), value) << p.rows.at(y);
    }
    for (auto& [y, row] : p.rows) EXPECT_EQ(row.find("=="), std::string::npos) << row;

    // The value, last and in colour 5.
    EXPECT_EQ(p.answers.size(), 1u);
    if (!p.answers.empty()) {
        EXPECT_EQ(p.answers[0].s, "=" + value.str());
    }

    // Fifteen keys with both products, twelve when one is 0.
    const int64_t px = problem.coefficient({{"x", 1}}).num() * p.at.x;
    const int64_t py = problem.coefficient({{"y", 1}}).num() * p.at.y;
    const bool sum_line = px != 0 && py != 0;
    EXPECT_EQ(p.waits, sum_line ? 15 : 12);
    EXPECT_EQ(p.rows.count(490), sum_line ? 1u : 0u);
    return sum_line;
}

using Wanted = std::function<bool(const Program&)>;

// For each test, the first seed whose first problem, made as the drill makes it, it accepts (-1 for none):
// one pass over the seeds for all of them.
std::vector<int> find_seeds(const std::vector<Wanted>& wanted) {
    static LessonFixture probe("dorrith");
    probe.pf.set_recording(false);
    std::vector<int> seeds(wanted.size(), -1);
    size_t left = wanted.size();
    for (int s = 1; s < 200000 && left > 0; ++s) {
        probe.seed(s);
        dorrith5::make_value_problem(probe.g);
        for (size_t i = 0; i < wanted.size(); ++i)
            if (seeds[i] < 0 && wanted[i](probe.g)) {
                seeds[i] = s;
                --left;
            }
    }
    return seeds;
}

int find_seed(const Wanted& wanted) { return find_seeds({wanted})[0]; }

// Fifty problems from each of eight seeds reach every branch but the rarest, which the seeds found for
// them reach: y alone collecting to 1 (about one problem in 2,300) and the brackets cancelling (one in
// 600).  Every line of every pass has the problem's value and keeps the writing rules.
TEST(ValueDrill, EveryBranchHasTheProblemsValueAndKeepsTheWritingRules) {
    const std::vector<Wanted> rare = {
        [](const Program& g) { return g.T_a(11) == 0 && g.T_a(12) == 1; },
        [](const Program& g) { return g.T_a(11) == 0 && g.T_a(12) == 0; },
    };
    std::vector<std::pair<test::Draws, int>> runs;  // seed, problems
    for (const test::Draws& seed :
         {test::Draws(1), {17}, {99}, {1234}, {31337}, {900001}, test::kLowestRnd, test::kHighestRnd})
        runs.push_back({seed, 50});
    for (int seed : find_seeds(rare)) {
        ASSERT_GT(seed, 0) << "no seed for a rare branch";
        runs.push_back({seed, 1});
    }
    std::set<std::string> reached;
    int both_products = 0, one_product = 0, pass_count = 0;
    for (auto& [seed, problems] : runs) {
        SCOPED_TRACE(testing::Message() << seed);
        L5DrillRun run(seed, problems);
        ASSERT_EQ(run.passes.size(), static_cast<size_t>(problems));
        EXPECT_EQ(run.f.keys_left(), 0u);
        int no = 0;
        for (auto& p : run.passes) {
            ++pass_count;
            (check_pass(p, no++ % 2 == 0 ? 3 : 7) ? both_products : one_product)++;
            for (auto& b : branches_of(p)) {
                EXPECT_TRUE(kBranches.count(b)) << b;
                reached.insert(b);
            }
        }
    }
    EXPECT_EQ(pass_count, 400 + static_cast<int>(rare.size()));
    EXPECT_GT(one_product, 0);
    EXPECT_GT(both_products, 0);
    for (auto& b : kBranches) EXPECT_TRUE(reached.count(b)) << "no problem took the branch \"" << b << "\"";
}

TEST(ValueDrill, TheSummaryStaysAndTheAssignmentCloses) {
    L5DrillRun run(7, 3);
    auto all = run.f.all();
    // The opening erase, the summary once, and no erase of the drill's own right of x 640 (those of the
    // prompt band and the number entry aside).
    EXPECT_EQ(all.erases(0, 0, 1320, 1300), 1);
    EXPECT_EQ(all.count("<式の値の求め方>"), 1);
    int problem_erases = 0;
    for (auto& e : all.erases()) {
        if ((e.x1 == 0 && e.y1 == 0) || e.y1 >= 600) continue;
        EXPECT_EQ(e.x1, 40);
        EXPECT_EQ(e.x2, 640);
        ++problem_erases;
    }
    EXPECT_EQ(problem_erases, 6) << "the head and the solution of each of the three problems";
    auto closing = all.find("教科書P19 問7　をしなさい。");
    ASSERT_TRUE(closing);
    EXPECT_EQ(closing->x1, 352);
    EXPECT_EQ(closing->y1, 570);
    EXPECT_EQ(closing->c, 7);
    // One wait after "1", before the assignment line.
    EXPECT_EQ(run.f.waits(), 1 + run.passes[0].waits + run.passes[1].waits + run.passes[2].waits + 1);
}

struct RareCase {
    const char* name;
    Wanted wanted;
    int waits;
    float value_y;  // the row the value stands on
};

TEST(ValueDrill, RareCasesAsThePupilSeesThem) {
    const RareCase cases[] = {
        {"x collects to 0", [](const Program& g) { return g.T_a(11) == 0 && g.T_a(12) != 0 && g.F_a(6) != 0; }, 12,
         430},
        {"y collects to 0", [](const Program& g) { return g.T_a(12) == 0 && g.T_a(11) != 0; }, 12, 430},
        {"y is 0", [](const Program& g) { return g.F_a(6) == 0 && g.T_a(12) != 0 && g.T_a(11) != 0; }, 12, 430},
        {"x tie moved up to 6", [](const Program& g) { return g.F_a(6) == 6; }, -1, 0},
        {"collected 1 and -1", [](const Program& g) { return g.T_a(11) == 1 && g.T_a(12) == -1; }, 15, 490},
        {"collected -1 and 1", [](const Program& g) { return g.T_a(11) == -1 && g.T_a(12) == 1; }, -1, 0},
    };
    std::vector<Wanted> wanted;
    for (auto& c : cases) wanted.push_back(c.wanted);
    const auto seeds = find_seeds(wanted);
    for (size_t i = 0; i < std::size(cases); ++i) {
        auto& c = cases[i];
        SCOPED_TRACE(c.name);
        int seed = seeds[i];
        ASSERT_GT(seed, 0);
        L5DrillRun run(seed, 1);
        ASSERT_EQ(run.passes.size(), 1u);
        auto& p = run.passes[0];
        const Rational value = at_xy(p.problem, p.at);
        ASSERT_EQ(p.answers.size(), 1u);
        EXPECT_EQ(p.answers[0].s, "=" + value.str());
        if (c.waits > 0) {
            EXPECT_EQ(p.waits, c.waits);
            EXPECT_EQ(p.answers[0].y1, c.value_y);
        }
        for (auto& [y, row] : p.rows) {
            EXPECT_EQ(row.find("=="), std::string::npos) << row;
            if (y < 430) continue;
            for (auto& side : oracle::split_line(row).sides) EXPECT_EQ(oracle::value(side, {}), value) << row;
        }
        EXPECT_TRUE(oracle::form_faults(p.rows[320]).empty()) << p.rows[320];
    }
}

// When the two brackets cancel, the collected line reads "=0", the value "=0"
// stands on the substitution row in colour 5 without a second "=", and the
// problem still takes its twelve keys.
TEST(ValueDrill, BracketsThatCancelShowZero) {
    int seed = find_seed([](const Program& g) { return g.T_a(11) == 0 && g.T_a(12) == 0; });
    ASSERT_GT(seed, 0);
    L5DrillRun run(seed, 1);
    ASSERT_EQ(run.passes.size(), 1u);
    auto& p = run.passes[0];
    EXPECT_TRUE(oracle::expand(p.problem).is_zero()) << p.problem;
    EXPECT_EQ(p.rows[320], "=0");
    EXPECT_EQ(p.rows[430], "=0");
    ASSERT_EQ(p.answers.size(), 1u);
    EXPECT_EQ(p.answers[0].s, "=0");
    EXPECT_EQ(p.answers[0].x1, 40);
    EXPECT_EQ(p.answers[0].y1, 430);
    EXPECT_EQ(p.waits, 12);
    EXPECT_EQ(p.rows.count(490), 0u);
}

TEST(ValueDrill, CoefficientsComeFromTheirSets) {
    LessonFixture f("dorrith");
    f.seed(3);
    std::map<int, int> f1;
    for (int i = 0; i < 3000; ++i) {
        dorrith5::make_value_problem(f.g);
        auto& t = f.g.T_a;
        auto& fa = f.g.F_a;
        ++f1[static_cast<int>(fa(1))];
        EXPECT_NE(fa(1), 1);
        for (float k : {fa(1), fa(4), t(2), t(5), fa(5)}) EXPECT_TRUE(k != 0 && std::abs(k) <= 7);
        for (float k : {t(3), t(6)}) EXPECT_TRUE(std::abs(k) >= 2 && std::abs(k) <= 6) << k;
        for (float k : {fa(1), fa(4), fa(5)}) EXPECT_LE(std::abs(k), 5);
        EXPECT_TRUE(fa(6) >= -5 && fa(6) <= 6 && fa(6) != fa(5));
    }
    EXPECT_EQ(f1.size(), 9u);
    // -1 comes about twice as often as any other single value.
    EXPECT_GT(f1[-1], f1[-2] * 3 / 2);
    EXPECT_GT(f1[-1], f1[3] * 3 / 2);
}

}  // namespace
}  // namespace cw
