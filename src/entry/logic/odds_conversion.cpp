#include "entry/logic/odds_conversion.h"

#include <cmath>
#include <cstddef>

#include "model/characters.h"
#include "model/rounding.h"

namespace vorlanz {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Digits before the separator past which the odds are too high anyway; they
// keep the number inside 64 bits.
constexpr std::size_t kWholeDigitLimit = 7;

std::string FieldName(int column) {
  switch (column) {
    case kHomeColumn:
      return "Heimsieg";
    case kDrawColumn:
      return "Unentschieden";
    default:
      return "Auswärtssieg";
  }
}

std::string FaultText(const OddsProblem& problem) {
  switch (problem.fault) {
    case OddsFault::Empty:
      return "Hier fehlt die Quote!";
    case OddsFault::NotANumber:
      return "Das ist keine Quote wie 1,85!";
    case OddsFault::NotAboveOne:
      return "Eine Quote muss über 1,00 liegen!";
    case OddsFault::TooHigh:
      return "Quoten über 1000 gibt es nicht!";
    case OddsFault::MarginTooHigh:
      return "Die Marge von " + MarginText(problem.margin_percent) + " ist zu hoch!";
    case OddsFault::MarginTooLow:
      return "Die Marge von " + MarginText(problem.margin_percent) + " ist zu niedrig!";
  }
  return {};
}

}  // namespace

OddsReading ReadOdds(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return {0, OddsFault::Empty};
  const std::size_t separator = text.find_first_of(",.");
  const std::string_view whole = text.substr(0, separator);
  const std::string_view fraction =
      separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
  const auto all_digits = [](std::string_view digits) {
    for (const char c : digits) {
      if (!IsDigit(c)) return false;
    }
    return true;
  };
  if (!all_digits(whole) || !all_digits(fraction) || whole.size() + fraction.size() == 0) {
    return {0, OddsFault::NotANumber};
  }
  if (whole.size() > kWholeDigitLimit) return {0, OddsFault::TooHigh};

  Odds thousandths = 0;
  for (const char c : whole) thousandths = 10 * thousandths + (c - '0');
  for (std::size_t i = 0; i < 3; ++i) {
    thousandths = 10 * thousandths + (i < fraction.size() ? fraction[i] - '0' : 0);
  }
  // Counted in twentieths of a thousandth: twice the fourth decimal, plus one
  // when any later decimal is not 0, so that the half goes to the even side.
  if (fraction.size() > 3) {
    const Odds fourth = fraction[3] - '0';
    const bool more = fraction.substr(4).find_first_not_of('0') != std::string_view::npos;
    thousandths = RoundHalfEven(20 * thousandths + 2 * fourth + (more ? 1 : 0), Odds{20});
  }
  if (thousandths <= kOddsScale) return {thousandths, OddsFault::NotAboveOne};
  if (thousandths > kHighestOdds) return {thousandths, OddsFault::TooHigh};
  return {thousandths, std::nullopt};
}

double MarginPercent(const MatchOdds& odds) {
  double chances = 0;
  for (int o = 1; o <= kOutcomeCount; ++o) chances += double(kOddsScale) / double(odds[o]);
  return 100.0 * (chances - 1.0);
}

std::optional<OddsFault> MarginFault(double margin_percent) {
  if (margin_percent > kHighestMargin) return OddsFault::MarginTooHigh;
  if (margin_percent < kLowestMargin) return OddsFault::MarginTooLow;
  return std::nullopt;
}

std::string MarginText(double margin_percent) {
  const long tenths = std::lround(margin_percent * 10.0);
  const long size = tenths < 0 ? -tenths : tenths;
  return std::string(tenths < 0 ? "-" : "") + std::to_string(size / 10) + "," +
         std::to_string(size % 10) + " %";
}

std::string MarginLabel(const Table<std::string, kOutcomeCount>& texts) {
  MatchOdds odds{};
  for (int o = 1; o <= kOutcomeCount; ++o) {
    const OddsReading reading = ReadOdds(texts[o]);
    if (reading.fault) return {};
    odds[o] = reading.odds;
  }
  const double margin = MarginPercent(odds);
  return MarginText(margin) + (MarginFault(margin) ? " !" : "");
}

// The chance of outcome o is 1/odds[o]; its share of the three chances is
// the product of the two other odds over the sum of the three such products,
// which is exact in whole numbers.
Table<Byte, kOutcomeCount> WeightsFromOdds(const MatchOdds& odds) {
  constexpr std::int64_t kTotal = 100;
  const Table<std::int64_t, kOutcomeCount> others{0, odds[2] * odds[3], odds[1] * odds[3],
                                                  odds[1] * odds[2]};
  const std::int64_t sum = others[1] + others[2] + others[3];

  Table<Byte, kOutcomeCount> weights{};
  Table<std::int64_t, kOutcomeCount> remainder{};
  std::int64_t given = 0;
  for (int o = 1; o <= kOutcomeCount; ++o) {
    weights[o] = static_cast<Byte>(kTotal * others[o] / sum);
    remainder[o] = kTotal * others[o] % sum;
    given += weights[o];
  }
  for (; given < kTotal; ++given) {
    int largest = 1;
    for (int o = 2; o <= kOutcomeCount; ++o) {
      if (remainder[o] > remainder[largest]) largest = o;
    }
    ++weights[largest];
    remainder[largest] = -1;
  }
  return weights;
}

SheetReading ReadOddsSheet(const SheetTexts& texts) {
  SheetReading sheet;
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int o = 1; o <= kOutcomeCount; ++o) {
      const OddsReading reading = ReadOdds(texts[m][o]);
      if (reading.fault) {
        sheet.problem = OddsProblem{m, o, *reading.fault, 0};
        return sheet;
      }
      sheet.odds[m][o] = reading.odds;
    }
    const double margin = MarginPercent(sheet.odds[m]);
    if (const auto fault = MarginFault(margin)) {
      sheet.problem = OddsProblem{m, 0, *fault, margin};
      return sheet;
    }
  }
  return sheet;
}

MatchTable ForecastFromOdds(const SheetOdds& odds) {
  MatchTable forecast{};
  for (int m = 1; m <= kMatchCount; ++m) forecast[m] = WeightsFromOdds(odds[m]);
  return forecast;
}

std::string OddsProblemText(const OddsProblem& problem) {
  std::string text = std::to_string(problem.match) + ".Spiel";
  if (problem.column == 0) {
    return text + ":|" + FaultText(problem) + "|Erlaubt sind " + std::to_string(kLowestMargin) +
           " % bis " + std::to_string(kHighestMargin) + " %.";
  }
  return text + ", " + FieldName(problem.column) + ":|" + FaultText(problem);
}

}  // namespace vorlanz
