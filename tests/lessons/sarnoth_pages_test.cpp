// Sarnoth's fixed pages: how many keys each takes, where its page turns fall,
// and what its fill-in cells show.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>

#include "lessons/sarnoth/lesson1.h"
#include "lessons/sarnoth/lesson2.h"
#include "lessons/sarnoth_support.h"
#include "support/oracle.h"

namespace cw::sarnoth_test {
namespace {

struct Page {
    const char* name;
    void (*step)(Program&);
    int keys;
};
const Page kPages[] = {
    {"multiples", sarnoth1::SHOW_MULTIPLES, 16},
    {"even", sarnoth1::SHOW_EVEN_NUMBERS, 4},
    {"odd", sarnoth1::SHOW_ODD_NUMBERS, 9},
    {"consecutive", sarnoth1::SHOW_CONSECUTIVE_NUMBERS, 29},
    {"natural", sarnoth1::SHOW_NATURAL_NUMBERS, 10},
    {"summary", sarnoth1::SHOW_FORMS_SUMMARY, 1},
    {"three explained", sarnoth2::EXPLAIN_SUM_OF_THREE, 18},
    {"calendar frames", sarnoth2::SHOW_CALENDAR_FRAMES, 10},
    {"calendar vertical", sarnoth2::EXPLAIN_CALENDAR_VERTICAL, 8},
    {"calendar diagonal", sarnoth2::EXPLAIN_CALENDAR_DIAGONAL, 8},
    {"calendar square", sarnoth2::TEST_CALENDAR_SQUARE, 23},
    {"calendar free", sarnoth2::SHOW_CALENDAR_FREE, 0},
};

TEST(SarnothPages, EachTakesItsKeysAndReturnsWithoutAnother) {
    for (auto& p : kPages) {
        SarnothRun exact(keys(p.keys));
        EXPECT_TRUE(exact.run(p.step)) << p.name << " wants more than " << p.keys << " keys";
        EXPECT_EQ(exact.keys_left(), 0u) << p.name;
        // Every key ends a wait, and the last stage is drawn after the last key with no wait after it.
        EXPECT_EQ(exact.waits(), p.keys) << p.name;
        bool after_last_key = p.keys == 0, drawn_after = false;
        int keys_seen = 0;
        const auto all = exact.all();
        for (auto& op : all.ops()) {
            if (op.op == Op::Key && ++keys_seen == p.keys) after_last_key = true;
            if (!after_last_key) continue;
            if (op.op == Op::Prompt) {
                EXPECT_NE(op.s, test::kAnyKey) << p.name << ": a wait after the last stage";
            }
            drawn_after |= op.op == Op::Expr && op.y1 < 640 && !op.s.empty();
        }
        EXPECT_TRUE(drawn_after) << p.name << ": nothing drawn after the last key";
        if (p.keys == 0) continue;
        SarnothRun short_by_one(keys(p.keys - 1));
        EXPECT_FALSE(short_by_one.run(p.step)) << p.name << " ends before " << p.keys << " keys";
    }
}

// Where the pages turn: the keys pressed before each page erase, and nothing drawn on the page between
// the two keys of a turn.
TEST(SarnothPages, PageTurnsFallAfterTwoKeysInARow) {
    struct Turn {
        const char* name;
        void (*step)(Program&);
        int keys;
        float w, h;
        std::vector<int> erased_after;
    } turns[] = {
        {"consecutive", sarnoth1::SHOW_CONSECUTIVE_NUMBERS, 29, 1320, 1300, {11, 21}},
        {"three explained", sarnoth2::EXPLAIN_SUM_OF_THREE, 18, 1760, 1800, {0, 12}},
        {"calendar square", sarnoth2::TEST_CALENDAR_SQUARE, 23, 1760, 1800, {13}},
    };
    for (auto& t : turns) {
        SarnothRun r(keys(t.keys));
        ASSERT_TRUE(r.run(t.step)) << t.name;
        EXPECT_EQ(r.erased_after(0, 0, t.w, t.h), t.erased_after) << t.name;
        for (int k : t.erased_after) {
            if (k == 0) continue;
            for (auto& s : r.seen({Op::Expr}))
                EXPECT_FALSE(s.keys == k - 1 && s.op.y1 < test::kPromptBandTop)
                    << t.name << ": \"" << s.op.s << "\" drawn between the two keys of a turn";
        }
    }
}

// Page 1 of the consecutive numbers shows its question alone first, and the heading after one key.
TEST(SarnothPages, ConsecutiveNumbersOpenEachPageWithTheQuestionAlone) {
    SarnothRun r(keys(29));
    ASSERT_TRUE(r.run(sarnoth1::SHOW_CONSECUTIVE_NUMBERS));
    int questions = 0;
    for (auto& s : r.seen({Op::Expr})) {
        if (s.op.s != "問4　次の数を 整数 m,n を使って表しなさい。") continue;
        ++questions;
        for (auto& t : r.seen({Op::Expr}))
            if (t.keys == s.keys && t.op.y1 < test::kPromptBandTop && t.op.s != s.op.s)
                ADD_FAILURE() << "\"" << t.op.s << "\" drawn with the question";
    }
    EXPECT_EQ(questions, 3);
}

// The typesetter's advance for a plain text (no fractions, exponents or roots), from its documented table:
// "=" 32, every other one-byte character 27, every two-byte character 34.
float advance(const std::string& text) {
    float w = 0;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        w += len == 1 ? (text[i] == '=' ? 32.0f : 27.0f) : 34.0f;
        i += len;
    }
    return w;
}

// The fill-in cells of a proof page and the page's lines read back with the cells filled in.
struct ProofPage {
    struct Cell {
        DrawOp blank;           // the numbered cell
        std::optional<DrawOp> filled;
        std::optional<DrawOp> answer;  // the text drawn in the filled cell
    };
    std::vector<Cell> cells;
    std::vector<DrawOp> texts;  // the page's other texts
    bool inside(const DrawOp& t, const DrawOp& box) const {
        return t.x1 >= box.x1 && t.x1 < box.x2 && t.y1 == box.y1 + 3;
    }
    // The lines (by their y) as they read once every cell is filled in: texts and answers left to right.
    std::map<float, std::string> lines() const {
        std::map<float, std::vector<std::pair<float, std::string>>> parts;
        for (auto& t : texts) {
            bool in_cell = false;
            for (auto& c : cells) in_cell |= inside(t, c.blank);
            if (!in_cell && !t.s.empty()) parts[t.y1].push_back({t.x1, t.s});
        }
        for (auto& c : cells)
            if (c.answer) parts[c.answer->y1].push_back({c.answer->x1, c.answer->s});
        std::map<float, std::string> out;
        for (auto& [y, p] : parts) {
            std::sort(p.begin(), p.end());
            for (auto& [x, s] : p) out[y] += s;
        }
        return out;
    }
};

// The proof pages of a run: a new page at every erase of the whole window.  Answer cells are 50 high and not
// 70 wide (the calendar's days are); a cell's first fill is its numbered blank, the next its answer's.
std::vector<ProofPage> proof_pages(const SarnothRun& r) {
    std::vector<ProofPage> pages(1);
    for (auto& op : r.pf.record()) {
        if (op.op == Op::Fill && op.c == 15 && op.f == 15 && op.x1 == 0 && op.y1 == 0 && op.x2 >= 1600) {
            pages.emplace_back();
            continue;
        }
        auto& page = pages.back();
        if (op.op == Op::Fill && op.f == 13 && op.y2 - op.y1 == 50 && op.x2 - op.x1 != 70 && op.y1 < 640) {
            auto same = std::find_if(page.cells.begin(), page.cells.end(), [&](const ProofPage::Cell& c) {
                return c.blank.x1 == op.x1 && c.blank.y1 == op.y1 && c.blank.x2 == op.x2 && c.blank.y2 == op.y2;
            });
            if (same == page.cells.end())
                page.cells.push_back({op, std::nullopt, std::nullopt});
            else
                same->filled = op;
            continue;
        }
        if (op.op != Op::Expr || op.y1 >= 640) continue;
        bool answer = false;
        for (auto& c : page.cells)
            if (c.filled && page.inside(op, c.blank)) c.answer = op, answer = true;
        if (!answer) page.texts.push_back(op);
    }
    pages.erase(std::remove_if(pages.begin(), pages.end(), [](const ProofPage& p) { return p.cells.empty(); }),
                pages.end());
    return pages;
}

// Every fill-in cell of every proof: filled once, in the answers' border colour, the answer's text centred
// across the width the numbered box had.  The filled-in proofs are true: each line that holds a filled cell
// and an "=", joined with the lines after it that go on with "=", has the same value on every side.
TEST(SarnothPages, FilledCellsCoverTheirNumberedCellsAndMakeTrueProofs) {
    const std::string example = keys(4) + enter("47") + "k" + enter("1");
    struct Step {
        const char* name;
        void (*step)(Program&);
        std::string keys;
        int cells;
        int border;     // of the filled cells
        int equations;  // chains of "=" checked
    } steps[] = {
        {"three explained", sarnoth2::EXPLAIN_SUM_OF_THREE, keys(18), 7 + 1 + 5, 9, 2},
        {"five", sarnoth2::INVESTIGATE_SUM_OF_FIVE, example + keys(15), 9, 9, 1},
        {"digit sum", sarnoth2::INVESTIGATE_DIGIT_SWAP_SUM, example + keys(13), 6, 7, 1},
        {"digit difference", sarnoth2::INVESTIGATE_DIGIT_SWAP_DIFFERENCE, example + keys(12), 6, 11, 1},
        {"calendar vertical", sarnoth2::EXPLAIN_CALENDAR_VERTICAL, keys(8), 7, 9, 1},
        {"calendar diagonal", sarnoth2::EXPLAIN_CALENDAR_DIAGONAL, keys(8), 7, 9, 1},
        {"calendar square", sarnoth2::TEST_CALENDAR_SQUARE, keys(23), 9, 9, 1},
    };
    for (auto& st : steps) {
        SCOPED_TRACE(st.name);
        SarnothRun r(st.keys);
        ASSERT_TRUE(r.run(st.step));
        EXPECT_EQ(r.keys_left(), 0u);
        int cells = 0, equations = 0;
        for (auto& page : proof_pages(r)) {
            for (auto& c : page.cells) {
                ++cells;
                ASSERT_TRUE(c.filled && c.answer) << "cell at " << c.blank.x1 << "," << c.blank.y1;
                EXPECT_EQ(c.filled->c, st.border) << c.answer->s;
                EXPECT_EQ(c.answer->c, 5) << c.answer->s;
                const float width = c.blank.x2 - c.blank.x1;
                EXPECT_FLOAT_EQ(c.answer->x1, c.blank.x1 + (width - advance(c.answer->s)) / 2) << c.answer->s;
            }
            const auto lines = page.lines();
            std::set<float> with_answers;
            for (auto& c : page.cells) with_answers.insert(c.answer->y1);
            for (auto it = lines.begin(); it != lines.end(); ++it) {
                if (!with_answers.count(it->first) || it->second.rfind("=", 0) == 0) continue;
                std::string chain = it->second;
                for (auto next = std::next(it); next != lines.end() && next->second.rfind("=", 0) == 0; ++next)
                    chain += next->second;
                if (chain.find('=') == std::string::npos) continue;
                ++equations;
                EXPECT_GE(oracle::split_line(chain).sides.size(), 2u) << chain;
                EXPECT_TRUE(oracle::sides_equal(chain)) << chain;
            }
        }
        EXPECT_EQ(cells, st.cells);
        EXPECT_EQ(equations, st.equations);
    }
}

// Lesson 1's pages of multiples, even and odd numbers: every number a set lists is of the set's kind, and
// the forms the page gives in the answer colour are exactly its forms, each of the page's kind for every n.
TEST(SarnothForms, EachPageGivesItsFormsInTheAnswerColour) {
    using oracle::Poly;
    const auto multiple_of = [](int64_t m) { return [m](int64_t v) { return v % m == 0; }; };
    const std::function<bool(int64_t)> any = [](int64_t) { return true; };
    const std::map<std::string, std::function<bool(int64_t)>> kinds = {
        {"n", any}, {"３の倍数", multiple_of(3)}, {"偶数", multiple_of(2)},
        {"奇数", [](int64_t v) { return v % 2 != 0; }}};
    struct Page {
        const char* name;
        void (*step)(Program&);
        int keys;
        std::vector<std::string> forms;          // given in the answer colour
        std::function<bool(int64_t)> kind;       // of every number the page's forms make
        bool numbers_are_answers;                // the page also lists single numbers in the answer colour
    } pages[] = {
        {"multiples", sarnoth1::SHOW_MULTIPLES, 16, {"3n"}, multiple_of(3), true},
        {"even", sarnoth1::SHOW_EVEN_NUMBERS, 4, {"2n"}, multiple_of(2), false},
        {"odd", sarnoth1::SHOW_ODD_NUMBERS, 9, {"2n+1", "2n-1", "2n+3", "2n-3", "2n+5"},
         [](int64_t v) { return v % 2 != 0; }, false},
    };
    // Full-width digits read as the pupil reads them; blanks and "…" dropped.
    const auto plain = [](std::string s) {
        const std::string wide[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
        for (int d = 0; d < 10; ++d)
            for (size_t at; (at = s.find(wide[d])) != std::string::npos;) s.replace(at, wide[d].size(), std::to_string(d));
        for (const std::string drop : {"　", "…", " "})
            for (size_t at; (at = s.find(drop)) != std::string::npos;) s.erase(at, drop.size());
        return s;
    };
    static const std::regex set_line(R"((.+)=｛(.*)｝)"), number(R"(-?\d+)"), form(R"([-+0-9n,]+)");
    for (auto& p : pages) {
        SCOPED_TRACE(p.name);
        SarnothRun r(keys(p.keys));
        ASSERT_TRUE(r.run(p.step));
        std::set<std::string> forms;
        int sets = 0, numbers = 0;
        for (auto& t : r.page_texts()) {
            std::smatch m;
            if (std::regex_match(t.s, m, set_line)) {
                ++sets;
                ASSERT_TRUE(kinds.count(m[1])) << t.s;
                const std::string members = m[2];
                int listed = 0;
                for (std::sregex_iterator it(members.begin(), members.end(), number), end; it != end; ++it, ++listed)
                    EXPECT_TRUE(kinds.at(m[1])(std::stoll(it->str()))) << t.s << ": " << it->str();
                EXPECT_GT(listed, 2) << t.s;
                continue;
            }
            if (t.c != 5) continue;
            const std::string s = plain(t.s);
            if (!std::regex_match(s, form)) continue;  // a form in words
            if (s.find('n') == std::string::npos) {
                ++numbers;
                EXPECT_TRUE(p.kind(std::stoll(s))) << t.s;
                continue;
            }
            for (auto& part : split(s, ",")) {
                if (part.empty()) continue;  // after the last form, where "…" stood
                const Poly f = oracle::expand(part);
                forms.insert(f.str());
                for (int64_t n = -3; n <= 3; ++n)
                    EXPECT_TRUE(p.kind(f.at({{"n", oracle::Rational(n)}}).num())) << part << " at n=" << n;
            }
        }
        EXPECT_GT(sets, 0);
        EXPECT_EQ(numbers > 0, p.numbers_are_answers);
        std::set<std::string> want;
        for (auto& f : p.forms) want.insert(oracle::expand(f).str());
        EXPECT_EQ(forms, want);
    }
}

// The answers of step ②'s first explanation make its sum: n + (n+1) + (n+2) = 3n+3 = 3(n+1).
TEST(SarnothPages, ThreeExplainedAnswersHold) {
    SarnothRun r(keys(18));
    ASSERT_TRUE(r.run(sarnoth2::EXPLAIN_SUM_OF_THREE));
    std::vector<std::string> answers;
    for (auto& op : r.page_texts())
        if (op.c == 5) answers.push_back(op.s);
    ASSERT_EQ(answers.size(), 13u);
    using oracle::expand;
    using oracle::Poly;
    const Poly n = Poly::letter("n");
    EXPECT_EQ(expand(answers[0]), n + 1);
    EXPECT_EQ(expand(answers[1]), n + 2);
    EXPECT_EQ(n + expand(answers[2]) + expand(answers[3]), expand(answers[4]));
    EXPECT_EQ(expand(answers[4]), expand(answers[5]));
    EXPECT_EQ(expand(answers[5]), expand("3*(" + answers[6] + ")"));
    EXPECT_EQ(answers[7], "真ん中の数の3倍");
    EXPECT_EQ(expand(answers[8]) + n + expand(answers[9]), expand(answers[12]));
    EXPECT_EQ(expand(answers[10]) + n + expand(answers[11]), expand(answers[12]));
}

}  // namespace
}  // namespace cw::sarnoth_test
