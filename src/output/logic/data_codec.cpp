#include "output/logic/data_codec.h"

#include <utility>

#include "output/logic/data_file_layout.h"

namespace vorlanz {

namespace {

using namespace data_file;

constexpr int kLastOutcomeColumn = kOutcomeCount;

std::string CardText(int card) {
  return "Tipp " + std::to_string(card);
}

// Takes the values of the file in the order they stand, each only if it is
// valid; the first invalid one is kept as the problem.
class Reader {
 public:
  explicit Reader(std::span<const Byte> bytes) : bytes_(bytes) {}

  template <typename Valid, typename Name>
  void Take(std::size_t offset, Byte& into, Valid valid, Name name) {
    if (problem_) return;
    const Byte value = bytes_[offset];
    if (!valid(value)) {
      problem_ =
          DataFileProblem{DataFileProblem::Kind::BadValue, bytes_.size(), offset, value, name()};
      return;
    }
    into = value;
  }

  // Every byte is a flag: its lowest bit tells.
  void TakeFlag(std::size_t offset, Flag& into) { into = ToFlag(IsSet(bytes_[offset])); }

  void TakeForecast(std::size_t table, MatchTable& into) {
    for (int outcome = 0; outcome <= kLastOutcomeColumn; ++outcome) {
      for (int match = 0; match <= kMatchCount; ++match) {
        into[match][outcome] = bytes_[ForecastAt(table, match, outcome)];
      }
    }
  }

  void TakeSeries(std::size_t table, Series& into, const char* name) {
    for (int match = 0; match <= kMatchCount; ++match) {
      Take(table + match, into[match], ValidSeriesEntry,
           [&] { return std::string(name) + ", Spiel " + std::to_string(match); });
    }
  }

  void TakeCardOccupied(Table<Flag, kLastCard>& into) {
    for (int card = 0; card <= kLastCard; ++card) {
      const Byte bits = bytes_[kCardOccupied + card / 8];
      into[card] = ToFlag(((bits >> (card % 8)) & 1) != 0);
    }
  }

  void TakeCardTips(Table<RowTable, kLastCard>& into) {
    for (int row = 0; row <= kRowCount; ++row) {
      for (int match = 0; match <= kMatchCount; ++match) {
        for (int card = 0; card <= kLastCard; ++card) {
          Byte& value = into[card][match][row];
          if (match == 0) {
            Take(CardTipAt(card, match, row), value, ValidRowFigure,
                 [&] { return CardText(card) + ", Güte der Reihe " + std::to_string(row); });
          } else {
            Take(CardTipAt(card, match, row), value, ValidTipCode, [&] {
              return CardText(card) + ", Spiel " + std::to_string(match) + ", Reihe " +
                     std::to_string(row);
            });
          }
        }
      }
    }
  }

  void TakeCardQuality(Table<Byte, kLastCard>& into) {
    for (int card = 0; card <= kLastCard; ++card) {
      Take(kCardQuality + card, into[card], ValidCardQuality,
           [&] { return CardText(card) + ", System-Güte"; });
    }
  }

  void TakeCardRowDistance(Table<Table<Byte, kRowCount>, kLastCard>& into) {
    for (int row = 0; row <= kLastStoredDistanceRow; ++row) {
      for (int card = 0; card <= kLastCard; ++card) {
        Take(CardRowDistanceAt(card, row), into[card][row], ValidRowFigure,
             [&] { return CardText(card) + ", Abstand der Reihe " + std::to_string(row); });
      }
    }
  }

  const std::optional<DataFileProblem>& problem() const { return problem_; }

 private:
  std::span<const Byte> bytes_;
  std::optional<DataFileProblem> problem_;
};

// Moves an older file's official forecast from columns 0..2 into 1..3.
void ShiftOlderLayout(MatchTable& forecast) {
  for (int match = 1; match <= kLastShiftedMatch; ++match) {
    for (int outcome = kLastOutcomeColumn; outcome >= 1; --outcome) {
      forecast[match][outcome] = forecast[match][outcome - 1];
    }
    forecast[match][0] = 0;
  }
}

}  // namespace

std::vector<Byte> EncodeDataFile(const PoolData& pool) {
  std::vector<Byte> bytes(kFileSize, 0);
  bytes[kDimensions] = pool.MatchCount;
  bytes[kDimensions + 1] = pool.RowCount;
  bytes[kDimensions + 2] = pool.LastCard;
  const auto flag = [](Flag value) { return ToFlag(IsSet(value)); };

  bytes[kOwnForecastReady] = flag(pool.OwnForecastReady);
  bytes[kOfficialForecastReady] = flag(pool.OfficialForecastReady);
  for (int match = 0; match <= kMatchCount; ++match) {
    for (int outcome = 0; outcome <= kLastOutcomeColumn; ++outcome) {
      bytes[ForecastAt(kOwnForecast, match, outcome)] = pool.OwnForecast[match][outcome];
      bytes[ForecastAt(kOfficialForecast, match, outcome)] = pool.OfficialForecast[match][outcome];
    }
  }
  bytes[kNormReady] = flag(pool.NormReady);
  bytes[kGameReady] = flag(pool.GameReady);
  for (int match = 0; match <= kMatchCount; ++match) {
    bytes[kNormSeries + match] = pool.NormSeries[match];
    bytes[kGameSeries + match] = pool.GameSeriesEdit[match];
  }

  for (int card = 0; card <= kLastCard; ++card) {
    if (IsSet(pool.CardOccupied[card])) {
      bytes[kCardOccupied + card / 8] |= static_cast<Byte>(1u << (card % 8));
    }
    for (int match = 0; match <= kMatchCount; ++match) {
      for (int row = 0; row <= kRowCount; ++row) {
        bytes[CardTipAt(card, match, row)] = pool.CardTips[card][match][row];
      }
    }
    bytes[kCardQuality + card] = pool.CardQuality[card];
    for (int row = 0; row <= kLastStoredDistanceRow; ++row) {
      bytes[CardRowDistanceAt(card, row)] = pool.CardRowDistance[card][row];
    }
  }
  return bytes;
}

std::optional<DataFileProblem> DecodeDataFile(std::span<const Byte> bytes, PoolData& pool) {
  if (bytes.size() < kReadSize) {
    return DataFileProblem{DataFileProblem::Kind::TooShort, bytes.size(), 0, 0, {}};
  }
  PoolData read = pool;
  Reader in(bytes.first(kReadSize));
  in.TakeFlag(kOwnForecastReady, read.OwnForecastReady);
  in.TakeForecast(kOwnForecast, read.OwnForecast);
  in.TakeFlag(kOfficialForecastReady, read.OfficialForecastReady);
  in.TakeForecast(kOfficialForecast, read.OfficialForecast);
  in.TakeFlag(kNormReady, read.NormReady);
  in.TakeSeries(kNormSeries, read.NormSeries, "NORM-Reihe");
  in.TakeFlag(kGameReady, read.GameReady);
  in.TakeSeries(kGameSeries, read.GameSeriesEdit, "GAME-Reihe");
  in.TakeCardOccupied(read.CardOccupied);
  in.TakeCardTips(read.CardTips);
  in.TakeCardQuality(read.CardQuality);
  in.TakeCardRowDistance(read.CardRowDistance);
  if (in.problem()) {
    DataFileProblem problem = *in.problem();
    problem.size = bytes.size();
    return problem;
  }

  if (bytes[kOlderLayoutMark] != 0) ShiftOlderLayout(read.OfficialForecast);
  read.GameSeries = read.GameSeriesEdit;
  read.SystemQuality = read.CardQuality[0];
  pool = std::move(read);
  return std::nullopt;
}

}  // namespace vorlanz
