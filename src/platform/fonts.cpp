#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

namespace cw {

namespace {

const char* const kGothic = "IPAGothic";
const char* const kSerif = "Liberation Serif";

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

}  // namespace

FaceChoice map_face(const std::string& face) {
    // The serif letters are narrower and smaller than their cells, which
    // would otherwise run into the next character at the typesetter's
    // advances, and sit on the gothic digits' baseline.
    if (face == "Times New Roman") return {kSerif, false, false, 1.10, 0.58, 0.86};
    if (face == "MT Extra") return {kSerif, true, false, 0.86, 0.6, 1.1};
    return {kGothic, false, true, 0, 1};
}

std::vector<RequiredFont> required_fonts() {
    return {{kGothic, "fonts-ipafont-gothic"}, {kSerif, "fonts-liberation2"}};
}

std::vector<RequiredFont> missing_fonts() {
    std::vector<RequiredFont> out;
    for (auto& f : required_fonts())
        if (!family_installed(f.family)) out.push_back(f);
    return out;
}

}  // namespace cw

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration and font patterns for the life of the
// process and never frees them, nor does the D-Bus connection SDL opens; the
// leak checker is told so here, in the library every drawing program links.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
#endif
