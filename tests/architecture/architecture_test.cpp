#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "architecture/include_rules.h"

namespace vorlanz::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const fs::path kSource = VORLANZ_SOURCE_DIR;

LayerRules Layers() {
  return ParseLayers(ReadAll(kSource / "layers.txt"));
}

TEST(Architecture, EveryIncludeOfTheProgramKeepsToTheLayers) {
  const LayerRules rules = Layers();
  std::vector<std::string> faults;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kSource)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".cpp" && extension != ".h") continue;
    ++files;
    const std::string path = fs::relative(entry.path(), kSource).generic_string();
    for (std::string& f : CheckIncludes(rules, path, ReadAll(entry.path()))) faults.push_back(f);
  }
  EXPECT_GT(files, 50);
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

TEST(Architecture, TheLayersRunOneWay) {
  const LayerRules rules = Layers();
  // Each folder may use only folders listed before it, so no two use each
  // other and nothing is missing.
  std::set<std::string> below;
  std::istringstream lines(ReadAll(kSource / "layers.txt"));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::string folder = line.substr(0, line.find(':'));
    for (const std::string& used : rules.uses.at(folder)) {
      EXPECT_TRUE(below.contains(used)) << folder << " uses " << used << ", not below it";
    }
    below.insert(folder);
  }
  EXPECT_TRUE(below.contains("platform") && below.contains("model") && below.contains("shell"));
}

TEST(Architecture, FaultsAreFound) {
  const LayerRules rules = ParseLayers(
      "platform:\nmodel:\nwidgets: platform model\n"
      "calc: widgets platform model\nshell: calc model\n");
  struct Case {
    const char* path;
    const char* source;
    bool allowed;
  };
  const Case cases[] = {
      {"calc/a.cpp", "#include \"widgets/b.h\"\n#include <vector>\n", true},
      {"calc/a.cpp", "#include \"shell/main_menu.h\"\n", false},       // upward
      {"calc/a.cpp", "#include <shell/main_menu.h>\n", false},         // upward, brackets
      {"calc/a.cpp", "#include <widgets/b.h>\n", true},                // below, brackets
      {"calc/a.cpp", "#include <platform/glyph_cache.h>\n", false},    // internals, brackets
      {"calc/a.cpp", "#include <gtest/gtest.h>\n", true},              // another library
      {"shell/a.cpp", "#include \"widgets/b.h\"\n", false},            // not named
      {"calc/a.cpp", "#include <QString>\n", false},                   // Qt
      {"platform/a.cpp", "#include <QString>\n", true},                // Qt at home
      {"calc/a.cpp", "#include \"platform/glyph_cache.h\"\n", false},  // internals
      {"calc/a.cpp", "#include \"platform/platform.h\"\n", true},      // interface
      {"calc/logic/a.cpp", "#include \"widgets/b.h\"\n", false},       // logic draws
      {"calc/logic/a.cpp", "#include \"calc/screen.h\"\n", false},     // logic above
      {"calc/logic/a.cpp", "#include \"model/pool.h\"\n", true},       // model
      {"calc/logic/a.cpp", "#include \"widgets/logic/l.h\"\n", true},  // lower logic
      {"model/a.cpp", "#include \"platform/platform.h\"\n", false},    // pure model
      {"extra/a.cpp", "#include <vector>\n", false},                   // unknown folder
      {"main.cpp", "#include \"shell/a.h\"\n#include <QApplication>\n", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckIncludes(rules, c.path, c.source).empty(), c.allowed) << c.path << c.source;
  }
}

}  // namespace
}  // namespace vorlanz::testing
