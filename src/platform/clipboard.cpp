#include "platform/clipboard.h"

#include "platform/installed_service.h"

namespace vorlanz::platform {

Clipboard& CurrentClipboard() {
  return InstalledService<Clipboard>::Get("clipboard");
}

void InstallClipboard(Clipboard* clipboard) {
  InstalledService<Clipboard>::Set(clipboard);
}

}  // namespace vorlanz::platform
