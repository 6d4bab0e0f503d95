#pragma once

// The hot-key convention of every label the program draws itself: "_" stands
// before the hot-key letter. The "_" is not shown; the letter takes its cell
// (drawn in the hot-key colour) and the rest of the label follows, so the
// shown text is one character shorter than the label.

#include <string>
#include <string_view>
#include <vector>

namespace vorlanz {

struct ScannedLabel {
  // The label with "_x" replaced by one blank, where the letter is drawn.
  std::string shown;
  // 1-based character position of the first "_"; 0 when there is none.
  int hotkey_pos = 0;
  // The character after that "_", as typed in the label; empty without "_".
  std::string hotkey_letter;
};

ScannedLabel ScanLabel(std::string_view label);

// The parts of text between the "|" separators (one part for text without
// "|", an empty part after a final "|").
std::vector<std::string_view> SplitAtBars(std::string_view text);

}  // namespace vorlanz
