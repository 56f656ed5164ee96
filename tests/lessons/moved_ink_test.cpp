// Texts that the legibility rules moved or resized (glyphs fitted into the
// box they are written in or clear of a fraction bar, and the reduced values
// written over struck numbers) land on no other text: on every screen of the
// tour their ink keeps at least a layout unit from every other text's ink,
// measured on the pixels at twice the layout's size.  Where the lessons' own
// coordinates put two texts together, the pair is listed, read like the
// snapshots, in tests/lessons/ink_overlaps_allowed.txt (written anew, with
// the snapshots, under CW_UPDATE_SNAPSHOTS=1).  The values left by
// cancellations keep further apart still: 6 units from their strokes, 3 from
// any other text.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "platform/fonts.h"
#include "platform/render.h"
#include "support/tour.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

const fs::path kAllowed = fs::path(CW_SOURCE_DIR) / "tests" / "lessons" / "ink_overlaps_allowed.txt";

constexpr double kScale = 2;
// A pixel a glyph covers at least this much (of 255) is ink; the faint rim
// of antialiasing is not.
constexpr int kSolid = 64;
// Pixels closer than this (at kScale) are within a unit of each other.
constexpr int kNear = 1;

// Whether two operations are the same text drawn at the same place (what
// it was drawn over and how many times aside).
bool same_text(const DrawOp& a, const DrawOp& b) {
    return a.op == Op::Text && b.op == Op::Text && a.x1 == b.x1 && a.y1 == b.y1 && a.s == b.s && a.c == b.c &&
           a.p == b.p && a.q == b.q && a.font == b.font && a.fits == b.fits;
}

// "2ab" (790, 372)
std::string named(const DrawOp& t) {
    std::ostringstream s;
    s << '"' << t.s << "\" (" << t.x1 << ", " << t.y1 << ")";
    return s.str();
}

// A text's ink at kScale: which pixels of a box round it it covers.
class Ink {
public:
    Ink(const DrawOp& op, const Bounds& box) {
        x0_ = static_cast<int>(std::floor(box.l * kScale)) - 2, y0_ = static_cast<int>(std::floor(box.t * kScale)) - 2;
        w_ = static_cast<int>(std::ceil(box.r * kScale)) + 2 - x0_, h_ = static_cast<int>(std::ceil(box.b * kScale)) + 2 - y0_;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, w_, h_);
        cairo_t* cr = cairo_create(s);
        cairo_translate(cr, -x0_, -y0_);
        cairo_scale(cr, kScale, kScale);
        Painter(cr).draw(op, paint_of(op), Beneath{});
        cairo_destroy(cr);
        cairo_surface_flush(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        solid_.resize(static_cast<size_t>(w_ * h_));
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) solid_[static_cast<size_t>(y * w_ + x)] = data[y * stride + x] >= kSolid;
        cairo_surface_destroy(s);
    }
    bool at(int x, int y) const {
        x -= x0_, y -= y0_;
        return x >= 0 && y >= 0 && x < w_ && y < h_ && solid_[static_cast<size_t>(y * w_ + x)];
    }
    // A pixel of this ink within kNear pixels of the other's ink, if any.
    bool near(const Ink& o, int& px, int& py) const {
        for (int y = y0_; y < y0_ + h_; ++y)
            for (int x = x0_; x < x0_ + w_; ++x) {
                if (!at(x, y)) continue;
                for (int dy = -kNear; dy <= kNear; ++dy)
                    for (int dx = -kNear; dx <= kNear; ++dx)
                        if (o.at(x + dx, y + dy)) {
                            px = x, py = y;
                            return true;
                        }
            }
        return false;
    }

    // The space between this ink and the other's, in layout units: the
    // distance between the centres of their nearest pixels less a pixel;
    // `most` when they lie further apart than that.
    double gap(const Ink& o, double most) const {
        const int reach = static_cast<int>(std::ceil(most * kScale)) + 1;
        double best = most * kScale + 1;
        for (int y = y0_; y < y0_ + h_; ++y)
            for (int x = x0_; x < x0_ + w_; ++x) {
                if (!at(x, y)) continue;
                for (int oy = std::max(o.y0_, y - reach); oy < std::min(o.y0_ + o.h_, y + reach + 1); ++oy)
                    for (int ox = std::max(o.x0_, x - reach); ox < std::min(o.x0_ + o.w_, x + reach + 1); ++ox)
                        if (o.at(ox, oy)) best = std::min(best, std::hypot(ox - x, oy - y));
            }
        return std::min(most, (best - 1) / kScale);
    }

private:
    int x0_ = 0, y0_ = 0, w_ = 0, h_ = 0;
    std::vector<char> solid_;
};

// The texts a screen shows: those not drawn in the background colour over
// the background, nor erased later by the same text so drawn.
std::vector<DrawOp> shown_texts(const std::vector<KeptOp>& screen) {
    auto erase = [](const KeptOp& k) {
        if (k.op.c != BACKGROUND || !k.beneath) return false;
        for (int c : k.beneath->chars)
            if (c != BACKGROUND) return false;
        return true;
    };
    std::vector<DrawOp> out;
    for (size_t i = 0; i < screen.size(); ++i) {
        const DrawOp& op = screen[i].op;
        if (op.op != Op::Text || erase(screen[i])) continue;
        bool erased = false;
        for (size_t k = i + 1; k < screen.size() && !erased; ++k) {
            if (!erase(screen[k])) continue;
            DrawOp e = screen[k].op;
            e.c = op.c;
            e.fits = op.fits;
            erased = same_text(e, op);
        }
        if (!erased) out.push_back(op);
    }
    return out;
}

// One line of the list: a step, the moved text and the text it comes near.
std::string pair_line(const std::string& step, const DrawOp& moved, const DrawOp& other) {
    return step + " " + named(moved) + " near " + named(other);
}

struct Allowed {
    std::set<std::string> pairs;
    std::map<std::string, std::string> notes;  // a line's trailing "# ...", kept when written anew
};

Allowed read_allowed() {
    Allowed a;
    std::ifstream in(kAllowed);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::string note;
        if (size_t hash = line.find("  #"); hash != std::string::npos) {
            note = line.substr(hash);
            line.erase(hash);
        }
        a.pairs.insert(line);
        if (!note.empty()) a.notes[line] = note;
    }
    return a;
}

TEST(Legibility, MovedTextsKeepClearOfOtherTexts) {
    const Allowed allowed = read_allowed();
    std::set<std::string> found;
    std::set<std::string> compared;  // each pair once, however many screens show it
    for (const Step& step : all_steps()) {
        std::vector<DrawOp> moved;  // texts with fitted glyphs, and reduced values
        bool reduced_call = false;
        GlyphLayout inks;
        std::map<std::string, Ink> drawn;  // each text's ink, by place and text
        auto ink_of = [&](const DrawOp& t) -> const Ink& {
            std::ostringstream key;
            key << t.x1 << ' ' << t.y1 << ' ' << t.p << ' ' << t.q << ' ' << t.font.face << t.font.size
                << t.font.bold << t.font.italic << ' ' << t.s;
            for (const GlyphFit& f : t.fits) key << ' ' << f.index << ':' << f.scale << ':' << f.dx << ':' << f.dy;
            auto it = drawn.find(key.str());
            if (it == drawn.end()) it = drawn.emplace(key.str(), Ink(t, inks.ink(t, 1, true))).first;
            return it->second;
        };
        WalkOptions options;
        options.on_op = [&](const DrawOp& op, const Program& g) {
            // A reduced value is a number in colour 3 typeset on the line in
            // the fraction parts' style.
            if (op.op == Op::Expr) reduced_call = op.c == 3 && g.BUN == 1;
            else if (!inside_typesetter(g)) reduced_call = false;
            if (op.op == Op::Text && op.c != BACKGROUND && (reduced_call || !op.fits.empty())) moved.push_back(op);
        };
        int wait = 0;
        options.on_wait = [&](Harness& h) {
            ++wait;
            const std::vector<DrawOp> texts = shown_texts(h.backend.screen().kept());
            for (const DrawOp& m : texts) {
                bool is_moved = false;
                for (const DrawOp& t : moved) is_moved = is_moved || same_text(t, m);
                if (!is_moved) continue;
                const Bounds mb = inks.ink(m, 1, true).grown(1);
                for (const DrawOp& o : texts) {
                    if (same_text(o, m) || !inks.ink(o, 1, true).overlaps(mb)) continue;
                    const std::string line = pair_line(step.name(), m, o);
                    if (found.count(line)) continue;
                    compared.insert(line);
                    int px = 0, py = 0;
                    if (!ink_of(m).near(ink_of(o), px, py)) continue;
                    found.insert(line);
                    if (!updating_snapshots() && !allowed.pairs.count(line))
                        ADD_FAILURE() << step.name() << " key " << wait << ": " << named(m)
                                      << ", moved or resized to read, comes within a unit of " << named(o) << " at ("
                                      << px / kScale << ", " << py / kScale << ")\n  (a pair the lesson puts together"
                                      << " goes into " << kAllowed.filename() << " as: " << line << ")";
                }
            }
        };
        WalkResult r = walk(step, options);
        ASSERT_TRUE(r.back_at_menu) << step.name() << ": " << r.stuck;
    }
    // The pairs of a moved text and another whose inks' boxes come within a unit, each face's own, as its
    // glyphs are fitted: under Noto Sans CJK JP the "y"s after a coefficient, which the layout lifts clear
    // of the box under them (19 in Kelvane's lesson 6, 2 in Sarnoth's lesson 3), the calendar's "日" under
    // a "。" and its "土" beside the "②" laid over it; under IPAGothic only the last: its "y"s are not
    // moved, and its "日" comes no nearer the "。" than that.
    const std::map<std::string, size_t> pairs_of_face{{"Noto Sans CJK JP", 23}, {"IPAGothic", 1}};
    const std::string face = face_choice(Face::Gothic).family;
    ASSERT_TRUE(pairs_of_face.count(face)) << "no count of pairs stated for " << face;
    EXPECT_EQ(compared.size(), pairs_of_face.at(face)) << "pairs of a moved text and another compared, under " << face;
    if (updating_snapshots()) {
        std::ofstream out(kAllowed);
        out << "# Texts moved or resized to read that stand within a unit of another text's ink where the\n"
               "# lessons' own coordinates put them: step, the moved text and the other, each with its pen.\n"
               "# Written by MovedTextsKeepClearOfOtherTexts under CW_UPDATE_SNAPSHOTS=1; read each line.\n";
        for (const std::string& line : found) {
            auto note = allowed.notes.find(line);
            out << line << (note == allowed.notes.end() ? "" : note->second) << '\n';
        }
        return;
    }
    for (const std::string& line : allowed.pairs)
        EXPECT_TRUE(found.count(line)) << "listed but no longer found (drop it from " << kAllowed.filename()
                                       << "): " << line;
}


// ---- reduced values ----------------------------------------------------------------------------

// A cancellation stroke: a slanting line in colour 3 (a fraction bar, an
// upright or a level line is none).
bool cancellation_stroke(const DrawOp& op) {
    return op.op == Op::Line && op.c == 3 && !op.bar && op.x1 != op.x2 && op.y1 != op.y2;
}

// The space between two boxes (0 where they overlap).
float box_gap(const Bounds& a, const Bounds& b) {
    const float dx = std::max({0.0f, a.l - b.r, b.l - a.r}), dy = std::max({0.0f, a.t - b.b, b.t - a.b});
    return std::hypot(dx, dy);
}

// Whether the line runs through the box: a struck text.
bool crosses(const DrawOp& l, const Bounds& b) {
    for (int i = 0; i <= 64; ++i) {
        const float f = static_cast<float>(i) / 64, x = l.x1 + (l.x2 - l.x1) * f, y = l.y1 + (l.y2 - l.y1) * f;
        if (x > b.l && x < b.r && y > b.t && y < b.b) return true;
    }
    return false;
}

bool a_number(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where a value stands against its stroke: over or under it, and whether
// the stroke falls to the right (a factor of a written-out fraction) or
// rises (a number on a line, a denominator).
std::string value_case(const DrawOp& stroke, const Bounds& value_ink) {
    const bool falling = (stroke.y2 - stroke.y1) * (stroke.x2 - stroke.x1) > 0;
    const bool above = value_ink.t + value_ink.b < stroke.y1 + stroke.y2;
    if (falling) return above ? "over a struck factor" : "under a struck factor";
    return above ? "over a struck number" : "under a struck denominator";
}

// The value's pen from the stroke's top left corner: "(-4, -33)".
std::string offset_from(const DrawOp& stroke, const DrawOp& value) {
    std::ostringstream s;
    s << '(' << value.x1 - std::min(stroke.x1, stroke.x2) << ", " << value.y1 - std::min(stroke.y1, stroke.y2) << ')';
    return s.str();
}

// Space a reduced value keeps from its stroke's ink, and from every other
// text's.
constexpr double kFromStroke = 6;
constexpr double kFromText = 3;

// The value a cancellation leaves, written over or under the struck number
// (a number in colour 3 within 30 units of a stroke, which no stroke
// crosses), keeps its ink 6 units from its stroke's (the nearest stroke's)
// and 3 from every other text's, on every screen of the tour: it reads as
// the number's new value, apart from the stroke, from the struck number and
// from the lines around it.
TEST(Legibility, ReducedValuesKeepClearOfTheirStrokesAndOfOtherTexts) {
    struct Seen {
        double stroke_min = 1e9, stroke_max = 0, text_min = 1e9;
        std::map<std::string, int> offsets;
        int values = 0;
    };
    std::map<std::string, Seen> cases;
    std::set<std::string> steps_with_values;
    for (const Step& step : all_steps()) {
        GlyphLayout inks;
        std::map<std::string, Ink> drawn;
        auto ink_of = [&](const DrawOp& t) -> const Ink& {
            std::ostringstream key;
            key << static_cast<int>(t.op) << ' ' << t.x1 << ' ' << t.y1 << ' ' << t.x2 << ' ' << t.y2 << ' ' << t.p
                << ' ' << t.q << ' ' << t.font.face << t.font.size << t.font.bold << t.font.italic << ' ' << t.s;
            for (const GlyphFit& f : t.fits) key << ' ' << f.index << ':' << f.scale << ':' << f.dx << ':' << f.dy;
            auto it = drawn.find(key.str());
            if (it == drawn.end()) it = drawn.emplace(key.str(), Ink(t, inks.ink(t, 1, true))).first;
            return it->second;
        };
        std::set<std::string> checked;  // each value once, each pair once
        WalkOptions options;
        int wait = 0;
        options.on_wait = [&](Harness& h) {
            ++wait;
            const std::vector<KeptOp> screen = h.backend.screen().kept();
            std::vector<DrawOp> strokes;
            for (const KeptOp& k : screen)
                if (cancellation_stroke(k.op)) strokes.push_back(k.op);
            if (strokes.empty()) return;
            const std::vector<DrawOp> texts = shown_texts(screen);
            for (const DrawOp& v : texts) {
                if (v.c != 3 || !a_number(v.s)) continue;
                const Bounds vb = inks.ink(v, 1, true);
                const DrawOp* mine = nullptr;
                double from_stroke = 30;
                bool struck = false;
                for (const DrawOp& l : strokes) {
                    struck = struck || crosses(l, vb);
                    if (box_gap(vb, inks.ink(l, 1, true)) >= 30) continue;
                    const double gap = ink_of(v).gap(ink_of(l), 30);
                    if (gap < from_stroke || !mine) from_stroke = gap, mine = &l;
                }
                if (!mine || struck) continue;
                const std::string where = step.name() + " " + named(v);
                Seen& seen = cases[value_case(*mine, vb)];
                if (checked.insert(where).second) {
                    steps_with_values.insert(step.name());
                    ++seen.values;
                    ++seen.offsets[offset_from(*mine, v)];
                    seen.stroke_min = std::min(seen.stroke_min, from_stroke);
                    seen.stroke_max = std::max(seen.stroke_max, from_stroke);
                    EXPECT_GE(from_stroke, kFromStroke)
                        << step.name() << " key " << wait << ": the reduced value " << named(v) << " stands "
                        << from_stroke << " from its stroke (" << mine->x1 << ", " << mine->y1 << ")-(" << mine->x2
                        << ", " << mine->y2 << ")";
                }
                for (const DrawOp& o : texts) {
                    if (same_text(o, v) || box_gap(vb, inks.ink(o, 1, true)) >= kFromText + 1) continue;
                    if (!checked.insert(where + " near " + named(o)).second) continue;
                    const double gap = ink_of(v).gap(ink_of(o), kFromText + 1);
                    seen.text_min = std::min(seen.text_min, gap);
                    EXPECT_GE(gap, kFromText) << step.name() << " key " << wait << ": the reduced value " << named(v)
                                              << " stands " << gap << " from " << named(o);
                }
            }
        };
        WalkResult r = walk(step, options);
        ASSERT_TRUE(r.back_at_menu) << step.name() << ": " << r.stuck;
    }
    for (auto& [name, seen] : cases) {
        std::cout << name << ": " << seen.values << " values, " << seen.stroke_min << " to " << seen.stroke_max
                  << " from the stroke, at least " << std::min(seen.text_min, kFromText + 1) << " from other text; at";
        for (auto& [offset, n] : seen.offsets) std::cout << ' ' << offset << " x" << n;
        std::cout << '\n';
    }
    std::cout << "steps:";
    for (auto& s : steps_with_values) std::cout << ' ' << s;
    std::cout << '\n';
    for (const char* c : {"over a struck factor", "under a struck factor", "over a struck number", "under a struck denominator"})
        EXPECT_TRUE(cases.count(c)) << "no reduced value " << c << " was seen";
}

}  // namespace
}  // namespace cw::test
