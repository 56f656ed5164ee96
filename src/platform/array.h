// Program arrays: fixed bounds 0..n in every dimension, every index checked.
#pragma once
#include <string>
#include <vector>

#include "platform/basic.h"

namespace cw {

template <typename T>
class Array {
public:
    Array() = default;  // not dimensioned: every index fails
    explicit Array(int n1, int n2 = -1) { DIM(n1, n2); }

    void DIM(int n1, int n2 = -1) {
        n1_ = n1;
        n2_ = n2;
        data_.assign(static_cast<size_t>(n1 + 1) * (n2 < 0 ? 1 : n2 + 1), T{});
    }
    bool dimensioned() const { return n1_ >= 0; }
    int bound(int dim = 1) const { return dim == 1 ? n1_ : n2_; }

    T& operator()(double i, std::source_location w = std::source_location::current()) {
        return data_[at(i, 0, false, w)];
    }
    T& operator()(double i, double j, std::source_location w = std::source_location::current()) {
        return data_[at(i, j, true, w)];
    }
    const T& operator()(double i, std::source_location w = std::source_location::current()) const {
        return data_[at(i, 0, false, w)];
    }
    const T& operator()(double i, double j, std::source_location w = std::source_location::current()) const {
        return data_[at(i, j, true, w)];
    }

private:
    size_t at(double i, double j, bool two, const std::source_location& w) const {
        int a = to_index(static_cast<float>(i), w);
        if (a < 0 || a > n1_) throw RuntimeError(ERR_SUBSCRIPT, w);
        if (two != (n2_ >= 0)) throw RuntimeError(ERR_SUBSCRIPT, w);
        if (!two) return static_cast<size_t>(a);
        int b = to_index(static_cast<float>(j), w);
        if (b < 0 || b > n2_) throw RuntimeError(ERR_SUBSCRIPT, w);
        return static_cast<size_t>(a) * (n2_ + 1) + b;
    }

    int n1_ = -1;
    int n2_ = -1;
    std::vector<T> data_;
};

using NumArray = Array<float>;
using StrArray = Array<std::string>;

}  // namespace cw
