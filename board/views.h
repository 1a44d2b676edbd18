// SPDX-License-Identifier: GPL-3.0-or-later
// The views of the board as plain data. A view is a borderless square at a
// fixed twip position that shows a background colour and one picture, holds
// a spare picture it never shows itself, and can be enabled (clickable) and
// visible. Painting them is the window's business, not the game's.
#pragma once

#include <string>
#include <vector>

#include "state/picture.h"
#include "state/tables.h"

namespace skarpo {

struct View {
    int left = 0;  // twips inside the client area
    int top = 0;
    int width = 480;
    int height = 480;
    Colour back = colour::window;
    Picture picture = Picture::None;
    Picture spare = Picture::None;
    bool enabled = true;
    bool visible = true;
    bool framed = false;  // drawn with a single-line border (the centre frames)
    std::string tooltip;

    bool operator==(const View&) const = default;
};

// A family of views with the indices the rules use. Some families have gaps
// (the ring squares 1..60 and the stores 99 and 100): asking for an index the
// family does not have is an index fault.
class ViewFamily {
public:
    ViewFamily(const char* name, int lo, int hi)
        : name_(name), lo_(lo), views_(hi - lo + 1), present_(hi - lo + 1, true) {}

    View& operator()(int i) { return views_[slot(i)]; }
    const View& operator()(int i) const { return views_[slot(i)]; }

    bool has(int i) const {
        return i >= lo_ && i < lo_ + static_cast<int>(views_.size()) && present_[static_cast<std::size_t>(i - lo_)];
    }
    // Removes indices lo..hi from the family (used once, while laying out).
    void drop(int lo, int hi) {
        for (int i = lo; i <= hi; ++i) present_[slot(i)] = false;
    }
    // Every index the family has, in increasing order.
    std::vector<int> indices() const {
        std::vector<int> out;
        for (std::size_t k = 0; k < views_.size(); ++k)
            if (present_[k]) out.push_back(lo_ + static_cast<int>(k));
        return out;
    }
    const char* name() const { return name_; }
    bool operator==(const ViewFamily& o) const { return views_ == o.views_ && present_ == o.present_; }

private:
    std::size_t slot(int i) const {
        if (i < lo_ || i >= lo_ + static_cast<int>(views_.size()) || !present_[static_cast<std::size_t>(i - lo_)])
            indexFault(name_, i);
        return static_cast<std::size_t>(i - lo_);
    }
    const char* name_;
    int lo_;
    std::vector<View> views_;
    std::vector<bool> present_;
};

}  // namespace skarpo
