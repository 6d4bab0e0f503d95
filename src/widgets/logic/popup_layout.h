#pragma once

// Geometry, headings and hot keys of a pop-up text menu. Items are separated
// by "|"; an item starting with "-" is a heading (its title follows the "-")
// and cannot be chosen; every other item is a label with a "_" hot key.

#include <string>
#include <string_view>
#include <vector>

namespace vorlanz {

inline constexpr int kPopupMaxItems = 16;

struct PopupLayout {
  std::vector<std::string> items;
  std::vector<std::string> hotkeys;  // upper-cased; empty for headings
  std::vector<bool> heading;
  int max_len = 0;  // longest item in characters, "-" and "_" counted
  int last = 0;     // index of the last item
  int x = 0, y = 0, x2 = 0, y2 = 0;
  int row_x = 0;  // left edge of the item column

  // Bottom of item i's text line.
  int TextLine(int i) const { return y + 23 + 19 * i; }
  // Reference line of item i's selection bar.
  int BarLine(int i) const { return y + 27 + 19 * i; }
  bool Selectable(int i) const {
    return i >= 0 && i <= last && !heading[static_cast<std::size_t>(i)];
  }
  // The item the bar starts on: item 0, or item 1 under a heading.
  int FirstBar() const;
  // The nearest selectable item below / above item i; i itself when none.
  int NextDown(int i) const;
  int NextUp(int i) const;
  // The item whose row the pointer's y falls into (valid for y inside the
  // box's rows).
  int ItemAtY(int my) const { return (my - y - 5) / 19; }
};

PopupLayout LayOutPopup(int x, int y, std::string_view items);

}  // namespace vorlanz
