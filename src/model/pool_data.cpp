#include "model/pool_data.h"

namespace vorlanz {

namespace {
PoolData& Instance() {
  static PoolData data;
  return data;
}
}  // namespace

PoolData& Pool() {
  return Instance();
}

void ResetPool() {
  Instance() = PoolData{};
}

}  // namespace vorlanz
