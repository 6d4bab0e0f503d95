#pragma once

// The rules that keep the layers of src/ apart, read from src/layers.txt and
// applied to the #include lines of every source file.

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vorlanz::testing {

struct LayerRules {
  // Each folder with the folders its code may include.
  std::map<std::string, std::set<std::string>> uses;
};

LayerRules ParseLayers(const std::string& text);

// The offending includes of one file, as "path: reason" lines. `path` is
// relative to src/, e.g. "calc/logic/quota.cpp".
std::vector<std::string> CheckIncludes(const LayerRules& rules, const std::string& path,
                                       const std::string& source);

}  // namespace vorlanz::testing
