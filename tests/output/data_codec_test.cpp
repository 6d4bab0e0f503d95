#include "output/logic/data_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "output/data_test_support.h"
#include "output/logic/data_file_layout.h"

namespace vorlanz {
namespace {

using namespace data_file;
using testing::FillDataFields;
using testing::LoadedState;

std::vector<Byte> SampleFile(std::uint64_t seed = 7) {
  PoolData pool;
  FillDataFields(pool, seed);
  return EncodeDataFile(pool);
}

// Together with the layout test below: every field comes back.
TEST(DataCodec, SaveThenLoadRestoresEveryFieldAndWritesTheSameBytesAgain) {
  PoolData saved;
  FillDataFields(saved, 1);
  saved.CardQuality[0] = 5;
  const std::vector<Byte> file = EncodeDataFile(saved);
  PoolData loaded;
  FillDataFields(loaded, 2);
  loaded.SystemQuality = 2;
  const auto before = loaded.CardRowDistance;

  ASSERT_FALSE(DecodeDataFile(file, loaded));
  EXPECT_EQ(EncodeDataFile(loaded), file);
  EXPECT_EQ(loaded.GameSeries, saved.GameSeriesEdit) << "the GAME series is its edit copy";
  EXPECT_EQ(loaded.SystemQuality, 5) << "card 0's quality";
  for (int c = 0; c <= kLastCard; ++c) {
    for (int r = 0; r <= kRowCount; ++r) {
      EXPECT_EQ(loaded.CardRowDistance[c][r], r <= 10 ? saved.CardRowDistance[c][r] : before[c][r])
          << "card " << c << " row " << r;
    }
  }
}

TEST(DataCodec, FieldsStandWhereTheLayoutPutsThem) {
  PoolData pool;
  pool.OwnForecast[3][2] = 41;
  pool.OfficialForecast[13][3] = 42;
  pool.GameSeries[5] = 1;  // a drawn series is not saved: its edit copy is
  pool.GameSeriesEdit[5] = 2;
  pool.CardOccupied[0] = pool.CardOccupied[8] = pool.CardOccupied[9] = kTrue;
  pool.CardTips[2][5][7] = 1;
  pool.CardTips[9][0][12] = 11;
  pool.CardQuality[6] = 8;
  pool.CardRowDistance[4][10] = 6;
  pool.CardRowDistance[4][11] = 5;  // not stored
  pool.NormReady = kTrue;
  const std::vector<Byte> bytes = EncodeDataFile(pool);

  ASSERT_EQ(bytes.size(), 2386u);
  EXPECT_EQ(std::vector<Byte>(bytes.begin(), bytes.begin() + 3), (std::vector<Byte>{13, 12, 9}));
  EXPECT_EQ(bytes[4 + 3 + 14 * 2], 41);
  EXPECT_EQ(bytes[61 + 13 + 14 * 3], 42);
  EXPECT_EQ(bytes[117], 255);
  EXPECT_EQ(bytes[133 + 5], 2);
  EXPECT_EQ(bytes[147], 0x01);
  EXPECT_EQ(bytes[148], 0x03);
  EXPECT_EQ(bytes[157 + 2 + 10 * 5 + 140 * 7], 1);
  EXPECT_EQ(bytes[157 + 9 + 140 * 12], 11);
  EXPECT_EQ(bytes[1977 + 6], 8);
  EXPECT_EQ(bytes[1987 + 4 + 10 * 10], 6);
  int non_zero = 0;
  for (const Byte b : bytes) non_zero += b != 0 ? 1 : 0;
  EXPECT_EQ(non_zero, 3 + 10) << "nothing else is written, the reserved bytes are zero";
}

TEST(DataCodec, OnlyTheFirst2098BytesCount) {
  std::vector<Byte> bytes = SampleFile();
  PoolData expected;
  ASSERT_FALSE(DecodeDataFile(bytes, expected));

  // Sizes, reserved bytes, unused occupancy bits and anything past the end
  // are never read.
  bytes[kDimensions] = 0;
  bytes[kDimensions + 2] = 200;
  bytes[kReserved] = 0xAB;
  bytes[kCardOccupied + 1] |= 0xFC;
  bytes[kCardOccupied + 5] = 0xFF;
  bytes[kReadSize] = 0xFF;
  bytes.resize(5000, 0xEE);
  PoolData pool;
  ASSERT_FALSE(DecodeDataFile(bytes, pool));
  EXPECT_EQ(LoadedState(pool), LoadedState(expected));
  EXPECT_EQ(pool.MatchCount, kMatchCount);
  EXPECT_EQ(pool.LastCard, kLastCard);

  bytes.resize(kReadSize);
  EXPECT_FALSE(DecodeDataFile(bytes, pool)) << "2098 bytes are a whole file";
  bytes.resize(kReadSize - 1);
  PoolData untouched = pool;
  const auto problem = DecodeDataFile(bytes, pool);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->kind, DataFileProblem::Kind::TooShort);
  EXPECT_EQ(problem->size, 2097u);
  EXPECT_EQ(LoadedState(pool), LoadedState(untouched));
}

TEST(DataCodec, AnOlderFileHasItsOfficialForecastShiftedForMatches1To11) {
  std::vector<Byte> bytes = SampleFile();
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int o = 0; o <= 3; ++o) bytes[ForecastAt(kOfficialForecast, m, o)] = Byte(10 * m + o);
  }
  PoolData pool;
  ASSERT_FALSE(DecodeDataFile(bytes, pool));
  for (int m = 1; m <= 11; ++m) {
    EXPECT_EQ(pool.OfficialForecast[m],
              (std::array<Byte, 4>{0, Byte(10 * m), Byte(10 * m + 1), Byte(10 * m + 2)}))
        << "match " << m;
  }
  for (int m = 12; m <= 13; ++m) {
    EXPECT_EQ(pool.OfficialForecast[m], (std::array<Byte, 4>{Byte(10 * m), Byte(10 * m + 1),
                                                             Byte(10 * m + 2), Byte(10 * m + 3)}))
        << "match " << m << " stays as read";
  }
  PoolData own;
  bytes[62] = 0;  // match 1, column 0 of the official forecast
  ASSERT_FALSE(DecodeDataFile(bytes, own));
  EXPECT_EQ(own.OfficialForecast[2][0], 20) << "without the mark nothing moves";
  EXPECT_EQ(own.OfficialForecast[1], (std::array<Byte, 4>{0, 11, 12, 13}));
}

// Any byte is a flag: its lowest bit is the value, kept as 255 or 0 and
// written back that way.
TEST(DataCodec, FlagBytesCountByTheirLowestBit) {
  const struct {
    Byte in_file;
    Flag held;
  } cases[] = {{0, 0}, {1, 255}, {2, 0}, {127, 255}, {128, 0}, {254, 0}, {255, 255}};
  const std::size_t flags[] = {kOwnForecastReady, kOfficialForecastReady, kNormReady, kGameReady};
  for (const auto& c : cases) {
    std::vector<Byte> bytes = SampleFile();
    for (const std::size_t at : flags) bytes[at] = c.in_file;
    PoolData pool;
    ASSERT_FALSE(DecodeDataFile(bytes, pool)) << int(c.in_file);
    EXPECT_EQ(pool.OwnForecastReady, c.held) << int(c.in_file);
    EXPECT_EQ(pool.OfficialForecastReady, c.held) << int(c.in_file);
    EXPECT_EQ(pool.NormReady, c.held) << int(c.in_file);
    EXPECT_EQ(pool.GameReady, c.held) << int(c.in_file);
    const std::vector<Byte> again = EncodeDataFile(pool);
    for (const std::size_t at : flags) EXPECT_EQ(again[at], c.held) << int(c.in_file);
  }
}

TEST(DataCodec, AValueTheProgramNeverWritesIsRefusedByField) {
  struct Case {
    std::size_t offset;
    Byte bad;
    Byte highest_good;
    const char* field;
  };
  const Case cases[] = {
      {kNormSeries + 4, 3, 2, "NORM-Reihe, Spiel 4"},
      {kGameSeries + 0, 254, 255, "GAME-Reihe, Spiel 0"},
      {CardTipAt(3, 5, 7), 3, 2, "Tipp 3, Spiel 5, Reihe 7"},
      {CardTipAt(0, 13, 12), 255, 2, "Tipp 0, Spiel 13, Reihe 12"},
      {CardTipAt(9, 0, 1), 14, 13, "Tipp 9, Güte der Reihe 1"},
      {kCardQuality + 4, 10, 9, "Tipp 4, System-Güte"},
      {CardRowDistanceAt(2, 10), 14, 13, "Tipp 2, Abstand der Reihe 10"},
  };
  for (const Case& c : cases) {
    std::vector<Byte> bytes = SampleFile();
    bytes[c.offset] = c.highest_good;
    PoolData pool;
    EXPECT_FALSE(DecodeDataFile(bytes, pool)) << c.field;

    FillDataFields(pool, 3);
    const std::vector<Byte> before = LoadedState(pool);
    bytes[c.offset] = c.bad;
    const auto problem = DecodeDataFile(bytes, pool);
    ASSERT_TRUE(problem) << c.field;
    EXPECT_EQ(problem->kind, DataFileProblem::Kind::BadValue);
    EXPECT_EQ(problem->field, c.field);
    EXPECT_EQ(problem->offset, c.offset);
    EXPECT_EQ(problem->value, c.bad);
    EXPECT_EQ(LoadedState(pool), before) << c.field << ": nothing changes";
  }
}

}  // namespace
}  // namespace vorlanz
