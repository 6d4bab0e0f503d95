#pragma once

// The data file's bytes and the pool's tables: both forecasts, both series,
// their flags and the ten cards (layout and valid values in
// data_file_layout.h).

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/pool_data.h"

namespace vorlanz {

// Why a file cannot be loaded.
struct DataFileProblem {
  enum class Kind { TooShort, BadValue };
  Kind kind = Kind::TooShort;
  std::size_t size = 0;    // TooShort: the bytes the file has
  std::size_t offset = 0;  // BadValue: where the value stands
  Byte value = 0;
  std::string field;  // BadValue: the field in the user's words
};

// The whole file as written: 2,386 bytes. The GAME series comes from its
// edit copy, which holds the entered series whatever a simulation has drawn.
std::vector<Byte> EncodeDataFile(const PoolData& pool);

// Reads a file into the pool, or returns why it cannot and leaves the pool
// untouched. Only the first 2,098 bytes count. A file read brings both
// forecasts, both series (the GAME series into its edit copy and the series
// itself), the flags and the card store, except rows 11 and 12 of the row
// distances; SystemQuality becomes card 0's quality. The official forecast
// of an older file is moved into its columns 1..3.
std::optional<DataFileProblem> DecodeDataFile(std::span<const Byte> bytes, PoolData& pool);

}  // namespace vorlanz
