// Text geometry: the characters of UTF-8 text, the width each takes (as the
// original Shift-JIS text counted it: ASCII and half-width katakana one byte,
// every other character two), and the cells a text operation lays them in.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/display.h"

namespace cw {

// The byte length a UTF-8 lead byte announces; a stray byte is taken alone.
inline size_t utf8_len(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}
// The byte length of the character that starts at byte i of s (a stray byte
// counts alone, a cut-off character ends with s); 0 at the end.
inline size_t char_bytes_at(const std::string& s, size_t i) {
    if (i >= s.size()) return 0;
    size_t n = utf8_len(static_cast<unsigned char>(s[i]));
    return i + n > s.size() ? s.size() - i : n;
}
// Splits UTF-8 text into its characters, as char_bytes_at takes them.
std::vector<std::string> split_chars(const std::string& s);
// The code point of the character that starts at byte i of s (a stray or
// cut-off byte stands for itself); 0 at the end.
char32_t codepoint_at(const std::string& s, size_t i);
char32_t first_codepoint(const std::string& ch);
// Shift-JIS byte width of one character (1 or 2; 0 for the empty string).
int sj_width(const std::string& ch);
inline int sj_width(char32_t cp) { return cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) ? 1 : 2; }
// Moves the first character of s into first (as KLEFT_s(s, 1) and
// KRIGHT_s(s, KLEN(s) - 1) would, without making new strings).
void take_first_char(std::string& s, std::string& first);

// One character of a text operation and the cell it is stretched into.
struct CharCell {
    std::string ch;
    Bounds cell;
    float cx() const { return (cell.l + cell.r) / 2; }
    float cy() const { return (cell.t + cell.b) / 2; }
};
// Every character of a text operation with its cell: size/2 * p wide for a
// one-byte character and size * p for a two-byte one, size * q high, laid
// side by side from the top left corner.
std::vector<CharCell> char_cells(const DrawOp& text);

}  // namespace cw
