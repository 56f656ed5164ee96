// Sarnoth lesson 1, practices 1 and 2, over many seeded pages: what was drawn
// read back as a pupil sees it, the answers checked with the exact-rational
// reader, each answer where its own question ended.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "lessons/sarnoth/lesson1.h"
#include "lessons/sarnoth_support.h"
#include "support/oracle.h"

namespace cw::sarnoth_test {
namespace {

using oracle::expand;
using oracle::Poly;

constexpr int kPracticePages = 150;

// One page of a drill, run alone from a seed: every question, then its answers one per key.
struct DrillPage {
    SarnothRun r;
    std::vector<DrawOp> before, answers;  // texts drawn before the first key, and after

    DrillPage(void (*step)(Program&), int answer_keys, const test::Draws& seed)
        : r(keys(answer_keys) + enter("1"), seed) {
        EXPECT_TRUE(r.run(step));
        for (auto& s : r.seen({Op::Expr})) {
            if (s.op.y1 >= test::kPromptBandTop) continue;
            (s.keys == 0 ? before : answers).push_back(s.op);
        }
    }
    // Where each question ends, in the order the questions were drawn: the end of each text drawn before
    // the first key that ends with "…".
    std::vector<std::pair<float, float>> question_ends() const {
        std::vector<std::pair<float, float>> out;
        const std::string dots = "…";
        for (auto& q : before)
            if (q.s.size() >= dots.size() && q.s.compare(q.s.size() - dots.size(), dots.size(), dots) == 0)
                out.emplace_back(q.x1 + width_of(q.s), q.y1);
        return out;
    }
};

TEST(SarnothPractice1, AnswersAreTheFormsOfTheirQuestionsAtTheQuestionsEnds) {
    std::set<std::string> letters, pairs;
    std::set<int> multipliers;
    for (const test::Draws& seed : test::seeds_and_extremes(kPracticePages)) {
        DrillPage p(sarnoth1::PRACTICE_WRITING_NUMBERS, 8, seed);
        ASSERT_GE(p.before.size(), 20u);
        // The letter of exercise 1 is the colour-3 text after "1 "; the multiplier leads question ①.
        const std::string n = p.before[1].s;
        ASSERT_EQ(p.before[0].s, "1 ");
        ASSERT_EQ(p.before[1].c, 3);
        const DrawOp* q1 = nullptr;
        for (auto& q : p.before)
            if (q.s.rfind("① ", 0) == 0) q1 = &q;
        ASSERT_NE(q1, nullptr);
        const std::string digits = q1->s.substr(std::string("① ").size(), q1->s.find("の倍数") - 4);
        const int m = std::stoi(digits);
        multipliers.insert(m);
        letters.insert(n);
        // The tens and ones letters are the two colour-3 texts of exercise 2's heading.
        std::vector<std::string> digit_letters;
        for (auto& q : p.before)
            if (q.c == 3 && q.y1 == 470) digit_letters.push_back(q.s);
        ASSERT_EQ(digit_letters.size(), 2u);
        pairs.insert(digit_letters[0] + digit_letters[1]);

        // Answers in colour 5, the second forms in colour 3.
        std::vector<DrawOp> main, alt;
        for (auto& a : p.answers) (a.c == 5 ? main : alt).push_back(a);
        ASSERT_EQ(main.size(), 8u) << seed;
        ASSERT_EQ(alt.size(), 3u) << seed;
        // Each answer where its own question ends (two questions share the first line).
        const auto ends = p.question_ends();
        ASSERT_EQ(ends.size(), main.size()) << seed;
        for (size_t i = 0; i < main.size(); ++i)
            EXPECT_EQ(std::make_pair(main[i].x1, main[i].y1), ends[i]) << seed << " answer " << i + 1 << " \"" << main[i].s << "\"";

        const Poly N = Poly::letter(n);
        auto list = [](const std::string& s, const std::string& sep) {
            std::vector<Poly> out;
            for (auto& part : split(s, sep)) out.push_back(expand(part));
            return out;
        };
        EXPECT_EQ(expand(main[0].s), m * N) << main[0].s;
        EXPECT_EQ(expand(main[1].s), 2 * N) << main[1].s;
        EXPECT_EQ(expand(main[2].s), 2 * N + 1) << main[2].s;
        EXPECT_EQ(list(main[3].s, ","), (std::vector<Poly>{N, N + 1, N + 2})) << main[3].s;
        EXPECT_EQ(list(main[4].s, ","), (std::vector<Poly>{N - 1, N, N + 1})) << main[4].s;
        EXPECT_EQ(list(main[5].s, "と"), (std::vector<Poly>{2 * N, 2 * N + 2})) << main[5].s;
        EXPECT_EQ(list(main[6].s, "と"), (std::vector<Poly>{2 * N + 1, 2 * N + 3})) << main[6].s;
        EXPECT_EQ(expand(main[7].s), 10 * Poly::letter(digit_letters[0]) + Poly::letter(digit_letters[1]))
            << main[7].s;
        // The second forms: an odd number 2n-1, even pairs and odd pairs one step lower; 30 right of the answer.
        auto inner = [](const std::string& s) { return s.substr(1, s.size() - 2); };
        EXPECT_EQ(expand(inner(alt[0].s)), 2 * N - 1);
        EXPECT_EQ(list(inner(alt[1].s), "と"), (std::vector<Poly>{2 * N - 2, 2 * N}));
        EXPECT_EQ(list(inner(alt[2].s), "と"), (std::vector<Poly>{2 * N - 1, 2 * N + 1}));
        for (int i : {0, 1, 2}) {
            const DrawOp& a = main[i == 0 ? 2 : i + 4];
            EXPECT_FLOAT_EQ(alt[i].x1, a.x1 + width_of(a.s) + 30);
            EXPECT_EQ(alt[i].y1, a.y1);
        }
    }
    EXPECT_EQ(letters, (std::set<std::string>{"a", "b", "k", "p", "m", "n"}));
    EXPECT_EQ(pairs, (std::set<std::string>{"ab", "xy", "mn"}));
    EXPECT_EQ(*multipliers.begin(), 3);
    EXPECT_EQ(*multipliers.rbegin(), 11);
}

TEST(SarnothPractice2, ItemsAreMultiplesExactlyWhereThePageSaysSo) {
    std::map<int, std::set<int>> constants;  // multiplier -> constants seen
    std::set<std::string> letter_pairs;
    for (const test::Draws& seed : test::seeds_and_extremes(kPracticePages)) {
        DrillPage p(sarnoth1::PRACTICE_MULTIPLES, 10, seed);
        // The question line: "  ", the letters, the words, the multiplier, the words.
        ASSERT_GE(p.before.size(), 5u);
        const std::vector<std::string> ab = split(p.before[1].s, ",");
        ASSERT_EQ(ab.size(), 2u);
        letter_pairs.insert(ab[0] + ab[1]);
        const int m = std::stoi(p.before[3].s);
        ASSERT_GE(m, 3);
        ASSERT_LE(m, 11);

        // Items: label, expression, "…" in turn.
        std::vector<DrawOp> items;
        for (size_t i = 5; i + 2 < p.before.size(); i += 3) {
            EXPECT_EQ(p.before[i + 2].s, "…");
            items.push_back(p.before[i + 1]);
        }
        ASSERT_EQ(items.size(), 10u);
        ASSERT_EQ(p.answers.size(), 10u);
        const auto ends = p.question_ends();
        ASSERT_EQ(ends.size(), 10u);
        const int colours[] = {3, 7, 3, 7, 3, 7, 7, 3, 7, 3};
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(items[i].c, colours[i]) << i;
            // A multiple of m: m times a polynomial with whole coefficients.
            const Poly quotient = expand(items[i].s) / Poly(m);
            bool multiple = true;
            for (auto& [mono, coef] : quotient.terms()) {
                if (!coef.is_integer()) multiple = false;
                for (auto& [letter, power] : mono)
                    if (power < 0) multiple = false;
            }
            EXPECT_EQ(p.answers[i].s, multiple ? "倍数" : "倍数ではない") << items[i].s;
            EXPECT_EQ(p.answers[i].c, 5);
            EXPECT_EQ(std::make_pair(p.answers[i].x1, p.answers[i].y1), ends[static_cast<size_t>(i)])
                << seed << " item " << i + 1;
        }
        // The constants are m(a + c1) - m a and the like: 1..m-1 each.
        const Poly a = Poly::letter(ab[0]);
        const int c1 = static_cast<int>((expand(items[0].s) - m * a).coefficient().num()) / m;
        const int c2 = -static_cast<int>((expand(items[1].s) - m * a).coefficient().num()) / m;
        for (int c : {c1, c2}) {
            EXPECT_GE(c, 1);
            EXPECT_LT(c, m);
            constants[m].insert(c);
        }
    }
    EXPECT_EQ(letter_pairs, (std::set<std::string>{"im", "ak", "kn", "bm", "mn", "np"}));
    EXPECT_EQ(constants[3], (std::set<int>{1, 2}));
}

// Entering 1 leaves with the page kept; any other number clears the window and draws a new page.
TEST(SarnothPractice, OneLeavesAndAnythingElseBringsAPage) {
    for (auto step : {sarnoth1::PRACTICE_WRITING_NUMBERS, sarnoth1::PRACTICE_MULTIPLES}) {
        const int n = step == sarnoth1::PRACTICE_MULTIPLES ? 10 : 8;
        SarnothRun r(keys(n) + enter("0") + keys(n) + enter("") + keys(n) + enter("2/2"), 7);
        EXPECT_TRUE(r.run(step));
        EXPECT_EQ(r.keys_left(), 0u);
        EXPECT_EQ(r.erased_after(0, 0, 1760, 1800).size(), 3u);
    }
}

}  // namespace
}  // namespace cw::sarnoth_test
