// The loader against broken input: cut, flipped, overwritten and random
// files. Each is either refused, leaving the tables as they were, or read,
// with every value in its valid range.

#include <gtest/gtest.h>

#include <vector>

#include "model/random.h"
#include "output/data_test_support.h"
#include "output/logic/data_codec.h"
#include "output/logic/data_file_layout.h"

namespace vorlanz {
namespace {

using namespace data_file;
using testing::FillDataFields;
using testing::LoadedState;

// Flags are held as 0 or 255 whatever byte the file had.
bool HeldAsFlag(Flag flag) {
  return flag == kFalse || flag == kTrue;
}

bool AllInRange(const PoolData& pool) {
  bool good = HeldAsFlag(pool.OwnForecastReady) && HeldAsFlag(pool.OfficialForecastReady) &&
              HeldAsFlag(pool.NormReady) && HeldAsFlag(pool.GameReady) &&
              ValidCardQuality(pool.SystemQuality);
  for (int m = 0; m <= kMatchCount; ++m) {
    good = good && ValidSeriesEntry(pool.NormSeries[m]) &&
           ValidSeriesEntry(pool.GameSeriesEdit[m]) && ValidSeriesEntry(pool.GameSeries[m]);
  }
  for (int c = 0; c <= kLastCard; ++c) {
    good = good && HeldAsFlag(pool.CardOccupied[c]) && ValidCardQuality(pool.CardQuality[c]);
    for (int r = 0; r <= kRowCount; ++r) {
      good = good && ValidRowFigure(pool.CardTips[c][0][r]) &&
             ValidRowFigure(pool.CardRowDistance[c][r]);
      for (int m = 1; m <= kMatchCount; ++m) good = good && ValidTipCode(pool.CardTips[c][m][r]);
    }
  }
  return good;
}

class DataCodecFuzz : public ::testing::Test {
 protected:
  void SetUp() override {
    FillDataFields(pool_, 11);
    PoolData written;
    FillDataFields(written, 12);
    valid_ = EncodeDataFile(written);
  }

  // Decodes the bytes into the pool and checks what became of it.
  void Load(const std::vector<Byte>& bytes) {
    const std::vector<Byte> before = LoadedState(pool_);
    const auto problem = DecodeDataFile(bytes, pool_);
    if (problem) {
      ++refused_;
      ASSERT_EQ(LoadedState(pool_), before) << "a refused file changed the tables";
      ASSERT_EQ(problem->kind == DataFileProblem::Kind::TooShort, bytes.size() < kReadSize);
    } else {
      ++read_;
      ASSERT_GE(bytes.size(), kReadSize);
    }
    ASSERT_TRUE(AllInRange(pool_)) << "a value out of range reached the tables";
  }

  PoolData pool_;
  std::vector<Byte> valid_;
  Random random_{2024};
  int refused_ = 0;
  int read_ = 0;
};

TEST_F(DataCodecFuzz, EveryTruncationIsRefused) {
  for (std::size_t size = 0; size < kReadSize; ++size) {
    Load(std::vector<Byte>(valid_.begin(), valid_.begin() + static_cast<std::ptrdiff_t>(size)));
  }
  EXPECT_EQ(refused_, static_cast<int>(kReadSize));
  for (std::size_t size = kReadSize; size <= kFileSize; ++size) {
    Load(std::vector<Byte>(valid_.begin(), valid_.begin() + static_cast<std::ptrdiff_t>(size)));
  }
  EXPECT_EQ(read_, static_cast<int>(kFileSize - kReadSize + 1));
}

TEST_F(DataCodecFuzz, MutatedFilesAreReadOrRefusedSafely) {
  const auto below = [&](std::size_t n) { return random_.Below(static_cast<std::uint32_t>(n)); };
  for (int round = 0; round < 6000; ++round) {
    std::vector<Byte> bytes = valid_;
    switch (round % 4) {
      case 0:  // bit flips
        for (std::uint32_t n = 1 + below(4); n > 0; --n) {
          bytes[below(bytes.size())] ^= static_cast<Byte>(1u << below(8));
        }
        break;
      case 1: {  // a run of one byte
        const std::size_t start = below(bytes.size());
        const std::size_t length = 1 + below(64);
        const auto value = static_cast<Byte>(below(256));
        for (std::size_t i = start; i < bytes.size() && i < start + length; ++i) bytes[i] = value;
        break;
      }
      case 2: {  // lengths around the borders, with random tails
        const std::size_t sizes[] = {kReadSize - 1, kReadSize,     kReadSize + 1,  kFileSize - 1,
                                     kFileSize,     kFileSize + 1, kFileSize + 300};
        bytes.resize(sizes[below(std::size(sizes))], static_cast<Byte>(below(256)));
        bytes[below(bytes.size())] = static_cast<Byte>(below(256));
        break;
      }
      default:  // random bytes
        bytes.resize(kReadSize - 2 + below(kFileSize - kReadSize + 4));
        for (Byte& b : bytes) b = static_cast<Byte>(below(256));
        break;
    }
    Load(bytes);
    if (::testing::Test::HasFatalFailure()) return;
  }
  EXPECT_GT(refused_, 1000);
  EXPECT_GT(read_, 500) << "most single changes stay within the ranges";
}

}  // namespace
}  // namespace vorlanz
