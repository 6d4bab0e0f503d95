#pragma once

// The file a name stands for, shared by the systems' ways of writing files.

#include <filesystem>

namespace vorlanz::platform {

// Links followed before a name counts as a loop, as the system itself does.
inline constexpr int kMostLinks = 40;

// A symbolic link is followed to its end, each relative link read from the
// folder that holds it. A broken link gives the name its last link points
// at, which a write then creates.
std::filesystem::path LinkTarget(std::filesystem::path path);

}  // namespace vorlanz::platform
