#include "platform/basic.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace cw {

namespace {

int utf8_len(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;  // stray byte: taken alone
}

// Characters with their Shift-JIS byte offsets (0-based start of each).
struct CharRun {
    std::vector<std::string> chars;
    std::vector<int> start;  // Shift-JIS byte offset of each character
    int bytes = 0;
};

CharRun runs(const std::string& s) {
    CharRun r;
    r.chars = split_chars(s);
    for (auto& c : r.chars) {
        r.start.push_back(r.bytes);
        r.bytes += sj_width(c);
    }
    return r;
}

float checked(float v, const std::source_location& w) {
    if (!std::isfinite(v)) throw RuntimeError(ERR_OVERFLOW, w);
    return v;
}

}  // namespace

std::vector<std::string> split_chars(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        size_t n = utf8_len(static_cast<unsigned char>(s[i]));
        if (i + n > s.size()) n = s.size() - i;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

char32_t first_codepoint(const std::string& ch) {
    if (ch.empty()) return 0;
    auto b = reinterpret_cast<const unsigned char*>(ch.data());
    int n = utf8_len(b[0]);
    if (n == 1 || static_cast<int>(ch.size()) < n) return b[0];
    char32_t cp = b[0] & (0x7F >> n);
    for (int i = 1; i < n; ++i) cp = (cp << 6) | (b[i] & 0x3F);
    return cp;
}

int sj_width(const std::string& ch) {
    if (ch.empty()) return 0;
    char32_t cp = first_codepoint(ch);
    if (cp < 0x80) return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
    return 2;
}

float INT(float v) { return std::floor(v); }

float DIV(float a, float b, std::source_location w) {
    if (b == 0.0f) throw RuntimeError(ERR_DIV_ZERO, w);
    return checked(a / b, w);
}

float CHECK(float v, std::source_location w) { return checked(v, w); }

float SQR(float v, std::source_location w) {
    if (v < 0.0f) throw RuntimeError(ERR_ILLEGAL_CALL, w);
    return std::sqrt(v);
}
float ABS(float v) { return std::fabs(v); }
float SGN(float v) { return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f); }
float ATN(float v) { return std::atan(v); }
float SIN(float v) { return std::sin(v); }
float COS(float v) { return std::cos(v); }
float TAN(float v) { return std::tan(v); }
float POW(float a, float b, std::source_location w) { return checked(std::pow(a, b), w); }
float FIX(float v) { return std::trunc(v); }
float MOD(float a, float b, std::source_location w) {
    float ia = std::nearbyint(a), ib = std::nearbyint(b);
    if (ib == 0.0f) throw RuntimeError(ERR_DIV_ZERO, w);
    return std::fmod(ia, ib);
}

float CINT(float v, std::source_location w) {
    float r = std::nearbyint(v);
    if (!(r >= -32768.0f && r <= 32767.0f)) throw RuntimeError(ERR_OVERFLOW, w);
    return r;
}

int to_int(float v) {
    float f = std::floor(v);
    if (!(f > -2147483648.0f && f < 2147483648.0f)) return 0;
    return static_cast<int>(f);
}

int to_index(float v, std::source_location w) {
    if (!std::isfinite(v) || std::fabs(v) > 1e9f) throw RuntimeError(ERR_SUBSCRIPT, w);
    return static_cast<int>(std::lround(v));
}

std::string STR_s(float v) {
    char buf[64];
    if (v == std::floor(v) && std::fabs(v) < 1e9f) {
        std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(v));
    } else {
        std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
    }
    std::string s = buf;
    if (s == "-0") s = "0";
    if (s[0] != '-') s = " " + s;
    return s;
}

float VAL(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    std::string num;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) num += s[i++];
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            num += c;
            digits = true;
        } else if (c == '.' && !point) {
            num += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0f;
    return std::strtof(num.c_str(), nullptr);
}

int LEN(const std::string& s) { return runs(s).bytes; }

std::string LEFT_s(const std::string& s, float nf) {
    int n = to_int(nf);
    if (n <= 0) return "";
    auto r = runs(s);
    std::string out;
    for (size_t k = 0; k < r.chars.size(); ++k)
        if (r.start[k] + sj_width(r.chars[k]) <= n) out += r.chars[k];
    return out;
}

std::string RIGHT_s(const std::string& s, float nf) {
    int n = to_int(nf);
    auto r = runs(s);
    if (n <= 0) return "";
    int from = r.bytes - n;  // first byte kept
    std::string out;
    for (size_t k = 0; k < r.chars.size(); ++k)
        if (r.start[k] >= from) out += r.chars[k];
    return out;
}

std::string MID_s(const std::string& s, float startf, float nf) {
    int start = to_int(startf);
    if (start < 1) throw RuntimeError(ERR_ILLEGAL_CALL);
    auto r = runs(s);
    int from = start - 1;
    int to = nf < 0 ? r.bytes : from + to_int(nf);
    std::string out;
    for (size_t k = 0; k < r.chars.size(); ++k)
        if (r.start[k] >= from && r.start[k] + sj_width(r.chars[k]) <= to) out += r.chars[k];
    return out;
}

int INSTR(const std::string& s, const std::string& needle) { return INSTR(1, s, needle); }

int INSTR(float startf, const std::string& s, const std::string& needle) {
    if (needle.empty()) return 0;
    auto r = runs(s);
    auto nd = split_chars(needle);
    int start = to_int(startf);
    for (size_t k = 0; k + nd.size() <= r.chars.size(); ++k) {
        if (r.start[k] + 1 < start) continue;
        bool ok = true;
        for (size_t j = 0; j < nd.size() && ok; ++j) ok = r.chars[k + j] == nd[j];
        if (ok) return r.start[k] + 1;
    }
    return 0;
}

int KLEN(const std::string& s) { return static_cast<int>(split_chars(s).size()); }

std::string KLEFT_s(const std::string& s, float nf) {
    auto c = split_chars(s);
    int n = to_int(nf);
    std::string out;
    for (int k = 0; k < n && k < static_cast<int>(c.size()); ++k) out += c[k];
    return out;
}

std::string KRIGHT_s(const std::string& s, float nf) {
    auto c = split_chars(s);
    int n = to_int(nf);
    std::string out;
    for (int k = std::max(0, static_cast<int>(c.size()) - n); k < static_cast<int>(c.size()); ++k) out += c[k];
    return out;
}

std::string KMID_s(const std::string& s, float startf, float nf) {
    int start = to_int(startf);
    if (start < 1) throw RuntimeError(ERR_ILLEGAL_CALL);
    auto c = split_chars(s);
    int n = nf < 0 ? static_cast<int>(c.size()) : to_int(nf);
    std::string out;
    for (int k = start - 1; k < static_cast<int>(c.size()) && k < start - 1 + n; ++k) out += c[k];
    return out;
}

int KINSTR(const std::string& s, const std::string& needle) { return KINSTR(1, s, needle); }

int KINSTR(float startf, const std::string& s, const std::string& needle) {
    if (needle.empty()) return 0;
    auto c = split_chars(s);
    auto nd = split_chars(needle);
    int start = std::max(1, to_int(startf));
    for (size_t k = start - 1; k + nd.size() <= c.size(); ++k) {
        bool ok = true;
        for (size_t j = 0; j < nd.size() && ok; ++j) ok = c[k + j] == nd[j];
        if (ok) return static_cast<int>(k) + 1;
    }
    return 0;
}

std::string CHR_s(float codef) {
    int code = to_int(codef);
    if (code >= 0 && code < 0x80) return std::string(1, static_cast<char>(code));
    if (code >= 0xA1 && code <= 0xDF) {
        char32_t cp = 0xFF61 + (code - 0xA1);
        std::string out;
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
        return out;
    }
    throw RuntimeError(ERR_ILLEGAL_CALL);
}

int ASC(const std::string& s) {
    if (s.empty()) throw RuntimeError(ERR_ILLEGAL_CALL);
    char32_t cp = first_codepoint(split_chars(s)[0]);
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0xFF61 && cp <= 0xFF9F) return static_cast<int>(cp - 0xFF61 + 0xA1);
    throw RuntimeError(ERR_ILLEGAL_CALL);
}

}  // namespace cw
