// Helpers for the lesson 3 tests: running a drill headless with scripted keys
// and reading polynomials back from the texts it drew.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "lessons/kelvane/lesson3.h"
#include "shell/shell.h"
#include "support/harness.h"

namespace cw::l3test {

// A polynomial pa + qb + r.
struct Poly {
    int a = 0, b = 0, c = 0;
    bool operator==(const Poly&) const = default;
    Poly operator+(const Poly& o) const { return {a + o.a, b + o.b, c + o.c}; }
    Poly operator-(const Poly& o) const { return {a - o.a, b - o.b, c - o.c}; }
    Poly operator-() const { return {-a, -b, -c}; }
};

inline std::ostream& operator<<(std::ostream& os, const Poly& p) {
    return os << "{" << p.a << "a " << p.b << "b " << p.c << "}";
}

// Reads terms such as "-3a+b-12" or "3a-4a+5b+7b" (blanks and one leading "="
// ignored; like terms may repeat).  Nothing for a text that is not a sum of
// such terms, and for the empty text.
inline std::optional<Poly> parse(const std::string& text) {
    std::string s;
    for (char ch : text)
        if (ch != ' ') s += ch;
    if (!s.empty() && s[0] == '=') s.erase(0, 1);
    if (s.empty()) return std::nullopt;
    Poly p;
    size_t i = 0;
    bool first = true;
    while (i < s.size()) {
        int sign = 1;
        if (s[i] == '+' || s[i] == '-') {
            sign = s[i] == '-' ? -1 : 1;
            ++i;
        } else if (!first) {
            return std::nullopt;
        }
        first = false;
        std::string digits;
        while (i < s.size() && isdigit(static_cast<unsigned char>(s[i]))) digits += s[i++];
        char letter = 0;
        if (i < s.size() && (s[i] == 'a' || s[i] == 'b')) letter = s[i++];
        if (digits.empty() && !letter) return std::nullopt;
        int k = sign * (digits.empty() ? 1 : std::stoi(digits));
        (letter == 'a' ? p.a : letter == 'b' ? p.b : p.c) += k;
    }
    return p;
}

// How a polynomial is written in the textbook: no term with coefficient 0,
// no 1 before a letter, no "+" in front, and "0" when nothing is left.
inline std::string written(const Poly& p) {
    std::string out;
    auto term = [&](int k, const std::string& letter) {
        if (k == 0) return;
        if (k > 0 && !out.empty()) out += "+";
        if (!letter.empty() && k == 1)
            ;
        else if (!letter.empty() && k == -1)
            out += "-";
        else
            out += std::to_string(k);
        out += letter;
    };
    term(p.a, "a");
    term(p.b, "b");
    term(p.c, "");
    return out.empty() ? "0" : out;
}

inline std::string no_blanks(const std::string& s) {
    std::string out;
    for (char ch : s)
        if (ch != ' ') out += ch;
    return out;
}

// The typesetter's advance for the one-byte texts of the drills.
inline float width27(const std::string& s) { return 27.0f * static_cast<float>(s.size()); }

// One drill run: `problems` problems, each taking `waits` key presses before
// the next-step question; every problem but the last is followed by "2".
struct DrillRun {
    test::Harness h;
    std::vector<std::vector<DrawOp>> problems;  // typesetter calls of each problem
    size_t keys_left = 0;

    DrillRun(void (*drill)(Program&), int waits, int count, unsigned seed, float xkara, const std::string& heading)
        : h("kelvane", keys(waits, count)) {
        INITIALIZE_PROGRAM(h.g);
        h.pf.RANDOMIZE(static_cast<int>(seed));
        h.g.UE = 30;
        h.g.XKARA = xkara;
        h.g.XMADE = xkara == 40 ? 600 : 3200;
        h.g.YKARA = 30;
        h.g.YMADE = 1800;
        h.pf.SETDRAWWIDTH(5);
        h.pf.clear_record();
        drill(h.g);
        keys_left = h.backend.keys_left();
        for (auto& op : h.of(Op::Expr)) {
            if (op.y1 >= 600) continue;  // the prompt band's texts
            if (op.s == heading) problems.emplace_back();
            if (!problems.empty()) problems.back().push_back(op);
        }
    }

    static std::string keys(int waits, int count) {
        std::string k;
        for (int i = 0; i < count; ++i)
            k += std::string(static_cast<size_t>(waits), ' ') + (i + 1 < count ? "2\r" : "1\r");
        return k;
    }
};

// The first seed whose first problem, made by `make` as the drill makes it,
// is `wanted`; -1 when none is found.  `made` is left at the program that
// holds that problem.
inline int find_seed(void (*make)(Program&), bool (*wanted)(const Program&), Program*& made) {
    static test::Harness probe("kelvane");
    static bool ready = false;
    if (!ready) {
        INITIALIZE_PROGRAM(probe.g);
        probe.pf.set_recording(false);
        ready = true;
    }
    made = &probe.g;
    for (int s = 1; s < 400000; ++s) {
        probe.pf.RANDOMIZE(s);
        make(probe.g);
        if (wanted(probe.g)) return s;
    }
    return -1;
}

// The texts of one problem drawn at row y, in drawing order.
inline std::vector<DrawOp> at_row(const std::vector<DrawOp>& ops, float y) {
    std::vector<DrawOp> out;
    for (auto& op : ops)
        if (op.y1 == y) out.push_back(op);
    return out;
}

inline std::string joined(const std::vector<DrawOp>& ops) {
    std::string s;
    for (auto& op : ops) s += op.s;
    return s;
}

}  // namespace cw::l3test
