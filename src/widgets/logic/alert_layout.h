#pragma once

// Geometry and hot keys of an alert box: the text lines, the button labels
// with their hot keys, the box and every button's position. Pure arithmetic,
// so the box can be checked without drawing it.

#include <string>
#include <string_view>
#include <vector>

namespace vorlanz {

inline constexpr int kAlertMaxLines = 10;
inline constexpr int kAlertMaxButtons = 10;
inline constexpr int kAlertButtonHeight = 28;

struct AlertLayout {
  std::vector<std::string> lines;    // at most ten text lines
  int line_count = 0;                // lines the box is sized for (11 when text was cut)
  std::vector<std::string> labels;   // button labels, "_" included
  std::vector<std::string> hotkeys;  // per button, its upper-cased hot key
  int last = 0;                      // index of the last button
  int button_chars = 0;              // widest label, counted without its "_"
  int width = 0;
  int x = 0, y = 0, x2 = 0, y2 = 0;  // the box, both corners included
  int separator_y = 0;
  std::vector<int> button_x;  // left edge of each button's face
  int button_y = 0;           // top of the button row

  int ButtonWidth() const { return 8 * button_chars + 20; }
  // x of the first text line's character cell (text centred on the box).
  int TextX(int line) const;
  // Bottom of text line i, as EmbossedText takes it.
  int TextBottom(int line) const { return y + 33 + 20 * line; }
  // The button under (mx, my), or -1.
  int ButtonAt(int mx, int my) const;
};

// Lays out the box for text and buttons. A centred box is placed in the
// middle of a reference area of ref_width x ref_height; otherwise its top
// left corner is (x, y).
AlertLayout LayOutAlert(bool centred, int x, int y, std::string_view text, std::string_view buttons,
                        int ref_width, int ref_height);

}  // namespace vorlanz
