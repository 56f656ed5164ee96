// Which installed face stands in for each face name the programs ask for,
// and the per-face placement of glyphs in their cells.
#pragma once
#include <string>
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
};

// "ｺﾞｼｯｸ" and "ゴシック" (and any face we do not know) give the gothic face;
// "Times New Roman" and "MT Extra" give the serif face.
FaceChoice map_face(const std::string& face);

struct RequiredFont {
    std::string family;
    std::string package;  // the Debian package that installs it
};

// The faces the renderer draws with.
std::vector<RequiredFont> required_fonts();
// Those of them fontconfig cannot find (it would substitute another face).
std::vector<RequiredFont> missing_fonts();

}  // namespace cw
