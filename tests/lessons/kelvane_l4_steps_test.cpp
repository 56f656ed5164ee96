// Lesson 4: the entry and sub-menu protocol, the flower-bed review, the
// steps' screens and key counts, the answer pages, the previous-multiplier
// rule across panels and visits, and the mended faults (review 2's entry
// once, labels of distribution arcs, the capped redraw).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "lessons/kelvane/drill_panel.h"
#include "lessons/kelvane/lesson4.h"
#include "lessons/kelvane_l4_support.h"
#include "lessons/strokes.h"
#include "platform/basic.h"
#include "support/oracle.h"

namespace cw {
namespace {

using namespace l4test;

const std::string kMenu4 = "①復習課題　②復分配　③復逆数　④乗法　⑤問8　⑥除法　⑦問9　⑧終了";
const std::string kMainTitle = "　メニュー＞";  // the heading's part after the program's name

int count_expr(const std::vector<DrawOp>& ops, const std::string& s) {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(),
                                          [&](const DrawOp& op) { return op.op == Op::Expr && op.s == s; }));
}
int count_prompt(const std::vector<DrawOp>& ops, const std::string& s) {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(),
                                          [&](const DrawOp& op) { return op.op == Op::Prompt && op.s == s; }));
}
const DrawOp* find_expr(const std::vector<DrawOp>& ops, const std::string& s) {
    for (auto& op : ops)
        if (op.op == Op::Expr && op.s == s) return &op;
    return nullptr;
}
const DrawOp* last_expr(const std::vector<DrawOp>& ops) {
    const DrawOp* last = nullptr;
    for (auto& op : ops)
        if (op.op == Op::Expr) last = &op;
    return last;
}
void expect_at(const std::vector<DrawOp>& ops, const std::string& s, float x, float y, int c) {
    const DrawOp* op = find_expr(ops, s);
    ASSERT_NE(op, nullptr) << s;
    EXPECT_EQ(op->x1, x) << s;
    EXPECT_EQ(op->y1, y) << s;
    EXPECT_EQ(op->c, c) << s;
}
// The last text drawn is s at (x, y), in colour c when given.
void expect_last(const std::vector<DrawOp>& ops, const std::string& s, float x, float y, int c = -1) {
    const DrawOp* op = last_expr(ops);
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->s, s);
    EXPECT_EQ(op->x1, x);
    EXPECT_EQ(op->y1, y);
    if (c >= 0) {
        EXPECT_EQ(op->c, c);
    }
}
// The whole program from its main menu until the keys run out.
void run_whole(LessonRun& r) { EXPECT_EQ(r.run_program(), test::Ending::KeysOut); }

// ---------------------------------------------------------------------------
// Entry and sub-menu

TEST(Lesson4Menu, GoalOnceThenOutOfRangeEntriesAskAgainAndEightLeaves) {
    LessonRun r(enter("4") + enter("0") + enter("9") + enter("-3") + enter("8.5") + enter("") + enter("8"));
    run_whole(r);
    const auto& ops = r.record();
    EXPECT_EQ(count_expr(ops, "<めあて>"), 1);
    expect_at(ops, "多項式と数の乗法や除法ができるようになろう。", 44, 305, 0);
    EXPECT_EQ(count_prompt(ops, kMenu4), 6) << "five entries asked again, then 8";
    EXPECT_EQ(r.g.SENTAKU, 8);
    // After 8 the main menu is drawn again (once at start-up, once after the lesson).
    int titles = 0;
    for (auto& op : ops)
        if ((op.op == Op::Expr || op.op == Op::Prompt) && op.s == kMainTitle) ++titles;
    EXPECT_EQ(titles, 2);
}

TEST(Lesson4Menu, FractionalEntriesOpenAStepAndTheStepComesBackWithoutTheGoal) {
    struct Case {
        std::string entry;
        std::string step_keys;
        std::string last_text;
    } cases[] = {
        {"3/2", keys(9), "分配法則を使う！"},  // 1.5 opens item 1
        {"7.9", keys(2), "=-3x^2+x-6"},         // 7.9 opens item 7
        {"5", keys(6), "=2x+3y-5"},
    };
    for (auto& c : cases) {
        LessonRun r(enter("4") + enter(c.entry) + c.step_keys);
        run_whole(r);
        const auto& ops = r.record();
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(count_expr(ops, "<めあて>"), 1);
        ASSERT_NE(last_expr(ops), nullptr);
        EXPECT_EQ(last_expr(ops)->s, c.last_text);
        EXPECT_EQ(count_prompt(ops, kMenu4), 2) << "the sub-menu asks again after the step";
    }
}

TEST(Lesson4Menu, EveryItemInTurnComesBackAndEightLeavesTheProgramAtItsEnd) {
    std::string k = enter("4");
    k += enter("1") + keys(9);
    k += enter("2") + drill_keys(4, 1) + keys(1) + drill_keys(4, 1) + keys(1) + drill_keys(8, 1);
    k += enter("3") + drill_keys(8, 1) + keys(1);
    k += enter("4");
    for (int run = 0; run < 4; ++run) k += drill_keys(6, 1) + keys(1);
    for (int run = 0; run < 2; ++run) k += drill_keys(8, 1) + keys(1);
    k += keys(1);
    k += enter("5") + keys(6);
    k += enter("6") + drill_keys(8, 1) + keys(1) + drill_keys(8, 1) + keys(1) + drill_keys(6, 1) + keys(2) +
         drill_keys(6, 1) + keys(1);
    k += enter("7") + keys(2);
    k += enter("8") + enter("8");
    LessonRun r(k);
    EXPECT_EQ(r.run_program(), test::Ending::Returned);
    EXPECT_EQ(r.keys_left(), 0u);
    EXPECT_EQ(count_prompt(r.record(), kMenu4), 8);
    EXPECT_EQ(count_expr(r.record(), "<めあて>"), 1);
}

TEST(Lesson4Menu, RandomKeysInTheLessonNeverReachTheErrorScreen) {
    // Digits, Enter, Backspace, "/" (a typed zero divisor is asked again) and other keys.
    static const std::string pool = "1234567812345678\r\r\r\r0./-\bkx ";
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 rng(seed);
        std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
        std::string k = enter("4");
        for (int i = 0; i < 4000; ++i) k += pool[pick(rng)];
        LessonRun r(k, static_cast<int>(seed));
        EXPECT_NE(r.run_program(), test::Ending::ErrorScreen) << "seed " << seed;
    }
}

// ---------------------------------------------------------------------------
// Step ①

TEST(Lesson4FlowerBed, NineKeysTextsCellsAndArcs) {
    LessonRun r(keys(9));
    ASSERT_TRUE(r.run(kelvane4::SHOW_FLOWER_BED_REVIEW));
    const auto& ops = r.record();
    EXPECT_EQ(count_prompt(ops, kAnyKey), 9);
    struct Text {
        const char* s;
        int c;
        float x, y;
    } texts[] = {
        {"縦3m,横2amの長方形の花壇があります。", 0, 80, 30},
        {"横を1mだけのばしたときの花壇の面積を求めなさい。", 0, 80, 90},
        {"<式>", 5, 520, 150},
        {"3(2", 0, 564, 210},
        {"a+", 0, 645, 210},
        {"1)", 0, 699, 210},
        {"=6a+3 (m^2)", 5, 520, 350},
        {"=3*2a+3*1", 0, 520, 280},
        {"分配法則を使う！", 3, 520, 430},
    };
    for (auto& t : texts) expect_at(ops, t.s, t.x, t.y, t.c);
    // Cells: the bed twice (empty, then "a"), the strip twice (empty, then "1").
    int bed = 0, strip = 0;
    for (auto& op : ops) {
        if (op.op != Op::Fill) continue;
        bed += op.f == 13 && op.x2 - op.x1 == 88 && op.y2 - op.y1 == 70;
        strip += op.f == 11 && op.x1 == 356 && op.x2 == 426;
    }
    EXPECT_EQ(bed, 12);
    EXPECT_EQ(strip, 6);
    // Five arcs: three labelled dimension arcs, two distribution arcs above the expression.
    auto dotted = arcs(ops);
    ASSERT_EQ(dotted.size(), 5u);
    for (const char* label : {"3m", "2am", "1m"}) EXPECT_EQ(count_expr(ops, label), 1) << label;
    // "3(2", "a+", "1)": the multiplier's arcs to the letter term and to the 1.
    const auto pieces = line_pieces(ops, 0, 210);
    ASSERT_EQ(pieces.size(), 3u);
    for (size_t k : {3u, 4u}) {
        EXPECT_EQ(dotted[k].size(), 181u);
        EXPECT_TRUE(above_chord(dotted[k]));
        EXPECT_EQ(dotted[k].back().x1, 574);
        EXPECT_TRUE(joins(dotted[k], pieces[0], pieces[k - 2], 210));
    }
    EXPECT_EQ(r.pf.GETDRAWWIDTH(), 5);
}

// ---------------------------------------------------------------------------
// Step ②: the mended entry of review 2 and the closing note

TEST(Lesson4Reviews, ReviewTwoIsEnteredOnceAndTheStepEndsWithItsNote) {
    LessonRun r(drill_keys(4, 2) + keys(1) + drill_keys(4, 3) + keys(1) + drill_keys(8, 2));
    ASSERT_TRUE(r.run(kelvane4::STEP_REVIEW_DISTRIBUTION));
    const auto& ops = r.record();
    EXPECT_EQ(count_expr(ops, "復2 次の計算をしなさい。"), 1);
    expect_at(ops, "復2 次の計算をしなさい。", 40, 280, 0);
    expect_at(ops, "復3 次の計算をしなさい。", 600, 30, 0);
    // Waits: 4 per review-1 and review-2 problem, 8 per review-3 problem, one before each later review.
    EXPECT_EQ(count_prompt(ops, kAnyKey), 2 * 4 + 1 + 3 * 4 + 1 + 2 * 8);
    expect_last(ops, "分配法則で（　）をはずし、約分する。", 600, 400, 5);
}

// The platform's random numbers from a seed, read as the drills describe their draws.
struct Replay {
    HeadlessBackend b{"", "00:00:00"};
    Platform p{b};
    explicit Replay(int seed) { p.RANDOMIZE(seed); }
    float operator()(float n, float base) { return INT(p.RND() * n) + base; }  // INT(RND·n) + base
    bool coin(float when) { return INT(p.RND() * 2) == when; }                  // INT(RND·2) = when
    // One of the list's first three entries, taken out of it.
    float take(std::vector<float>& list) {
        const auto k = static_cast<size_t>((*this)(3, 1)) - 1;
        const float v = list[k];
        list.erase(list.begin() + static_cast<long>(k));
        return v;
    }
    // The size from 1 to 5, negated when the coin shows 0.
    float signed_size() {
        float v = (*this)(5, 1);
        return coin(0) ? -v : v;
    }
};

const char* const kLetters[] = {"x", "y", "a", "b"};  // X$(2..5)
float letter_index(const Kelvane& g) {
    for (int i = 0; i < 4; ++i)
        if (g.X_sa(1) == kLetters[i]) return static_cast<float>(i + 2);
    return 0;
}

// Review 2's numbers from the seed: a, c and its sign, b and its sign, the letter.
struct Review2 {
    float a, c, b, letter;
};
Review2 review2_draws(Replay& d) {
    Review2 r;
    r.a = d(9, 1);
    r.c = d(8, 2);
    if (d.coin(1)) r.c = -r.c;
    r.b = d(8, 2);
    if (d.coin(1)) r.b = -r.b;
    r.letter = d(4, 2);
    return r;
}

// Each of the eight problem generators against its draws replayed from the same seed, in the order the
// drill's description gives them: a slip in a range, a sign's coin or the order makes the numbers differ.
struct GeneratorCase {
    const char* name;
    void (*make)(Kelvane&);
    std::vector<float> (*replay)(Replay&, float fmaesu);  // the numbers the drill should hold
    std::vector<float> (*held)(const Kelvane&);          // the numbers it holds
};

// (n/d)(ax+b): d from 2, 3, 5 taken out of 2, 3, 5, 1; n from what is left, with its sign; p, q from ±1..±5.
std::vector<float> fraction_times_binomial(Replay& d, float) {
    std::vector<float> list{2, 3, 5, 1};
    const float den = d.take(list);
    float num = list[static_cast<size_t>(d(3, 1)) - 1];
    if (d.coin(0)) num = -num;
    const float p = d.signed_size(), q = d.signed_size();
    return {den, num, p * den, q * den};
}
// (ax+b)÷c: |c| from 2, 3, 5, its sign; a, b multiples of |c| by ±1..±5.
std::vector<float> divided_by_number(Replay& d, float) {
    std::vector<float> list{2, 3, 5, 1};
    const float size = d.take(list);
    const float c = d.coin(0) ? -size : size;
    const float p = d.signed_size(), q = d.signed_size();
    return {size, c, p * size, q * size};
}
std::vector<float> fraction_tables(const Kelvane& g) { return {g.F_a(1), g.T_a(1), g.T_a(2), g.T_a(3)}; }
// c(ax+by+d) and (ax+by+d)×c: c from ±2..±6 drawn again while it equals the last one; then a, b, d.
std::vector<float> example6(Replay& d, float fmaesu) {
    float c;
    do {
        c = d(5, 2);
        if (d.coin(0)) c = -c;
    } while (c == fmaesu);
    float a = d(7, 1), b, e;
    if (d.coin(0)) a = -a;
    b = d(5, 2);
    if (d.coin(0)) b = -b;
    e = d(8, 1);
    if (d.coin(0)) e = -e;
    return {c, a, b, e, c};
}

const GeneratorCase kGenerators[] = {
    {"review1", [](Kelvane& g) { kelvane4::make_review1_problem(g); },
     [](Replay& d, float) -> std::vector<float> {
         float a = d(9, 1);
         if (d.coin(1)) a = -a;
         float c = d(6, 1);
         if (d.coin(1))
             c = -c;
         else if (c == 1)
             c = -1;
         float b = d(8, 2);
         if (d.coin(1)) b = -b;
         return {a, c, b, d(4, 2)};
     },
     [](const Kelvane& g) -> std::vector<float> { return {g.T_a(2), g.T_a(1), g.T_a(3), letter_index(g)}; }},
    {"review2", [](Kelvane& g) { kelvane4::make_review2_problem(g); },
     [](Replay& d, float) -> std::vector<float> {
         const Review2 r = review2_draws(d);
         return {r.a, r.c, r.b, r.letter};
     },
     [](const Kelvane& g) -> std::vector<float> { return {g.T_a(2), g.T_a(1), g.T_a(3), letter_index(g)}; }},
    {"review3", [](Kelvane& g) { kelvane4::make_review3_problem(g); }, fraction_times_binomial, fraction_tables},
    {"review4", [](Kelvane& g) { kelvane4::make_review4_problem(g); },
     [](Replay& d, float) -> std::vector<float> {
         std::vector<float> list{2, 3, 5};
         const float size = list[static_cast<size_t>(d(3, 1)) - 1];
         const float c = d.coin(0) ? -size : size;
         const float p = d.signed_size(), q = d.signed_size();
         return {size, c, p * size, q * size};
     },
     fraction_tables},
    {"example6", [](Kelvane& g) { kelvane4::make_example6_problem(g, false); }, example6,
     [](const Kelvane& g) -> std::vector<float> { return {g.T_a(1), g.T_a(2), g.T_a(3), g.T_a(4), g.FMAESU}; }},
    {"example6-fraction", [](Kelvane& g) { kelvane4::make_example6_fraction_problem(g); }, fraction_times_binomial,
     fraction_tables},
    {"example7-number", [](Kelvane& g) { kelvane4::make_example7_number_problem(g); }, divided_by_number,
     fraction_tables},
    {"example7-fraction", [](Kelvane& g) { kelvane4::make_example7_fraction_problem(g); },
     [](Replay& d, float) -> std::vector<float> {
         std::vector<float> list{2, 3, 5, 7};
         float divisor = d.take(list);
         const float over = list[static_cast<size_t>(d(3, 1)) - 1];
         const float size = divisor;
         if (d.coin(0)) divisor = -divisor;
         const float p = d.signed_size(), q = d.signed_size();
         return {divisor, over, p * size, q * size};
     },
     fraction_tables},
};

TEST(Lesson4Generators, EachDrawsItsNumbersInItsOrder) {
    for (auto& c : kGenerators) {
        SCOPED_TRACE(c.name);
        std::map<float, int> firsts;
        for (int seed = 1; seed <= 300; ++seed) {
            // Half the time the last multiplier is the one the seed draws first, so the redraw is taken.
            Replay peek(seed);
            const float last = seed % 2 ? c.replay(peek, 0)[0] : 0;
            LessonRun r("", seed);
            r.prog().FMAESU = last;
            c.make(r.prog());
            Replay d(seed);
            EXPECT_EQ(c.held(r.prog()), c.replay(d, last)) << "seed " << seed;
            ++firsts[c.held(r.prog())[0]];
        }
        EXPECT_GE(firsts.size(), 3u) << "the first number varies";
    }
}

// Through the menus: review 1's last problem, one wait, review 2's heading once, and review 2's first
// problem made from the draws that follow the wait (a, c, b, the letter), with no draw made twice.
TEST(Lesson4Reviews, ReviewTwoIsEnteredOnceFromTheMenu) {
    for (int seed : {3, 11, 40}) {
        const std::string to_entry = enter("4") + enter("2") + drill_keys(4, 1);
        LessonRun r(to_entry + keys(1) + drill_keys(4, 2) + keys(1) + drill_keys(8, 1) + enter("8"));
        std::string waiting_at;
        r.backend.on_wait = [&] {
            if (r.keys_used() != to_entry.size()) return;
            for (auto& op : r.record())
                if (op.op == Op::Prompt) waiting_at = op.s;
            r.pf.RANDOMIZE(seed);
        };
        EXPECT_EQ(r.run_program(), test::Ending::KeysOut);
        EXPECT_EQ(r.keys_left(), 0u);
        const auto& ops = r.record();
        EXPECT_EQ(waiting_at, kAnyKey) << "the key after review 1 ends a wait";
        EXPECT_EQ(count_expr(ops, "復2 次の計算をしなさい。"), 1);
        EXPECT_EQ(count_expr(ops, "復3 次の計算をしなさい。"), 1);
        EXPECT_EQ(count_prompt(ops, kMenu4), 2) << "the sub-menu before the step and after it";
        // One wait between review 1's next-step question and review 2's heading.
        int waits_between = -1;
        for (auto& op : ops) {
            if (op.op == Op::Prompt && op.s == kNextStep && waits_between < 0) waits_between = 0;
            if (op.op == Op::Prompt && op.s == kAnyKey && waits_between >= 0) ++waits_between;
            if (op.op == Op::Expr && op.s == "復2 次の計算をしなさい。") break;
        }
        EXPECT_EQ(waits_between, 1);
        // Review 2's first problem, (ax+b)×c on the line 100 below its heading.
        std::vector<DrawOp> first;
        for (auto& op : ops) {
            if (op.op == Op::Prompt && op.s == kNextStep && !first.empty()) break;
            if (op.op == Op::Expr && op.y1 == 380 && op.c == 0) first.push_back(op);
        }
        std::string problem;
        for (auto& op : first) problem += op.s;
        Replay d(seed);
        const Review2 want = review2_draws(d);
        const oracle::Poly letter = oracle::Poly::letter(kLetters[static_cast<int>(want.letter) - 2]);
        const auto n = [](float v) { return oracle::Poly(static_cast<int64_t>(v)); };
        EXPECT_EQ(oracle::expand(problem), (n(want.a) * letter + n(want.b)) * n(want.c)) << problem << " seed " << seed;
    }
}

TEST(Lesson4Reviews, NoStaleLabelOverADistributionArc) {
    LessonRun r(drill_keys(4, 1));
    auto& g = r.prog();
    g.AAA_s = "ZZ";
    g.AAAX = 7;
    g.AAAY = 7;
    g.MU_DO = 1;
    r.run(kelvane4::STEP_REVIEW_DISTRIBUTION);
    EXPECT_EQ(count_expr(r.record(), "ZZ"), 0);
    for (auto& op : r.record()) EXPECT_FALSE(op.op == Op::Text && op.s == "Z");
}

// ---------------------------------------------------------------------------
// Step ③

TEST(Lesson4Reciprocal, NoteSummaryAndItsArcs) {
    LessonRun r(drill_keys(8, 2) + keys(1));
    ASSERT_TRUE(r.run(kelvane4::STEP_REVIEW_RECIPROCAL));
    const auto& ops = r.record();
    expect_at(ops, "除法は逆数をかける。", 40, 430, 5);
    expect_at(ops, "<文字式と数の乗法・除法>", 88, 18, 3);
    expect_at(ops, "① ( )があるときは、分配法則を利用してかっこをはずす", 44, 83, 0);
    expect_at(ops, "m(a+b)=ma+mb", 132, 178, 0);
    expect_at(ops, "② 除法は逆数をかけ、約分する", 44, 243, 0);
    // The problem area's erase reaches left of the window: recorded as given, no error.
    int wide = 0;
    for (auto& op : ops)
        if (op.op == Op::Fill && op.x1 == -13 && op.y1 == 80 && op.x2 == 1307 && op.y2 == 1580) ++wide;
    EXPECT_EQ(wide, 2);
    // The summary's two arcs: from (150, 178) to 210 and 258, above the formula.
    auto dotted = arcs(ops);
    ASSERT_GE(dotted.size(), 2u);
    for (size_t k = dotted.size() - 2, n = 0; k < dotted.size(); ++k, ++n) {
        EXPECT_TRUE(above_chord(dotted[k]));
        auto [lo, hi] = std::minmax(dotted[k].front().x1, dotted[k].back().x1);
        EXPECT_NEAR(lo, 150, 0.01);
        EXPECT_NEAR(hi, n == 0 ? 210 : 258, 0.01);
    }
    EXPECT_EQ(r.g.AINP, 1);
}

// ---------------------------------------------------------------------------
// Step ④

// Keys for one visit of the multiplication step: `n` problems in each run.
std::string multiplication_keys(int n) {
    std::string k;
    for (int run = 0; run < 4; ++run) k += drill_keys(6, n) + keys(1);
    for (int run = 0; run < 2; ++run) k += drill_keys(8, n) + keys(1);
    return k + keys(1);
}

// The signed multiplier of an example-6 problem line: before "(" for ①,
// after ")*" for ②.
float multiplier(const std::string& line) {
    std::string m;
    auto star = line.find(")*");
    if (star != std::string::npos)
        m = line.substr(star + 2);
    else
        m = line.substr(0, line.find('('));
    m.erase(std::remove_if(m.begin(), m.end(), [](char ch) { return ch == '(' || ch == ')'; }), m.end());
    return std::stof(m);
}

TEST(Lesson4Multiplication, MultiplierNeverRepeatsAcrossPanelsAndVisits) {
    for (int seed : {5, 77}) {
        LessonRun r(multiplication_keys(12) + multiplication_keys(12), seed);
        r.prog().FMAESU = 4;  // left over by an earlier visit
        ASSERT_TRUE(r.run([](Kelvane& g) {
            kelvane4::STEP_MULTIPLICATION(g);
            kelvane4::STEP_MULTIPLICATION(g);
        }));
        std::vector<float> seen{4};
        for (auto& pass : passes(r.record())) {
            for (float y : {190.0f, 400.0f}) {
                std::string line = line_text(pass, 0, y);
                if (!line.empty() && line.find("ﾀ") == std::string::npos) seen.push_back(multiplier(line));
            }
        }
        ASSERT_EQ(seen.size(), 1u + 2 * 4 * 12);
        for (size_t k = 1; k < seen.size(); ++k) {
            EXPECT_NE(seen[k], seen[k - 1]) << "problem " << k;
            EXPECT_GE(std::abs(seen[k]), 2);
            EXPECT_LE(std::abs(seen[k]), 6);
        }
        EXPECT_EQ(r.prog().FMAESU, seen.back());
    }
}

TEST(Lesson4Multiplication, ScreenRowsSummaryAndAssignment) {
    LessonRun r(multiplication_keys(2));
    ASSERT_TRUE(r.run(kelvane4::STEP_MULTIPLICATION));
    auto& g = r.prog();
    const auto& ops = r.record();
    EXPECT_EQ(g.NAKA1, 130);
    EXPECT_EQ(g.NAKA2, 340);
    EXPECT_EQ(g.NAKA3, 360);
    EXPECT_EQ(count_prompt(ops, kAnyKey), 7 + 4 * 2 * 6 + 2 * 2 * 8);
    expect_at(ops, "例6　分配法則を使って、", 80, 30, 0);
    expect_at(ops, "次の計算をしなさい。", 144, 80, 0);
    expect_at(ops, "<多項式と数の乗法>", 600, 360, 3);
    expect_at(ops, "分配法則を使って計算する", 600, 410, 0);
    expect_at(ops, "(a+b)*c=ac+bc", 600, 460, 7);
    expect_at(ops, "c(a+b)=ac+bc", 600, 510, 7);
    expect_at(ops, "※cが分数の場合でも同じ", 600, 560, 5);
    expect_last(ops, "教科書P15 問8　をしなさい。", 44, 600, 7);
    // Labels of the six runs, in order.
    std::vector<std::pair<float, float>> labels;
    for (auto& op : ops)
        if (op.op == Op::Expr && (op.s == "①" || op.s == "②" || op.s == "③")) labels.push_back({op.x1, op.y1});
    std::vector<std::pair<float, float>> want{{40, 190},  {40, 190},  {600, 190}, {600, 190}, {40, 400},  {40, 400},
                                              {600, 400}, {600, 400}, {600, 90},  {600, 90},  {600, 420}, {600, 420}};
    EXPECT_EQ(labels, want);
    EXPECT_EQ(g.pf.GETDRAWWIDTH(), 5);
}

// ---------------------------------------------------------------------------
// Step ⑥

TEST(Lesson4Division, RuleSummaryAndAssignmentWhateverTheProblemCount) {
    for (int n : {1, 3}) {
        LessonRun r(drill_keys(8, n) + keys(1) + drill_keys(8, n) + keys(1) + drill_keys(6, n) + keys(2) +
                    drill_keys(6, n) + keys(1));
        ASSERT_TRUE(r.run(kelvane4::SHOW_DIVISION_STEP));
        const auto& ops = r.record();
        EXPECT_EQ(count_prompt(ops, kAnyKey), 5 + n * (8 + 8 + 6 + 6));
        expect_at(ops, "例7 次の計算をしなさい。", 40, 30, 0);
        expect_at(ops, "※　わる数の逆数をかける", 40, 500, 3);
        expect_at(ops, "<多項式と数の除法>", 640, 360, 3);
        expect_at(ops, "逆数にして、分配法則を使う", 640, 410, 5);
        expect_at(ops, "①(a+b)/c=(a+b)*ﾀ1/cﾀ", 640, 480, 0);
        expect_at(ops, "②(a+b)/ﾀd/cﾀ=(a+b)*ﾀc/dﾀ", 640, 550, 0);
        expect_last(ops, "教科書P15 問9　をしなさい。", 44, 570);
        // The fraction drills' erases, by the step and by each problem.
        int right = 0, left = 0;
        for (auto& op : ops) {
            if (op.op != Op::Fill || op.f != 15) continue;
            right += op.x1 == 640 && op.y1 == 0 && op.x2 == 3200 && op.y2 == 1800;
            left += op.x1 == 40 && op.y1 == 80 && op.x2 == 640 && op.y2 == 1800;
        }
        EXPECT_EQ(right, 1 + n);
        EXPECT_EQ(left, 1 + n);
    }
}

TEST(Lesson4Division, TheSecondDenominatorOneIsThePlainDrawers) {
    LessonRun r(drill_keys(6, 1));
    auto& g = r.prog();
    g.XKARA = 640, g.YKARA = 0, g.XMADE = 3200, g.YMADE = 1800, g.XHAJIME = 640, g.YHAJIME = 30;
    ASSERT_TRUE(r.run(kelvane4::DRILL_POLY_DIVIDED_BY_FRACTION));
    // The "1"s placed from under the denominators' strokes (their feet at y 30 + 160 + 28 + 28).
    std::vector<DrawOp> ones;
    for (auto& op : r.record())
        if (op.op == Op::Text && op.c == 3 && op.s == "1" &&
            std::abs(op.y1 - (30 + 160 + 28 + 28)) <= lesson::kValueReachUpDown)
            ones.push_back(op);
    ASSERT_EQ(ones.size(), 2u);
    EXPECT_EQ(ones[0].p, 3);
    EXPECT_EQ(ones[0].q, 3);
    EXPECT_EQ(ones[1].p, 3);
    EXPECT_EQ(ones[1].q, 2);
    EXPECT_EQ(ones[1].font.size, 15);
}

// ---------------------------------------------------------------------------
// Answer pages

TEST(Lesson4Answers, KeyCountsStagesAndLastLines) {
    struct Case {
        void (*page)(Program&);
        int waits;
        std::string heading;
        float hx;
        std::string last;
        float lx, ly;
        size_t texts;
    } cases[] = {
        {kelvane4::SHOW_ANSWERS_QUESTION_8, 6, "問8 解答", 108, "=2x+3y-5", 648, 430, 21},
        {kelvane4::SHOW_ANSWERS_QUESTION_9, 2, "問9 解答", 36, "=-3x^2+x-6", 504, 310, 10},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.heading);
        {
            LessonRun r(keys(c.waits - 1));
            EXPECT_FALSE(r.run(c.page)) << "one key short, the page still waits";
            EXPECT_EQ(find_expr(r.record(), c.last), nullptr);
        }
        LessonRun r(keys(c.waits));
        ASSERT_TRUE(r.run(c.page));
        const auto& ops = r.record();
        EXPECT_EQ(count_prompt(ops, kAnyKey), c.waits);
        expect_at(ops, c.heading, c.hx, 30, 3);
        size_t texts = 0;
        for (auto& op : ops) texts += op.op == Op::Expr;
        EXPECT_EQ(texts, c.texts);
        expect_last(ops, c.last, c.lx, c.ly, 5);
        // Every worked line equals its exercise, and the answers keep the writing rules.
        oracle::Poly exercise;
        for (auto& op : ops) {
            if (op.op != Op::Expr) continue;
            if (op.s.substr(0, 1) == " ") exercise = oracle::expand(op.s);
            if (op.s.substr(0, 1) == "=") {
                EXPECT_EQ(oracle::expand(op.s), exercise) << op.s;
            }
            if (op.c == 5) {
                EXPECT_TRUE(oracle::form_faults(op.s).empty()) << op.s;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// The drills' panel

TEST(KelvaneDrillPanel, ANewProblemErasesItsBoxAndStartsAtTheOrigin) {
    const kelvane::DrillPanel panels[] = {
        {0, 130, 600, 1800, 40, 130},     // a left panel: the box from x 0, the lines from 40
        {600, 0, 3200, 1800, 600, 30},    // a right panel from the top: the box from y 0, the lines from 30
        {40, 80, 640, 1800, 40, 100},     // the origin 20 below the box's top
    };
    for (auto& p : panels) {
        LessonRun r("");
        auto& g = r.prog();
        kelvane::set_drill_panel(g, p);
        kelvane::start_problem(g);
        EXPECT_EQ(r.erases(p.xkara, p.ykara, p.xmade, p.ymade), 1);
        EXPECT_EQ(g.XI1, p.xhajime);
        EXPECT_EQ(g.YI1, p.yhajime);
        EXPECT_EQ(g.XKARA, p.xkara);
        EXPECT_EQ(g.YMADE, p.ymade);
    }
}

}  // namespace
}  // namespace cw
