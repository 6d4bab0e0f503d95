#pragma once

// Odds as a block of text, pasted or read from a file: one line per match,
// its values split by blanks, tabs or semicolons (the decimal comma is no
// separator). Lines without a digit (blank lines, headings) are skipped; of
// every other line the last three values count, so that a match number or
// the teams' names before them do not matter. Windows and old Mac line ends
// and a leading byte order mark are understood.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "entry/logic/odds_conversion.h"

namespace vorlanz {

using LineTexts = Table<std::string, kOutcomeCount>;  // columns 1..3

// The values of one line: the texts between separators.
std::vector<std::string> SplitOddsLine(std::string_view line);

// The odds texts of the block's lines that hold a digit, or the
// "|"-separated text of why there are none: a line of fewer than three
// values.
std::variant<std::vector<LineTexts>, std::string> OddsLines(std::string_view text);

// The odds texts of all 13 matches from a block of exactly 13 lines, or why
// the block is none.
std::variant<SheetTexts, std::string> SplitOddsBlock(std::string_view text);

// Lines pasted into the field of a match: 13 fill every match, a single line
// that match alone.
struct PastedLines {
  int first_match = 1;
  std::vector<LineTexts> lines;
};
std::variant<PastedLines, std::string> PastedOdds(std::string_view text, int match);

// Whether a field's text was pasted rather than typed: it holds a line break
// or a tab, which typing into a field cannot give.
bool IsPastedBlock(std::string_view text);

}  // namespace vorlanz
