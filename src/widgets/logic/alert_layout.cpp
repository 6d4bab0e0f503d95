#include "widgets/logic/alert_layout.h"

#include <algorithm>

#include "model/characters.h"
#include "model/rounding.h"
#include "widgets/logic/hotkey_scan.h"
#include "widgets/logic/text_cells.h"

namespace vorlanz {

namespace {

// The hot key of the button whose label starts at rest: the letter after the
// first "_" from there on, even in a later label; the label's own first
// character when no "_" with a letter follows.
std::string HotkeyFrom(std::string_view rest, std::string_view label) {
  const std::size_t underscore = rest.find('_');
  if (underscore != std::string_view::npos) {
    const std::string_view letter = CharSlice(rest.substr(underscore + 1), 0, 1);
    if (!letter.empty()) return UpperCaseText(letter);
  }
  return UpperCaseText(CharSlice(label, 0, 1));
}

}  // namespace

int AlertLayout::TextX(int line) const {
  const int half = RoundHalfEven(x2 - x, 2);
  return x + half - 4 * CharCount(lines[static_cast<std::size_t>(line)]);
}

int AlertLayout::ButtonAt(int mx, int my) const {
  if (my < button_y || my > button_y + kAlertButtonHeight) return -1;
  for (int k = 0; k <= last; ++k) {
    const int left = button_x[static_cast<std::size_t>(k)];
    if (left < mx && mx < left + ButtonWidth()) return k;
  }
  return -1;
}

AlertLayout LayOutAlert(bool centred, int x, int y, std::string_view text, std::string_view buttons,
                        int ref_width, int ref_height) {
  AlertLayout box;

  const std::vector<std::string_view> parts = SplitAtBars(text);
  int text_chars = 20;
  for (std::size_t i = 0; i < parts.size() && i < kAlertMaxLines; ++i) {
    box.lines.emplace_back(parts[i]);
    text_chars = std::max(text_chars, CharCount(parts[i]));
  }
  box.line_count = std::min(static_cast<int>(parts.size()), kAlertMaxLines + 1);

  std::size_t label_start = 0;
  for (std::string_view label : SplitAtBars(buttons)) {
    if (box.labels.size() == kAlertMaxButtons) break;
    box.labels.emplace_back(label);
    box.hotkeys.push_back(HotkeyFrom(buttons.substr(label_start), label));
    box.button_chars = std::max(box.button_chars, CharCount(label) - 1);
    label_start += label.size() + 1;
  }
  box.last = static_cast<int>(box.labels.size()) - 1;

  const int line_height = 20 * box.line_count + 64;
  box.width = std::max((box.last + 1) * (8 * box.button_chars + 24) + 30, 8 * text_chars + 24);
  if (centred) {
    box.x = RoundHalfEven(ref_width, 2) - RoundHalfEven(box.width + 16, 2);
    box.y = RoundHalfEven(ref_height, 2) - RoundHalfEven(line_height, 2);
    box.x2 = box.x + box.width + 40;
  } else {
    box.x = x;
    box.y = y;
    box.x2 = box.x + box.width + 16;
  }
  box.y2 = box.y + line_height;
  box.separator_y = box.y2 - 43;

  const int spacing = RoundHalfEven(box.x2 - box.x, box.last + 2);
  for (int k = 0; k <= box.last; ++k) {
    const int centre = box.x + spacing * (k + 1);
    box.button_x.push_back(centre - (4 * box.button_chars + 10));
  }
  box.button_y = box.y2 - 39;
  return box;
}

}  // namespace vorlanz
