// Which installed face stands in for each face name the programs ask for,
// and the per-face placement of glyphs in their cells.
#pragma once
#include <string>
#include <array>
#include <vector>

namespace cw {

struct FaceChoice {
    std::string family;    // fontconfig family to draw with
    bool script_ell;       // the letter l is drawn as the script ell U+2113
    bool gothic;           // the Japanese gothic face
    // Where the baseline lies below the cell top, as a fraction of the font
    // size; 0 keeps the face's own ascent.
    double baseline = 0;
    // Horizontal share of the cell the glyph is stretched to (1 = all of it),
    // from the left edge of the cell.
    double width_share = 1;
    // Height of the face's em as a share of the cell height.
    double height_share = 1;
    // A face whose one-byte letters differ in width: each glyph keeps its own
    // proportions, narrowed only when wider than its cell, and is centred in
    // the cell, rather than stretched across it.
    bool proportional = false;
    // How much heavier than the face's bold its glyphs are drawn (an outline
    // this wide, as a share of the em, laid round each), so that they match
    // the gothic bold digits beside them.
    double extra_weight = 0;
    // An operator sign (GlyphRole::Operator) of the face: its em as a share
    // of its cell's height (0: the face sets none), and the width of the
    // face's own strokes of ×, ÷ and ± as a share of their em.
    double sign_em_share = 0;
    double sign_stroke = 0;
};

// The faces the programs draw with.
enum class Face {
    Gothic,     // "ｺﾞｼｯｸ", "ゴシック" and any name we do not know
    Serif,      // "Times New Roman": italic letters and serif digits
    ScriptEll,  // "MT Extra": the script ell
};

// The face a face name of the programs stands for.
Face face_named(const std::string& name);
// How a face is drawn: one table for every face.
const FaceChoice& face_choice(Face face);
// face_choice(face_named(name)).
const FaceChoice& map_face(const std::string& name);
// How a glyph of a face is drawn at the magnification (p, q): the serif
// letters of the fraction parts' style, in cells more than twice as wide as
// high, are drawn less stretched and taller than the others.
const FaceChoice& map_face(const std::string& name, int p, int q);
// How much heavier than its face a bold character is drawn, as a share of
// the em: the braces, which the gothic face draws lighter than its digits;
// otherwise the face's own extra weight.
double extra_weight(const FaceChoice& face, const std::string& ch, bool bold);

// The em of an operator sign of the face as a share of its cell's height:
// the face's sign_em_share, a little less for ÷, whose dots make it read
// heavier than × at one size.
double sign_em_share(const FaceChoice& face, const std::string& ch);

// The width of an operator sign's strokes, in layout units: nearly three fifths
// of the typesetter's plus and minus (lines 5 wide), so that the signs of
// a line weigh alike on the line and in a fraction's smaller parts.  A
// sign whose face draws it lighter is drawn this heavy.
constexpr double kOperatorStroke = 2.9;
// A sign smaller than those of the line (an em of kLineSignEm units or
// more), as in a fraction's parts, is drawn heavier by kSmallSignGain of a
// unit for each unit its em is smaller: a projector showing the layout at
// one pixel a unit breaks its short slanting strokes into steps that read
// lighter.
constexpr double kLineSignEm = 32;
constexpr double kSmallSignGain = 0.05;
inline double operator_stroke(double em) {
    return kOperatorStroke + kSmallSignGain * (em < kLineSignEm ? kLineSignEm - em : 0);
}

struct RequiredFont {
    std::string family;
    std::string package;    // the Debian package that installs it
    std::string preferred;  // a family drawn with instead when installed ("" for none)
};

// The faces the renderer draws with.  The gothic face is drawn with Noto Sans
// CJK JP (a plain zero, a true bold) where it is installed, else IPAGothic.
std::vector<RequiredFont> required_fonts();
// Whether fontconfig finds the family itself (rather than a substitute).
bool family_installed(const std::string& family);
// Those of required_fonts() that `installed` finds neither in its family nor
// in its preferred one.
std::vector<RequiredFont> missing_fonts(bool (*installed)(const std::string&) = family_installed);

}  // namespace cw
