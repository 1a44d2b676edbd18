// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed-size tables that keep the index ranges the rules are written in
// (squares(1..70), players(1..4, 0..5) ...). Every access is checked, so an
// index fault stops the program or the test at once instead of corrupting
// a neighbouring cell.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace skarpo {

[[noreturn]] inline void indexFault(const char* table, int i) {
    throw std::out_of_range(std::string(table) + ": index " + std::to_string(i) + " out of range");
}

template <class T, int Lo, int Hi>
class Table1 {
public:
    static_assert(Lo <= Hi);
    static constexpr int lo = Lo;
    static constexpr int hi = Hi;

    explicit Table1(const char* name = "table") : name_(name) { cells_.fill(T{}); }

    T& operator()(int i) { return cells_[slot(i)]; }
    const T& operator()(int i) const { return cells_[slot(i)]; }

    void fill(const T& v) { cells_.fill(v); }
    bool operator==(const Table1& o) const { return cells_ == o.cells_; }

private:
    std::size_t slot(int i) const {
        if (i < Lo || i > Hi) indexFault(name_, i);
        return static_cast<std::size_t>(i - Lo);
    }
    const char* name_;
    std::array<T, Hi - Lo + 1> cells_{};
};

template <class T, int Lo1, int Hi1, int Lo2, int Hi2>
class Table2 {
public:
    static constexpr int lo1 = Lo1, hi1 = Hi1, lo2 = Lo2, hi2 = Hi2;

    explicit Table2(const char* name = "table") : name_(name) { cells_.fill(T{}); }

    T& operator()(int i, int j) { return cells_[slot(i, j)]; }
    const T& operator()(int i, int j) const { return cells_[slot(i, j)]; }

    void fill(const T& v) { cells_.fill(v); }
    bool operator==(const Table2& o) const { return cells_ == o.cells_; }

private:
    static constexpr int width = Hi2 - Lo2 + 1;
    std::size_t slot(int i, int j) const {
        if (i < Lo1 || i > Hi1) indexFault(name_, i);
        if (j < Lo2 || j > Hi2) indexFault(name_, j);
        return static_cast<std::size_t>((i - Lo1) * width + (j - Lo2));
    }
    const char* name_;
    std::array<T, (Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1)> cells_{};
};

}  // namespace skarpo
