#pragma once

// The file selector of the Qt backend: Qt's own dialog (not the desktop's),
// so it looks and behaves the same everywhere, centred over the main window.

#include <QWidget>
#include <string>

#include "platform/platform.h"

namespace vorlanz::platform {

// Runs the selector modally; the chosen path, or "" when it was cancelled.
std::string RunFileDialog(QWidget* owner, const FileChoice& choice);

}  // namespace vorlanz::platform
