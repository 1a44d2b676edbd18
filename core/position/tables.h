// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed-size table with the index ranges the rules are written in (squares(1..70), players(1..4, 0..5) ...):
// rows Lo..Hi, and columns Lo2..Hi2 where it has them. Every access is checked, so an index fault stops the program
// or the test at once instead of corrupting a neighbouring cell.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace skarpo {

[[noreturn]] inline void indexFault(const char* table, int i) {
    throw std::out_of_range(std::string(table) + ": index " + std::to_string(i) + " out of range");
}

template <class T, int Lo, int Hi, int Lo2 = 0, int Hi2 = 0>
class Cells {
public:
    explicit Cells(const char* name = "table") : name_(name) {}
    T& operator()(int i, int j = Lo2) { return cells_[slot(i, j)]; }
    const T& operator()(int i, int j = Lo2) const { return cells_[slot(i, j)]; }
    bool operator==(const Cells& o) const { return cells_ == o.cells_; }

private:
    std::size_t slot(int i, int j) const {
        if (i < Lo || i > Hi) indexFault(name_, i);
        if (j < Lo2 || j > Hi2) indexFault(name_, j);
        return static_cast<std::size_t>((i - Lo) * (Hi2 - Lo2 + 1) + j - Lo2);
    }
    const char* name_;
    std::array<T, (Hi - Lo + 1) * (Hi2 - Lo2 + 1)> cells_{};
};

}  // namespace skarpo
