#include "widgets/logic/hotkey_scan.h"

#include "widgets/logic/text_cells.h"

namespace vorlanz {

ScannedLabel ScanLabel(std::string_view label) {
  ScannedLabel scan;
  const std::size_t underscore = label.find('_');
  if (underscore == std::string_view::npos) {
    scan.shown = std::string(label);
    return scan;
  }
  const std::string_view before = label.substr(0, underscore);
  const std::string_view after = label.substr(underscore + 1);
  scan.hotkey_pos = CharCount(before) + 1;
  scan.hotkey_letter = std::string(CharSlice(after, 0, 1));
  scan.shown = std::string(before) + " " + std::string(CharsFrom(after, 1));
  return scan;
}

std::vector<std::string_view> SplitAtBars(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
}

}  // namespace vorlanz
