#include "output/parameter_file.h"

#include <string>

#include "model/pool_data.h"
#include "output/file_alert.h"
#include "output/logic/parameter_codec.h"
#include "platform/files.h"
#include "widgets/alert_box.h"

namespace vorlanz {

void LoadParameters() {
  const auto bytes = platform::ReadFile(kParameterFileName, kParameterFileSize);
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
  const platform::WriteResult written =
      platform::WriteFileAtomic(kParameterFileName, {bytes.begin(), bytes.end()});
  if (!written) {
    AlertBox(1, 0, 0, "Die Datei VORL13.PAR|" + std::string(WriteFaultText(written)), 2, "_OK");
  }
}

}  // namespace vorlanz
