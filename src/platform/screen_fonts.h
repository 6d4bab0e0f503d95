#pragma once

// The Qt fonts behind the screen font codes other than 8, each sized so that
// its line height and average character width come close to the font the
// code stands for.

#include <QFont>

namespace vorlanz::platform {

// Built on first use and kept for the life of the process.
const QFont& QtScreenFont(int code);

}  // namespace vorlanz::platform
