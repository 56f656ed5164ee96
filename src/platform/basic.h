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

#include "platform/chars.h"  // the characters of a text and their widths
#include "platform/errors.h"

namespace cw {

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
