// A test-only reader of expression code strings, written from the code's
// description and not from the typesetter: it tells what value a drawn text
// has, with exact rationals, so a drill's answer can be checked against its
// problem without trusting any table of the program.
//
// What it reads (the code of lesson texts):
//   "ﾀnum/denﾀ"  a stacked fraction (split at its first "/"; a lone "ﾀ" is dropped);
//   digits, with an optional decimal point ("0.5" is 1/2);
//   letters a-z, A-Z and "π", each a factor of its own ("3ab" is 3·a·b);
//   "^" or the backslash code before a digit: an exponent (one raised digit
//   each; "a^1^2" is a to the 12th, as it is seen);
//   "*" or "×" times, "/" or "÷" divided by, "+", "-", parentheses;
//   blanks and full-width text (Japanese words, "　"): skipped as gaps.
// A written-together product binds tighter than "×" and "÷", as in the
// textbook: "6ab/2a" is 6ab ÷ 2a = 3b.  "×" and "÷" go left to right.
// A leading "=" is skipped; "a=b" is split with split_line.
// Radicals, "±", "°", "<", ">", ":" are not read: they raise OracleError.
#pragma once
#include <compare>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace cw::oracle {

// A text the oracle cannot read, an overflow, or a division by zero.
struct OracleError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// n/d in lowest terms with d > 0; every operation checks for overflow.
class Rational {
public:
    Rational(int64_t n = 0, int64_t d = 1);
    int64_t num() const { return n_; }
    int64_t den() const { return d_; }
    bool is_integer() const { return d_ == 1; }
    std::string str() const;  // "3", "-1/2"

    friend Rational operator+(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a, const Rational& b);
    friend Rational operator*(const Rational& a, const Rational& b);
    friend Rational operator/(const Rational& a, const Rational& b);
    Rational operator-() const;
    Rational pow(int e) const;  // e < 0 takes the reciprocal
    friend bool operator==(const Rational&, const Rational&) = default;
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b);

private:
    int64_t n_, d_;
};

// Letter -> exponent; no exponent is 0.  Division makes negative exponents.
using Monomial = std::map<std::string, int>;
// Letter values for evaluation.
using Values = std::map<std::string, Rational>;

// A sum of monomials with rational coefficients, in canonical form: no zero
// coefficient is kept, so two equal polynomials compare equal.
class Poly {
public:
    Poly() = default;
    Poly(Rational c);
    Poly(int64_t c) : Poly(Rational(c)) {}
    static Poly letter(const std::string& name);

    const std::map<Monomial, Rational>& terms() const { return t_; }
    bool is_zero() const { return t_.empty(); }
    bool is_monomial() const { return t_.size() == 1; }
    bool is_constant() const;  // zero included
    Rational coefficient(const Monomial& m = {}) const;
    std::set<std::string> letters() const;

    friend Poly operator+(const Poly& a, const Poly& b);
    friend Poly operator-(const Poly& a, const Poly& b);
    friend Poly operator*(const Poly& a, const Poly& b);
    // Division by a single term (monomial or number); anything else throws.
    friend Poly operator/(const Poly& a, const Poly& b);
    Poly operator-() const;
    Poly pow(int e) const;  // e < 0 only for a single term
    Rational at(const Values& v) const;
    friend bool operator==(const Poly&, const Poly&) = default;
    // As the textbook writes it, in the expression code: terms by degree,
    // then letter order; no coefficient 1; fractions as "ﾀ1/2ﾀ" before the
    // letters; "0" for the zero polynomial.  "3a^2-ﾀ1/2ﾀab+7".  A negative
    // exponent is written "a^-1", which no lesson draws.
    std::string str() const;

private:
    void add(const Monomial& m, const Rational& c);
    std::map<Monomial, Rational> t_;
};

std::ostream& operator<<(std::ostream& os, const Rational& r);
std::ostream& operator<<(std::ostream& os, const Poly& p);

// (a) The value of code at the given letter values (every letter it holds
// must have one).
Rational value(const std::string& code, const Values& at);
// (b) code expanded into canonical form.
Poly expand(const std::string& code);
// The letters code holds.
std::set<std::string> letters(const std::string& code);

// (c) A drawn line split at its "=" signs (outside fractions): "=6ab" gives
// continues = true and one side "6ab"; "a=ﾀ2S/hﾀ" two sides.
struct Line {
    bool continues = false;  // the line starts with "="
    std::vector<std::string> sides;
};
Line split_line(const std::string& code);
// True when every side of the line has the same expansion (a line of one
// side is trivially so).
bool sides_equal(const std::string& code);

// (d) How the text breaks the textbook's writing rules, one message each;
// empty when it keeps them all.  The rules: fractions in lowest terms (no
// common factor of numerator and denominator, no denominator 1); no
// coefficient 1 before a letter or parenthesis; no exponent 1; no term 0 in
// a sum, no coefficient 0; no "+-", "--", "-+", "++", "=+"; no leading "+".
std::vector<std::string> form_faults(const std::string& code);

// code without blanks and full-width text: the maths a pupil reads.
std::string strip_text(const std::string& code);

}  // namespace cw::oracle
