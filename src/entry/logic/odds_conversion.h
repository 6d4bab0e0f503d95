#pragma once

// Bookmakers' decimal odds as a forecast: each odds' implied chance 1/odds,
// divided by the three chances' sum, which takes out the bookmaker's margin,
// and shared out as whole weights that add up to exactly 100 per match.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/pool_data.h"

namespace vorlanz {

// Odds are kept in thousandths: 1,85 is 1850.
using Odds = std::int64_t;
inline constexpr Odds kOddsScale = 1000;
// Above this no bookmaker quotes a football match.
inline constexpr Odds kHighestOdds = 1000 * kOddsScale;
// The margins, in percent of the stake, that real odds of one match have:
// a sum of the chances a little below 1 where the best odds of several
// bookmakers are taken, far above 1 for no bookmaker.
inline constexpr int kLowestMargin = -5;
inline constexpr int kHighestMargin = 30;

// The three odds of one match: home win, draw, away win in columns 1, 2, 3.
using MatchOdds = Table<Odds, kOutcomeCount>;
using SheetOdds = Table<MatchOdds, kMatchCount>;  // [match][column], matches 1..13

enum class OddsFault {
  Empty,
  NotANumber,
  NotAboveOne,    // 1,00 or less
  TooHigh,        // above kHighestOdds
  MarginTooHigh,  // of the match's three odds
  MarginTooLow,
};

// A field's odds: digits with one decimal comma or point ("1,85", "3.40",
// "2"), blanks around them allowed. More than three decimals are rounded to
// thousandths (a half to the even neighbour).
struct OddsReading {
  Odds odds = 0;
  std::optional<OddsFault> fault;
};
OddsReading ReadOdds(std::string_view text);

// The bookmaker's margin in percent: the sum of the implied chances less 1.
double MarginPercent(const MatchOdds& odds);
// Whether a margin lies in kLowestMargin .. kHighestMargin; its fault if not.
std::optional<OddsFault> MarginFault(double margin_percent);
// "7,3 %": the margin to one decimal, with a decimal comma.
std::string MarginText(double margin_percent);
// What stands beside a match's fields: its margin once all three hold odds,
// followed by " !" when no real odds have it; nothing before.
std::string MarginLabel(const Table<std::string, kOutcomeCount>& texts);

// The whole weights 0..100 of one match, summing to exactly 100: each
// outcome gets the whole part of its share of 100, and what is left goes one
// by one to the largest remainders (on equal remainders the earlier column).
Table<Byte, kOutcomeCount> WeightsFromOdds(const MatchOdds& odds);

// The first fault of a sheet of 13 matches, read match by match: each field
// from home win to away win, then the match's margin (column 0).
struct OddsProblem {
  int match = 0;
  int column = 0;  // 1..3 a field, 0 the match's margin
  OddsFault fault = OddsFault::Empty;
  double margin_percent = 0;
};
using SheetTexts = Table<Table<std::string, kOutcomeCount>, kMatchCount>;
struct SheetReading {
  SheetOdds odds{};
  std::optional<OddsProblem> problem;
};
SheetReading ReadOddsSheet(const SheetTexts& texts);

// The forecast of a sheet whose every match holds sound odds.
MatchTable ForecastFromOdds(const SheetOdds& odds);

// The alert's text for a problem, "|" between its lines, naming the match
// and the field.
std::string OddsProblemText(const OddsProblem& problem);

}  // namespace vorlanz
