#pragma once

// The main window's menu bar, kept as one list of lines and read by a small
// grammar:
//   at bar level:   a title opens a pull-down whose entries follow up to "";
//                   "" ends the bar
//   in a pull-down: a line with a command id is that command, ">title" opens
//                   a submenu whose entries follow up to "", "-" is a
//                   separator, "" ends it
// "&" in a label marks the mnemonic letter.

#include <span>
#include <string_view>

#include "platform/platform.h"

namespace vorlanz {

struct MenuLine {
  std::string_view text;
  int id = 0;  // a command's id; 0 for every other line
};

std::span<const MenuLine> MainMenuDescription();

// Reads a whole menu bar from the description.
platform::MenuBar BuildMenuBar(std::span<const MenuLine> description);

// Reads the entries of one pull-down or submenu, starting at `next` and
// leaving it after the "" that ends them.
std::vector<platform::MenuEntry> BuildPullDown(std::span<const MenuLine> description,
                                               std::size_t& next);

}  // namespace vorlanz
