#include "platform/preview.h"

#include "platform/installed_service.h"

namespace vorlanz::platform {

PagePreview& CurrentPreview() {
  return InstalledService<PagePreview>::Get("preview");
}

void InstallPreview(PagePreview* preview) {
  InstalledService<PagePreview>::Set(preview);
}

}  // namespace vorlanz::platform
