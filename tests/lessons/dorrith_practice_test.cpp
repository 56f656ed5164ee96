// The practice drills of Dorrith lessons 2 and 3 over many seeded problems,
// read from the display list as a pupil sees them and checked against the
// exact-rational oracle: the result is the quotient of the two monomials, the
// strokes start on the glyphs they strike and cross the common factors, the
// values beside them are the reduced numbers, the primes come from the sets
// the drills draw from, every branch of a drill is named and reached, and the
// sign memory keeps its rule across both drills.
#include <map>
#include <set>

#include "dorrith_support.h"
#include "lessons/dorrith/lesson2.h"
#include "lessons/dorrith/lesson3.h"

namespace cw::dtest {
namespace {

using oracle::expand;
using oracle::Rational;
using test::as;
using test::drill_keys;
using test::enter;
using test::LessonFixture;

// Where a drill puts its lines.
struct DrillLayout {
    const char* item;     // the lesson's sub-menu item
    const char* lesson;   // the main-menu item
    int waits;            // key presses per problem
    int after;            // key presses after the last problem
    float px, py;         // the problem
    float wx, wy;         // "=" and the sign before the written-out fraction
    float ry;             // the result (at x = wx)
    std::vector<std::pair<float, float>> forms;  // the rewritten lines between problem and written-out form
};
const DrillLayout L2{"5", "2", 5, 0, 220, 98, 176, 338, 458, {{176, 218}}};
const DrillLayout L3{"4", "3", 7, 2, 120, 110, 80, 450, 570, {{80, 220}, {80, 330}}};

// One problem of a drill as drawn.
struct Problem {
    std::string problem, result, written;
    std::vector<std::string> forms;
    std::vector<Cell> cells;        // of the written-out fraction
    std::vector<DrawOp> strokes;    // in the order drawn
    std::vector<std::optional<Struck>> struck;
    Span span;
};

std::string only_text(const Span& s, float x, float y) {
    auto at = s.at(x, y);
    EXPECT_FALSE(at.empty()) << "nothing at " << x << "," << y;
    return at.empty() ? "" : at.back().s;
}

Problem read_problem(const Span& s, const DrillLayout& L) {
    Problem p;
    p.span = s;
    p.problem = only_text(s, L.px, L.py);
    p.result = only_text(s, L.wx, L.ry);
    for (auto& [x, y] : L.forms) p.forms.push_back(only_text(s, x, y));
    auto texts = s.texts();
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
        if (texts[i].x1 == L.wx && texts[i].y1 == L.wy && texts[i].s.rfind("=", 0) == 0) {
            p.written = texts[i].s + texts[i + 1].s;
            p.cells = cells_of(s.drawn_by(i + 1));
        }
    }
    p.strokes = strokes(s);
    for (auto& st : p.strokes) p.struck.push_back(struck_by(st, p.cells));
    return p;
}

// A whole visit of a drill from the main menu: `count` problems.
std::vector<Problem> run_drill(const DrillLayout& L, int count, const test::Draws& seed) {
    LessonFixture f("dorrith", enter(L.lesson) + enter(L.item) + drill_keys(L.waits, count) + test::keys(L.after));
    f.run_program(seed);
    std::vector<Problem> out;
    for (auto& pass : f.passes()) out.push_back(read_problem(pass, L));
    EXPECT_EQ(out.size(), static_cast<size_t>(count));
    return out;
}

int64_t number(const std::string& digits) { return std::stoll(digits); }

bool all_digits(const std::string& s) {
    if (s.empty()) return false;
    for (char ch : s)
        if (ch < '0' || ch > '9') return false;
    return true;
}

// Checks shared by both drills; returns the coefficients of dividend and divisor.
void check_common(const Problem& p, Rational& c1, Rational& c2, std::vector<size_t>& number_strokes) {
    SCOPED_TRACE(p.problem);
    auto [dividend, divisor] = split_division(p.problem);
    ASSERT_FALSE(divisor.empty());
    auto [m1, k1] = term_of(dividend);
    auto [m2, k2] = term_of(divisor);
    c1 = k1;
    c2 = k2;
    EXPECT_GT(c2, Rational(0)) << "the divisor is positive";

    // Every line after the problem has the problem's value; the result is the exact quotient.
    const oracle::Poly quotient = expand(p.problem);
    EXPECT_EQ(expand(p.result), quotient) << p.result;
    EXPECT_EQ(expand(p.written), quotient) << p.written;
    for (auto& form : p.forms) EXPECT_EQ(expand(form), quotient) << form;
    EXPECT_TRUE(oracle::form_faults(p.result).empty()) << p.result;

    // Both monomials hold a letter.
    EXPECT_FALSE(m1.empty()) << "a dividend without letters";
    EXPECT_FALSE(m2.empty()) << "a divisor without letters";

    // Every stroke starts on a glyph of the written-out fraction and crosses
    // a whole number or one letter; no glyph is struck twice.
    std::map<std::pair<std::string, bool>, int> letter_strokes;  // (letter, over the numerator) -> strokes
    std::set<std::pair<float, float>> starts;
    for (size_t i = 0; i < p.strokes.size(); ++i) {
        ASSERT_TRUE(p.struck[i]) << "stroke " << i << " starts on no glyph";
        EXPECT_TRUE(starts.insert({p.strokes[i].x1, p.strokes[i].y1}).second) << "a glyph struck twice";
        const std::string& t = p.struck[i]->text;
        if (all_digits(t)) {
            number_strokes.push_back(i);
        } else {
            EXPECT_TRUE(t == "a" || t == "b") << "stroke over '" << t << "'";
            ++letter_strokes[{t, p.struck[i]->numerator}];
        }
    }
    // A letter on both sides is struck as often as its smaller exponent, over the dividend's and under
    // the divisor's copies alike.
    for (const std::string letter : {"a", "b"}) {
        const int pairs = std::min(exponent(m1, letter), exponent(m2, letter));
        EXPECT_EQ((letter_strokes[{letter, true}]), pairs) << letter << " struck over the numerator";
        EXPECT_EQ((letter_strokes[{letter, false}]), pairs) << letter << " struck under the denominator";
    }
    // Each struck number stands whole under its stroke: the cell after it is no digit.
    for (size_t i : number_strokes) {
        for (auto& c : p.cells) {
            if (c.x == p.strokes[i].x2 && (c.top - 1 == p.strokes[i].y1 || c.top + 1 == p.strokes[i].y1)) {
                EXPECT_FALSE(digit(c.ch)) << "a digit left beside " << p.struck[i]->text;
            }
        }
    }
}

// The value beside a number stroke, checked to be that number over its
// common divisor with the number struck with it.
void check_pair(const Problem& p, size_t num, size_t den) {
    ASSERT_TRUE(p.struck[num]->numerator);
    ASSERT_FALSE(p.struck[den]->numerator);
    const int64_t a = number(p.struck[num]->text), b = number(p.struck[den]->text);
    const int64_t g = gcd64(a, b);
    EXPECT_EQ(value_beside(p.span, p.strokes[num], true), std::to_string(a / g));
    EXPECT_EQ(value_beside(p.span, p.strokes[den], false), std::to_string(b / g));
}

// The branches of a drill a problem took, as its page shows them: the sign of the dividend, how often each
// letter stands in the dividend and in the divisor (0 to 2 each: whether it is struck once or twice, and
// whether the result keeps it above, below or not at all), where the result's letters stand, and whether
// each struck number has one digit or two (the stroke's length).
std::set<std::string> branches_of(const Problem& p, const std::vector<size_t>& number_strokes) {
    std::set<std::string> out;
    auto [dividend, divisor] = split_division(p.problem);
    auto [m1, c1] = term_of(dividend);
    auto m2 = term_of(divisor).first;
    out.insert(c1 < Rational(0) ? "dividend negative" : "dividend positive");
    for (const std::string letter : {"a", "b"})
        out.insert(letter + " " + std::to_string(exponent(m1, letter)) + " over " +
                   std::to_string(exponent(m2, letter)));
    bool above = false, below = false;
    for (auto& [letter, e] : term_of(p.result).first) (e > 0 ? above : below) = true;
    out.insert(above && below ? "result's letters above and below"
               : above        ? "result's letters above only"
               : below        ? "result's letters below only"
                              : "result without letters");
    for (size_t i : number_strokes)
        out.insert(std::string(p.struck[i]->text.size() == 1 ? "one digit" : "two digits") + " struck " +
                   (p.struck[i]->numerator ? "above" : "below"));
    return out;
}

// The branches both drills take, and those of one drill alone.
std::set<std::string> branches(std::set<std::string> own) {
    for (const std::string letter : {"a", "b"})
        for (int here = 0; here <= 2; ++here)
            for (int there = 0; there <= 2; ++there)
                own.insert(letter + " " + std::to_string(here) + " over " + std::to_string(there));
    own.insert({"dividend positive", "dividend negative", "result's letters above and below",
                "result's letters above only", "result's letters below only", "result without letters",
                "one digit struck above", "two digits struck above", "one digit struck below",
                "two digits struck below"});
    return own;
}

void expect_every_branch(const std::set<std::string>& reached, const std::set<std::string>& wanted) {
    for (auto& b : reached) EXPECT_TRUE(wanted.count(b)) << "a branch no drill has: \"" << b << "\"";
    for (auto& b : wanted) EXPECT_TRUE(reached.count(b)) << "no problem took the branch \"" << b << "\"";
}

// Forty seeds of five problems and the generator pinned at both ends reach every branch a page shows; the
// one no page shows, a monomial drawn without letters, has its own test below.
TEST(DorrithPractice, Lesson2EveryBranchResultsStrokesAndPrimes) {
    std::set<std::pair<int64_t, int64_t>> reduced_pairs;
    std::set<std::string> reached;
    for (const test::Draws& seed : test::seeds_and_extremes(40)) {
        SCOPED_TRACE(testing::Message() << seed);
        for (auto& p : run_drill(L2, 5, seed)) {
            Rational c1, c2;
            std::vector<size_t> nums;
            check_common(p, c1, c2, nums);
            ASSERT_EQ(nums.size(), 2u) << p.problem;
            check_pair(p, nums[0], nums[1]);
            // Reduced coefficients are distinct primes, the divisor's never 7.
            const int64_t a = c1.num() < 0 ? -c1.num() : c1.num(), b = c2.num();
            ASSERT_TRUE(c1.is_integer() && c2.is_integer());
            const int64_t g = gcd64(a, b);
            EXPECT_TRUE(std::set<int64_t>({2, 3, 5, 7}).count(a / g)) << p.problem;
            EXPECT_TRUE(std::set<int64_t>({2, 3, 5}).count(b / g)) << p.problem;
            EXPECT_NE(a / g, b / g);
            reduced_pairs.insert({a / g, b / g});
            reached.merge(branches_of(p, nums));
            reached.insert("numbers share " + std::to_string(g));
        }
    }
    // Every pair of distinct primes the draws allow turns up.
    EXPECT_EQ(reduced_pairs.size(), 9u);
    expect_every_branch(reached,
                        branches({"numbers share 2", "numbers share 3", "numbers share 4", "numbers share 5"}));
}

TEST(DorrithPractice, Lesson3EveryBranchResultsStrokesAndPrimes) {
    std::set<std::vector<int64_t>> prime_sets;
    std::set<std::string> reached;
    for (const test::Draws& seed : test::seeds_and_extremes(40)) {
        SCOPED_TRACE(testing::Message() << seed);
        for (auto& p : run_drill(L3, 5, seed)) {
            Rational c1, c2;
            std::vector<size_t> nums;
            check_common(p, c1, c2, nums);
            ASSERT_EQ(nums.size(), 4u) << p.problem;
            // The prime of both numerators first (1 over and under), then the
            // two products that share the denominators' prime.
            EXPECT_EQ(p.struck[nums[0]]->text, p.struck[nums[1]]->text);
            check_pair(p, nums[0], nums[1]);
            check_pair(p, nums[2], nums[3]);

            // Coefficients p/(q r) and p/(s r) of four distinct primes; the result s/q or q/s is never 7.
            const int64_t p7 = c2.num();
            EXPECT_EQ(c1.num() < 0 ? -c1.num() : c1.num(), p7);
            const int64_t r = gcd64(c1.den(), c2.den());
            const int64_t q = c1.den() / r, s = c2.den() / r;
            std::set<int64_t> primes{p7, q, r, s};
            EXPECT_EQ(primes, (std::set<int64_t>{2, 3, 5, 7})) << p.problem;
            EXPECT_NE(q, 7);
            EXPECT_NE(s, 7);
            prime_sets.insert({s, q, p7, r});
            reached.merge(branches_of(p, nums));
            reached.insert(p7 < r ? "numerators' prime below the shared one"
                                  : "numerators' prime above the shared one");
        }
    }
    EXPECT_EQ(prime_sets.size(), 12u);
    expect_every_branch(reached,
                        branches({"numerators' prime below the shared one", "numerators' prime above the shared one"}));
}

// A monomial whose two exponents are both drawn 0 is given an a, in the dividend and in the divisor
// alike, which no page alone tells from an a drawn once.  With the generator pinned below a third every
// exponent is drawn 0: both monomials read a number times a.
TEST(DorrithPractice, AMonomialDrawnWithoutLettersIsGivenA) {
    const oracle::Monomial a{{"a", 1}};
    for (const DrillLayout* L : {&L2, &L3}) {
        for (float low : {0.0f, 0.33f}) {
            SCOPED_TRACE(testing::Message() << "lesson " << L->lesson << ", " << test::Draws::pinned(low));
            for (auto& p : run_drill(*L, 2, test::Draws::pinned(low))) {
                auto [dividend, divisor] = split_division(p.problem);
                EXPECT_EQ(term_of(dividend).first, a) << p.problem;
                EXPECT_EQ(term_of(divisor).first, a) << p.problem;
                EXPECT_EQ(expand(p.result), expand(p.problem)) << p.result;
            }
        }
    }
}

TEST(DorrithPractice, ProblemColoursAlternateAndOnlyTheHeadIsErasedAtFirst) {
    for (const DrillLayout* L : {&L2, &L3}) {
        SCOPED_TRACE(L->lesson);
        LessonFixture f("dorrith", enter(L->lesson) + enter(L->item) + drill_keys(L->waits, 4) + test::keys(L->after));
        f.run_program(11);
        auto passes = f.passes();
        ASSERT_EQ(passes.size(), 4u);
        // Lesson 2's starts 3 units above the script's 110, over the top of
        // the last solution's numerator.
        const float solution_top = L->py + (L == &L2 ? 107 : 100);
        for (size_t k = 0; k < passes.size(); ++k) {
            auto problem = passes[k].at(L->px, L->py);
            ASSERT_FALSE(problem.empty());
            EXPECT_EQ(problem.back().c, k % 2 == 0 ? 3 : 7) << k;
            // The head is erased before the problem, the solution only after its first key.
            EXPECT_EQ(passes[k].erases(0, 0, 1320, 180), 1) << k;
            EXPECT_EQ(passes[k].erases(0, solution_top, 1320, solution_top + 1300), 1) << k;
            auto ops = passes[k].ops();
            size_t head = 0, solution = 0, first_key = 0;
            for (size_t i = 0; i < ops.size(); ++i) {
                auto& op = ops[i];
                if (op.op == Op::Fill && op.c == 15 && op.x2 == 1320 && op.y2 == 180) head = i;
                if (op.op == Op::Fill && op.c == 15 && op.y1 == solution_top) solution = i;
                if (op.op == Op::Key && !first_key && i > head && head) first_key = i;
            }
            EXPECT_LT(head, first_key);
            EXPECT_LT(first_key, solution);
        }
    }
}

TEST(DorrithPractice, AFixedClockReplaysTheSameProblems) {
    for (const DrillLayout* L : {&L2, &L3}) {
        SCOPED_TRACE(L->lesson);
        auto problems = [&](const char* time) {
            LessonFixture f("dorrith", enter(L->lesson) + enter(L->item) + drill_keys(L->waits, 6), time);
            f.run_program();
            std::vector<std::string> out;
            for (auto& pass : f.passes()) out.push_back(only_text(pass, L->px, L->py));
            return out;
        };
        EXPECT_EQ(problems("10:11:12"), problems("10:11:12"));
        EXPECT_NE(problems("10:11:12"), problems("01:02:03"));
    }
}

// The sign a drawn problem shows: that of its dividend's coefficient.
float shown_sign(const Span& s, const DrillLayout& L) {
    auto [dividend, divisor] = split_division(only_text(s, L.px, L.py));
    return term_of(dividend).second < Rational(0) ? -1.0f : 1.0f;
}

// Through the menus, as a pupil goes: into lesson 2 or 3 from the main menu, one or two runs of its practice
// drill from the sub-menu, out again.  No menu touches the memory, so every problem after the first shows the
// sign opposite to the memory the problem before left.
TEST(DorrithPractice, SignMemoryNegatesARepeatAndCarriesAcrossBothDrillsAndTheMenus) {
    std::string script;
    std::vector<const DrillLayout*> layout_of;  // of each problem, in order
    for (int visit = 0; visit < 40; ++visit) {
        const DrillLayout& L = visit % 3 == 2 ? L3 : L2;
        script += enter(L.lesson);
        for (int run = 0; run <= visit % 2; ++run) {
            const int problems = 1 + (visit + run) % 2;
            script += enter(L.item) + drill_keys(L.waits, problems) + test::keys(L.after);
            for (int i = 0; i < problems; ++i) layout_of.push_back(&L);
        }
        script += enter("6");
    }
    LessonFixture f("dorrith", script, "03:04:05");
    auto& d = as<Dorrith>(f);
    EXPECT_EQ(d.FMAESU, 0);
    // The memory as each problem leaves it, read at its next-step question.
    std::vector<float> memory;
    size_t read_to = 0;
    f.backend.on_wait = [&] {
        const auto& rec = f.pf.record();
        for (; read_to < rec.size(); ++read_to)
            if (rec[read_to].op == Op::Prompt && rec[read_to].s == test::kNextStep) memory.push_back(d.FMAESU);
    };
    EXPECT_EQ(f.run_program(), test::Ending::KeysOut);
    EXPECT_EQ(f.keys_left(), 0u);
    auto passes = f.passes();
    ASSERT_EQ(passes.size(), layout_of.size());
    ASSERT_EQ(memory.size(), layout_of.size());
    int kept = 0, followed = 0;
    for (size_t k = 0; k < passes.size(); ++k) {
        const float sign = shown_sign(passes[k], *layout_of[k]);
        if (k == 0) {
            // The first problem after start-up keeps its sign, which is stored.
            EXPECT_EQ(memory[0], sign);
            continue;
        }
        const float before = memory[k - 1];
        EXPECT_EQ(sign, -before) << "problem " << k;
        EXPECT_TRUE(memory[k] == before || memory[k] == sign);
        (memory[k] == before ? kept : followed)++;
    }
    // Both branches of the rule are met: a repeat negated with the memory kept, and a new sign stored.
    EXPECT_GT(kept, 10);
    EXPECT_GT(followed, 10);
}

}  // namespace
}  // namespace cw::dtest
