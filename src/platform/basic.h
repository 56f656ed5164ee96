// String and number functions with the semantics the lesson scripts rely on.
//
// Text is held as UTF-8.  The byte-counting functions count as the
// original Shift-JIS text would: ASCII and half-width katakana are one
// byte, every other character two.  The K-functions count characters.
// Positions are 1-based; a search that finds nothing gives 0.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/errors.h"

namespace cw {

// --- characters -----------------------------------------------------------
// Splits UTF-8 text into its characters.
std::vector<std::string> split_chars(const std::string& s);
// Shift-JIS byte width of one character (1 or 2; 0 for the empty string).
int sj_width(const std::string& ch);
char32_t first_codepoint(const std::string& ch);
// The byte length of the character that starts at byte i of s (a stray or
// cut-off byte counts alone, as split_chars takes it); 0 at the end.
size_t char_bytes_at(const std::string& s, size_t i);
// Moves the first character of s into first (as KLEFT_s(s, 1) and
// KRIGHT_s(s, KLEN(s) - 1) would, without making new strings).
void take_first_char(std::string& s, std::string& first);

// --- numbers --------------------------------------------------------------
float INT(float v);                       // floor
float DIV(float a, float b, std::source_location w = std::source_location::current());  // checked a/b
float CHECK(float v, std::source_location w = std::source_location::current());         // overflow check
float SQR(float v, std::source_location w = std::source_location::current());
float ABS(float v);
float ATN(float v);
float SIN(float v);
float COS(float v);
float POW(float a, float b, std::source_location w = std::source_location::current());
float MOD(float a, float b, std::source_location w = std::source_location::current());  // a MOD b on whole numbers
// Conversion to a 16-bit integer: rounds to nearest, halves to even; a value
// outside -32768..32767 is an overflow.
float CINT(float v, std::source_location w = std::source_location::current());
// Conversion for jumps, seeds and widths: floor (0 outside the int range).
inline int to_int(float v) {
    float f = std::floor(v);
    if (!(f > -2147483648.0f && f < 2147483648.0f)) return 0;
    return static_cast<int>(f);
}
int to_index(float v, std::source_location w = std::source_location::current());  // rounds to nearest

std::string STR_s(float v);               // " 12", "-3", " 0.5"
float VAL(const std::string& s);          // the number at the start of s

// --- strings by Shift-JIS bytes --------------------------------------------
int LEN(const std::string& s);
std::string LEFT_s(const std::string& s, float n);
std::string RIGHT_s(const std::string& s, float n);
std::string MID_s(const std::string& s, float start, float n = -1);
int INSTR(const std::string& s, const std::string& needle);
int INSTR(float start, const std::string& s, const std::string& needle);

// --- strings by characters -------------------------------------------------
int KLEN(const std::string& s);
std::string KLEFT_s(const std::string& s, float n);
std::string KRIGHT_s(const std::string& s, float n);
std::string KMID_s(const std::string& s, float start, float n = -1);
int KINSTR(const std::string& s, const std::string& needle);
int KINSTR(float start, const std::string& s, const std::string& needle);

// --- codes -----------------------------------------------------------------
std::string CHR_s(float code);  // one-byte codes: ASCII and half-width katakana (0xA1-0xDF)
int ASC(const std::string& s);  // code of the first character (one-byte characters only)

inline void SWAP(float& a, float& b) { float t = a; a = b; b = t; }

}  // namespace cw
