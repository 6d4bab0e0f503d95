#include "platform/qt_help_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace.
static void RegisterHelpResources() {
  Q_INIT_RESOURCE(help);
}

namespace vorlanz::platform {

void InitHelpResources() {
  static const bool registered = [] {
    RegisterHelpResources();
    return true;
  }();
  (void)registered;
}

}  // namespace vorlanz::platform
