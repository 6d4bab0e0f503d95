#pragma once

// What a folder holds, to see that a failed save or print left everything
// as it was and nothing beside it.

#include <filesystem>
#include <map>
#include <ostream>
#include <string>

namespace vorlanz::testing {

// A name under the folder: its kind, its permissions and its content (a
// link: where it points).
struct Entry {
  char kind;  // 'f' file, 'd' folder, 'l' link, 'o' anything else
  unsigned mode;
  std::string content;
  bool operator==(const Entry&) const = default;
};
using Tree = std::map<std::string, Entry>;

// Every name under the folder, by its path from there.
Tree Snapshot(const std::filesystem::path& root);

void PrintTo(const Entry& entry, std::ostream* out);

}  // namespace vorlanz::testing
