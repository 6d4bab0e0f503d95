#include "entry/logic/odds_block.h"

namespace vorlanz {

namespace {

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == ';';
}

bool HasDigit(std::string_view line) {
  return line.find_first_of("0123456789") != std::string_view::npos;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lines of the text, each without its line end.
std::vector<std::string_view> Lines(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

std::string WrongLineCount(std::size_t lines, std::string_view wanted) {
  const std::string found =
      lines == 1 ? "Es ist 1 Zeile" : "Es sind " + std::to_string(lines) + " Zeilen";
  return found + " mit Quoten;|es müssen " + std::string(wanted) + " sein!";
}

}  // namespace

std::vector<std::string> SplitOddsLine(std::string_view line) {
  std::vector<std::string> values;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && IsSeparator(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && !IsSeparator(line[pos])) ++pos;
    if (pos > start) values.emplace_back(line.substr(start, pos - start));
  }
  return values;
}

std::variant<std::vector<LineTexts>, std::string> OddsLines(std::string_view text) {
  std::vector<LineTexts> odds;
  int line_number = 0;
  for (const std::string_view line : Lines(text)) {
    ++line_number;
    if (!HasDigit(line)) continue;
    const std::vector<std::string> values = SplitOddsLine(line);
    if (values.size() < kOutcomeCount) {
      return "Zeile " + std::to_string(line_number) + " hat weniger als|drei Quoten!";
    }
    LineTexts texts;
    const std::size_t first = values.size() - kOutcomeCount;
    for (int o = 1; o <= kOutcomeCount; ++o) texts[o] = values[first + o - 1];
    odds.push_back(std::move(texts));
  }
  return odds;
}

std::variant<SheetTexts, std::string> SplitOddsBlock(std::string_view text) {
  auto lines = OddsLines(text);
  if (auto* problem = std::get_if<std::string>(&lines)) return std::move(*problem);
  const auto& odds = std::get<std::vector<LineTexts>>(lines);
  if (odds.size() != kMatchCount) return WrongLineCount(odds.size(), "13");
  SheetTexts sheet;
  for (int m = 1; m <= kMatchCount; ++m) sheet[m] = odds[m - 1];
  return sheet;
}

std::variant<PastedLines, std::string> PastedOdds(std::string_view text, int match) {
  auto lines = OddsLines(text);
  if (auto* problem = std::get_if<std::string>(&lines)) return std::move(*problem);
  auto& odds = std::get<std::vector<LineTexts>>(lines);
  if (odds.size() == kMatchCount) return PastedLines{1, std::move(odds)};
  if (odds.size() == 1) return PastedLines{match, std::move(odds)};
  return WrongLineCount(odds.size(), "1 oder 13");
}

bool IsPastedBlock(std::string_view text) {
  return text.find_first_of("\r\n\t") != std::string_view::npos;
}

}  // namespace vorlanz
