// Kelvane lessons 1 and 2: the teaching steps, their drills and the answer
// pages, read from the typesetter calls they make.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>

#include "lessons/kelvane/lesson1.h"
#include "lessons/kelvane/lesson2.h"
#include "support/lesson_fixture.h"
#include "lessons/toolkit.h"
#include "platform/basic.h"

namespace cw::test {
namespace {

// ---- answer pages ----------------------------------------------------------------

TEST(KelvaneAnswerPages, KeyCountsAndFinalAnswers) {
    struct Case {
        const char* name;
        void (*page)(Program&);
        int keys;
        const char* heading;
        const char* answer;
        float x_line, y_line;  // where the last problem line stands
    } cases[] = {
        {"Q1", kelvane1::SHOW_ANSWERS_Q1, 7, "問1 解答", "-2x,y,-3", 36, 250},
        {"Q2", kelvane1::SHOW_ANSWERS_Q2, 5, "問2 解答", "5", 36, 170},
        {"Q3", kelvane1::SHOW_ANSWERS_Q3, 12, "問3 解答", "5次式", 36, 330},
        {"Q4", kelvane2::SHOW_ANSWERS_Q4, 12, "問4 解答", "=-2a^2-6a+3", 640, 390},
    };
    for (auto& c : cases) {
        // One key short: the page is still waiting.
        LessonFixture short_run("kelvane", keys(c.keys - 1));
        EXPECT_FALSE(short_run.run(c.page)) << c.name;
        LessonFixture r("kelvane", keys(c.keys));
        ASSERT_TRUE(r.run(c.page)) << c.name;
        auto t = r.texts();
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t.front().s, c.heading);
        EXPECT_EQ(t.front().x1, 108);
        EXPECT_EQ(t.front().y1, 30);
        EXPECT_EQ(t.front().c, 3);
        EXPECT_EQ(t.back().s, c.answer) << c.name;
        EXPECT_EQ(t.back().c, 5) << c.name;
        EXPECT_EQ(t.back().y1, c.y_line) << c.name;
        if (c.x_line == 640) {
            EXPECT_EQ(t.back().x1, 640);
        }
        EXPECT_EQ(r.erases(0, 0, 1760, 1800), 1) << c.name;
        // No wait after the page's last answer.
        auto& all = r.pf.record();
        size_t last = all.size();
        while (last > 0 && all[last - 1].op != Op::Expr) --last;
        ASSERT_GT(last, 0u);
        EXPECT_EQ(all[last - 1].s, c.answer) << c.name;
        for (size_t i = last; i < all.size(); ++i) {
            EXPECT_NE(all[i].op, Op::Prompt) << c.name << " " << i;
            EXPECT_NE(all[i].op, Op::Key) << c.name << " " << i;
        }
    }
}

TEST(KelvaneAnswerPages, WhatEachKeyShows) {
    // Texts on screen after k keys, for the pages' stage rules.
    struct Case {
        const char* name;
        void (*page)(Program&);
        int keys;
        std::vector<std::string> last_two;
    } cases[] = {
        {"Q1 opens with the first problem", kelvane1::SHOW_ANSWERS_Q1, 0, {"問1 解答", "(1) 6x^2-7x+3"}},
        {"Q1 item 2 shows working and answer on one key", kelvane1::SHOW_ANSWERS_Q1, 4, {" だから ", "4a,3b"}},
        {"Q2 opens with the first problem", kelvane1::SHOW_ANSWERS_Q2, 0, {"問2 解答", "(1) -3y^2"}},
        {"Q3 opens with the heading alone", kelvane1::SHOW_ANSWERS_Q3, 0, {"問3 解答"}},
        {"Q4 opens with the heading alone", kelvane2::SHOW_ANSWERS_Q4, 0, {"問4 解答"}},
        {"Q4 changes column on key 7", kelvane2::SHOW_ANSWERS_Q4, 7, {"=2x^2-2x", "(3) 4ab-2a-ab+2a"}},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane", keys(c.keys));
        EXPECT_FALSE(r.run(c.page));
        auto t = r.texts();
        ASSERT_GE(t.size(), c.last_two.size()) << c.name;
        std::vector<std::string> got;
        for (size_t i = t.size() - c.last_two.size(); i < t.size(); ++i) got.push_back(t[i].s);
        EXPECT_EQ(got, c.last_two) << c.name;
    }
}

TEST(KelvaneAnswerPages, LinePositions) {
    LessonFixture r1("kelvane", keys(12));
    ASSERT_TRUE(r1.run(kelvane1::SHOW_ANSWERS_Q3));
    for (float y : {90.0f, 170.0f, 250.0f, 330.0f}) EXPECT_EQ(r1.at(36, y).size(), 1u) << y;

    LessonFixture r2("kelvane", keys(12));
    ASSERT_TRUE(r2.run(kelvane2::SHOW_ANSWERS_Q4));
    for (float y : {90.0f, 270.0f}) {
        EXPECT_EQ(r2.at(36, y).size(), 1u) << y;
        EXPECT_EQ(r2.at(568, y).size(), 1u) << y;
    }
    for (float y : {150.0f, 210.0f, 330.0f, 390.0f}) {
        EXPECT_EQ(r2.at(108, y).size(), 1u) << y;
        EXPECT_EQ(r2.at(640, y).size(), 1u) << y;
    }
    // The heading is not drawn again for the right column.
    int headings = 0;
    for (auto& op : r2.texts()) headings += op.s == "問4 解答";
    EXPECT_EQ(headings, 1);
}

// ---- lesson 1, step ① ---------------------------------------------------------------

TEST(KelvaneLesson1, TermsStepRunsThrough) {
    // Stage A 7 keys, stage B 7, 問2 one problem, 問3 two problems, then the 項 definition.
    std::string script = keys(7) + keys(7) + keys(1) + enter("1") + keys(2) + enter("") + keys(2) + enter("1") +
                         keys(1);
    LessonFixture r("kelvane", script);
    ASSERT_TRUE(r.run(kelvane1::TEACH_TERMS));
    EXPECT_EQ(r.keys_left(), 0u);
    auto& g = r.g;
    // Stage B erased the question block, then the answers below the definitions.
    EXPECT_EQ(r.erases(0, 30, 1600, 430), 1);
    EXPECT_EQ(r.erases(0, 430, 1600, 1430), 1);
    // 問2 panel: once before the drill, once per problem.
    EXPECT_EQ(r.erases(0, 470, 1600, 670), 2);
    // 問3 panel: once per problem.
    EXPECT_EQ(r.erases(680, 30, 1400, 280), 2);
    ASSERT_EQ(r.at(40, 470).size(), 1u);
    EXPECT_EQ(r.at(40, 470)[0].s, "問2　単項式、多項式のどちらですか。");
    ASSERT_EQ(r.at(174, 530).size(), 1u);
    ASSERT_EQ(r.at(174, 590).size(), 1u);
    EXPECT_EQ(r.at(174, 590)[0].c, 5);
    EXPECT_EQ(r.at(774, 90).size(), 2u);
    auto answers = r.at(734, 140);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].s[0], '=');
    ASSERT_EQ(r.at(734, 190).size(), 2u);
    EXPECT_EQ(r.at(734, 190)[0].s, "項…");
    auto def = r.find("項");
    ASSERT_TRUE(def);
    EXPECT_EQ(def->x1, 680);
    EXPECT_EQ(def->y1, 250);
    EXPECT_EQ(def->c, 5);
    EXPECT_EQ(r.at(734, 300).size(), 1u);
    auto task = r.find("教科書P12 問1　をしなさい。");
    ASSERT_TRUE(task);
    EXPECT_EQ(task->x1, 480);
    EXPECT_EQ(task->y1, 570);
    EXPECT_EQ(task->c, 7);
    EXPECT_EQ(g.U_a(2), 1400);
    EXPECT_EQ(g.V_a(3), 470);
    // The 問3 table is left in T$().
    EXPECT_EQ(g.T_sa(30), "-8,-4a,-b");
}

TEST(KelvaneLesson1, TermsDrillsPairProblemAndAnswer) {
    // Many 問3 problems: the sum form and the terms shown belong to the problem shown.
    const std::vector<std::string> polys = {"3a^2-2a+1", "5a-b-6", "8-4a+b", "-3a^2+2a-1", "-5a-b-6",
                                            "8-4a-b",    "-3a^2-2a+1", "5a+b-6", "-8-4a+b", "-8-4a-b"};
    const std::vector<std::string> terms = {"3a^2,-2a,1", "5a,-b,-6", "8,-4a,b",   "-3a^2,2a,-1", "-5a,-b,-6",
                                            "8,-4a,-b",   "-3a^2,-2a,1", "5a,b,-6", "-8,-4a,b",  "-8,-4a,-b"};
    std::string script;
    for (int i = 0; i < 60; ++i) script += keys(2) + enter("2");
    script += keys(2) + enter("1");
    LessonFixture r("kelvane", script);
    r.g.XI0 = 0;
    ASSERT_TRUE(r.run(kelvane1::DRILL_NAME_TERMS));
    auto shown = r.at(774, 90);
    ASSERT_EQ(shown.size(), 61u);
    std::vector<int> seen(10, 0);
    auto t = r.texts();
    for (size_t i = 0; i < t.size(); ++i) {
        if (!(t[i].x1 == 774 && t[i].y1 == 90)) continue;
        size_t row = 0;
        while (row < polys.size() && polys[row] != t[i].s) ++row;
        ASSERT_LT(row, polys.size()) << t[i].s;
        ++seen[row];
        ASSERT_LT(i + 3, t.size());
        EXPECT_EQ(t[i + 3].s, terms[row]);
        EXPECT_EQ(t[i + 3].c, 5);
    }
    int rows_seen = 0;
    for (int s : seen) rows_seen += s > 0;
    EXPECT_GE(rows_seen, 8);
}

// ---- lesson 1, step ③ ---------------------------------------------------------------

TEST(KelvaneLesson1, CoefficientRowsCycleFromRowOne) {
    const std::vector<std::string> coef = {"", "3", "-4", "ﾀ1/2ﾀ", "-", "-ﾀ2/3ﾀ"};
    const std::vector<std::string> answer = {"1", "3", "-4", "ﾀ1/2ﾀ", "-1", "-ﾀ2/3ﾀ"};
    const std::vector<std::string> letters = {"a", "x^2", "b", "x", "a^2", "ab"};
    std::string script;
    for (int i = 0; i < 7; ++i) script += keys(1) + enter(i == 6 ? "1" : "0");
    script += keys(1) + keys(1) + enter("1") + keys(1) + keys(1) + enter("1") + keys(1);
    LessonFixture r("kelvane", script);
    ASSERT_TRUE(r.run(kelvane1::TEACH_COEFFICIENT_AND_DEGREE));
    EXPECT_EQ(r.keys_left(), 0u);
    auto headings = r.at(40, 30);
    auto monomials = r.at(214, 100);
    ASSERT_EQ(headings.size(), 7u);
    ASSERT_EQ(monomials.size(), 7u);
    auto t = r.texts();
    int k = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (!(t[i].x1 == 214 && t[i].y1 == 100)) continue;
        const std::string& h = headings[static_cast<size_t>(k)].s;
        std::string prefix = "問4　", suffix = "の係数をいいなさい。";
        ASSERT_EQ(h.rfind(prefix, 0), 0u);
        std::string letter = h.substr(prefix.size(), h.size() - prefix.size() - suffix.size());
        EXPECT_NE(std::find(letters.begin(), letters.end(), letter), letters.end()) << letter;
        size_t row = static_cast<size_t>(k % 6);
        EXPECT_EQ(t[i].s, coef[row] + letter);
        ASSERT_LT(i + 1, t.size());
        EXPECT_EQ(t[i + 1].s, answer[row]);
        EXPECT_EQ(t[i + 1].c, 5);
        EXPECT_EQ(t[i + 1].y1, 100);
        EXPECT_GT(t[i + 1].x1, t[i].x1);
        ++k;
    }
    EXPECT_EQ(k, 7);
    // Definitions and panels where they belong.
    struct Want {
        const char* s;
        float x, y;
        int c;
    } want[] = {
        {"係数", 40, 160, 5},           {"数と文字の積のとき、その数のこと", 94, 210, 0},
        {"問5　次の式の次数をいいなさい。", 40, 330, 3}, {"単項式の次数", 40, 450, 5},
        {"かけあわされている文字の個数", 94, 500, 0},   {"問6　次の式の次数をいいなさい。", 680, 30, 3},
        {"多項式の次数", 680, 150, 5},   {"各項の次数で、最大の次数", 734, 200, 0},
        {"教科書P12 問2　をしなさい。", 40, 600, 7},
    };
    for (auto& w : want) {
        auto op = r.find(w.s);
        ASSERT_TRUE(op) << w.s;
        EXPECT_EQ(op->x1, w.x) << w.s;
        EXPECT_EQ(op->y1, w.y) << w.s;
        EXPECT_EQ(op->c, w.c) << w.s;
    }
    EXPECT_EQ(r.at(214, 390).size(), 1u);
    EXPECT_EQ(r.at(774, 90).size(), 1u);
    EXPECT_EQ(r.erases(0, 30, 680, 230), 7);
    EXPECT_EQ(r.erases(0, 330, 720, 530), 1);
    EXPECT_EQ(r.erases(680, 30, 1400, 230), 1);
}

TEST(KelvaneLesson1, DegreeAnswersMatchTheirProblems) {
    const std::vector<std::pair<std::string, std::string>> table = {
        {"4x", "1"}, {"3x^2", "2"}, {"-2b", "1"}, {"5ab", "2"}, {"-2a^2", "2"},
        {"7x^3y", "4"}, {"-2abc", "3"}, {"7x^3y^2", "5"}};
    std::string script = keys(1) + enter("1") + keys(1);
    for (int i = 0; i < 40; ++i) script += keys(1) + enter("3");
    script += keys(1) + enter("1") + keys(1) + keys(1) + enter("1") + keys(1);
    LessonFixture r("kelvane", script);
    ASSERT_TRUE(r.run(kelvane1::TEACH_COEFFICIENT_AND_DEGREE));
    auto t = r.texts();
    int n = 0;
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (!(t[i].x1 == 214 && t[i].y1 == 390)) continue;
        auto it = std::find_if(table.begin(), table.end(), [&](auto& p) { return p.first == t[i].s; });
        ASSERT_NE(it, table.end()) << t[i].s;
        EXPECT_EQ(t[i + 1].s, it->second) << t[i].s;
        ++n;
    }
    EXPECT_EQ(n, 41);
}

// ---- lesson 1, step ⑤ ---------------------------------------------------------------

TEST(KelvaneLesson1, DegreeNameStep) {
    const std::vector<std::pair<std::string, std::string>> table = {
        {"3x^2-4x+6", "2次式"},  {"2x+5", "1次式"},     {"-7a", "1次式"},           {"-abx^2+4by+3", "4次式"},
        {"a-b^2y^3+5", "5次式"}, {"-3y^2", "2次式"},   {"5a^2b^2x^2-2y", "6次式"}, {"-x^3+y^2", "3次式"},
        {"a^2b-ab+2a", "3次式"}};
    std::string script;
    for (int i = 0; i < 30; ++i) script += keys(1) + enter(i == 29 ? "1" : "");
    script += keys(1);
    LessonFixture r("kelvane", script);
    ASSERT_TRUE(r.run(kelvane1::TEACH_DEGREE_NAME));
    EXPECT_EQ(r.erases(0, 0, 1600, 1000), 1);
    EXPECT_EQ(r.erases(40, 30, 680, 240), 30);
    auto problems = r.at(134, 90);
    auto answers = r.at(134, 140);
    ASSERT_EQ(problems.size(), 30u);
    ASSERT_EQ(answers.size(), 30u);
    for (size_t i = 0; i < problems.size(); ++i) {
        auto it = std::find_if(table.begin(), table.end(), [&](auto& p) { return p.first == problems[i].s; });
        ASSERT_NE(it, table.end());
        EXPECT_EQ(answers[i].s, it->second);
        EXPECT_EQ(answers[i].c, 5);
    }
    auto def = r.find("何次式");
    ASSERT_TRUE(def);
    EXPECT_EQ(def->x1, 40);
    EXPECT_EQ(def->y1, 220);
    EXPECT_EQ(r.at(94, 270).size(), 1u);
    auto task = r.find("教科書P13 問3　をしなさい。");
    ASSERT_TRUE(task);
    EXPECT_EQ(task->x1, 44);
    EXPECT_EQ(task->y1, 570);
    EXPECT_EQ(task->c, 7);
}

TEST(KelvaneLesson1, FixedSeedReplaysTheSameProblems) {
    std::string script;
    for (int i = 0; i < 10; ++i) script += keys(1) + enter(i == 9 ? "1" : "2");
    script += keys(1);
    std::vector<std::string> runs[2];
    for (auto& out : runs) {
        LessonFixture r("kelvane", script);
        r.pf.RANDOMIZE(42);
        ASSERT_TRUE(r.run(kelvane1::TEACH_DEGREE_NAME));
        for (auto& op : r.at(134, 90)) out.push_back(op.s);
    }
    EXPECT_EQ(runs[0], runs[1]);
}

// ---- lesson 2, step ① ---------------------------------------------------------------

TEST(KelvaneLesson2, LikeTermDrillsCycleThroughTheirTables) {
    const std::vector<std::string> task1 = {"6x+4+3x", "-5x+7+4x", "12y-3+5y", "-3a+2a-1", "a-b-6b",
                                            "6x^2+4x+3x", "-3a^2-2a+a^2", "5ab+ab-6", "-8y-4y+y",
                                            "-8x^2-4x^2-x^2"};
    std::string script;
    for (int i = 0; i < 12; ++i) script += keys(1) + enter(i == 11 ? "1" : "5");
    script += keys(1);
    script += keys(1) + enter("1");
    LessonFixture r("kelvane", script);
    ASSERT_TRUE(r.run(kelvane2::TEACH_LIKE_TERMS));
    EXPECT_EQ(r.erases(0, 0, 1760, 1560), 1);
    auto shown = r.at(136, 80);
    ASSERT_EQ(shown.size(), 12u);
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i].s, task1[i % 10]) << i;
    EXPECT_EQ(r.at(136, 130).size(), 12u);
    auto def = r.find("同類項");
    ASSERT_TRUE(def);
    EXPECT_EQ(def->x1, 40);
    EXPECT_EQ(def->y1, 190);
    EXPECT_EQ(r.erases(40, 270, 720, 520), 1);
    ASSERT_EQ(r.at(136, 320).size(), 1u);
    EXPECT_EQ(r.at(136, 320)[0].s, "6a-2b+3b-4a");
    auto t = r.texts();
    EXPECT_EQ(t.back().s, "6aと-4a,-2bと3b");
    EXPECT_EQ(t.back().c, 5);
    EXPECT_EQ(t.back().y1, 370);
    auto& g = r.g;
    EXPECT_EQ(g.XI0, 40);
    EXPECT_EQ(g.XI1, 136);
    EXPECT_EQ(g.YI1, 370);
}

// ---- lesson 2, step ② ---------------------------------------------------------------

// Value of a linear text in one letter: the coefficient of the letter and the constant.
struct Linear {
    int coef = 0, constant = 0;
    bool ok = true;
    bool operator==(const Linear& o) const { return coef == o.coef && constant == o.constant; }
};
Linear parse_linear(const std::string& s, char letter) {
    Linear v;
    size_t i = 0;
    if (i < s.size() && s[i] == '=') ++i;
    while (i < s.size()) {
        int sign = 1;
        if (s[i] == '+' || s[i] == '-') {
            sign = s[i] == '-' ? -1 : 1;
            ++i;
        }
        int n = 0;
        bool digits = false;
        while (i < s.size() && isdigit(static_cast<unsigned char>(s[i]))) {
            n = n * 10 + (s[i] - '0');
            digits = true;
            ++i;
        }
        if (i < s.size() && s[i] == letter) {
            v.coef += sign * (digits ? n : 1);
            ++i;
        } else if (digits) {
            v.constant += sign * n;
        } else {
            v.ok = false;
            return v;
        }
    }
    return v;
}

// Faults no drawn term text may show.
std::string term_fault(const std::string& s) {
    static const std::regex one_before_letter("(^|[^0-9.])1[a-z]");
    static const std::regex zero_term("(^|[=+\\-(,])0($|[a-z+\\-)=,^])");
    if (s.find("+-") != std::string::npos) return "+-";
    if (s.find("--") != std::string::npos) return "--";
    if (s.find("=+") != std::string::npos) return "=+";
    if (!s.empty() && s[0] == '+') return "leading +";
    if (std::regex_search(s, one_before_letter)) return "coefficient 1";
    if (std::regex_search(s, zero_term)) return "zero term";
    return "";
}

TEST(KelvaneLesson2, TermFaultCheckerCatchesFaults) {
    for (const char* bad : {"3x+-2", "=-2x--3", "=+x+4", "1x+3", "=1y+2", "3x+1a", "0x+3", "=5x+0", "+3x"})
        EXPECT_NE(term_fault(bad), "") << bad;
    for (const char* good : {"3x+4-7x+10", "=-x+12", "=x+4", "=10a+11", "11b-2b", "=-8y+20"})
        EXPECT_EQ(term_fault(good), "") << good;
}

TEST(KelvaneLesson2, CollectingDrillResultIsTheSumOfLikeTerms) {
    for (const test::Draws& seed : {test::Draws(1), {7}, {123}, {4096}, test::kLowestRnd, test::kHighestRnd}) {
        SCOPED_TRACE(::testing::PrintToString(seed));
        const int problems = seed.pin ? 2 : 150;  // a pinned generator draws the same problem each time
        LessonFixture r("kelvane", drill_keys(2, problems));
        auto& g = r.g;
        r.seed(seed);
        g.U_a(1) = 40;
        g.V_a(1) = 80;
        g.U_a(2) = 522;
        g.V_a(2) = 260;
        ASSERT_TRUE(r.run(kelvane2::DRILL_COLLECT_LIKE_TERMS));
        auto problem = r.at(127, 80);
        auto regrouped = r.at(100, 135);
        auto result = r.at(100, 190);
        ASSERT_EQ(problem.size(), static_cast<size_t>(problems));
        ASSERT_EQ(regrouped.size(), problem.size());
        ASSERT_EQ(result.size(), problem.size());
        bool coef_one = false, coef_minus_one = false;
        for (size_t i = 0; i < problem.size(); ++i) {
            const std::string& p = problem[i].s;
            char letter = 0;
            for (char ch : p)
                if (isalpha(static_cast<unsigned char>(ch))) letter = ch;
            ASSERT_NE(std::string("xyab").find(letter), std::string::npos) << p;
            Linear a = parse_linear(p, letter), b = parse_linear(regrouped[i].s, letter),
                   c = parse_linear(result[i].s, letter);
            ASSERT_TRUE(a.ok && b.ok && c.ok) << p << " " << regrouped[i].s << " " << result[i].s;
            EXPECT_EQ(b, a) << p << " " << regrouped[i].s;
            EXPECT_EQ(c, a) << p << " " << result[i].s;
            EXPECT_NE(a.coef, 0) << p;
            EXPECT_EQ(result[i].c, 5);
            for (const std::string& s : std::vector<std::string>{p, regrouped[i].s, result[i].s}) {
                EXPECT_EQ(term_fault(s.front() == '=' ? s.substr(1) : s), "") << s;
            }
            EXPECT_EQ(regrouped[i].s[0], '=');
            coef_one |= c.coef == 1;
            coef_minus_one |= c.coef == -1;
        }
        // Over so many problems both unit coefficients come up.
        if (!seed.pin) {
            EXPECT_TRUE(coef_one || coef_minus_one);
        }
        EXPECT_EQ(r.erases(40, 80, 522, 260), problems);
    }
}

TEST(KelvaneLesson2, CollectProblemDrawsInOrderAndFollowsTheRules) {
    // The draws of one problem are T(1), T(2), T(3), T(4), then the letter.
    for (int seed = 0; seed < 300; ++seed) {
        LessonFixture r("kelvane");
        auto& g = r.g;
        g.pf.RANDOMIZE(seed);
        float d[5];
        for (auto& v : d) v = g.pf.RND();
        g.pf.RANDOMIZE(seed);
        kelvane2::make_collect_problem(g);
        float a = INT(d[0] * 9) + 2, b = INT(d[1] * 9) + 2, c = INT(d[2] * 9) + 2, e = INT(d[3] * 9) + 2;
        if (a == c) a += 1;
        EXPECT_EQ(g.T_a(1), a);
        EXPECT_EQ(g.T_a(2), b);
        EXPECT_EQ(g.T_a(3), -c);
        EXPECT_EQ(g.T_a(4), e);
        EXPECT_EQ(g.T_a(5), a - c);
        EXPECT_EQ(g.T_a(6), b + e);
        EXPECT_EQ(g.P, INT(d[4] * 4) + 2);
        EXPECT_EQ(g.X_sa(1), g.X_sa(2));
        EXPECT_EQ(g.T_sa(6), "+" + number_text(b + e));
        std::string want5 = a - c == 1 ? "" : a - c == -1 ? "-" : number_text(a - c);
        EXPECT_EQ(g.T_sa(5), want5) << seed;
    }
}

TEST(KelvaneLesson2, CollectingStepRunsThrough) {
    // Review drill 1 problem, rule, two 課3 panels of one problem each, assignment.
    std::string script = keys(2) + enter("1") + keys(1) + keys(2) + enter("1") + keys(1) + keys(2) + enter("1") +
                         keys(1);
    LessonFixture r("kelvane", script);
    ASSERT_TRUE(r.run(kelvane2::TEACH_COLLECTING_LIKE_TERMS));
    EXPECT_EQ(r.keys_left(), 0u);
    auto& g = r.g;
    EXPECT_EQ(r.erases(0, 0, 1320, 1300), 1);
    // U(2) lies 40 right of the end of the 13-character heading.
    EXPECT_EQ(r.erases(40, 80, 522, 260), 1);
    EXPECT_EQ(r.erases(522, 30, 1202, 270), 1);
    EXPECT_EQ(r.erases(522, 260, 1202, 500), 1);
    auto rule = r.find("同類項は1つの項にまとめる");
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->x1, 40);
    EXPECT_EQ(rule->y1, 270);
    EXPECT_EQ(rule->c, 5);
    auto rule_line = r.at(100, 320);
    ASSERT_EQ(rule_line.size(), 1u);
    EXPECT_EQ(rule_line[0].s.back(), '=');
    auto t = r.texts();
    // Both 課3 panels start at row 1.
    EXPECT_EQ(r.at(622, 85).size(), 1u);
    EXPECT_EQ(r.at(622, 85)[0].s, "6a-2b+3b-4a");
    EXPECT_EQ(r.at(622, 315).size(), 1u);
    EXPECT_EQ(r.at(622, 315)[0].s, "6a-2b+3b-4a");
    EXPECT_EQ(r.at(582, 195).size(), 1u);
    EXPECT_EQ(r.at(582, 195)[0].s, "=2a+b");
    EXPECT_EQ(r.at(582, 425).size(), 1u);
    EXPECT_EQ(t.back().s, "教科書P13 問4　をしなさい。");
    EXPECT_EQ(t.back().x1, 44);
    EXPECT_EQ(t.back().y1, 570);
    EXPECT_EQ(t.back().c, 0);
    EXPECT_EQ(g.U_a(1), 522);
    EXPECT_EQ(g.V_a(1), 260);
    EXPECT_EQ(g.U_a(2), 1202);
    EXPECT_EQ(g.V_a(2), 500);
    EXPECT_EQ(g.YI1, 570);
    EXPECT_EQ(g.T_sa(21), "2a+b");
}

TEST(KelvaneLesson2, SimplifyDrillCyclesAndReturnsTheRegroupedLine) {
    const std::vector<std::string> results = {"=2a+b",    "=3x^2-x+1", "=11a+5b-14c", "=x^2-x+2", "=5x-2y",
                                              "=-2x^2+2x", "=2x-5y",    "=-2y^2-y",    "=-4xy-x",  "=4a^2-a"};
    std::string script;
    for (int i = 0; i < 11; ++i) script += keys(2) + enter(i == 10 ? "1" : "");
    LessonFixture r("kelvane", script);
    auto& g = r.g;
    g.U_a(1) = 100;
    g.V_a(1) = 200;
    g.U_a(2) = 700;
    g.V_a(2) = 440;
    ASSERT_TRUE(r.run(kelvane2::DRILL_SIMPLIFY_EXPRESSIONS));
    auto res = r.at(160, 365);
    ASSERT_EQ(res.size(), 11u);
    for (size_t i = 0; i < res.size(); ++i) {
        EXPECT_EQ(res[i].s, results[i % 10]);
        EXPECT_EQ(res[i].c, 5);
    }
    EXPECT_EQ(r.at(100, 200).size(), 11u);
    EXPECT_EQ(r.at(200, 255).size(), 11u);
    EXPECT_EQ(r.at(160, 310).size(), 11u);
    EXPECT_EQ(r.erases(100, 200, 700, 440), 11);
    EXPECT_EQ(g.YI1, 310);
    EXPECT_EQ(g.XI0, 100);
    EXPECT_EQ(g.XI1, 160);
    EXPECT_EQ(g.NO, 1);
    EXPECT_EQ(g.AINP, 1);
}

TEST(KelvaneLessons, NoFixedTermTextShowsASignFault) {
    // Every expression text of the steps' drills and pages, in one long run each.
    struct Case {
        void (*step)(Program&);
        std::string keys;
    } cases[] = {
        {kelvane2::TEACH_LIKE_TERMS, [] {
             std::string s;
             for (int i = 0; i < 10; ++i) s += keys(1) + enter(i == 9 ? "1" : "");
             s += keys(1);
             for (int i = 0; i < 10; ++i) s += keys(1) + enter(i == 9 ? "1" : "");
             return s;
         }()},
        {kelvane2::SHOW_ANSWERS_Q4, keys(12)},
    };
    for (auto& c : cases) {
        LessonFixture r("kelvane", c.keys);
        ASSERT_TRUE(r.run(c.step));
        for (auto& op : r.texts()) {
            // Split lists of terms ("6xと3x", "4aと7a,-6cと-8c") into single terms.
            std::string s = std::regex_replace(op.s, std::regex("と|,|…|同類項|^\\([0-9]\\) "), "|");
            size_t start = 0;
            while (start <= s.size()) {
                size_t bar = s.find('|', start);
                std::string piece = s.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
                if (!piece.empty() && piece.find_first_of("0123456789abcxy") != std::string::npos &&
                    (piece[0] & 0x80) == 0) {
                    EXPECT_EQ(term_fault(piece[0] == '=' ? piece.substr(1) : piece), "") << op.s;
                }
                if (bar == std::string::npos) break;
                start = bar + 1;
            }
        }
    }
}

}  // namespace
}  // namespace cw::test
