// Cancellation strokes: how each kind slants and where its value goes, and the
// plain computations of where the strokes over a written-out fraction go.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>

#include "lessons/strokes.h"
#include "support/lesson_fixture.h"

namespace cw::test {
namespace {

using namespace cw::lesson;

std::vector<DrawOp> lines(const LessonFixture& r) { return r.h.of(Op::Line); }

// ---- the rule a reduced value is placed by, held against what was drawn -------------------------

// What a value keeps clear of, in units between inks: its stroke; any other text; a text level with it.
constexpr float kFromStroke = 6, kFromText = 3, kBesideText = 12;
// How far it may move from the script's place, across and up or down.
constexpr int kAcross = 32, kUpDown = 16;

// The space between two boxes (0 where they overlap).
float gap_between(const Bounds& a, const Bounds& b) {
    return std::hypot(std::max({0.0f, a.l - b.r, b.l - a.r}), std::max({0.0f, a.t - b.b, b.t - a.b}));
}

// The space between a box and a stroke drawn as `line` (round ends, its pen's width): the least distance
// from the box to a point of the line's centre, less half the pen.  That distance along the line is convex,
// so its least is found by narrowing thirds.
float gap_to_line(const Bounds& b, const DrawOp& line) {
    auto at = [&](float t) {
        const float x = line.x1 + (line.x2 - line.x1) * t, y = line.y1 + (line.y2 - line.y1) * t;
        return std::hypot(std::max({0.0f, b.l - x, x - b.r}), std::max({0.0f, b.t - y, y - b.b}));
    };
    float lo = 0, hi = 1;
    for (int i = 0; i < 100; ++i) {
        const float m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
        if (at(m1) <= at(m2)) hi = m2;
        else lo = m1;
    }
    return std::max(0.0f, std::min({at(0), at(1), at((lo + hi) / 2)}) - static_cast<float>(line.w) / 2);
}

// Whether two boxes stand level: side by side over half the first's height.
bool level(const Bounds& v, const Bounds& o) { return std::min(v.b, o.b) - std::max(v.t, o.t) > (v.b - v.t) / 2; }

// What a value's ink at `v` comes too near: "" where it keeps clear of its stroke and of the other texts.
std::string too_near(const Bounds& v, const DrawOp& stroke, const std::vector<Bounds>& others) {
    std::ostringstream s;
    if (const float g = gap_to_line(v, stroke); g < kFromStroke) s << "its ink stands " << g << " from its stroke";
    for (const Bounds& o : others)
        if (const float g = gap_between(v, o); g < (level(v, o) ? kBesideText : kFromText))
            s << "its ink stands " << g << " from a text" << (level(v, o) ? " level with it" : "") << " at (" << o.l
              << ", " << o.t << ")-(" << o.r << ", " << o.b << ")";
    return s.str();
}
bool clear(const Bounds& v, const DrawOp& stroke, const std::vector<Bounds>& others) {
    return too_near(v, stroke, others).empty();
}

// A reduced value as drawn: its text (the glyphs in colour 3), the pen it was drawn at, and the inks of
// the other texts the screen shows round it.
struct DrawnValue {
    DrawOp text;
    Anchor pen;
    Bounds ink;
    std::vector<Bounds> others;
};

// The values in colour 3 drawn since the record was cleared, in order: the pen of a typesetter call is
// the call's (its Expr note), of a plain text its own.  Their neighbours are the texts the screen shows
// now, each value's own ink left out.
std::vector<DrawnValue> drawn_values(LessonFixture& r) {
    std::vector<DrawnValue> out;
    Anchor call;
    bool in_call = false;  // the glyphs follow a typesetter call in colour 3
    for (const DrawOp& op : r.h.pf.record()) {
        if (op.op == Op::Expr) {
            call = {op.x1, op.y1};
            in_call = op.c == 3;
        }
        if (op.op != Op::Text || op.c != 3) continue;
        const Bounds ink = r.h.g.pf.ink(op);
        std::vector<Bounds> others = r.h.g.pf.text_ink_within(ink.grown(kAcross + kUpDown + kBesideText));
        others.erase(std::find(others.begin(), others.end(), ink));
        out.push_back({op, in_call ? call : Anchor{op.x1, op.y1}, ink, others});
        in_call = false;
    }
    return out;
}

// How a value stands against the rule it is placed by, from the script's place `script`: "" where its pen
// is the nearest whole-unit place to `script`, within reach, at which its ink keeps kFromStroke from its
// stroke's, kFromText from every other text's and kBesideText from one level with it; else what is wrong.
std::string against_rule(const DrawnValue& v, Anchor script, const DrawOp& stroke) {
    const float mx = v.pen.x - script.x, my = v.pen.y - script.y;
    std::ostringstream why;
    why << '"' << v.text.s << "\" at (" << v.pen.x << ", " << v.pen.y << "), moved (" << mx << ", " << my << "): ";
    if (mx != std::round(mx) || my != std::round(my) || std::abs(mx) > kAcross || std::abs(my) > kUpDown)
        return why.str() + "not a whole-unit move within reach";
    auto at = [&](int dx, int dy) {
        return Bounds{v.ink.l - mx + dx, v.ink.t - my + dy, v.ink.r - mx + dx, v.ink.b - my + dy};
    };
    if (const std::string near = too_near(v.ink, stroke, v.others); !near.empty()) return why.str() + near;
    const float moved = mx * mx + my * my;
    for (int dy = -kUpDown; dy <= kUpDown; ++dy)
        for (int dx = -kAcross; dx <= kAcross; ++dx)
            if (static_cast<float>(dx * dx + dy * dy) < moved && clear(at(dx, dy), stroke, v.others))
                return why.str() + "(" + std::to_string(dx) + ", " + std::to_string(dy) + ") is nearer and clear";
    return "";
}

TEST(ToolkitStrokes, KelvaneProductCancellationsOfTheWorkedExample) {
    // ½(6x+4): the 6 at (691, 240) reduced to 3, the first denominator at (632, 268).
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    g.XI2 = 1;
    g.YI1 = 2;
    cancel_product(g, {.number = {691, 240}, .number_chars = 1, .reduced = "3", .denominator = {632, 268},
                       .denominator_chars = 1});
    cancel_product(g, {.number = {831, 240},
                       .number_chars = 2,
                       .reduced = "",
                       .number_rule = kWideNumberStroke,
                       .denominator = {772, 268},
                       .denominator_chars = 1,
                       .denominator_rule = kSmallDenominatorStroke,
                       .denominator_drawer = Drawer::Plain});
    struct Want {
        float x1, y1, x2, y2;
    } want[] = {{691, 280, 718, 240}, {632, 296, 659, 268}, {831, 286, 895, 240}, {772, 296, 804, 268}};
    auto l = lines(r);
    ASSERT_EQ(l.size(), 4u);
    for (size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].x1, want[i].x1) << i;
        EXPECT_EQ(l[i].y1, want[i].y1) << i;
        EXPECT_EQ(l[i].x2, want[i].x2) << i;
        EXPECT_EQ(l[i].y2, want[i].y2) << i;
        EXPECT_EQ(l[i].c, 3) << i;
    }
    // The values stand at the nearest whole-unit places to the script's that keep them 6 from their strokes:
    // the "3" straight up from (691, 210), where its foot came within 6 of the stroke's top end; the "1"s
    // below, and right or not, of (632, 296) and (772, 296), the feet of theirs, where the stroke's foot
    // rises into them.  The places themselves follow the ink of the face's digits.
    auto t = r.texts();
    ASSERT_EQ(t.size(), 2u);  // the plain "1" is no typesetter text, and an empty value draws nothing
    const auto values = drawn_values(r);
    ASSERT_EQ(values.size(), 3u);
    struct Placed {
        const char* s;
        float font_size;  // the plain "1" is drawn at 15
        Anchor script;
        int stroke;
        int across;  // -1: moved left, 0: not across, 1: right, 2: right or not
        int down;    // -1: moved up, 1: down
    } placed[] = {{"3", 0, {691, 210}, 0, 0, -1}, {"1", 0, {632, 296}, 1, 2, 1}, {"1", 15, {772, 296}, 3, 2, 1}};
    for (size_t i = 0; i < values.size(); ++i) {
        const DrawnValue& v = values[i];
        const Placed& p = placed[i];
        EXPECT_EQ(v.text.s, p.s) << i;
        if (p.font_size) {
            EXPECT_EQ(v.text.font.size, p.font_size) << i;
        }
        EXPECT_EQ(against_rule(v, p.script, l[p.stroke]), "") << i;
        const float mx = v.pen.x - p.script.x, my = v.pen.y - p.script.y;
        EXPECT_TRUE(p.across == 2 ? mx >= 0 : (mx > 0) - (mx < 0) == p.across) << i << ": moved across " << mx;
        EXPECT_EQ((my > 0) - (my < 0), p.down) << i << ": moved down " << my;
        // Moved for the stroke alone: it stands as near it as the rule lets it, within the whole unit.
        EXPECT_LT(gap_to_line(v.ink, l[p.stroke]), kFromStroke + 1) << i;
    }
    EXPECT_EQ(std::make_pair(values[0].pen.x, values[0].pen.y), std::make_pair(t[0].x1, t[0].y1));
    EXPECT_EQ(std::make_pair(values[1].pen.x, values[1].pen.y), std::make_pair(t[1].x1, t[1].y1));
    EXPECT_EQ(g.XI2, 1);
    EXPECT_EQ(g.YI1, 2);
}

TEST(ToolkitStrokes, DorrithStrokesAndValues) {
    LessonFixture r("kelvane");
    auto& g = r.h.g;
    g.XI2 = 1;
    g.YI1 = 2;
    strike_factor(g, {147, 279}, 1);
    value_above(g, {147, 279}, "2");
    strike_factor(g, {182, 319}, 1);
    value_below(g, {182, 319}, "1");
    strike_factor(g, {455, 279}, 2);
    auto l = lines(r);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ((std::vector<float>{l[0].x1, l[0].y1, l[0].x2, l[0].y2}), (std::vector<float>{147, 279, 179, 307}));
    EXPECT_EQ((std::vector<float>{l[1].x1, l[1].y1, l[1].x2, l[1].y2}), (std::vector<float>{182, 319, 214, 347}));
    EXPECT_EQ((std::vector<float>{l[2].x1, l[2].y1, l[2].x2, l[2].y2}), (std::vector<float>{455, 279, 519, 307}));
    auto t = r.texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ((std::vector<float>{t[0].x1, t[0].y1}), (std::vector<float>{147, 241}));
    EXPECT_EQ((std::vector<float>{t[1].x1, t[1].y1}), (std::vector<float>{182, 351}));
    EXPECT_EQ(t[0].c, 3);
    EXPECT_EQ(g.XI2, 1);
    EXPECT_EQ(g.YI1, 2);
}

TEST(ToolkitStrokes, KeptAnchorsCancelAPairDenominatorFirst) {
    LessonFixture r("dorrith");
    auto& g = r.h.g;
    keep_anchor(g, 1, {147, 279});
    keep_anchor(g, 11, {182, 319});
    cancel_pair(g, 11, "1", 1, "5", 2);
    auto l = lines(r);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ((std::vector<float>{l[0].x1, l[0].y1, l[0].x2, l[0].y2}), (std::vector<float>{182, 319, 214, 347}));
    EXPECT_EQ((std::vector<float>{l[1].x1, l[1].y1, l[1].x2, l[1].y2}), (std::vector<float>{147, 279, 211, 307}));
    auto t = r.texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].s, "1");
    EXPECT_EQ((std::vector<float>{t[0].x1, t[0].y1}), (std::vector<float>{182, 351}));
    EXPECT_EQ(t[1].s, "5");
    EXPECT_EQ((std::vector<float>{t[1].x1, t[1].y1}), (std::vector<float>{147, 241}));
}

// Where a reduced value moves from the script's place, on a value whose ink covers (0, 0)-(20, 20).
TEST(ToolkitStrokes, ValueOffsetsKeepClearOfTheStrokeAndOfOtherText) {
    const Bounds ink{0, 0, 20, 20};
    const StrokeInk far_below{{-100, 100}, {100, 100}, 4};
    const StrokeInk just_below{{-100, 24}, {100, 24}, 4};  // 2 from the ink
    const StrokeInk starting_below{{10, 24}, {40, 54}, 4};  // falls to the right from under the ink's middle
    struct Case {
        const char* name;
        StrokeInk stroke;
        std::vector<Bounds> others;
        Anchor want;
    } cases[] = {
        {"clear of all: where the script puts it", far_below, {{-100, -30, 100, -3}}, {0, 0}},
        {"a stroke 2 below: up by what 6 lacks", just_below, {}, {0, -4}},
        {"a text 1 above: down to 3 from it", far_below, {{-100, -30, 100, -1}}, {0, 2}},
        {"a text level beside it: a word's space (12) away, sooner than over it", far_below, {{24, 0, 60, 20}},
         {-8, 0}},
        {"a text above leaving no room over its stroke's start: sideways, up to 3 from the text", starting_below,
         {{-100, -20, 100, -6}}, {-14, -3}},
        {"text all round: the nearest place clear of the stroke", just_below, {{-200, -200, 200, 200}}, {0, -4}},
    };
    for (const Case& c : cases) EXPECT_EQ(value_offset(ink, c.stroke, c.others), c.want) << c.name;
}

// The value over a struck factor looks at what the screen shows: on Dorrith's lesson 5 answer page the line
// above stands level with the place over the "12", so the "6" goes left, a word's space from that line's
// "2ab", at the height the script gives it; with that line erased it stands where the script puts it, 38
// over the stroke's start.
TEST(ToolkitStrokes, AValueLevelWithTheLineAboveMovesSideways) {
    for (bool erased : {false, true}) {
        LessonFixture r("dorrith");
        auto& g = r.h.g;
        put(g, 684, 170, 0, "=ﾀ12ab^2/2abﾀ");
        if (erased) g.pf.FILL(600, 160, 900, 235, 15, 15);
        put(g, 684, 250, 0, "=ﾀ12*a*b*b/2*a*bﾀ");
        strike_factor(g, {716, 240}, 2);
        value_above(g, {716, 240}, "6", 2);
        const auto six = r.texts().back();
        const char* which = erased ? "erased" : "shown";
        EXPECT_EQ(six.s, "6") << which;
        const auto values = drawn_values(r);
        ASSERT_EQ(values.size(), 1u) << which;
        const DrawnValue& v = values[0];
        EXPECT_EQ(std::make_pair(v.pen.x, v.pen.y), std::make_pair(six.x1, six.y1)) << which;
        EXPECT_EQ(against_rule(v, {716, 202}, lines(r).back()), "") << which;
        if (erased) {
            EXPECT_EQ(std::make_pair(six.x1, six.y1), std::make_pair(716.0f, 202.0f)) << which;
            continue;
        }
        EXPECT_EQ(six.y1, 202) << which;
        EXPECT_LT(six.x1, 716) << which;
        // The text it keeps a word's space from: level with it, on its right, as near as the rule lets it.
        std::optional<Bounds> beside;
        for (const Bounds& o : v.others)
            if (level(v.ink, o) && o.l >= v.ink.r && (!beside || o.l < beside->l)) beside = o;
        ASSERT_TRUE(beside) << "no text level with the value on its right";
        EXPECT_GE(gap_between(v.ink, *beside), kBesideText);
        EXPECT_LT(gap_between(v.ink, *beside), kBesideText + 1);
    }
}

// Values placed among texts drawn where they stand, their inks measured as the screen's record of
// shown texts measures them.  A value here is a "6" in one gothic cell, its stroke far off.
struct AmongTexts {
    AmongTexts() {
        g.pf.SETFONTNAME("ゴシック");
        g.pf.SETFONTSIZE(16);
        g.pf.SETFONTBOLD(1);
    }
    // The ink of a text drawn at (0, 0), from the corner of its first cell.
    static Bounds ink_from_corner(const std::string& s, int p, int q) {
        AmongTexts probe;
        probe.g.pf.SYMBOL(500, 300, static_cast<float>(p), static_cast<float>(q), 0, s);
        const Bounds b = probe.shown().at(0);
        return {b.l - 500, b.t - 300, b.r - 500, b.b - 300};
    }
    // Draws a text (whole units) whose ink's top left corner lands at (l, t).
    void text_with_ink_at(const std::string& s, int p, int q, float l, float t) {
        const Bounds from = ink_from_corner(s, p, q);
        g.pf.SYMBOL(l - from.l, t - from.t, static_cast<float>(p), static_cast<float>(q), 0, s);
    }
    // Places the value by the script's place `at`, and gives back where it went.
    Anchor place(Anchor at) {
        place_value(g, kFarStroke, at, [](Program& p, Anchor v) { p.pf.SYMBOL(v.x, v.y, 1, 1, 3, "6"); });
        const DrawOp six = r.h.of(Op::Text).back();
        return {six.x1 - at.x, six.y1 - at.y};
    }
    std::vector<Bounds> shown() { return g.pf.text_ink_within({0, 0, LAYOUT_W, LAYOUT_H}); }
    static constexpr StrokeInk kFarStroke{{0, 880}, {10, 880}, 5};
    LessonFixture r{"dorrith"};
    Program& g = r.h.g;
};

// A thin rule across the value's place, its middle on the value's: up and down are as near, and the value
// goes up, 3 over the rule.
TEST(ToolkitStrokes, AValueCrossedByARuleGoesUpSoonerThanDown) {
    const Anchor at{600, 300};
    const Bounds value = AmongTexts::ink_from_corner("6", 1, 1);
    const Bounds v{value.l + at.x, value.t + at.y, value.r + at.x, value.b + at.y};
    // A rule as thick as leaves the same space over and under it (both heights odd or both even).
    std::optional<std::pair<std::string, int>> rule;
    for (auto [s, q] : {std::pair<std::string, int>{"ー", 1}, {"ー", 2}, {"―", 1}, {"―", 2}}) {
        const Bounds b = AmongTexts::ink_from_corner(s, 1, q);
        if (static_cast<int>(b.b - b.t) % 2 == static_cast<int>(v.b - v.t) % 2) rule = {s, q};
    }
    ASSERT_TRUE(rule) << "no rule whose thickness shares the value's height's parity";
    const Bounds one = AmongTexts::ink_from_corner(rule->first, 1, rule->second);
    const float thick = one.b - one.t, top = (v.t + v.b - thick) / 2;
    AmongTexts t;
    // Wider than the value can move across, each way.
    const int cells = static_cast<int>((v.r - v.l + 2 * (kValueReachAcross + kValueBesideText)) / (one.r - one.l)) + 2;
    std::string across;
    for (int i = 0; i < cells; ++i) across += rule->first;
    t.text_with_ink_at(across, 1, rule->second, v.l - kValueReachAcross - kValueBesideText - (one.r - one.l), top);
    const float up = v.b - top + kValueFromText;
    ASSERT_LE(up, static_cast<float>(kValueReachUpDown));
    const Anchor moved = t.place(at);
    EXPECT_EQ(std::make_pair(moved.x, moved.y), std::make_pair(0.0f, -up));
}

// A wide block under the value's place, reaching below it further than the value may move, sends the
// value up as far as it may go; a small block wholly beyond that reach stands 2 from it there.  The value
// looks beyond its reach for the texts it would come near, and goes elsewhere.
TEST(ToolkitStrokes, AValueKeepsClearOfTextsJustBeyondItsReach) {
    const Anchor at{600, 300};
    const Bounds value = AmongTexts::ink_from_corner("6", 1, 1);
    const Bounds v{value.l + at.x, value.t + at.y, value.r + at.x, value.b + at.y};
    const float reach = static_cast<float>(kValueReachUpDown);
    AmongTexts t;
    t.text_with_ink_at("■■■■■■■■■■■■", 1, 3, v.l - 2 * kValueReachAcross, v.b - reach + kValueFromText);
    const Bounds block = AmongTexts::ink_from_corner("■", 1, 1);
    t.text_with_ink_at("■", 1, 1, v.l, v.t - reach - (kValueFromText - 1) - (block.b - block.t));
    const std::vector<Bounds> others = t.shown();
    ASSERT_EQ(others.size(), 2u);
    ASSERT_GT(others[0].b, v.b + reach) << "the block below leaves the value room under it";
    t.place(at);
    const std::vector<Bounds> all = t.shown();
    ASSERT_EQ(all.size(), 3u);
    for (const Bounds& o : others) EXPECT_GE(gap_between(all.back(), o), kValueFromText);
}

TEST(ToolkitStrokes, LetterPairing) {
    struct Case {
        const char* name;
        std::string walked, searched;
        std::vector<LetterPair> pairs;  // from walked x 100, searched x 1000
        std::string searched_after;
        float end;
    } cases[] = {
        {"a and b, the last b left", "*a*b", "*a*b*b", {{138, 1038}, {208, 1108}}, "*0*0*b", 240},
        {"a second walk takes the last b only", "*b*b", "*0*0*b", {{138, 1178}}, "*0*0*0", 240},
        {"a letter without partner is passed", "*a*b", "*b", {{208, 1038}}, "*0", 240},
        {"nothing to search", "*a*b", "", {}, "", 100},
        {"nothing walked", "", "*a", {}, "*a", 100},
        {"a squared against a", "*a*a", "*a", {{138, 1038}}, "*0", 240},
    };
    for (auto& c : cases) {
        LetterPairing p = pair_letters(c.walked, 100, c.searched, 1000);
        ASSERT_EQ(p.pairs.size(), c.pairs.size()) << c.name;
        for (size_t i = 0; i < p.pairs.size(); ++i) {
            EXPECT_EQ(p.pairs[i].walked_x, c.pairs[i].walked_x) << c.name << " " << i;
            EXPECT_EQ(p.pairs[i].partner_x, c.pairs[i].partner_x) << c.name << " " << i;
        }
        EXPECT_EQ(p.searched, c.searched_after) << c.name;
        EXPECT_EQ(p.walked_end, c.end) << c.name;
    }
    // The letter at position k starts 38 per "*" and 32 per letter in.
    EXPECT_EQ(letter_offset(2), 38);
    EXPECT_EQ(letter_offset(4), 108);
    EXPECT_EQ(letter_offset(6), 178);
}

TEST(ToolkitStrokes, StruckLetterFactorsFollowTheSmallerExponent) {
    struct Case {
        float here, there;
        int struck;
    } cases[] = {{2, 1, 1}, {1, 2, 1}, {2, 2, 2}, {3, 2, 2}, {0, 2, 0}, {2, 0, 0}, {0, 0, 0}};
    for (auto& c : cases) EXPECT_EQ(struck_factor_count(c.here, c.there), c.struck) << c.here << " " << c.there;
    // "*a*a*a" from x 100: the letters at 138, 208, 278, the same places as letter_offset gives.
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(letter_factor_anchor({100, 50}, static_cast<float>(i)), (Anchor{100 + letter_offset(2 * i), 50}));
    }
    EXPECT_EQ(letter_factor_anchor({100, 50}, 2), (Anchor{208, 50}));
}

}  // namespace
}  // namespace cw::test
