#include "platform/basic.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace cw {

namespace {

// Walks s character by character without copying: f(byte offset, byte
// length, Shift-JIS offset, Shift-JIS width) until f returns false.
template <class F>
void each_char(const std::string& s, F f) {
    int sj = 0;
    for (size_t i = 0; i < s.size();) {
        size_t n = char_bytes_at(s, i);
        int w = sj_width(codepoint_at(s, i));
        if (!f(i, n, sj, w)) return;
        sj += w;
        i += n;
    }
}

// The byte offset of the n-th character (0-based), or s.size() when there are fewer.
size_t char_offset(const std::string& s, int n) {
    size_t i = 0;
    for (int k = 0; k < n && i < s.size(); ++k) i += char_bytes_at(s, i);
    return i;
}

// Whether the characters of needle stand at byte offset i of s (i on a
// character boundary): the same bytes, ending on a character boundary of s.
bool match_at(const std::string& s, size_t i, const std::string& needle) {
    if (s[i] != needle[0] || s.compare(i, needle.size(), needle) != 0) return false;
    size_t end = i + needle.size(), j = i;
    while (j < end) j += char_bytes_at(s, j);
    return j == end;
}

float checked(float v, const std::source_location& w) {
    if (!std::isfinite(v)) throw RuntimeError(ERR_OVERFLOW, w);
    return v;
}

}  // namespace

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
float ATN(float v) { return std::atan(v); }
float SIN(float v) { return std::sin(v); }
float COS(float v) { return std::cos(v); }
float POW(float a, float b, std::source_location w) { return checked(std::pow(a, b), w); }
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

int to_index(float v, std::source_location w) {
    if (!std::isfinite(v) || std::fabs(v) > 1e9f) throw RuntimeError(ERR_SUBSCRIPT, w);
    return static_cast<int>(std::lround(v));
}

std::string STR_s(float v) {
    char buf[64];
    if (v == std::floor(v) && std::fabs(v) < 1e9f) {
        // Whole numbers, the common case, without going through printf.
        buf[0] = ' ';
        auto r = std::to_chars(buf + 1, buf + sizeof buf, static_cast<long long>(v));
        return buf[1] == '-' ? std::string(buf + 1, r.ptr) : std::string(buf, r.ptr);
    }
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
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

int LEN(const std::string& s) {
    int bytes = 0;
    each_char(s, [&](size_t, size_t, int, int w) { return bytes += w, true; });
    return bytes;
}

std::string LEFT_s(const std::string& s, float nf) {
    int n = to_int(nf);
    if (n <= 0) return "";
    size_t end = 0;
    each_char(s, [&](size_t i, size_t len, int at, int w) {
        if (at + w > n) return false;
        end = i + len;
        return true;
    });
    return s.substr(0, end);
}

std::string RIGHT_s(const std::string& s, float nf) {
    int n = to_int(nf);
    if (n <= 0) return "";
    int from = LEN(s) - n;  // first byte kept
    size_t begin = s.size();
    each_char(s, [&](size_t i, size_t, int at, int) {
        if (at < from) return true;
        begin = i;
        return false;
    });
    return s.substr(begin);
}

std::string MID_s(const std::string& s, float startf, float nf) {
    int start = to_int(startf);
    if (start < 1) throw RuntimeError(ERR_ILLEGAL_CALL);
    int from = start - 1;
    int to = nf < 0 ? LEN(s) : from + to_int(nf);
    std::string out;
    each_char(s, [&](size_t i, size_t len, int at, int w) {
        if (at >= from && at + w <= to) out.append(s, i, len);
        return at + w <= to;
    });
    return out;
}

int INSTR(const std::string& s, const std::string& needle) { return INSTR(1, s, needle); }

int INSTR(float startf, const std::string& s, const std::string& needle) {
    if (needle.empty()) return 0;
    int start = to_int(startf);
    for (size_t p = s.find(needle); p != std::string::npos; p = s.find(needle, p + 1)) {
        // Only a find on a character boundary counts, at or after start.
        int at = 0;
        size_t i = 0;
        for (; i < p; i += char_bytes_at(s, i)) at += sj_width(codepoint_at(s, i));
        if (i == p && at + 1 >= start && match_at(s, p, needle)) return at + 1;
    }
    return 0;
}

int KLEN(const std::string& s) {
    int n = 0;
    for (size_t i = 0; i < s.size(); i += char_bytes_at(s, i)) ++n;
    return n;
}

std::string KLEFT_s(const std::string& s, float nf) {
    int n = to_int(nf);
    return n <= 0 ? std::string() : s.substr(0, char_offset(s, n));
}

std::string KRIGHT_s(const std::string& s, float nf) {
    int n = to_int(nf);
    if (n <= 0) return "";
    int skip = KLEN(s) - n;
    return skip <= 0 ? s : s.substr(char_offset(s, skip));
}

std::string KMID_s(const std::string& s, float startf, float nf) {
    int start = to_int(startf);
    if (start < 1) throw RuntimeError(ERR_ILLEGAL_CALL);
    size_t from = char_offset(s, start - 1);
    if (nf < 0) return s.substr(from);
    int n = to_int(nf);
    if (n <= 0) return "";
    size_t to = from;
    for (int k = 0; k < n && to < s.size(); ++k) to += char_bytes_at(s, to);
    return s.substr(from, to - from);
}

int KINSTR(const std::string& s, const std::string& needle) { return KINSTR(1, s, needle); }

int KINSTR(float startf, const std::string& s, const std::string& needle) {
    if (needle.empty()) return 0;
    int start = std::max(1, to_int(startf));
    for (size_t p = s.find(needle); p != std::string::npos; p = s.find(needle, p + 1)) {
        int k = 1;
        size_t i = 0;
        for (; i < p; i += char_bytes_at(s, i)) ++k;
        if (i == p && k >= start && match_at(s, p, needle)) return k;
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
