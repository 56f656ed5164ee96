// Text geometry: characters of UTF-8 text, their Shift-JIS widths, and the
// cells of a text operation's characters.
#include "platform/chars.h"

namespace cw {

std::vector<std::string> split_chars(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        size_t n = char_bytes_at(s, i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

char32_t codepoint_at(const std::string& s, size_t i) {
    size_t n = char_bytes_at(s, i);
    if (n == 0) return 0;
    auto b = reinterpret_cast<const unsigned char*>(s.data()) + i;
    if (n == 1 || n < utf8_len(b[0])) return b[0];
    char32_t cp = b[0] & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (b[k] & 0x3F);
    return cp;
}

char32_t first_codepoint(const std::string& ch) { return codepoint_at(ch, 0); }

int sj_width(const std::string& ch) {
    if (ch.empty()) return 0;
    return sj_width(first_codepoint(ch));  // half-width katakana are one byte
}

void take_first_char(std::string& s, std::string& first) {
    size_t n = char_bytes_at(s, 0);
    first.assign(s, 0, n);
    s.erase(0, n);
}

std::vector<CharCell> char_cells(const DrawOp& text) {
    std::vector<CharCell> out;
    float x = text.x1, h = text.font.size * static_cast<float>(text.q);
    for (std::string& ch : split_chars(text.s)) {
        float w = static_cast<float>(sj_width(ch)) * (text.font.size / 2) * static_cast<float>(text.p);
        out.push_back({std::move(ch), {x, text.y1, x + w, text.y1 + h}});
        x += w;
    }
    return out;
}

}  // namespace cw
