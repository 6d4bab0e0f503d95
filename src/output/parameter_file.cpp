#include "output/parameter_file.h"

#include "model/pool_data.h"
#include "output/logic/parameter_codec.h"
#include "platform/files.h"
#include "widgets/alert_box.h"

namespace vorlanz {

void LoadParameters() {
  const auto bytes = platform::ReadFile(kParameterFileName);
  if (!bytes) return;
  PoolData& pool = Pool();
  const Parameters current{pool.PrintOffsetA, pool.PrintOffsetB, pool.Bundesland};
  const Parameters read = DecodeParameters(*bytes, current);
  pool.PrintOffsetA = read.PrintOffsetA;
  pool.PrintOffsetB = read.PrintOffsetB;
  pool.Bundesland = read.Bundesland;
}

void SaveParameters() {
  const PoolData& pool = Pool();
  const auto bytes = EncodeParameters({pool.PrintOffsetA, pool.PrintOffsetB, pool.Bundesland});
  if (!platform::WriteFileAtomic(kParameterFileName, {bytes.begin(), bytes.end()})) {
    AlertBox(1, 0, 0, "Die Datei VORL13.PAR|kann nicht geschrieben werden!", 2, "_OK");
  }
}

}  // namespace vorlanz
