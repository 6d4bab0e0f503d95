#include "platform/clipboard.h"

#include <stdexcept>

namespace vorlanz::platform {

namespace {
Clipboard* installed = nullptr;
}  // namespace

Clipboard& CurrentClipboard() {
  if (installed == nullptr) throw std::logic_error("no clipboard installed");
  return *installed;
}

void InstallClipboard(Clipboard* clipboard) {
  installed = clipboard;
}

}  // namespace vorlanz::platform
