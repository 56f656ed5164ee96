#include "support/oracle.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <optional>
#include <sstream>

namespace cw::oracle {

// ---- rationals -------------------------------------------------------------------

namespace {

int64_t checked_mul(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw OracleError("overflow");
    return r;
}
int64_t checked_add(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r)) throw OracleError("overflow");
    return r;
}
int64_t checked_neg(int64_t a) {
    if (a == INT64_MIN) throw OracleError("overflow");
    return -a;
}
int64_t gcd64(int64_t a, int64_t b) {
    // Magnitudes as unsigned, so INT64_MIN does not overflow here.
    uint64_t x = a < 0 ? 0 - static_cast<uint64_t>(a) : static_cast<uint64_t>(a);
    uint64_t y = b < 0 ? 0 - static_cast<uint64_t>(b) : static_cast<uint64_t>(b);
    while (y) {
        uint64_t t = x % y;
        x = y;
        y = t;
    }
    return static_cast<int64_t>(x);  // 2^63 only for gcd(INT64_MIN, 0)
}

}  // namespace

Rational::Rational(int64_t n, int64_t d) {
    if (d == 0) throw OracleError("division by zero");
    int64_t g = gcd64(n, d);
    if (g < 0) throw OracleError("overflow");
    n /= g;
    d /= g;
    if (d < 0) {
        n = checked_neg(n);
        d = checked_neg(d);
    }
    n_ = n;
    d_ = d;
}

std::string Rational::str() const {
    return d_ == 1 ? std::to_string(n_) : std::to_string(n_) + "/" + std::to_string(d_);
}

Rational operator+(const Rational& a, const Rational& b) {
    // Over the lcm of the denominators, to keep the products small.
    int64_t g = gcd64(a.d_, b.d_);
    int64_t n = checked_add(checked_mul(a.n_, b.d_ / g), checked_mul(b.n_, a.d_ / g));
    return Rational(n, checked_mul(a.d_, b.d_ / g));
}
Rational operator-(const Rational& a, const Rational& b) { return a + (-b); }
Rational operator*(const Rational& a, const Rational& b) {
    // Cross-cancel first.
    int64_t g1 = gcd64(a.n_, b.d_), g2 = gcd64(b.n_, a.d_);
    if (g1 == 0) g1 = 1;
    if (g2 == 0) g2 = 1;
    return Rational(checked_mul(a.n_ / g1, b.n_ / g2), checked_mul(a.d_ / g2, b.d_ / g1));
}
Rational operator/(const Rational& a, const Rational& b) {
    if (b.n_ == 0) throw OracleError("division by zero");
    return a * Rational(b.d_, b.n_);
}
Rational Rational::operator-() const {
    Rational r;
    r.n_ = checked_neg(n_);
    r.d_ = d_;
    return r;
}
Rational Rational::pow(int e) const {
    Rational base = e < 0 ? Rational(1) / *this : *this;
    Rational r(1);
    for (int i = 0; i < (e < 0 ? -e : e); ++i) r = r * base;
    return r;
}
std::strong_ordering operator<=>(const Rational& a, const Rational& b) {
    // Denominators are positive, so cross products keep the order.
    __int128 l = static_cast<__int128>(a.n_) * b.d_;
    __int128 r = static_cast<__int128>(b.n_) * a.d_;
    return l < r ? std::strong_ordering::less : l > r ? std::strong_ordering::greater : std::strong_ordering::equal;
}

std::ostream& operator<<(std::ostream& os, const Rational& r) { return os << r.str(); }

// ---- polynomials --------------------------------------------------------------------

Poly::Poly(Rational c) { add({}, c); }

Poly Poly::letter(const std::string& name) {
    Poly p;
    p.add({{name, 1}}, Rational(1));
    return p;
}

void Poly::add(const Monomial& m, const Rational& c) {
    if (c == Rational(0)) return;
    auto it = t_.find(m);
    if (it == t_.end()) {
        t_.emplace(m, c);
        return;
    }
    it->second = it->second + c;
    if (it->second == Rational(0)) t_.erase(it);
}

bool Poly::is_constant() const { return t_.empty() || (t_.size() == 1 && t_.begin()->first.empty()); }

Rational Poly::coefficient(const Monomial& m) const {
    auto it = t_.find(m);
    return it == t_.end() ? Rational(0) : it->second;
}

std::set<std::string> Poly::letters() const {
    std::set<std::string> out;
    for (auto& [m, c] : t_)
        for (auto& [l, e] : m) out.insert(l);
    return out;
}

Poly operator+(const Poly& a, const Poly& b) {
    Poly r = a;
    for (auto& [m, c] : b.t_) r.add(m, c);
    return r;
}
Poly operator-(const Poly& a, const Poly& b) { return a + (-b); }
Poly Poly::operator-() const {
    Poly r;
    for (auto& [m, c] : t_) r.t_.emplace(m, -c);
    return r;
}

namespace {

Monomial times(Monomial a, const Monomial& b, int sign) {
    for (auto& [l, e] : b) {
        int& x = a[l];
        x += sign * e;
        if (x == 0) a.erase(l);
    }
    return a;
}

}  // namespace

Poly operator*(const Poly& a, const Poly& b) {
    Poly r;
    for (auto& [ma, ca] : a.t_)
        for (auto& [mb, cb] : b.t_) r.add(times(ma, mb, 1), ca * cb);
    return r;
}

Poly operator/(const Poly& a, const Poly& b) {
    if (b.t_.empty()) throw OracleError("division by zero");
    if (b.t_.size() != 1) throw OracleError("division by a sum of terms");
    auto& [mb, cb] = *b.t_.begin();
    Poly r;
    for (auto& [ma, ca] : a.t_) r.add(times(ma, mb, -1), ca / cb);
    return r;
}

Poly Poly::pow(int e) const {
    if (e < 0) return Poly(1) / pow(-e);
    Poly r(1);
    for (int i = 0; i < e; ++i) r = r * *this;
    return r;
}

Rational Poly::at(const Values& v) const {
    Rational sum(0);
    for (auto& [m, c] : t_) {
        Rational term = c;
        for (auto& [l, e] : m) {
            auto it = v.find(l);
            if (it == v.end()) throw OracleError("no value for the letter " + l);
            term = term * it->second.pow(e);
        }
        sum = sum + term;
    }
    return sum;
}

namespace {

// Textbook order: higher degree first; among equal degrees the higher power
// of the earlier letter first (a^2, ab, b^2; a before b).
bool before(const Monomial& x, const Monomial& y) {
    auto degree = [](const Monomial& m) {
        int d = 0;
        for (auto& [l, e] : m) d += e;
        return d;
    };
    if (degree(x) != degree(y)) return degree(x) > degree(y);
    std::set<std::string> all;
    for (auto& [l, e] : x) all.insert(l);
    for (auto& [l, e] : y) all.insert(l);
    for (auto& l : all) {
        int ex = x.count(l) ? x.at(l) : 0, ey = y.count(l) ? y.at(l) : 0;
        if (ex != ey) return ex > ey;
    }
    return false;
}

}  // namespace

std::string Poly::str() const {
    if (t_.empty()) return "0";
    std::vector<std::pair<Monomial, Rational>> order(t_.begin(), t_.end());
    std::stable_sort(order.begin(), order.end(), [](auto& x, auto& y) { return before(x.first, y.first); });
    std::string out;
    for (auto& [m, c] : order) {
        Rational k = c;
        if (k < Rational(0)) {
            out += "-";
            k = -k;
        } else if (!out.empty()) {
            out += "+";
        }
        if (!k.is_integer())
            out += "ﾀ" + std::to_string(k.num()) + "/" + std::to_string(k.den()) + "ﾀ";
        else if (m.empty() || k != Rational(1))
            out += k.str();
        for (auto& [l, e] : m) {
            out += l;
            if (e < 0) out += "^" + std::to_string(e);
            if (e > 1)
                for (char d : std::to_string(e)) out += std::string("^") + d;  // one raised digit each
        }
    }
    return out;
}

std::ostream& operator<<(std::ostream& os, const Poly& p) { return os << p.str(); }

// ---- reading the code ------------------------------------------------------------------

namespace {

const std::string kFrac = "ﾀ";

// One code point of s from i (UTF-8); i moves past it.
std::string next_char(const std::string& s, size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (i + n > s.size()) n = s.size() - i;
    std::string ch = s.substr(i, n);
    i += n;
    return ch;
}

std::vector<std::string> chars_of(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) out.push_back(next_char(s, i));
    return out;
}

bool is_digit(const std::string& ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }
bool is_letter(const std::string& ch) {
    return (ch.size() == 1 && std::isalpha(static_cast<unsigned char>(ch[0]))) || ch == "π";
}

// Characters read as signs; any other non-ASCII character is text.
std::string sign_of(const std::string& ch) {
    if (ch == "×") return "*";
    if (ch == "÷") return "/";
    return ch;
}

bool refused(const std::string& ch) {
    static const std::set<std::string> no = {"#", "!", "√", "@", "±", "%", "°", "&", "<", ">", ":",
                                             "'", "?", "[", "]", "{", "}", ";", ",", "\"", "_", "`", "|", "~", "$"};
    return no.count(ch) > 0;
}

struct Tok {
    enum Kind { Num, Letter, Sym, Exp, Frac, Gap } kind;
    std::string text;          // number text, letter, sign
    Rational value;            // Num
    int exp = 0;               // Exp
    std::string num, den;      // Frac: the two parts' code
};

std::vector<Tok> tokens(const std::string& code) {
    auto cs = chars_of(code);
    std::vector<Tok> out;
    auto gap = [&] {
        if (out.empty() || out.back().kind != Tok::Gap) out.push_back({Tok::Gap, "", {}, 0, "", ""});
    };
    for (size_t i = 0; i < cs.size();) {
        const std::string ch = sign_of(cs[i]);
        if (ch == kFrac) {
            size_t close = i + 1;
            while (close < cs.size() && cs[close] != kFrac) ++close;
            if (close == cs.size()) {  // a lone mark is dropped
                ++i;
                continue;
            }
            std::string inside;
            for (size_t k = i + 1; k < close; ++k) inside += cs[k];
            auto slash = inside.find('/');
            if (slash == std::string::npos) throw OracleError("fraction without \"/\": " + inside);
            out.push_back({Tok::Frac, "", {}, 0, inside.substr(0, slash), inside.substr(slash + 1)});
            i = close + 1;
        } else if (ch == "^" || ch == "\\") {
            if (i + 1 >= cs.size() || !is_digit(cs[i + 1])) throw OracleError("exponent that is not a digit");
            int d = cs[i + 1][0] - '0';
            if (!out.empty() && out.back().kind == Tok::Exp)
                out.back().exp = out.back().exp * 10 + d;  // raised digits side by side
            else
                out.push_back({Tok::Exp, "", {}, d, "", ""});
            i += 2;
        } else if (is_digit(ch)) {
            std::string digits;
            int64_t n = 0, d = 1;
            bool point = false;
            while (i < cs.size() && (is_digit(cs[i]) || (cs[i] == "." && !point))) {
                if (cs[i] == ".") {
                    if (i + 1 >= cs.size() || !is_digit(cs[i + 1])) break;
                    point = true;
                } else {
                    n = checked_add(checked_mul(n, 10), cs[i][0] - '0');
                    if (point) d = checked_mul(d, 10);
                }
                digits += cs[i++];
            }
            out.push_back({Tok::Num, digits, Rational(n, d), 0, "", ""});
        } else if (is_letter(ch)) {
            out.push_back({Tok::Letter, ch, {}, 0, "", ""});
            ++i;
        } else if (ch == "+" || ch == "-" || ch == "*" || ch == "/" || ch == "(" || ch == ")" || ch == "=") {
            out.push_back({Tok::Sym, ch, {}, 0, "", ""});
            ++i;
        } else if (refused(ch) || ch == "." || ch == "ﾝ") {
            throw OracleError("not read: \"" + ch + "\"");
        } else {
            gap();  // a blank, full-width text, any other character
            ++i;
        }
    }
    return out;
}

// The tree of a text.
struct Node {
    enum Kind { Num, Letter, Frac, Sum, Product, Times, Pow };
    explicit Node(Kind k) : kind(k) {}
    Kind kind;
    std::string text;           // number text or letter
    Rational value;             // Num
    std::vector<Node> kids;     // Frac: numerator, denominator; Pow: base
    std::vector<char> ops;      // Sum: '+'/'-' before each kid; Times: '*'/'/' before kids after the first
    int exp = 0;                // Pow
    bool leading_sign = false;  // Sum: the first term has its own sign written
};

Node parse_sum_text(const std::string& code);

class Parser {
public:
    explicit Parser(std::vector<Tok> t) : t_(std::move(t)) {}

    Node whole() {
        Node n = sum();
        skip_gaps();
        if (i_ < t_.size()) throw OracleError("unexpected \"" + describe(t_[i_]) + "\"");
        return n;
    }

private:
    static std::string describe(const Tok& t) {
        switch (t.kind) {
            case Tok::Num:
            case Tok::Letter:
            case Tok::Sym: return t.text;
            case Tok::Exp: return "^" + std::to_string(t.exp);
            case Tok::Frac: return "ﾀ" + t.num + "/" + t.den + "ﾀ";
            case Tok::Gap: return " ";
        }
        return "?";
    }
    void skip_gaps() {
        while (i_ < t_.size() && t_[i_].kind == Tok::Gap) ++i_;
    }
    bool sym(const char* s) {
        skip_gaps();
        if (i_ < t_.size() && t_[i_].kind == Tok::Sym && t_[i_].text == s) {
            ++i_;
            return true;
        }
        return false;
    }
    bool starts_atom() const {
        if (i_ >= t_.size()) return false;
        auto& t = t_[i_];
        return t.kind == Tok::Num || t.kind == Tok::Letter || t.kind == Tok::Frac ||
               (t.kind == Tok::Sym && t.text == "(");
    }

    Node sum() {
        Node s(Node::Sum);
        char op = '+';
        if (sym("+")) {
            s.leading_sign = true;
        } else if (sym("-")) {
            s.leading_sign = true;
            op = '-';
        }
        for (;;) {
            s.ops.push_back(op);
            s.kids.push_back(times());
            if (sym("+"))
                op = '+';
            else if (sym("-"))
                op = '-';
            else
                break;
        }
        return s;
    }

    Node times() {
        Node t(Node::Times);
        t.kids.push_back(signed_product());
        for (;;) {
            if (sym("*"))
                t.ops.push_back('*');
            else if (sym("/"))
                t.ops.push_back('/');
            else
                break;
            t.kids.push_back(signed_product());
        }
        if (t.kids.size() == 1) return std::move(t.kids[0]);
        return t;
    }

    // After "×" or "÷" a sign may stand before the factor ("×-3" reads as ×(-3)).
    Node signed_product() {
        if (sym("-")) {
            Node s(Node::Sum);
            s.leading_sign = true;
            s.ops.push_back('-');
            s.kids.push_back(signed_product());
            return s;
        }
        sym("+");
        return product();
    }

    // Factors written together: a number only in front, no gaps between.
    Node product() {
        skip_gaps();
        if (!starts_atom()) throw OracleError(i_ < t_.size() ? "unexpected \"" + describe(t_[i_]) + "\"" :
                                                               "a term is missing");
        Node p(Node::Product);
        p.kids.push_back(power());
        while (starts_atom()) {
            if (t_[i_].kind == Tok::Num) throw OracleError("a number after a factor: " + t_[i_].text);
            p.kids.push_back(power());
        }
        if (p.kids.size() == 1) return std::move(p.kids[0]);
        return p;
    }

    Node power() {
        Node a = atom();
        if (i_ < t_.size() && t_[i_].kind == Tok::Exp) {
            Node p(Node::Pow);
            p.exp = t_[i_++].exp;
            p.kids.push_back(std::move(a));
            return p;
        }
        return a;
    }

    Node atom() {
        auto& t = t_[i_++];
        switch (t.kind) {
            case Tok::Num: {
                Node n(Node::Num);
                n.text = t.text;
                n.value = t.value;
                return n;
            }
            case Tok::Letter: {
                Node n(Node::Letter);
                n.text = t.text;
                return n;
            }
            case Tok::Frac: {
                Node f(Node::Frac);
                f.kids.push_back(parse_sum_text(t.num));
                f.kids.push_back(parse_sum_text(t.den));
                return f;
            }
            default: {  // "("
                Node inner = sum();
                if (!sym(")")) throw OracleError("\")\" missing");
                return inner;
            }
        }
    }

    std::vector<Tok> t_;
    size_t i_ = 0;
};

Node parse_sum_text(const std::string& code) {
    for (auto& t : tokens(code))
        if (t.kind == Tok::Sym && t.text == "=") throw OracleError("\"=\" inside an expression: " + code);
    return Parser(tokens(code)).whole();
}

// The expression of code, a single leading "=" skipped.
Node parse_expression(const std::string& code) {
    Line line = split_line(code);
    if (line.sides.size() != 1) throw OracleError("more than one side: " + code);
    return parse_sum_text(line.sides[0]);
}

// One walk for both readings: T is Poly or Rational.
template <class T, class Leaf>
T fold(const Node& n, const Leaf& letter) {
    switch (n.kind) {
        case Node::Num: return T(n.value);
        case Node::Letter: return letter(n.text);
        case Node::Frac: return fold<T>(n.kids[0], letter) / fold<T>(n.kids[1], letter);
        case Node::Pow: return fold<T>(n.kids[0], letter).pow(n.exp);
        case Node::Product: {
            T r(1);
            for (auto& k : n.kids) r = r * fold<T>(k, letter);
            return r;
        }
        case Node::Times: {
            T r = fold<T>(n.kids[0], letter);
            for (size_t i = 1; i < n.kids.size(); ++i)
                r = n.ops[i - 1] == '*' ? r * fold<T>(n.kids[i], letter) : r / fold<T>(n.kids[i], letter);
            return r;
        }
        case Node::Sum: {
            T r(0);
            for (size_t i = 0; i < n.kids.size(); ++i)
                r = n.ops[i] == '-' ? r - fold<T>(n.kids[i], letter) : r + fold<T>(n.kids[i], letter);
            return r;
        }
    }
    throw OracleError("bad tree");
}

Poly expand_node(const Node& n) {
    return fold<Poly>(n, [](const std::string& l) { return Poly::letter(l); });
}

}  // namespace

Rational value(const std::string& code, const Values& at) {
    return fold<Rational>(parse_expression(code), [&](const std::string& l) {
        auto it = at.find(l);
        if (it == at.end()) throw OracleError("no value for the letter " + l);
        return it->second;
    });
}

Poly expand(const std::string& code) { return expand_node(parse_expression(code)); }

std::set<std::string> letters(const std::string& code) {
    std::set<std::string> out;
    for (auto& ch : chars_of(code))
        if (is_letter(ch)) out.insert(ch);
    return out;
}

Line split_line(const std::string& code) {
    Line line;
    std::string side;
    bool in_frac = false;
    for (auto& ch : chars_of(code)) {
        if (ch == kFrac) in_frac = !in_frac;
        if (ch == "=" && !in_frac) {
            if (line.sides.empty() && !line.continues && strip_text(side).empty())
                line.continues = true;  // "=" first: the line goes on from the one above
            else
                line.sides.push_back(side);
            side.clear();
            continue;
        }
        side += ch;
    }
    line.sides.push_back(side);
    return line;
}

bool sides_equal(const std::string& code) {
    Line line = split_line(code);
    Poly first = expand(line.sides[0]);
    for (size_t i = 1; i < line.sides.size(); ++i)
        if (!(expand(line.sides[i]) == first)) return false;
    return true;
}

std::string strip_text(const std::string& code) {
    std::string out;
    for (auto& ch : chars_of(code)) {
        if (ch == " ") continue;
        if (ch.size() == 1 || ch == kFrac || ch == "×" || ch == "÷" || ch == "π" || refused(ch)) out += ch;
    }
    return out;
}

// ---- the writing rules -----------------------------------------------------------------

namespace {

void check(const Node& n, std::vector<std::string>& faults);

// The integer content of a polynomial with integer coefficients; 0 otherwise.
int64_t content(const Poly& p) {
    int64_t g = 0;
    for (auto& [m, c] : p.terms()) {
        if (!c.is_integer()) return 0;
        g = gcd64(g, c.num());
    }
    return g;
}

// Letters every term holds with a positive power.
std::set<std::string> common_letters(const Poly& p) {
    std::optional<std::set<std::string>> out;
    for (auto& [m, c] : p.terms()) {
        std::set<std::string> here;
        for (auto& [l, e] : m)
            if (e > 0) here.insert(l);
        if (!out) {
            out = here;
        } else {
            std::set<std::string> both;
            for (auto& l : here)
                if (out->count(l)) both.insert(l);
            out = both;
        }
    }
    return out.value_or(std::set<std::string>{});
}

bool is_number(const Node& n, const char* text) { return n.kind == Node::Num && n.text == text; }

void check_fraction(const Node& f, std::vector<std::string>& faults) {
    Poly num, den;
    try {
        num = expand_node(f.kids[0]);
        den = expand_node(f.kids[1]);
    } catch (const OracleError&) {
        return;  // not a fraction of polynomials: no rule to apply
    }
    if (den == Poly(1)) faults.push_back("fraction over 1");
    if (num.is_zero()) {
        faults.push_back("fraction with numerator 0");
        return;
    }
    int64_t g = gcd64(content(num), content(den));
    if (g > 1) faults.push_back("fraction not in lowest terms: common factor " + std::to_string(g));
    for (auto& l : common_letters(num))
        if (common_letters(den).count(l)) faults.push_back("fraction not in lowest terms: common letter " + l);
}

void check(const Node& n, std::vector<std::string>& faults) {
    switch (n.kind) {
        case Node::Frac: check_fraction(n, faults); break;
        case Node::Pow:
            if (n.exp == 1) faults.push_back("exponent 1");
            break;
        case Node::Product:
            if (is_number(n.kids[0], "1")) faults.push_back("coefficient 1 written");
            if (is_number(n.kids[0], "0")) faults.push_back("coefficient 0");
            break;
        case Node::Sum:
            if (n.kids.size() > 1)
                for (auto& k : n.kids)
                    if (is_number(k, "0")) faults.push_back("term 0 in a sum");
            break;
        default: break;
    }
    for (auto& k : n.kids) check(k, faults);
}

}  // namespace

std::vector<std::string> form_faults(const std::string& code) {
    std::vector<std::string> faults;
    const std::string plain = strip_text(code);
    for (const char* pair : {"+-", "--", "-+", "++", "=+"})
        if (plain.find(pair) != std::string::npos) faults.push_back(std::string("\"") + pair + "\" written");
    if (!plain.empty() && plain[0] == '+') faults.push_back("leading \"+\"");
    Line line = split_line(code);
    for (auto& side : line.sides) {
        try {
            check(parse_sum_text(side), faults);
        } catch (const OracleError& e) {
            faults.push_back(std::string("unreadable: ") + e.what());
        }
    }
    return faults;
}

}  // namespace cw::oracle
