// Lesson 4, the random drills: over many seeded problems, read from the draw
// log as a pupil sees them, every worked line and the answer equal the
// problem (checked by the test-only oracle), the answer keeps the writing
// rules, every cancellation stroke starts on the glyph it strikes with the
// struck number divided by the common factor beside it, every arc joins the
// multiplier's text to its term's with its dots above the line, and every
// problem shows all its key waits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "lessons/kelvane/lesson4.h"
#include "lessons/kelvane_l4_support.h"
#include "lessons/marks.h"
#include "support/oracle.h"

namespace cw {
namespace {

using namespace l4test;

// Sets a drill's panel and the draw width 5, as the steps do.
void panel(Kelvane& g, float xkara, float ykara, float xmade, float xhajime, float yhajime) {
    g.XKARA = xkara;
    g.YKARA = ykara;
    g.XMADE = xmade;
    g.YMADE = 1800;
    g.XHAJIME = xhajime;
    g.YHAJIME = yhajime;
    g.pf.SETDRAWWIDTH(5);
}

struct DrillCase {
    const char* name;
    int waits;  // key waits of one problem
    void (*run)(Kelvane&);
    int skip;         // passes of earlier drills before this one's first (each then one wait)
    float problem_y;  // y of the problem line
    int arcs, strokes;
    float pitch;  // units per struck character
    lesson::Anchor arc_from = {};  // the fixed start of every first arc (0, 0: none fixed)
    // The line the arcs stand on, and which of its colour-0 texts the arcs join: the multiplier to each term.
    float arc_y = 0;
    size_t multiplier = 0;
    std::vector<size_t> terms = {};
};

std::ostream& operator<<(std::ostream& os, const DrillCase& c) { return os << c.name; }

// The keys of `count` problems of the drill, after one problem of each drill before it on the same step.
std::string script(const DrillCase& c, int count) {
    static const int before[] = {4, 4};  // reviews 1 and 2 come before review 2 and review 3
    std::string k;
    for (int i = 0; i < c.skip; ++i) k += drill_keys(before[i], 1) + keys(1);
    return k + drill_keys(c.waits, count);
}

const DrillCase kDrills[] = {
    {"review1", 4, kelvane4::STEP_REVIEW_DISTRIBUTION, 0, 130, 2, 0, 27, {137, 130}, 130, 0, {1, 2}},
    {"review2", 4, kelvane4::STEP_REVIEW_DISTRIBUTION, 1, 380, 2, 0, 27, {167, 380}, 380, 2, {0, 1}},
    {"review3", 8, kelvane4::STEP_REVIEW_DISTRIBUTION, 2, 150, 2, 4, 27, {667, 130}, 150, 0, {1, 2}},
    {"review4", 8, kelvane4::STEP_REVIEW_RECIPROCAL, 0, 80, 2, 4, 27, {}, 180, 3, {1, 2}},
    {"example6-1", 6,
     [](Kelvane& g) {
         panel(g, 0, 130, 600, 40, 130);
         kelvane4::RUN_EXAMPLE6_NUMBER_TIMES_POLYNOMIAL(g);
     },
     0, 190, 3, 0, 27, {107, 190}, 190, 0, {1, 2, 3}},
    {"example6-2", 6,
     [](Kelvane& g) {
         panel(g, 600, 340, 3200, 600, 340);
         kelvane4::DRILL_POLY_TIMES_NUMBER(g);
     },
     0, 400, 3, 0, 27, {}, 400, 4, {1, 2, 3}},
    {"example6-3", 8,
     [](Kelvane& g) {
         panel(g, 600, 30, 3200, 600, 30);
         kelvane4::DRILL_FRACTION_TIMES_POLY(g);
     },
     0, 90, 2, 4, 27, {667, 70}, 90, 0, {1, 2}},
    {"example7-1", 8,
     [](Kelvane& g) {
         panel(g, 0, 80, 640, 40, 80);
         kelvane4::DRILL_POLY_DIVIDED_BY_NUMBER(g);
     },
     0, 140, 2, 4, 27, {}, 240, 3, {1, 2}},
    {"example7-2", 6,
     [](Kelvane& g) {
         panel(g, 40, 80, 640, 40, 100);
         kelvane4::DRILL_POLY_DIVIDED_BY_FRACTION(g);
     },
     0, 100, 0, 4, 32},
};

std::string digits_of(const std::string& s) {
    std::string d;
    for (char ch : s)
        if (std::isdigit(static_cast<unsigned char>(ch))) d += ch;
    return d;
}

class Drill : public ::testing::TestWithParam<DrillCase> {};

TEST_P(Drill, WorkedLinesAnswersStrokesAndArcs) {
    const DrillCase& c = GetParam();
    for (const test::Draws& seed : {test::Draws(3), {2024}, test::kLowestRnd, test::kHighestRnd}) {
        SCOPED_TRACE(::testing::PrintToString(seed));
        const int count = seed.pin ? 3 : 150;  // a pinned generator draws the same problem each time
        LessonRun run(script(c, count), seed);
        run.run(c.run);
        auto all = passes(run.record());
        ASSERT_EQ(all.size(), static_cast<size_t>(c.skip + count));
        EXPECT_EQ(run.keys_left(), 0u);

        std::set<std::string> answers;
        for (size_t k = static_cast<size_t>(c.skip); k < all.size(); ++k) {
            const auto& pass = all[k];
            const std::string problem = line_text(pass, 0, c.problem_y);
            const std::string answer = joined(pass, 5);
            SCOPED_TRACE(problem + " " + answer);
            ASSERT_FALSE(problem.empty());
            // Every wait shown (a lost one would pass unseen by the keys: the next-step entry takes a spare key).
            const int entry_wait = k == static_cast<size_t>(c.skip) && c.skip > 0;
            EXPECT_EQ(std::count_if(pass.begin(), pass.end(),
                                    [](const DrawOp& op) { return op.op == Op::Prompt && op.s == kAnyKey; }),
                      c.waits + entry_wait);
            const oracle::Poly want = oracle::expand(problem);

            // The answer in the answer colour: the product or quotient, whole
            // coefficients, written by the textbook's rules.
            ASSERT_EQ(answer.substr(0, 1), "=");
            EXPECT_EQ(oracle::expand(answer), want);
            EXPECT_TRUE(oracle::form_faults(answer).empty()) << oracle::form_faults(answer).front();
            const oracle::Poly got = oracle::expand(answer);
            for (auto& [m, coef] : got.terms()) EXPECT_TRUE(coef.is_integer());
            answers.insert(answer);

            // Every working line in colour 0 equals the problem.
            std::set<float> ys;
            for (auto& op : exprs(pass, 0))
                if (op.y1 != c.problem_y) ys.insert(op.y1);
            for (float y : ys) {
                std::string line = line_text(pass, 0, y);
                if (line.substr(0, 1) == "=") { EXPECT_EQ(oracle::expand(line), want) << line; }
            }

            // Arcs: the right number, 181 dots each, all above the chord.
            auto dotted = arcs(pass);
            ASSERT_EQ(dotted.size(), static_cast<size_t>(c.arcs));
            if (c.arc_from.x > 0) {
                // The first arc starts at the multiplier's anchor, whatever the problem.
                const lesson::Anchor ends[] = {{dotted[0].front().x1, dotted[0].front().y1},
                                               {dotted[0].back().x1, dotted[0].back().y1}};
                bool found = false;
                for (auto& e : ends) found |= std::abs(e.x - c.arc_from.x) < 0.01 && std::abs(e.y - c.arc_from.y) < 0.01;
                EXPECT_TRUE(found) << "first arc from " << ends[0].x << "," << ends[0].y << " / " << ends[1].x << ","
                                   << ends[1].y;
            }
            for (auto& a : dotted) {
                EXPECT_EQ(a.size(), 181u);
                EXPECT_TRUE(above_chord(a)) << "arc from " << a.front().x1 << "," << a.front().y1;
            }
            // Each arc joins the multiplier to its term, measured on the texts of the line they stand on.
            if (c.arcs > 0) {
                const auto pieces = line_pieces(pass, 0, c.arc_y);
                ASSERT_GT(pieces.size(), std::max(c.multiplier, c.terms.back()));
                ASSERT_EQ(c.terms.size(), dotted.size());
                for (size_t i = 0; i < dotted.size(); ++i)
                    EXPECT_TRUE(joins(dotted[i], pieces[c.multiplier], pieces[c.terms[i]], c.arc_y)) << "arc " << i;
            }

            // Strokes: number, denominator, number, denominator.
            auto marks = strokes(pass);
            ASSERT_EQ(marks.size(), static_cast<size_t>(c.strokes));
            for (size_t s = 0; s + 1 < marks.size(); s += 2) {
                const Stroke& num = marks[s];
                const Stroke& den = marks[s + 1];
                for (const Stroke* st : {&num, &den}) {
                    EXPECT_EQ(st->first_x, st->line.x1) << "the stroke starts on the struck glyph";
                    const std::string d = digits_of(st->struck);
                    EXPECT_EQ(st->line.x2 - st->line.x1, c.pitch * static_cast<float>(d.size()));
                }
                const int factor = std::stoi(digits_of(den.struck));
                const int struck = std::stoi(digits_of(num.struck));
                EXPECT_EQ(struck % factor, 0);
                const test::Span placed(pass);
                // The values placed from 30 over the number's top and from the denominator stroke's foot.
                const auto over = placed.value_placed_from(num.line.x1, num.line.y2 - 30);
                const auto under = placed.value_placed_from(den.line.x1, den.line.y1);
                EXPECT_EQ(over ? over->s : "", std::to_string(struck / factor));
                EXPECT_EQ(under ? under->s : "", "1");
            }
        }
        if (!seed.pin) {
            EXPECT_GT(answers.size(), static_cast<size_t>(count / 3)) << "the problems vary";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lesson4, Drill, ::testing::ValuesIn(kDrills),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (auto& ch : n)
                                 if (ch == '-') ch = '_';
                             return n;
                         });

}  // namespace
}  // namespace cw
