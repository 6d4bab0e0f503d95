#include "support/file_tree.h"

#include <fstream>
#include <sstream>

namespace vorlanz::testing {

namespace fs = std::filesystem;

Tree Snapshot(const fs::path& root) {
  Tree tree;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().lexically_relative(root).string();
    const fs::file_status status = entry.symlink_status();
    const auto mode = static_cast<unsigned>(status.permissions());
    if (fs::is_symlink(status)) {
      tree[name] = {'l', 0, fs::read_symlink(entry.path()).string()};
    } else if (fs::is_directory(status)) {
      tree[name] = {'d', mode, {}};
    } else if (fs::is_regular_file(status)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream content;
      content << in.rdbuf();
      tree[name] = {'f', mode, content.str()};
    } else {
      tree[name] = {'o', mode, {}};
    }
  }
  return tree;
}

void PrintTo(const Entry& entry, std::ostream* out) {
  *out << entry.kind << " " << std::oct << entry.mode << std::dec << " ";
  if (entry.content.size() <= 40) {
    *out << '"' << entry.content << '"';
  } else {
    *out << entry.content.size() << " bytes";
  }
}

}  // namespace vorlanz::testing
