#pragma once

// The user guide's pages and style sheet as Qt resources (help.qrc).

namespace vorlanz::platform {

// The resource folder of the pages, with its closing "/".
inline constexpr const char* kHelpResourceDir = ":/help/";

// Registers the resources; a static library's resources are not linked in
// unless something asks for them. Safe to call more than once.
void InitHelpResources();

}  // namespace vorlanz::platform
