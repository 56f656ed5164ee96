#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

namespace cw {

namespace {

const char* const kGothic = "IPAGothic";
const char* const kPreferredGothic = "Noto Sans CJK JP";
const char* const kSerif = "Liberation Serif";

// The serif letters are narrower and smaller than their cells, which would
// otherwise run into the next character at the typesetter's advances, sit
// on the gothic digits' baseline and are drawn a touch heavier, nearer the
// bold digits' weight; no more, so that their counters stay open and their
// strokes thick and thin.
//
// An operator sign is set as a maths typesetter sets a binary operator:
// upright at its own proportions, its ink about two thirds of the digits'
// height (as tall as the italic letters' x beside it, no taller), centred
// across its cell and on the middle of the digits.
const std::array<FaceChoice, 3> kFaces = {{
    {kGothic, false, true, 0, 1, 1, false, 0, 0.74, 0.07},    // Face::Gothic
    {kSerif, false, false, 1.10, 0.58, 0.86, false, 0.02},  // Face::Serif
    {kSerif, true, false, 0.86, 0.6, 1.1},                    // Face::ScriptEll
}};

// The serif letters of the fraction parts (cells 48 by 40 at size 8): the
// share of the width the others take would draw them flat and small beside
// the fraction's digits; these are narrower and taller, on the same line.
const FaceChoice kSerifWide = {kSerif, false, false, 1.10, 0.5, 0.98, false, 0.02};

// The preferred gothic face has a taller line than IPAGothic, whose baseline
// lies 14.078 of 16 units down with its digits drawn 0.49 above it.  The
// baseline goes between the two, so digits and kanji both sit within a third
// of a unit of where IPAGothic put them.
const FaceChoice kNotoGothic = {kPreferredGothic, false, true, 13.73 / 16, 1, 1, true, 0, 0.74, 0.084};

}  // namespace

bool family_installed(const std::string& family) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(""));
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    bool found = false;
    if (match) {
        FcChar8* name = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
            if (family == reinterpret_cast<const char*>(name)) found = true;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return found;
}

Face face_named(const std::string& name) {
    if (name == "Times New Roman") return Face::Serif;
    if (name == "MT Extra") return Face::ScriptEll;
    return Face::Gothic;
}

const FaceChoice& face_choice(Face face) {
    // The installed fonts do not change while a program runs: looked up once.
    static const bool noto = family_installed(kPreferredGothic);
    if (face == Face::Gothic && noto) return kNotoGothic;
    return kFaces.at(static_cast<size_t>(face));
}

const FaceChoice& map_face(const std::string& name) { return face_choice(face_named(name)); }

const FaceChoice& map_face(const std::string& name, int p, int q) {
    Face face = face_named(name);
    if (face == Face::Serif && p > 2 * q) return kSerifWide;
    return face_choice(face);
}

double extra_weight(const FaceChoice& face, const std::string& ch, bool bold) {
    if (!bold) return 0;
    if (face.gothic && (ch == "{" || ch == "}")) return 0.04;
    return face.extra_weight;
}

double sign_em_share(const FaceChoice& face, const std::string& ch) {
    return ch == "÷" ? face.sign_em_share * 0.95 : face.sign_em_share;
}

std::vector<RequiredFont> required_fonts() {
    return {{kGothic, "fonts-ipafont-gothic", kPreferredGothic}, {kSerif, "fonts-liberation2", ""}};
}

std::vector<RequiredFont> missing_fonts(bool (*installed)(const std::string&)) {
    std::vector<RequiredFont> out;
    for (auto& f : required_fonts())
        if (!installed(f.family) && (f.preferred.empty() || !installed(f.preferred))) out.push_back(f);
    return out;
}

}  // namespace cw

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration and font patterns for the life of the
// process and finds a pattern's elements by offset, not by pointer, so the
// leak checker takes them for lost; libdbus keeps the session bus
// connection SDL opens.  The leak checker is told so here, in the library
// every drawing program links.  The allocations' stacks end in the
// libraries' own unnamed functions, so only the libraries can be named; no
// other library is (tests/support/lsan.supp says why).
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif
