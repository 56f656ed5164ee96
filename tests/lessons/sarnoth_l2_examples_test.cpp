// Sarnoth lesson 2, the pupil's own examples: what is typed, what the example
// row shows, and what is asked again.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "lessons/sarnoth/examples.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/sarnoth_support.h"
#include "platform/retained.h"
#include "support/oracle.h"

namespace cw::sarnoth_test {
namespace {

// Steps and the keys before their example loop, after it, and the row it works on.
struct ExampleStep {
    const char* name;
    void (*step)(Program&);
    int keys_before, keys_after;
    float row;
};
const ExampleStep kThree{"three", sarnoth2::INVESTIGATE_SUM_OF_THREE, 4, 5, 210};
const ExampleStep kFive{"five", sarnoth2::INVESTIGATE_SUM_OF_FIVE, 4, 5 + 10, 210};
const ExampleStep kSum{"digit sum", sarnoth2::INVESTIGATE_DIGIT_SWAP_SUM, 4, 5 + 2 + 6, 260};
const ExampleStep kDifference{"digit difference", sarnoth2::INVESTIGATE_DIGIT_SWAP_DIFFERENCE, 4, 5 + 2 + 5, 260};

// One example per entry in `entries` (each a list of what is typed before one is accepted), then the rest.
struct Examples {
    SarnothRun r;
    std::vector<std::pair<std::string, std::string>> rows;  // the worked example and its result, in order
    std::vector<DrawOp> band;                               // everything drawn on the example row

    Examples(const ExampleStep& s, const std::vector<std::string>& entries)
        : r(script(s, entries)) {
        EXPECT_TRUE(r.run(s.step)) << s.name;
        EXPECT_EQ(r.keys_left(), 0u) << s.name;
        for (auto& op : r.page_texts()) {
            if (op.s == "<予想>" || op.s.rfind("予想…", 0) == 0) break;  // the loop has ended
            if (op.y1 == s.row) band.push_back(op);
        }
        for (size_t i = 0; i < band.size(); ++i)
            if (band[i].s == "③ " && i + 2 < band.size()) rows.push_back({band[i + 1].s, band[i + 2].s});
    }
    static std::string script(const ExampleStep& s, const std::vector<std::string>& entries) {
        std::string k = keys(s.keys_before);
        for (size_t i = 0; i < entries.size(); ++i)
            k += entries[i] + "k" + enter(i + 1 < entries.size() ? "2" : "1");
        return k + keys(s.keys_after);
    }
};

std::string without_equals(const std::string& s) { return s.substr(0, s.size() - 1); }

TEST(SarnothExamples, EveryTwoDigitNumberAndItsReversal) {
    std::vector<std::string> entries;
    for (int m = 10; m <= 99; ++m) entries.push_back(enter(std::to_string(m)));
    for (const ExampleStep* s : {&kSum, &kDifference}) {
        Examples ex(*s, entries);
        ASSERT_EQ(ex.rows.size(), 90u) << s->name;
        for (int m = 10; m <= 99; ++m) {
            auto& [worked, result] = ex.rows[static_cast<size_t>(m - 10)];
            const int tens = m / 10, ones = m % 10, reversed = 10 * ones + tens;
            const std::string op = s == &kSum ? "+" : "-";
            EXPECT_EQ(worked, std::to_string(m) + op + std::to_string(reversed) + "=");
            const oracle::Rational value = oracle::value(without_equals(worked), {});
            EXPECT_EQ(oracle::value(result, {}), value) << worked << result;
            ASSERT_TRUE(value.is_integer());
            if (s == &kSum) {
                EXPECT_EQ(value.num() % 11, 0) << worked << result;
            } else {
                EXPECT_EQ(value.num() % 9, 0) << worked << result;
                EXPECT_EQ(value.num() < 0, ones > tens) << worked << result;
            }
        }
    }
}

TEST(SarnothExamples, SumsOfConsecutiveIntegersFromTheTypedSmallest) {
    for (const ExampleStep* s : {&kThree, &kFive}) {
        const int count = s == &kThree ? 3 : 5;
        const int lowest = s == &kThree ? -99999 : -9999;
        std::mt19937 rng(15);
        std::uniform_int_distribution<int> pick(lowest, 99999);
        std::vector<int> smallest = {7, -3, -1, 0, lowest, 99999, 4, -2};
        for (int i = 0; i < 40; ++i) smallest.push_back(pick(rng));
        std::vector<std::string> entries;
        for (int n : smallest) entries.push_back(enter(std::to_string(n)));
        Examples ex(*s, entries);
        ASSERT_EQ(ex.rows.size(), smallest.size()) << s->name;
        for (size_t i = 0; i < smallest.size(); ++i) {
            auto& [worked, result] = ex.rows[i];
            // The terms as written: the first plain, the others signed, a negative one in parentheses.
            std::string want = std::to_string(smallest[i]);
            for (int k = 1; k < count; ++k) {
                int v = smallest[i] + k;
                want += v < 0 ? "+(" + std::to_string(v) + ")" : "+" + std::to_string(v);
            }
            EXPECT_EQ(worked, want + "=");
            const oracle::Rational value = oracle::value(without_equals(worked), {});
            EXPECT_EQ(oracle::value(result, {}), value) << worked << result;
            EXPECT_EQ(value, oracle::Rational(count) * oracle::Rational(smallest[i] + count / 2));
            EXPECT_EQ(result.find("-0"), std::string::npos);
        }
    }
}

// Entries outside the rules are asked again: the prompt comes back and nothing is drawn on the row but "③ ".
TEST(SarnothExamples, EntriesOutsideTheRulesDrawNothingOnTheRow) {
    struct Case {
        const ExampleStep* step;
        std::vector<std::string> refused;
        std::string accepted, worked, result;
        const char* question;
    } cases[] = {
        {&kSum, {"9", "100", "", "-23", "3/2", "12.5", "25/2", "5/0", "3/", "/", "-", "."}, "47", "47+74=", "121",
         "2けたの自然数を入力して下さい。"},
        {&kDifference, {"0", "99.5", "199/2", "-45"}, "35", "35-53=", "-18", "2けたの自然数を入力して下さい。"},
        {&kThree, {"100000", "-100000", "1.5", "3/2", "5/0", "3/", "/", "999999999"}, "-0", "0+1+2=", "3",
         "最も小さい整数を入力して下さい。"},
        {&kFive, {"1/2", "0.5", "-123456", "7/0", "-10000", "-99999", "100000"}, "", "0+1+2+3+4=", "10",
         "最も小さい整数を入力して下さい。"},
        {&kThree, {}, "-1", "-1+0+1=", "0", "最も小さい整数を入力して下さい。"},
        {&kFive, {}, "-2", "-2+(-1)+0+1+2=", "0", "最も小さい整数を入力して下さい。"},
        {&kThree, {}, "6/2", "3+4+5=", "12", "最も小さい整数を入力して下さい。"},
    };
    for (auto& c : cases) {
        std::string typed;
        for (auto& e : c.refused) typed += enter(e);
        typed += enter(c.accepted);
        Examples ex(*c.step, {typed});
        EXPECT_EQ(ex.r.prompt_count(c.question), static_cast<int>(c.refused.size()) + 1) << c.accepted;
        ASSERT_EQ(ex.band.size(), 3u) << c.accepted;
        EXPECT_EQ(ex.band[0].s, "③ ");
        EXPECT_EQ(ex.band[1].s, c.worked);
        EXPECT_EQ(ex.band[2].s, c.result);
        EXPECT_EQ(ex.band[2].c, 3);
    }
}

TEST(SarnothExamples, WholeEntryTable) {
    struct Case {
        const char* typed;
        float lo, hi;
        bool ok;
    } cases[] = {
        {"7", -99999, 99999, true},     {"-99999", -99999, 99999, true}, {"99999", -99999, 99999, true},
        {"100000", -99999, 99999, false}, {"1.5", -99999, 99999, false}, {"6/2", -99999, 99999, true},
        {"7/2", -99999, 99999, false},  {"5/0", -99999, 99999, false},   {"3/", -99999, 99999, false},
        {"/", -99999, 99999, false},    {"", -99999, 99999, true},       {"-0", -99999, 99999, true},
        {"1.0", -99999, 99999, true},   {"10", 10, 99, true},            {"99", 10, 99, true},
        {"9", 10, 99, false},           {"100", 10, 99, false},          {"12.5", 10, 99, false},
        {"0/5", 10, 99, false},         {"198/2", 10, 99, true},
    };
    SarnothRun r("");
    for (auto& c : cases) {
        r.h.g.AINP_s = c.typed;
        PARSE_ANSWER(r.h.g);
        EXPECT_EQ(sarnoth::whole_entry(r.h.g, c.lo, c.hi), c.ok) << c.typed;
    }
}

// The widest numbers each example question accepts (and one beyond, which it asks again for): the example
// row they make ends inside the layout, its ink read from what the row's texts drew.
TEST(SarnothExamples, TheWidestAcceptedEntriesKeepTheirRowOnTheLayout) {
    struct Case {
        const ExampleStep* step;
        std::vector<std::string> widest;  // each accepted at once, or after the refused entries before it
    } cases[] = {
        {&kThree, {enter("-99999"), enter("99999"), enter("-100000") + enter("-99998")}},
        {&kFive, {enter("-9999"), enter("99999"), enter("-10000") + enter("-99999") + enter("-9998")}},
        {&kSum, {enter("99"), enter("10"), enter("100") + enter("98")}},
        {&kDifference, {enter("10"), enter("99"), enter("9") + enter("19")}},
    };
    for (auto& c : cases) {
        Examples ex(*c.step, c.widest);
        ASSERT_EQ(ex.rows.size(), c.widest.size()) << c.step->name;
        const test::Span all = ex.r.all();
        const std::vector<DrawOp> texts = all.texts();
        size_t row = 0, start = 0;
        for (size_t i = 0; i < texts.size() && row < ex.rows.size(); ++i) {
            if (texts[i].y1 != c.step->row) continue;
            if (texts[i].s == "③ ") start = i;  // a row starts
            if (texts[i].s != ex.rows[row].second) continue;
            // The result ends the row: the ink of the row's texts from its "③ " to the result.
            float right = 0;
            GlyphLayout ink_bounds;
            for (size_t k = start; k <= i; ++k)
                if (texts[k].y1 == c.step->row)
                    for (auto& op : all.drawn_by(k)) right = std::max(right, ink_bounds.ink(op, 1, true).r);
            EXPECT_LE(right, LAYOUT_W) << ex.rows[row].first << ex.rows[row].second;
            EXPECT_GT(right, texts[start].x1 + 27 * static_cast<float>(ex.rows[row].first.size()))
                << "the row's ink reaches past its worked example";
            ++row;
        }
        EXPECT_EQ(row, ex.rows.size()) << c.step->name;
    }
}

// The conjecture of step ① stands on the line of ②, whatever number of examples came before it.
TEST(SarnothExamples, ConjectureAfterAnyNumberOfExamples) {
    for (int n : {1, 3}) {
        std::vector<std::string> entries(static_cast<size_t>(n), enter("5"));
        Examples ex(kThree, entries);
        bool found = false;
        for (auto& op : ex.r.page_texts())
            if (op.s == "予想…3つの続いた整数の和は3の倍数になる。") {
                found = true;
                EXPECT_EQ(op.x1, 480);
                EXPECT_EQ(op.y1, 150);
                EXPECT_EQ(op.c, 7);
            }
        EXPECT_TRUE(found);
        EXPECT_EQ(ex.rows.size(), static_cast<size_t>(n));
        EXPECT_EQ(ex.r.erased_after(0, 210, 1600, 330).size(), static_cast<size_t>(n));
    }
}

}  // namespace
}  // namespace cw::sarnoth_test
