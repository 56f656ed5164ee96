// Page snapshots: what a pupil sees on every step of every lesson, checked in
// under tests/snapshots/ and compared operation by operation.
//
// Each step is walked from the main menu (support/tour.h) at two clocks, and
// what it drew is written one operation a line: every text as the lesson
// wrote it (the whole expression string with its pen, colour and the glyph
// styles the typesetter gave it), every text, line, box, fill, circle and
// polyline drawn outside the typesetter, and every key the step waited for.
// A line drawn as a fraction bar says so, as does a text set as an operator
// sign, and a glyph drawn smaller or moved to fit what lies under it says so
// on its text's line.  Where the layout placed every other glyph, relative
// to its cell, is one table for the whole tour, GLYPHS.
// Measuring (drawing inside the typesetter below the screen) is left out.
//
// A change to a page is a diff of these files.  To write them anew after a
// change that is meant:
//
//     make snapshots
//
// (which runs this test with CW_UPDATE_SNAPSHOTS=1).
//
// Where a glyph is fitted depends on the face that draws it: the snapshots
// say in FACE which family drew the gothic face when they were written.  On
// a machine that draws it with another, one test says so and the steps are
// compared without their fits.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/basic.h"
#include "platform/fonts.h"
#include "support/tour.h"
#include "typeset/typeset.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::path(CW_SOURCE_DIR) / "tests" / "snapshots";
const fs::path kFaceFile = kDir / "FACE";
const fs::path kGlyphsFile = kDir / "GLYPHS";
const char* const kClocks[] = {"00:00:00", "12:34:56"};

std::string num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20 || u == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", u);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string face_code(const std::string& face) {
    if (face == "ゴシック") return "G";
    if (face == "ｺﾞｼｯｸ") return "g";
    if (face == "Times New Roman") return "T";
    if (face == "MT Extra") return "M";
    return quoted(face);
}

std::string style(const DrawOp& op) {
    std::string s = std::to_string(op.p) + "/" + std::to_string(op.q) + " " + face_code(op.font.face) + " " +
                    num(op.font.size);
    if (op.font.bold) s += " b";
    if (op.font.italic) s += " i";
    if (op.role == GlyphRole::Operator) s += " op";
    return s;
}

// A value rounded to tenths, without a sign on zero.
std::string tenths(float v) {
    float r = std::round(v * 10) / 10;
    return num(r == 0 ? 0.0f : r);
}

// The glyphs of a text fitted to what lies under them, each as
// ` fit "6"@2 ×0.83 +0,-1.5`: the character, its place among the characters
// (counted from `first`), its scale when not 1 and its shift across and
// down, in layout units to a tenth.
std::string fits_of(const DrawOp& op, int first) {
    if (op.fits.empty()) return "";
    const std::vector<std::string> chars = split_chars(op.s);
    std::string out;
    for (const GlyphFit& f : op.fits) {
        const std::string ch = f.index < static_cast<int>(chars.size()) ? chars[static_cast<size_t>(f.index)] : "?";
        out += " fit " + quoted(ch) + "@" + std::to_string(first + f.index);
        char k[16];
        std::snprintf(k, sizeof k, "%.2f", static_cast<double>(f.scale));
        if (std::string(k) != "1.00") out += std::string(" ×") + k;
        const std::string dx = tenths(f.dx);
        out += (dx[0] == '-' ? " " : " +") + dx + "," + tenths(f.dy);
    }
    return out;
}

// Where the layout placed each glyph it did not fit, relative to its cell,
// one line for each character, style and place the tour draws:
// `"×" 2/3 G 16 b op: +5.2,+9.8 ×0.74/0.74 w0.03`, its face's layout origin
// from the cell's top left corner, its scale across and down and the
// weight laid round it, in layout units to a hundredth.  Every placement
// rule shows here, as the fits show on the pages.
class GlyphTable {
public:
    void add(const DrawOp& op) {
        if (op.glyphs.empty()) return;
        const std::vector<CharCell> cells = char_cells(op);
        const std::string st = style(op);
        for (const PlacedGlyph& g : op.glyphs) {
            const bool fitted = std::any_of(op.fits.begin(), op.fits.end(), [&](const GlyphFit& f) { return f.index == g.index; });
            if (fitted || g.index >= static_cast<int>(cells.size())) continue;
            const Bounds& cell = cells[static_cast<size_t>(g.index)].cell;
            char at[96];
            std::snprintf(at, sizeof at, "%+.2f,%+.2f ×%.4f/%.4f w%.2f", g.tx - cell.l, g.ty - cell.t, g.sx, g.sy,
                          g.weight);
            lines_.insert(quoted(g.drawn) + " " + st + ": " + at);
        }
    }
    std::string text() const {
        std::string out;
        for (const std::string& l : lines_) out += l + "\n";
        return out;
    }

private:
    std::set<std::string> lines_;
};

// Whether an operation's ink may reach the screen (the measuring area lies below it).
bool on_screen(const DrawOp& op) {
    switch (op.op) {
    case Op::Polyline:
        for (auto& p : op.pts)
            if (p.first < LAYOUT_W && p.second < LAYOUT_H) return true;
        return op.pts.empty();
    case Op::Circle:
        return op.x1 - op.r < LAYOUT_W && op.y1 - op.r < LAYOUT_H;
    default:
        return op.x1 < LAYOUT_W && op.y1 < LAYOUT_H;
    }
}

// The visible draw log of a stretch of a program, one operation a line.
class PageLog {
public:
    explicit PageLog(GlyphTable& glyphs) : glyphs_(glyphs) {}
    void add(const DrawOp& op, bool in_typesetter) {
        if (op.op == Op::Key) {
            flush();
            out_ << "K " << quoted(op.s) << '\n';
            return;
        }
        if (!on_screen(op)) return;
        if (op.op == Op::Text) glyphs_.add(op);
        if (in_typesetter) {
            if (!call_) return;  // drawn by a typesetter routine called from inside another
            if (op.op == Op::Text) {
                std::string st = style(op);
                if (call_styles_.insert(st).second) call_style_list_.push_back(st);
                call_fits_ += fits_of(op, call_chars_);
                call_chars_ += static_cast<int>(split_chars(op.s).size());
            } else {
                ++call_marks_;
            }
            return;
        }
        flush();
        switch (op.op) {
        case Op::Expr:
        case Op::Prompt:
            call_ = true;
            call_line_ = std::string(op.op == Op::Expr ? "E " : "P ") + num(op.x1) + " " + num(op.y1) + " c" +
                         std::to_string(op.c) + " " + quoted(op.s);
            return;
        case Op::Text:
            out_ << "T " << num(op.x1) << ' ' << num(op.y1) << " c" << op.c << " [" << style(op) << "] "
                 << quoted(op.s) << fits_of(op, 0) << '\n';
            return;
        case Op::Line:
            out_ << "L " << num(op.x1) << ' ' << num(op.y1) << ' ' << num(op.x2) << ' ' << num(op.y2) << " c" << op.c
                 << " w" << op.w << (op.bar ? " bar" : "") << '\n';
            return;
        case Op::Box:
            out_ << "B " << num(op.x1) << ' ' << num(op.y1) << ' ' << num(op.x2) << ' ' << num(op.y2) << " c" << op.c
                 << " w" << op.w << '\n';
            return;
        case Op::Fill:
            out_ << "F " << num(op.x1) << ' ' << num(op.y1) << ' ' << num(op.x2) << ' ' << num(op.y2) << " c" << op.c
                 << " f" << op.f << " w" << op.w << '\n';
            return;
        case Op::Circle:
            out_ << "C " << num(op.x1) << ' ' << num(op.y1) << " r" << num(op.r) << ' ' << num(op.start) << ' '
                 << num(op.end) << " c" << op.c;
            if (op.filled) out_ << " f" << op.f;
            out_ << " w" << op.w << '\n';
            return;
        case Op::Polyline:
            out_ << "Y c" << op.c << " w" << op.w;
            for (auto& p : op.pts) out_ << ' ' << num(p.first) << ',' << num(p.second);
            out_ << '\n';
            return;
        case Op::Cls:
            out_ << "CLS\n";
            return;
        case Op::Key:
            return;
        }
    }

    std::string text() {
        flush();
        return out_.str();
    }

private:
    // Writes the pending typesetter call with the glyph styles it used and
    // the number of marks (bars, strokes) it drew.
    void flush() {
        if (!call_) return;
        out_ << call_line_;
        if (!call_style_list_.empty()) {
            out_ << " [";
            for (size_t i = 0; i < call_style_list_.size(); ++i) out_ << (i ? "; " : "") << call_style_list_[i];
            out_ << ']';
        }
        if (call_marks_) out_ << " +" << call_marks_;
        out_ << call_fits_ << '\n';
        call_ = false;
        call_styles_.clear();
        call_style_list_.clear();
        call_marks_ = 0;
        call_chars_ = 0;
        call_fits_.clear();
    }

    GlyphTable& glyphs_;
    std::ostringstream out_;
    bool call_ = false;
    std::string call_line_;
    std::set<std::string> call_styles_;
    std::vector<std::string> call_style_list_;
    int call_marks_ = 0;
    int call_chars_ = 0;     // characters the call's texts drew so far
    std::string call_fits_;  // their glyphs' fits
};

const std::vector<Step>& steps();

struct StepLog {
    std::string text;
    std::string stuck;
};

StepLog log_step(const Step& step, const std::string& clock, GlyphTable& glyphs) {
    PageLog log(glyphs);
    WalkOptions options;
    options.time = clock;
    options.on_op = [&](const DrawOp& op, const Program& g) { log.add(op, inside_typesetter(g)); };
    WalkResult r = walk(step, options);
    return {log.text(), r.back_at_menu ? "" : r.stuck};
}

// The file of a step: one section per clock; a clock that drew what the
// first drew says so instead of repeating it.
std::string snapshot_of(const Step& step, std::string& stuck, GlyphTable& glyphs) {
    std::string out;
    std::string first;
    for (const char* clock : kClocks) {
        StepLog l = log_step(step, clock, glyphs);
        if (!l.stuck.empty() && stuck.empty()) stuck = std::string("at ") + clock + ": " + l.stuck;
        out += "# " + step.name() + " at " + clock + "\n";
        if (clock == kClocks[0]) {
            first = l.text;
            out += l.text;
        } else if (l.text == first) {
            out += "# as at " + std::string(kClocks[0]) + "\n";
        } else {
            out += l.text;
        }
    }
    return out;
}

// The file of a program's main menu and of each lesson's opening (its goal
// screen and its menu, up to the first key a step waits for), where the
// titles and goals are drawn.
fs::path menus_file(const std::string& program) { return kDir / program / "menus.txt"; }

std::string menus_snapshot(const std::string& program, std::string& stuck, GlyphTable& glyphs) {
    std::string out;
    bool first = true;
    for (const Step& step : steps()) {
        if (step.program != program || step.item != 1) continue;
        PageLog menu(glyphs), opening(glyphs);
        WalkOptions options;
        options.on_menu_op = [&](const DrawOp& op, const Program& g, bool in_opening) {
            (in_opening ? opening : menu).add(op, inside_typesetter(g));
        };
        options.stop_if = [](Harness&) { return std::string("the step began"); };
        WalkResult r = walk(step, options);
        if (!r.back_at_menu && r.stuck != "the step began" && stuck.empty()) stuck = "lesson " + std::to_string(step.lesson) + ": " + r.stuck;
        if (first) out += "# " + program + " main menu\n" + menu.text();
        first = false;
        out += "# " + program + " lesson " + std::to_string(step.lesson) + " opening\n" + opening.text();
    }
    return out;
}

fs::path file_of(const Step& step) {
    return kDir / step.program / (std::to_string(step.lesson) + "-" + std::to_string(step.item) + ".txt");
}

std::vector<std::string> lines_of(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The first difference and a few lines after it, for the failure message.
std::string first_difference(const std::string& expected, const std::string& actual) {
    auto e = lines_of(expected), a = lines_of(actual);
    size_t i = 0;
    while (i < e.size() && i < a.size() && e[i] == a[i]) ++i;
    std::ostringstream msg;
    msg << "first difference at line " << i + 1 << "\n";
    // The section the line belongs to.
    for (size_t k = std::min(i, a.size()); k-- > 0;)
        if (a[k].rfind("# ", 0) == 0) {
            msg << "  in " << a[k] << "\n";
            break;
        }
    for (size_t k = i; k < i + 6; ++k) {
        if (k < e.size()) msg << "  expected: " << e[k] << "\n";
        if (k < a.size()) msg << "  actual:   " << a[k] << "\n";
    }
    return msg.str();
}

const std::vector<Step>& steps() {
    static const std::vector<Step> s = all_steps();
    return s;
}

std::string read_file(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The family that draws the gothic face here.
const std::string& installed_face() { return face_choice(Face::Gothic).family; }

// The family that drew it when the snapshots were written ("" when FACE is
// missing).
std::string written_face() {
    std::string face = read_file(kFaceFile);
    while (!face.empty() && (face.back() == '\n' || face.back() == '\r')) face.pop_back();
    return face;
}

bool same_face() {
    const std::string written = written_face();
    return written.empty() || written == installed_face();
}

// A snapshot with every glyph's fit left out: what the face does not decide.
std::string without_fits(const std::string& snapshot) {
    static const std::regex fits(R"(( fit "([^"\\]|\\.)*"@[0-9]+( ×[0-9.]+)? [-+][0-9.]+,-?[0-9.]+)+$)");
    std::string out;
    for (const std::string& line : lines_of(snapshot)) out += std::regex_replace(line, fits, "") + "\n";
    return out;
}

TEST(PageSnapshots, WrittenWithTheFaceInstalled) {
    if (updating_snapshots()) {
        std::ofstream(kFaceFile, std::ios::binary) << installed_face() << "\n";
        return;
    }
    const std::string written = written_face();
    ASSERT_FALSE(written.empty()) << "no " << kFaceFile << " (make snapshots writes it)";
    EXPECT_EQ(written, installed_face())
        << "the page snapshots were written with the gothic face drawn in \"" << written
        << "\", and this machine draws it in \"" << installed_face()
        << "\": glyphs are fitted to their cells and bars by their ink, so the fits differ.  Install the "
           "snapshots' face (fonts-noto-cjk for Noto Sans CJK JP), or write the snapshots for this face "
           "with make snapshots and do not commit them.  Meanwhile PageSnapshots.EveryStepDrawsWhatItsFileHolds "
           "compares the steps without their fits.";
}

TEST(PageSnapshots, EveryStepDrawsWhatItsFileHolds) {
    ASSERT_FALSE(steps().empty());
    std::set<fs::path> expected_files;
    GlyphTable glyphs;
    for (const Step& step : steps()) {
        SCOPED_TRACE(step.name());
        std::string stuck;
        std::string actual = snapshot_of(step, stuck, glyphs);
        EXPECT_EQ(stuck, "") << step.name() << ": the walk did not come back to the lesson's menu";
        fs::path file = file_of(step);
        expected_files.insert(file);
        if (updating_snapshots()) {
            fs::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << actual;
            continue;
        }
        ASSERT_TRUE(fs::exists(file)) << step.name() << ": no snapshot " << file << " (make snapshots writes it)";
        std::string expected = read_file(file);
        if (!same_face()) {
            // Another face fits other glyphs: PageSnapshots.WrittenWithTheFaceInstalled says so, once.
            expected = without_fits(expected);
            actual = without_fits(actual);
        }
        if (expected != actual)
            ADD_FAILURE() << step.name() << " draws what " << file.filename() << " does not hold"
                          << (same_face() ? "" : " (compared without fits: the snapshots' face is not installed)")
                          << "\n"
                          << first_difference(expected, actual);
    }
    // The main menus and the lessons' openings.
    for (const char* program : {"kelvane", "dorrith", "sarnoth"}) {
        SCOPED_TRACE(std::string(program) + " menus");
        std::string stuck;
        std::string actual = menus_snapshot(program, stuck, glyphs);
        EXPECT_EQ(stuck, "") << program << ": the walk did not reach a step";
        const fs::path file = menus_file(program);
        expected_files.insert(file);
        if (updating_snapshots()) {
            std::ofstream(file, std::ios::binary) << actual;
            continue;
        }
        ASSERT_TRUE(fs::exists(file)) << program << ": no snapshot " << file << " (make snapshots writes it)";
        std::string expected = read_file(file);
        if (!same_face()) expected = without_fits(expected), actual = without_fits(actual);
        if (expected != actual)
            ADD_FAILURE() << program << "'s menus draw what " << file.filename() << " does not hold\n"
                          << first_difference(expected, actual);
    }
    // Where every glyph went, over the whole tour (the face decides it).
    if (updating_snapshots()) {
        std::ofstream(kGlyphsFile, std::ios::binary) << glyphs.text();
    } else if (same_face()) {
        const std::string expected = read_file(kGlyphsFile);
        if (expected != glyphs.text())
            ADD_FAILURE() << "the glyphs are placed otherwise than " << kGlyphsFile << " holds\n"
                          << first_difference(expected, glyphs.text());
    }
    // Every file belongs to a step the menus still offer.
    for (auto& entry : fs::recursive_directory_iterator(kDir)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".txt") continue;
        if (expected_files.count(entry.path())) continue;
        if (updating_snapshots())
            fs::remove(entry.path());
        else
            ADD_FAILURE() << entry.path() << " is the snapshot of no step";
    }
}

// Every program offers its lessons' steps, so the snapshots cover them all.
// The table the step-by-step tests are made from is the menus' own.
TEST(PageSnapshots, TheMenusOfferEveryLessonsSteps) {
    ASSERT_EQ(steps_of_lessons().size(), 3u);
    for (const StepsOfLessons& c : steps_of_lessons()) {
        std::array<int, 7> found{};
        for (const Step& s : program_steps(c.program)) found[static_cast<size_t>(s.lesson - 1)] = s.item;
        EXPECT_EQ(found, c.items) << c.program;
    }
    std::vector<std::string> offered;
    for (const Step& s : all_steps()) offered.push_back(s.name());
    EXPECT_EQ(step_names(), offered);
}

}  // namespace
}  // namespace cw::test
