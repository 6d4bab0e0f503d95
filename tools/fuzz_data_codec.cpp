// A libFuzzer harness for the data file reader (`make fuzz`, needs clang).
// Any input is either refused, leaving the tables as they were, or read; a
// file read is written again and reads back to the same tables.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/pool_data.h"
#include "output/logic/data_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlanz;
  PoolData pool;
  pool.CardQuality[0] = 3;  // anything but what a file brings
  const std::vector<Byte> before = EncodeDataFile(pool);
  if (DecodeDataFile(std::span<const Byte>(data, size), pool)) {
    if (EncodeDataFile(pool) != before) __builtin_trap();
    return 0;
  }
  const std::vector<Byte> written = EncodeDataFile(pool);
  PoolData again;
  if (DecodeDataFile(written, again) || EncodeDataFile(again) != written) __builtin_trap();
  return 0;
}
