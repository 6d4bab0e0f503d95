#include "output/bundesland_mark.h"

#include "model/pool_data.h"
#include "platform/platform.h"

namespace vorlanz {

namespace {
constexpr int kStateGroupEnd = 25;
}

void MarkBundesland() {
  platform::Platform& os = platform::Current();
  for (int id = kFirstStateCommand; id <= kStateGroupEnd; ++id) os.CheckMenuItem(id, false);
  os.CheckMenuItem(Pool().Bundesland + kFirstStateCommand, true);
}

}  // namespace vorlanz
