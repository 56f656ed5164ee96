// Dorrith lesson 4, read from what it drew: the menu, the worked example's
// strokes, the partial practice and the practice problems checked against
// the oracle over many seeded problems, and the answer pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <tuple>
#include <random>
#include <regex>

#include "lessons/dorrith/lesson4.h"
#include "support/lesson_fixture.h"
#include "support/oracle.h"

namespace cw::test {
namespace {

using oracle::expand;
using oracle::Poly;

const std::string kMenu = "①課題1　②部分練習　　③練習　④問5,6　⑤終了";

struct Seg {
    float x1, y1, x2, y2;
    bool operator==(const Seg&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Seg& s) {
    return os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}
std::vector<Seg> segs(const std::vector<DrawOp>& lines, int colour) {
    std::vector<Seg> out;
    for (auto& l : lines)
        if (l.c == colour) out.push_back({l.x1, l.y1, l.x2, l.y2});
    return out;
}

TEST(DorrithLesson4, MenuAsksAgainOutsideItsItemsAndItemFiveReturns) {
    LessonFixture f("dorrith", enter("4") + enter("0") + enter("6") + enter("5") + enter("8"));
    EXPECT_EQ(f.run_program(), Ending::Returned);
    EXPECT_EQ(f.count("<めあて>"), 1);
    auto goal = f.find("乗除の混じった計算や３つ以上の除法の計算の仕方を考えよう。");
    ASSERT_TRUE(goal);
    EXPECT_EQ(std::make_pair(goal->x1, goal->y1), std::make_pair(44.0f, 305.0f));
    EXPECT_EQ(f.prompt_count(kMenu), 3);
    EXPECT_EQ(f.count("　メニュー＞"), 2);  // the main menu before and after the lesson
}

TEST(DorrithLesson4, WorkedExampleStrokesAtTheirPoints) {
    LessonFixture f("dorrith", enter("4") + enter("1") + keys(7) + enter("5") + enter("8"));
    ASSERT_EQ(f.run_program(), Ending::Returned);
    EXPECT_EQ(f.waits(), 7);
    auto pages = f.pages();
    ASSERT_EQ(pages.size(), 8u);
    // "=" at (88, 340) leaves the fraction at x 120; its numerator 4×x×y×6×x is 312 wide, the
    // denominator 3×y 102, so TBBO1 = 105 and BSEN = 365.
    EXPECT_EQ(segs(pages[6].lines(), 3), (std::vector<Seg>{{330, 329, 362, 357},
                                                            {225, 369, 257, 397},
                                                            {254, 329, 286, 357},
                                                            {295, 369, 327, 397}}));
    auto values = pages[6].texts_in(3);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].s, "2");
    EXPECT_EQ(std::make_pair(values[0].x1, values[0].y1), std::make_pair(330.0f, 291.0f));
    EXPECT_EQ(values[1].s, "1");
    EXPECT_EQ(std::make_pair(values[1].x1, values[1].y1), std::make_pair(225.0f, 401.0f));
    // Stage by stage: each page adds what its stage shows.
    EXPECT_EQ(pages[1].joined(), "①　符号を決める。②　分数の形になおす。");
    EXPECT_EQ(pages[2].joined(), "=ﾀ4xy*6x/3yﾀ");
    EXPECT_EQ(pages[4].joined(), "③　約分する。");
    EXPECT_EQ(pages[5].joined(), "=ﾀ4*x*y*6*x/3*yﾀ");
    auto result = pages[7].answers();
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0].s, "=8x^2");
    EXPECT_EQ(std::make_pair(result[0].x1, result[0].y1), std::make_pair(88.0f, 450.0f));
    // Every line of the solution equals the problem.
    const Poly problem = expand("-4xy*6x/(-3y)");
    for (const char* line : {"=ﾀ4xy*6x/3yﾀ", "=ﾀ4*x*y*6*x/3*yﾀ", "=8x^2"}) EXPECT_EQ(expand(line), problem) << line;
    EXPECT_EQ(f.prompt_count(kMenu), 2) << "the menu follows the result with no further key";
}

// ---- the partial practice ---------------------------------------------------------------

// Width of a one-byte text in the fraction-part style: 32 a character, 38 a ×, 24 a raised one.
float small_width(const std::string& s) {
    float w = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '^') {
            w += 24;
            ++i;
        } else {
            w += s[i] == '*' ? 38 : 32;
        }
    }
    return w;
}

// The numbers of a problem line, exponents left out.
std::vector<int> coefficients(const std::string& problem) {
    std::vector<int> out;
    static const std::regex number("(^|[^\\^0-9])([0-9]+)");
    for (std::sregex_iterator it(problem.begin(), problem.end(), number), end; it != end; ++it)
        out.push_back(std::stoi((*it)[2]));
    return out;
}

// The three drills of the partial practice, `per_drill` problems each: every problem is the fraction its
// sign, numerator and denominator make up.  Counts the problems that divide twice and those with a "+".
void check_partial_practice(LessonFixture& f, int per_drill, int& both_divide, int& plus) {
    f.backend.push_keys(drill_keys(1, per_drill) + drill_keys(1, per_drill) + drill_keys(1, per_drill));
    ASSERT_TRUE(f.run(dorrith4::RUN_PARTIAL_PRACTICE));
    EXPECT_EQ(f.keys_left(), 0u);
    auto passes = f.passes();
    ASSERT_EQ(passes.size(), static_cast<size_t>(3 * per_drill));
    for (size_t i = 0; i < passes.size(); ++i) {
        const int drill = static_cast<int>(i) / per_drill;
        auto t = passes[i].visible_texts();
        // heading, problem, ... in the drill's own panel
        ASSERT_GE(t.size(), 4u) << i;
        const std::string problem = t[1].s;
        std::string sign, num, den;
        for (auto& op : t) {
            if (drill == 0 && op.c == 5) sign = op.s;
            if (drill == 0 && op.s.rfind("ﾀ", 0) == 0) {
                auto inside = op.s.substr(3, op.s.size() - 6);
                num = inside.substr(0, inside.find('/'));
                den = inside.substr(inside.find('/') + 1);
            }
            if (drill > 0 && op.s.rfind("=", 0) == 0) sign = op.s.substr(1);
        }
        if (drill > 0) {
            // The part not asked for in colour 0, the revealed one in colour 5, both after the sign.
            const auto& shown = t[t.size() - 2];
            const auto& revealed = t.back();
            EXPECT_EQ(revealed.c, 5);
            (drill == 1 ? den : num) = shown.s;
            (drill == 1 ? num : den) = revealed.s;
            // The revealed part stands 5 inside its box, which is 10 wider than the part and 44 high.
            auto boxes = passes[i].of(Op::Fill);
            boxes.erase(std::remove_if(boxes.begin(), boxes.end(), [](const DrawOp& b) { return b.f != 13; }),
                        boxes.end());
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(revealed.x1, boxes[0].x1 + 5);
            EXPECT_EQ(boxes[0].x2 - boxes[0].x1, small_width(revealed.s) + 10) << revealed.s;
            EXPECT_EQ(boxes[0].y2 - boxes[0].y1, 44);
        }
        ASSERT_TRUE(sign == "+" || sign == "-") << problem << " sign " << sign;
        plus += sign == "+";
        EXPECT_EQ(expand(problem), expand(sign + "ﾀ" + num + "/" + den + "ﾀ")) << problem;
        EXPECT_EQ(num.find('-'), std::string::npos);
        EXPECT_EQ(den.find('-'), std::string::npos);
        EXPECT_NE(problem.find("/"), std::string::npos) << "at least one division";
        both_divide += std::count(problem.begin(), problem.end(), '/') == 2;
        // The third factor is always negative, in parentheses, at the end.
        EXPECT_EQ(problem.back(), ')') << problem;
        // The coefficients b·c, b (2 to 7) and c (7 to 12).
        auto k = coefficients(problem);
        ASSERT_EQ(k.size(), 3u) << problem;
        EXPECT_TRUE(k[1] >= 2 && k[1] <= 7 && k[2] >= 7 && k[2] <= 12) << problem;
        EXPECT_EQ(k[0], k[1] * k[2]) << problem;
        // Every coefficient reduces to a whole number.
        const Poly value = expand(problem);
        for (auto& [m, c] : value.terms()) EXPECT_TRUE(c.is_integer()) << problem;
    }
}

TEST(DorrithLesson4, PartialPracticeAnswersMakeUpTheProblem) {
    const int per_drill = 60;
    LessonFixture f("dorrith");
    f.seed(7);
    int both_divide = 0, plus = 0;
    check_partial_practice(f, per_drill, both_divide, plus);
    const size_t problems = 3 * per_drill;
    for (auto& op : f.texts()) EXPECT_NE(op.c, 15) << "laid out by measuring: " << op.s;
    EXPECT_GT(both_divide, 0);
    EXPECT_GT(plus, 0);
    EXPECT_LT(plus, static_cast<int>(problems));
    // The summary under the denominator drill's last problem.
    auto heading = f.find("<乗除の混じった式の計算>");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->x1, 680);
    auto last = f.all().texts().back();
    EXPECT_EQ(last.s, "(文字も約分する）");
    EXPECT_EQ(last.c, 5);
}

TEST(DorrithLesson4, PartialPracticeAtTheGeneratorsExtremes) {
    for (const test::Draws& d : {test::kLowestRnd, test::kHighestRnd}) {
        SCOPED_TRACE(::testing::PrintToString(d));
        LessonFixture f("dorrith");
        f.seed(d);
        int both_divide = 0, plus = 0;
        check_partial_practice(f, 2, both_divide, plus);
    }
}

// ---- the practice problems --------------------------------------------------------------

// Where the characters of a written-out fraction stand, from the advances of the fraction-part style
// (digits and letters 32, × 38) and the "=" (32) and "-" (27) before it.
struct Cell {
    char ch;
    float x;
};
struct WrittenOut {
    std::vector<Cell> num, den;
    float num_y, den_y;  // tops of the two rows
};
WrittenOut written_out(const DrawOp& call) {
    const std::string& s = call.s;
    const size_t open = s.find("ﾀ");
    const std::string inside = s.substr(open + 3, s.size() - open - 6);
    const std::string num = inside.substr(0, inside.find('/')), den = inside.substr(inside.find('/') + 1);
    auto width = [](const std::string& t) {
        float w = 0;
        for (char c : t) w += c == '*' ? 38 : 32;
        return w;
    };
    const float xt = call.x1 + 32 + (s.find("-") < open ? 27 : 0);
    const float naga = std::max(width(num), width(den));
    WrittenOut w{{}, {}, call.y1 - 10, call.y1 + 28};
    auto cells = [&](const std::string& t, float x, std::vector<Cell>& out) {
        for (char c : t) {
            out.push_back({c, x});
            x += c == '*' ? 38 : 32;
        }
    };
    cells(num, xt + (naga - width(num)) / 2, w.num);
    cells(den, xt + (naga - width(den)) / 2, w.den);
    return w;
}

// The whole numbers of a written-out row, where they start and how wide they are.
struct Coefficient {
    int value;
    float x, width;
};
std::vector<Coefficient> coefficient_cells(const std::vector<Cell>& row) {
    std::vector<Coefficient> out;
    bool in_number = false;
    for (auto& c : row) {
        const bool digit = std::isdigit(static_cast<unsigned char>(c.ch));
        if (digit && !in_number) out.push_back({0, c.x, 0});
        if (digit) {
            out.back().value = out.back().value * 10 + (c.ch - '0');
            out.back().width += 32;
        }
        in_number = digit;
    }
    return out;
}

// The letters of one row not struck: a letter is struck when a stroke starts at its cell.
std::map<char, int> unstruck(const std::vector<Cell>& row, float y, const std::vector<Seg>& strokes) {
    std::map<char, int> left;
    for (auto& c : row) {
        if (c.ch < 'a' || c.ch > 'z') continue;
        bool hit = std::any_of(strokes.begin(), strokes.end(), [&](const Seg& s) { return s.x1 == c.x && s.y1 == y; });
        if (!hit) ++left[c.ch];
    }
    return left;
}

std::map<char, int> letters_of(const Poly& p) {
    std::map<char, int> out;
    for (auto& [m, c] : p.terms())
        for (auto& [l, e] : m) out[l[0]] += e;
    return out;
}

struct PracticeRun {
    FixtureOf<Dorrith> f;
    std::vector<Span> block1, block2;
    PracticeRun(int n1, int n2, const test::Draws& seed) : f("dorrith", drill_keys(8, n1) + drill_keys(8, n2)) {
        f.seed(seed);
        EXPECT_TRUE(f.run(dorrith4::run_practice));
        EXPECT_EQ(f.keys_left(), 0u);
        auto passes = f.passes();
        EXPECT_EQ(passes.size(), static_cast<size_t>(n1 + n2));
        // Counted, not inferred from the keys: the number entry would take a spare key unseen.
        for (size_t i = 0; i < passes.size(); ++i)
            EXPECT_EQ(passes[i].prompt_count(kAnyKey), 8) << "problem " << i << " of the run";
        for (size_t i = 0; i < passes.size(); ++i) (static_cast<int>(i) < n1 ? block1 : block2).push_back(passes[i]);
        // The fraction forms are laid out by measuring, not by a draw in the background colour.
        for (auto& op : f.texts()) EXPECT_NE(op.c, 15) << op.s;
    }
};

void check_problem(const Span& pass, int block, int index, int& pair_one_first) {
    const float x0 = block == 1 ? 40 : 640, x1 = x0 + 40;
    auto t = pass.visible_texts();
    // The problem line, its colour by the problem's parity.
    auto problem_it = std::find_if(t.begin(), t.end(), [&](const DrawOp& op) { return op.y1 == 110 && op.x1 == x1 + 32; });
    ASSERT_NE(problem_it, t.end());
    const std::string problem = problem_it->s;
    EXPECT_EQ(problem_it->c, index % 2 == 0 ? 3 : 7) << problem;
    // The fraction form revealed piece by piece: "=", the sign, the denominator, the numerator.
    std::vector<DrawOp> at230;
    for (auto& op : t)
        if (op.y1 != 110 && op.y1 >= 200 && op.y1 < 300 && op.c == 0) at230.push_back(op);
    if (at230.size() == 3) at230.insert(at230.begin() + 1, DrawOp{});  // a positive quotient: no sign drawn
    ASSERT_EQ(at230.size(), 4u) << problem;
    const std::string sign = at230[1].s;
    EXPECT_EQ(at230[0].s, "=");
    const std::string form = "=" + sign + "ﾀ" + at230[3].s + "/" + at230[2].s + "ﾀ";
    auto written = std::find_if(t.begin(), t.end(), [&](const DrawOp& op) { return op.y1 == 340 && op.x1 == x1; });
    ASSERT_NE(written, t.end());
    auto result = pass.answers();
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(std::make_pair(result[0].x1, result[0].y1), std::make_pair(x1, 460.0f));

    // Every line equals the problem.
    const Poly value = expand(problem);
    for (const std::string& line : {form, written->s, result[0].s}) EXPECT_EQ(expand(line), value) << problem << " / " << line;
    EXPECT_TRUE(oracle::form_faults(result[0].s).empty()) << result[0].s;
    EXPECT_NE(result[0].s.find("ﾀ"), std::string::npos) << "always a stacked fraction";

    // Three distinct primes from their sets.
    auto k = coefficients(problem);
    ASSERT_EQ(k.size(), 3u) << problem;
    int first, second, third, product;
    if (block == 1) {  // p, q, r = p·first or first·q
        third = k[0], second = k[1], product = k[2];
        first = product % third == 0 ? product / third : product / second;
    } else {  // r, p, q; r = p·second or q·second
        product = k[0], third = k[1], first = k[2];
        second = product % third == 0 ? product / third : product / first;
    }
    EXPECT_TRUE(first == 2 || first == 3 || first == 5) << problem;
    EXPECT_TRUE(second == 2 || second == 3 || second == 5) << problem;
    EXPECT_TRUE(third == 2 || third == 3 || third == 5 || third == 7) << problem;
    EXPECT_TRUE(first != second && second != third && first != third) << problem;
    EXPECT_TRUE(product == first * second || product == first * third || product == second * third) << problem;

    // Exactly one pair of number strikes: the numerator's coefficient and the denominator's that share a
    // prime, each struck across its digits, with its reduced value over (numerator) or under (denominator) it.
    const WrittenOut at = written_out(*written);
    const auto num_coefs = coefficient_cells(at.num), den_coefs = coefficient_cells(at.den);
    std::vector<std::pair<Coefficient, Coefficient>> sharing;
    for (auto& n : num_coefs)
        for (auto& d : den_coefs)
            if (std::gcd(n.value, d.value) > 1) sharing.emplace_back(n, d);
    ASSERT_EQ(sharing.size(), 1u) << problem;
    const auto& [n, d] = sharing[0];
    const int common = std::gcd(n.value, d.value);
    // Two values, placed from 38 over the numerator's struck coefficient and 32 under the denominator's.
    int values = 0;
    for (auto& op : pass.texts_in(3)) values += op.y1 > 110;
    EXPECT_EQ(values, 2) << problem;
    const auto above = pass.value_placed_from(n.x, at.num_y - 38), below = pass.value_placed_from(d.x, at.den_y + 32);
    ASSERT_TRUE(above && below) << problem;
    EXPECT_EQ(above->s, std::to_string(n.value / common)) << problem;
    EXPECT_EQ(below->s, std::to_string(d.value / common)) << problem;
    std::vector<Seg> number_strokes;  // strokes starting on a digit's cell
    for (auto& s : segs(pass.lines(), 3))
        for (auto* row : {&at.num, &at.den})
            for (auto& c : *row)
                if (std::isdigit(static_cast<unsigned char>(c.ch)) && s.x1 == c.x && s.y2 - s.y1 == 28 &&
                    s.y1 == (row == &at.num ? at.num_y : at.den_y))
                    number_strokes.push_back(s);
    EXPECT_EQ(number_strokes, (std::vector<Seg>{{n.x, at.num_y, n.x + n.width, at.num_y + 28},
                                                {d.x, at.den_y, d.x + d.width, at.den_y + 28}}))
        << problem;
    // Which pair it was: block 1 strikes the numerator's first or second coefficient over the denominator's;
    // block 2 the numerator's over the denominator's first or second.
    pair_one_first += block == 1 ? n.x == num_coefs[0].x : d.x == den_coefs[0].x;

    // The letters left unstruck are the result's.
    const WrittenOut& w = at;
    std::vector<Seg> strokes;  // the cancellation strokes, not the strokes of a "-" in colour 3
    for (auto& s : segs(pass.lines(), 3))
        if (s.y2 - s.y1 == 28) strokes.push_back(s);
    const std::string inside = result[0].s.substr(result[0].s.find("ﾀ") + 3);
    const std::string rnum = inside.substr(0, inside.find('/'));
    const std::string rden = inside.substr(inside.find('/') + 1, inside.find("ﾀ") - inside.find('/') - 1);
    EXPECT_EQ(unstruck(w.num, w.num_y, strokes), letters_of(expand(rnum))) << problem << " -> " << result[0].s;
    EXPECT_EQ(unstruck(w.den, w.den_y, strokes), letters_of(expand(rden))) << problem << " -> " << result[0].s;
}

TEST(DorrithLesson4, PracticeProblemsAgreeWithTheOracle) {
    for (int seed : {3, 1234}) {
        PracticeRun run(150, 150, seed);
        int first_pair[2] = {0, 0};
        for (size_t i = 0; i < run.block1.size(); ++i) check_problem(run.block1[i], 1, static_cast<int>(i), first_pair[0]);
        for (size_t i = 0; i < run.block2.size(); ++i) check_problem(run.block2[i], 2, static_cast<int>(i), first_pair[1]);
        // Both coefficient pairs are the struck one in some problems.
        for (int b : {0, 1}) {
            EXPECT_GT(first_pair[b], 0) << "seed " << seed;
            EXPECT_LT(first_pair[b], 150) << "seed " << seed;
        }
    }
    for (const test::Draws& d : {test::kLowestRnd, test::kHighestRnd}) {
        SCOPED_TRACE(::testing::PrintToString(d));
        PracticeRun run(2, 2, d);
        int first_pair[2] = {0, 0};
        for (size_t i = 0; i < run.block1.size(); ++i) check_problem(run.block1[i], 1, static_cast<int>(i), first_pair[0]);
        for (size_t i = 0; i < run.block2.size(); ++i) check_problem(run.block2[i], 2, static_cast<int>(i), first_pair[1]);
    }
}

TEST(DorrithLesson4, BlockTwoKeepsRightOf640AndTheClosingLine) {
    PracticeRun run(2, 3, 99);
    for (auto& pass : run.block2)
        for (auto& op : pass.ops()) {
            if (!op.drawn() || op.op == Op::Cls) continue;
            const float top = op.op == Op::Polyline ? op.pts.front().second : op.y1;
            if (top >= kPromptBandTop || top >= 900) continue;  // the prompt band, the measuring area
            const float left = op.op == Op::Polyline ? op.pts.front().first : std::min(op.x1, op.op == Op::Line ? op.x2 : op.x1);
            EXPECT_GE(left, 640) << "op " << static_cast<int>(op.op) << " at " << op.x1 << "," << op.y1 << " " << op.s;
        }
    // Block 1's last problem is still there: nothing after it erased left of 640.
    auto last = run.f.all().texts().back();
    EXPECT_EQ(last.s, "教科書P19 問5,問6　をしなさい。");
    EXPECT_EQ(std::make_pair(last.x1, last.y1), std::make_pair(352.0f, 570.0f));
    EXPECT_EQ(last.c, 7);
    // The problem colours start again at 3 in block 2.
    std::vector<int> colours;
    for (auto& pass : run.block2)
        for (auto& op : pass.visible_texts())
            if (op.y1 == 110 && op.x1 == 712) colours.push_back(op.c);
    EXPECT_EQ(colours, (std::vector<int>{3, 7, 3}));
}

TEST(DorrithLesson4, ProblemNumbersAsTheirDrawsGiveThem) {
    LessonFixture f("dorrith");
    auto& g = dynamic_cast<Dorrith&>(f.g);
    std::map<float, int> thirds;
    for (int s = 0; s < 400; ++s) {
        f.seed(s);
        dorrith4::make_block1_problem(g);
        ++thirds[g.T_a(5)];
        EXPECT_TRUE(g.F_sa(13).empty() && g.F_sa(14).empty()) << "block 1's letters end in the numerator";
        EXPECT_FALSE(g.F_a(11) == 0 && g.F_a(12) == 0);
        dorrith4::make_block2_problem(g);
        for (int k : {23, 24, 33, 34}) EXPECT_LE(g.F_a(k), 1);
    }
    // The third prime is 7 about half the time.
    EXPECT_GT(thirds[7], 150);
    EXPECT_LT(thirds[7], 250);
}

// ---- the answer pages -----------------------------------------------------------------------

TEST(DorrithLesson4, AnswerPagesTwelveWaitsAndTheirStrokes) {
    LessonFixture short_of_one("dorrith", keys(11));
    EXPECT_FALSE(short_of_one.run(dorrith4::SHOW_ANSWERS_Q5_Q6));
    LessonFixture f("dorrith", keys(12));
    ASSERT_TRUE(f.run(dorrith4::SHOW_ANSWERS_Q5_Q6));
    EXPECT_EQ(f.waits(), 12);
    auto t = f.texts();
    EXPECT_EQ(t.back().s, "=9ab^2");
    EXPECT_EQ(std::make_pair(t.back().x1, t.back().y1), std::make_pair(252.0f, 470.0f));
    EXPECT_EQ(t.back().c, 5);
    EXPECT_EQ(f.erases(0, 0, 1760, 1800), 2);
    auto pages = f.pages();
    ASSERT_EQ(pages.size(), 13u);
    // Items (1) and (2): strokes over the first factors, 32 across and 28 down, then the four "1"s.
    EXPECT_EQ(segs(pages[2].lines(), 3), (std::vector<Seg>{{140, 279, 172, 307},
                                                            {280, 279, 312, 307},
                                                            {175, 319, 207, 347},
                                                            {245, 319, 277, 347}}));
    EXPECT_EQ(segs(pages[5].lines(), 3), (std::vector<Seg>{{464, 279, 496, 307},
                                                            {534, 279, 566, 307},
                                                            {534, 319, 566, 347},
                                                            {604, 319, 636, 347}}));
    std::vector<std::pair<float, float>> ones;
    for (auto& op : pages[2].texts_in(3))
        if (op.s == "1") ones.emplace_back(op.x1, op.y1);
    EXPECT_EQ(ones, (std::vector<std::pair<float, float>>{{140, 241}, {280, 241}, {175, 351}, {245, 351}}));
    // Every working line and answer equals its problem.
    const std::vector<std::vector<std::string>> items = {
        {" a^2*b/ab", "=ﾀa^2*b/abﾀ", "=ﾀa*a*b/a*bﾀ", "=a"},
        {" b/ab*ab^2", "=ﾀb*ab^2/abﾀ", "=ﾀb*a*b*b/a*bﾀ", "=b^2"},
        {" a^2b/ab^2*3", "=ﾀa^2b*3/ab^2ﾀ", "=ﾀa*a*b*3/a*b*bﾀ", "=ﾀ3a/bﾀ"},
        {" 8x^3/(-4x)/x", "=-ﾀ8x^3/4x*xﾀ", "=-ﾀ8*x*x*x/4*x*xﾀ", "=-2x"},
        {" 6a^3b/2a^2*3b", "=ﾀ6a^3b*3b/2a^2ﾀ", "=ﾀ6*a*a*a*b*3*b/2*a*aﾀ", "=9ab^2"},
    };
    for (auto& item : items) {
        for (auto& line : item) EXPECT_EQ(f.count(line == "=ﾀa*a*b/a*bﾀ" || line == "=ﾀb*a*b*b/a*bﾀ" ? line.substr(1) : line), 1) << line;
        for (size_t i = 1; i < item.size(); ++i) EXPECT_EQ(expand(item[i]), expand(item[0])) << item[i];
        EXPECT_TRUE(oracle::form_faults(item.back()).empty()) << item.back();
    }
}

}  // namespace
}  // namespace cw::test

namespace cw::test {
namespace {

// Random keys inside the lesson: every step is reached and none ends on the error screen.
TEST(DorrithLesson4, RandomKeysReachEveryStepWithoutAnError) {
    static const std::string pool = "1234512345\r\r\r\r\r0./-\bxa +\x0c";
    std::mt19937 rng(4);
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
    std::map<std::string, int> reached;
    for (int run = 0; run < 20; ++run) {
        std::string k = enter("4");
        for (int i = 0; i < 1500; ++i) k += pool[pick(rng)];
        LessonFixture f("dorrith", k, run % 2 ? "12:34:56" : "07:08:09");
        const Ending end = f.run_program();
        ASSERT_NE(end, Ending::ErrorScreen) << "run " << run << ": error " << f.error()->code << " at "
                                            << f.error()->site;
        for (const char* step : {"課題１　次の計算をしなさい。", "問1　符号をいいなさい。", "問　次の計算をしなさい。",
                                 "問5 解答", "問6 解答"})
            reached[step] += f.count(step) > 0;
    }
    for (auto& [step, runs] : reached) EXPECT_GT(runs, 0) << step;
}

}  // namespace
}  // namespace cw::test
