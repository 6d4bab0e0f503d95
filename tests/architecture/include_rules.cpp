#include "architecture/include_rules.h"

#include <regex>
#include <sstream>

namespace vorlanz::testing {

namespace {

// What the rest of the program may see of the platform.
const std::set<std::string> kPlatformInterface = {
    "platform/platform.h",          "platform/surface.h",          "platform/files.h",
    "platform/window_service.h",    "platform/dialog_service.h",   "platform/print_service.h",
    "platform/help_file_service.h", "platform/document_printer.h", "platform/preview.h",
    "platform/clipboard.h"};

std::string FirstComponent(const std::string& path) {
  return path.substr(0, path.find('/'));
}

bool InLogic(const std::string& path) {
  const auto slash = path.find('/');
  return slash != std::string::npos && path.compare(slash + 1, 6, "logic/") == 0;
}

bool IsQtHeader(const std::string& header) {
  return header.rfind("Q", 0) == 0 || header.rfind("qt", 0) == 0;
}

}  // namespace

LayerRules ParseLayers(const std::string& text) {
  LayerRules rules;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::set<std::string>& uses = rules.uses[line.substr(0, colon)];
    std::istringstream words(line.substr(colon + 1));
    for (std::string word; words >> word;) uses.insert(word);
  }
  return rules;
}

std::vector<std::string> CheckIncludes(const LayerRules& rules, const std::string& path,
                                       const std::string& source) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
  std::vector<std::string> faults;
  const auto fault = [&](const std::string& reason) { faults.push_back(path + ": " + reason); };

  // main.cpp puts the program together from every layer.
  const bool top = path.find('/') == std::string::npos;
  const std::string folder = FirstComponent(path);
  const auto layer = rules.uses.find(folder);
  if (!top && layer == rules.uses.end()) fault("folder " + folder + " is not in layers.txt");

  std::istringstream lines(source);
  std::string line;
  while (std::getline(lines, line)) {
    std::smatch match;
    if (!std::regex_search(line, match, kInclude)) continue;
    const std::string header = match[2];
    const std::string target = FirstComponent(header);
    // Every library exports src/, so <calc/x.h> finds the program's own
    // header as well as "calc/x.h" does: both forms obey the layers.
    const bool own = match[1] == "\"" || rules.uses.contains(target);
    if (!own) {
      if (IsQtHeader(header) && folder != "platform" && !top) fault("Qt header <" + header + ">");
      continue;
    }
    if (top || layer == rules.uses.end()) continue;
    if (target == folder) {
      if (InLogic(path) && !InLogic(header))
        fault("logic includes the screens above it: " + header);
      continue;
    }
    if (!layer->second.contains(target)) {
      fault(folder + " may not use " + target + ": " + header);
      continue;
    }
    if (InLogic(path) && target != "model" && !InLogic(header)) {
      fault("logic may use only the model and other logic: " + header);
    }
    if (target == "platform" && !kPlatformInterface.contains(header)) {
      fault("platform internals: " + header);
    }
  }
  return faults;
}

}  // namespace vorlanz::testing
