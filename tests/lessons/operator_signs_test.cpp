// Whether a pupil tells the operator signs from the italic letters beside
// them: a tour through every step of every lesson of the three programs,
// comparing the ink of each ×, ÷ and ± with that of the italic letter next
// to it, each as the painter draws it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iomanip>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/backdrop.h"
#include "platform/basic.h"
#include "platform/render.h"
#include "support/tour.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

bool operator_sign(const std::string& ch) { return ch == "×" || ch == "÷" || ch == "±"; }

// The ink of one glyph drawn alone, as the painter draws it over what lay
// under it, at kScale pixels a layout unit.
struct SignInk {
    static constexpr int kScale = 4;
    static constexpr int kBox = 32;  // the side of the box shapes are compared in
    float height = 0, width = 0;     // of its ink, in layout units
    float weight = 0;                // the mean width of its strokes, in layout units
    std::vector<bool> shape;         // its ink scaled to a kBox square, row by row
    // Where any of it shows (a pixel a quarter dark or more), from the top
    // left corner of the glyph's cell, in layout units.
    Bounds box;
    bool empty() const { return shape.empty(); }
};

SignInk sign_ink(const DrawOp& glyph, const Beneath& under) {
    const Bounds cell = char_cells(glyph).front().cell;
    const float margin = cell.b - cell.t;  // leaning letters and descenders stay within a cell's height
    const int w = static_cast<int>(std::ceil((cell.r - cell.l + 2 * margin) * SignInk::kScale));
    const int h = static_cast<int>(std::ceil((cell.b - cell.t + 2 * margin) * SignInk::kScale));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, SignInk::kScale, SignInk::kScale);
    cairo_translate(cr, margin - cell.l, margin - cell.t);
    DrawOp one = glyph;
    one.c = 0;
    Painter(cr).draw(one, paint_of(one), under);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    auto dark = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && data[y * stride + x] >= 128; };

    SignInk ink;
    int l = w, t = h, r = -1, b = -1;
    double area = 0, edges = 0;
    {
        int bl = w, bt = h, br = -1, bb = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (data[y * stride + x] >= 64) bl = std::min(bl, x), br = std::max(br, x), bt = std::min(bt, y), bb = std::max(bb, y);
        auto unit = [&](int px) { return static_cast<float>(px) / SignInk::kScale - margin; };
        if (br >= 0) ink.box = {unit(bl), unit(bt), unit(br + 1), unit(bb + 1)};
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!dark(x, y)) continue;
            l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
            ++area;
            edges += !dark(x + 1, y) + !dark(x - 1, y) + !dark(x, y + 1) + !dark(x, y - 1);
        }
    if (r >= 0) {
        ink.width = static_cast<float>(r + 1 - l) / SignInk::kScale;
        ink.height = static_cast<float>(b + 1 - t) / SignInk::kScale;
        // Twice its area over its outline's length: about w for strokes of width w.
        ink.weight = static_cast<float>(2 * area / edges / SignInk::kScale);
        ink.shape.resize(SignInk::kBox * SignInk::kBox);
        for (int y = 0; y < SignInk::kBox; ++y)
            for (int x = 0; x < SignInk::kBox; ++x) {
                // The share of the pixels under this square that are ink.
                const double x0 = l + (r + 1 - l) * double(x) / SignInk::kBox;
                const double x1 = l + (r + 1 - l) * double(x + 1) / SignInk::kBox;
                const double y0 = t + (b + 1 - t) * double(y) / SignInk::kBox;
                const double y1 = t + (b + 1 - t) * double(y + 1) / SignInk::kBox;
                double on = 0, all = 0;
                for (int py = static_cast<int>(y0); py < std::ceil(y1); ++py)
                    for (int px = static_cast<int>(x0); px < std::ceil(x1); ++px) {
                        const double a = (std::min<double>(px + 1, x1) - std::max<double>(px, x0)) *
                                         (std::min<double>(py + 1, y1) - std::max<double>(py, y0));
                        all += a;
                        if (dark(px, py)) on += a;
                    }
                ink.shape[static_cast<size_t>(y * SignInk::kBox + x)] = on >= all / 2;
            }
    }
    cairo_surface_destroy(surface);
    return ink;
}

// The ink two glyphs share once each is scaled to one box, as a share of
// the ink either has.
double overlap(const SignInk& a, const SignInk& b) {
    int both = 0, either = 0;
    for (size_t i = 0; i < a.shape.size(); ++i) {
        both += a.shape[i] && b.shape[i];
        either += a.shape[i] || b.shape[i];
    }
    return either ? double(both) / either : 0;
}

// Glyph inks measured once for each style, character and fit, relative to
// the glyph's pen.
class Inks {
public:
    const SignInk& of(const DrawOp& glyph, const Beneath& under) {
        std::ostringstream key;
        key << glyph.font.face << glyph.font.bold << glyph.font.italic << ' ' << glyph.font.size << ' ' << glyph.p
            << '/' << glyph.q << ' ' << glyph.s;
        for (const GlyphFit& f : glyph.fits) key << " fit " << f.scale << ',' << f.dx << ',' << f.dy;
        const Bounds cell = char_cells(glyph).front().cell;
        for (const PlacedGlyph& g : glyph.glyphs)
            key << " at " << g.tx - cell.l << ',' << g.ty - cell.t << ' ' << g.sx << ',' << g.sy << ' ' << g.weight;
        auto it = seen_.find(key.str());
        if (it == seen_.end()) it = seen_.emplace(key.str(), sign_ink(glyph, under)).first;
        return it->second;
    }

private:
    std::map<std::string, SignInk> seen_;
};

// One character of a text as the painter draws it.
struct Glyph {
    DrawOp op;  // the character alone, in its cell
    Beneath under;
    bool italic_letter() const {
        return op.font.italic && op.s.size() == 1 && std::isalpha(static_cast<unsigned char>(op.s[0]));
    }
};

// The characters of a text, each alone and fitted as it was, with what lay
// under it.
std::vector<Glyph> glyphs_of(const DrawOp& text, const Beneath& under) {
    std::vector<Glyph> out;
    const std::vector<CharCell> cells = char_cells(text);
    for (size_t i = 0; i < cells.size(); ++i) {
        Glyph g{text, {}};
        g.op.s = cells[i].ch;
        g.op.x1 = cells[i].cell.l;
        g.op.fits.clear();
        for (GlyphFit f : text.fits)
            if (f.index == static_cast<int>(i)) g.op.fits.push_back({0, f.scale, f.dx, f.dy});
        g.op.glyphs.clear();
        for (PlacedGlyph p : text.glyphs)
            if (p.index == static_cast<int>(i)) p.index = 0, g.op.glyphs.push_back(p);
        g.under.mark = under.mark;
        if (i < under.chars.size()) g.under.chars.push_back(under.chars[i]);
        out.push_back(std::move(g));
    }
    return out;
}

struct SignPair {
    std::string where;  // the step and the expression
    Glyph sign, letter;
};

// Whether two glyphs stand on one line: the middle of each one's cell lies
// within the other's height (a sign on the line after a fraction is beside
// the fraction, not beside the last letter of its numerator).
bool on_one_line(const Glyph& a, const Glyph& b) {
    const Bounds ca = char_cells(a.op).front().cell, cb = char_cells(b.op).front().cell;
    const float ma = (ca.t + ca.b) / 2, mb = (cb.t + cb.b) / 2;
    return ma > cb.t && ma < cb.b && mb > ca.t && mb < ca.b;
}

// Every operator sign drawn beside an italic letter in the tour: in one
// text, or as neighbouring glyphs of one typesetter call on one line (a
// stroke drawn between them parts them).
std::vector<SignPair> signs_beside_letters() {
    std::vector<SignPair> out;
    for (const Step& step : all_steps()) {
        Backdrop backdrop;
        std::string expr;
        std::optional<Glyph> last;  // the last glyph of the typesetter call
        auto meet = [&](const Glyph& a, const Glyph& b) {
            if (!on_one_line(a, b)) return;
            if (operator_sign(a.op.s) && b.italic_letter()) out.push_back({step.name() + " \"" + expr + "\"", a, b});
            if (operator_sign(b.op.s) && a.italic_letter()) out.push_back({step.name() + " \"" + expr + "\"", b, a});
        };
        WalkOptions options;
        options.on_op = [&](const DrawOp& op, const Program& g) {
            const bool typeset = inside_typesetter(g);
            if (op.op == Op::Expr) expr = op.s, last.reset();
            if (!typeset) last.reset();
            if (op.op == Op::Text && op.c != BACKGROUND) {
                Beneath under = backdrop.beneath(op);
                std::vector<Glyph> glyphs = glyphs_of(op, under);
                const bool on_screen = op.y1 < LAYOUT_H && op.y1 >= 0;  // measuring draws below the screen
                if (on_screen) {
                    if (typeset && last && !glyphs.empty()) meet(*last, glyphs.front());
                    for (size_t i = 1; i < glyphs.size(); ++i) meet(glyphs[i - 1], glyphs[i]);
                }
                if (typeset && on_screen && !glyphs.empty())
                    last = glyphs.back();
                else
                    last.reset();
            } else if (op.drawn()) {
                last.reset();
            }
            backdrop.add(op);
        };
        WalkResult r = walk(step, options);
        EXPECT_TRUE(r.back_at_menu) << step.name() << ": " << r.stuck;
    }
    return out;
}

// Where the sign and the letter could be taken for one another.  A maths
// typesetter sets the sign lighter and no larger than the letters, so that
// an italic x and a times sign differ in weight, in size and in shape;
// each of the three is checked.  The bounds lie between the times sign
// drawn as heavy as the bold digits (overlap 0.69, weight 1.08, height
// 1.18 beside x on the line) and as it is meant (at most 0.51, 0.68, 0.99
// over the tour).
struct Likeness {
    double overlap, weight, height;  // shapes' shared ink; sign over letter
    std::string fault() const {
        if (overlap > 0.6) return "shapes overlap";
        if (weight > 0.8) return "sign as heavy as the letter";
        if (height > 1.05) return "sign taller than the letter";
        return "";
    }
};

// Every ×, ÷ and ± a pupil sees beside an italic letter reads as an
// operator: "x×y", "a×b", "6x×(−3x)" and "(x×x)×(x×x×x)" on the line, in
// a fraction's parts and beside exponents.  Each sign and letter is drawn
// alone, as the painter draws it, and their ink compared; each pair of
// styles is reported once, with the first step it was seen in.
TEST(OperatorSigns, ReadApartFromTheItalicLettersBesideThem) {
    Inks inks;
    const std::vector<SignPair> pairs = signs_beside_letters();
    ASSERT_GT(pairs.size(), 100u);
    std::set<std::string> reported;
    for (const SignPair& p : pairs) {
        const SignInk& sign = inks.of(p.sign.op, p.sign.under);
        const SignInk& letter = inks.of(p.letter.op, p.letter.under);
        ASSERT_FALSE(sign.empty() || letter.empty()) << p.where << ": nothing drawn";
        const Likeness like{overlap(sign, letter), sign.weight / letter.weight, sign.height / letter.height};
        const std::string fault = like.fault();
        if (fault.empty()) continue;
        std::ostringstream styles;
        styles << p.sign.op.s << " " << p.sign.op.p << "/" << p.sign.op.q << " size " << p.sign.op.font.size
               << " beside " << p.letter.op.s << " " << p.letter.op.p << "/" << p.letter.op.q;
        if (!reported.insert(styles.str()).second) continue;
        ADD_FAILURE() << std::fixed << std::setprecision(2) << p.where << ": " << styles.str() << ": " << fault
                      << " (overlap " << like.overlap
                      << ", weight " << like.weight << ", height " << like.height << ")";
    }
}

// The ink of what one typesetter call drew, each box where a glyph or a mark
// shows, in the order drawn; the signs among them.
struct CallInk {
    struct Item {
        Bounds box;
        std::string ch;     // a glyph's character ("" for a mark)
        bool sign = false;  // a ×, ÷ or ± set as an operator
    };
    std::string where;
    std::vector<Item> items;
};

// Where a mark shows: its line or points grown by half its width.
Bounds mark_box(const DrawOp& op) {
    const float h = static_cast<float>(op.w) / 2;
    if (op.op == Op::Polyline) {
        Bounds b{1e9f, 1e9f, -1e9f, -1e9f};
        for (auto& p : op.pts) b = {std::min(b.l, p.first), std::min(b.t, p.second), std::max(b.r, p.first), std::max(b.b, p.second)};
        return b.grown(h);
    }
    return Bounds{std::min(op.x1, op.x2), std::min(op.y1, op.y2), std::max(op.x1, op.x2), std::max(op.y1, op.y2)}.grown(h);
}

// Every typesetter call of the tour, from the main menus and the lessons'
// goal screens to every step, with the ink of each glyph and mark it drew
// on the screen.
std::vector<CallInk> typeset_calls(Inks& inks) {
    std::vector<CallInk> out;
    auto walk_with = [&](const Step& step, bool menus) {
        Backdrop backdrop;
        std::optional<CallInk> call;
        auto end_call = [&] {
            if (call && !call->items.empty()) out.push_back(std::move(*call));
            call.reset();
        };
        auto take = [&](const DrawOp& op, const Program& g, const std::string& where) {
            const bool typeset = inside_typesetter(g);
            if (op.op == Op::Expr) {
                end_call();
                call = CallInk{where + " \"" + op.s + "\"", {}};
            } else if (!typeset && op.drawn()) {
                end_call();
            }
            const bool on_screen = op.y1 < LAYOUT_H && op.y1 >= 0;
            if (call && typeset && on_screen && op.c != BACKGROUND) {
                if (op.op == Op::Text) {
                    const Beneath under = backdrop.beneath(op);
                    for (const Glyph& gl : glyphs_of(op, under)) {
                        const SignInk& ink = inks.of(gl.op, gl.under);
                        if (ink.empty()) continue;
                        const Bounds cell = char_cells(gl.op).front().cell;
                        const Bounds box{cell.l + ink.box.l, cell.t + ink.box.t, cell.l + ink.box.r, cell.t + ink.box.b};
                        call->items.push_back({box, gl.op.s, op.role == GlyphRole::Operator});
                    }
                } else if (op.op == Op::Line || op.op == Op::Polyline) {
                    call->items.push_back({mark_box(op), "", false});
                }
            }
            backdrop.add(op);
        };
        WalkOptions options;
        options.on_op = [&](const DrawOp& op, const Program& g) { take(op, g, step.name()); };
        if (menus)
            options.on_menu_op = [&](const DrawOp& op, const Program& g, bool opening) {
                take(op, g, opening ? step.program + " lesson " + std::to_string(step.lesson) + " opening"
                                    : step.program + " main menu");
            };
        WalkResult r = walk(step, options);
        end_call();
        EXPECT_TRUE(r.back_at_menu) << step.name() << ": " << r.stuck;
    };
    for (const Step& step : all_steps()) walk_with(step, step.item == 1);
    return out;
}

// The white between an operator sign's ink and its neighbours' on its line:
// the nearest ink before it and after it that shares some of its height.
struct Room {
    float before = 1e9f, after = 1e9f;
};

Room room_of(const CallInk& call, size_t i) {
    const Bounds s = call.items[i].box;
    const float mid = (s.l + s.r) / 2;
    Room room;
    for (size_t k = 0; k < call.items.size(); ++k) {
        const Bounds b = call.items[k].box;
        if (k == i || b.b <= s.t || b.t >= s.b) continue;
        if (b.r <= mid) room.before = std::min(room.before, s.l - b.r);
        else if (b.l >= mid) room.after = std::min(room.after, b.l - s.r);
        else room.before = room.after = std::min({room.before, room.after, -1.0f});  // ink across the sign
    }
    return room;
}

// Every ×, ÷ and ± the typesetter sets as an operator, in every step, menu
// and goal screen: none has a character of Japanese text beside it (it would
// be a character of that text, at its full size: 「多項式×数」), and its ink
// keeps 2 units of white from the ink before it and after it on its line
// (after an italic letter, 「x×y」 and 「6x÷(」 read as one lump without).
TEST(OperatorSigns, StandClearOfTheirNeighboursAndOutOfJapaneseText) {
    Inks inks;
    const std::vector<CallInk> calls = typeset_calls(inks);
    size_t signs = 0;
    std::set<std::string> reported;
    std::map<std::string, Room> after_letter;  // the least room of × and ÷ after an italic letter
    for (const CallInk& call : calls) {
        const auto& items = call.items;
        for (size_t i = 0; i < items.size(); ++i) {
            if (!items[i].sign) continue;
            ++signs;
            auto glyph_beside = [&](int step) {
                for (size_t k = i + step; k < items.size(); k += step)
                    if (!items[k].ch.empty()) return items[k].ch;
                return std::string();
            };
            for (const std::string& beside : {glyph_beside(-1), glyph_beside(+1)})
                if (!beside.empty() && char_class(beside) == CharClass::Japanese)
                    ADD_FAILURE() << call.where << ": " << items[i].ch << " beside \"" << beside
                                  << "\" is set as an operator";
            const Room room = room_of(call, i);
            if (i > 0 && (items[i - 1].ch == "x" || items[i - 1].ch == "a" || items[i - 1].ch == "c")) {
                Room& least = after_letter[items[i].ch];
                least.before = std::min(least.before, room.before);
                least.after = std::min(least.after, room.after);
            }
            if (room.before >= 2 && room.after >= 2) continue;
            std::ostringstream what;
            what << std::fixed << std::setprecision(2) << items[i].ch << " with " << room.before << " before and "
                 << room.after << " after";
            if (reported.insert(call.where).second)
                ADD_FAILURE() << call.where << ": " << what.str() << " (at least 2 each side)";
        }
    }
    EXPECT_GT(signs, 300u);
    // The least room after an italic letter, in the test's report.
    for (auto& [sign, room] : after_letter) {
        std::ostringstream least;
        least << std::fixed << std::setprecision(2) << room.before << " before, " << room.after << " after";
        testing::Test::RecordProperty("room of " + sign + " after an italic letter", least.str());
    }
}

}  // namespace
}  // namespace cw::test
