// The tip list: where its texts stand, what its figure lines count, and the
// page printed into a PDF file through the real printer code, its rows read
// back with poppler's pdftotext.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/pool_data.h"
#include "output/logic/tip_list_layout.h"
#include "output/tip_list_print.h"
#include "platform/qt_document_printer.h"
#include "support/temp_dir.h"

namespace vorlanz {
namespace {

// Row r holds code (m + r) % 3 for match m; row qualities 3, 4, 5, ...
TipListContent Sample() {
  TipListContent content;
  content.card = 4;
  content.date = "09.05.2026";
  content.system_quality = 6;
  for (int m = 1; m <= kMatchCount; ++m) {
    content.forecast[m] = {0, static_cast<Byte>(m), 20, static_cast<Byte>(80 - m)};
    for (int r = 1; r <= kRowCount; ++r) content.rows[m][r] = static_cast<Byte>((m + r) % 3);
  }
  for (int r = 1; r <= kRowCount; ++r) content.rows[0][r] = static_cast<Byte>(r + 2);
  content.best_rank_at_least = {0.0000627, 0.0012, 0.0345, 0.25};
  content.expected_rows = {0.0000123, 0.00045, 0.0123, 0.11};
  content.expected_points = 0.1234;
  content.expected_points_per_run = 12.34;
  return content;
}

// The texts on the line of `label` (the text at x 0), left to right.
std::vector<std::string> LineOf(const std::vector<TipListText>& page, const std::string& label) {
  double y = -1;
  for (const TipListText& text : page) {
    if (text.x == 0 && text.text == label) y = text.y;
  }
  std::vector<std::string> line;
  for (const TipListText& text : page) {
    if (text.y == y && text.x > 0) line.push_back(text.text);
  }
  return line;
}

const TipListText* Find(const std::vector<TipListText>& page, const std::string& text) {
  for (const TipListText& item : page) {
    if (item.text == text) return &item;
  }
  return nullptr;
}

TEST(TipListLayout, MatchLinesHoldTheForecastAndTheRowsAsColumns) {
  const auto page = TipListPage(Sample());
  ASSERT_NE(Find(page, "Tippliste vom 09.05.2026"), nullptr);
  EXPECT_EQ(Find(page, "Tippliste vom 09.05.2026")->font, TipListFont::Title);
  // Match 5: weights 5, 20, 75, then rows 1..12 with (5 + r) % 3.
  EXPECT_EQ(LineOf(page, " 5."),
            (std::vector<std::string>{"  5", " 20", " 75", "0", "1", "2", "0", "1", "2", "0", "1",
                                      "2", "0", "1", "2"}));
  const TipListText* row12 = nullptr;
  for (const TipListText& text : page) {
    if (text.x == TipRowX(12) && text.font == TipListFont::Table && text.text == "1") row12 = &text;
  }
  ASSERT_NE(row12, nullptr);  // match 13's code in row 12: (13 + 12) % 3
  EXPECT_DOUBLE_EQ(TipRowX(12), 141);
  // No series entered: no NORM or GAME column, no error lines.
  EXPECT_EQ(Find(page, "NORM"), nullptr);
  EXPECT_EQ(Find(page, "Fehler NORM"), nullptr);
  EXPECT_EQ(Find(page, "Fehler GAME"), nullptr);
}

TEST(TipListLayout, FigureLinesCountEveryRow) {
  TipListContent content = Sample();
  Series norm{};
  norm.fill(kHomeWin);
  content.norm = norm;
  Series game{};
  for (int m = 1; m <= kMatchCount; ++m) game[m] = static_cast<Byte>("1021021021021"[m - 1] - '0');
  content.game = game;
  content.official = true;
  const auto page = TipListPage(content);
  // Row 1 has (m + 1) % 3 for m = 1..13: 2,0,1,2,0,1,2,0,1,2,0,1,2.
  EXPECT_EQ(LineOf(page, "Anzahl 1").front(), " 4");
  EXPECT_EQ(LineOf(page, "Anzahl 0").front(), " 4");
  EXPECT_EQ(LineOf(page, "Anzahl 2").front(), " 5");
  EXPECT_EQ(LineOf(page, "Fehler NORM").front(), " 9");
  EXPECT_EQ(LineOf(page, "Fehler GAME").front(), " 9");
  EXPECT_EQ(LineOf(page, "Güte").front(), " 3");
  EXPECT_EQ(LineOf(page, "Güte").back(), "14");
  EXPECT_EQ(LineOf(page, "Güte").size(), 12u);
  // The GAME series' codes, each on its match's line, 5.5 mm apart.
  EXPECT_EQ(LineOf(page, " 1.").back() + LineOf(page, " 2.").back() + LineOf(page, "13.").back(),
            "101");
  EXPECT_DOUBLE_EQ(Find(page, "13.")->y, 95);
  EXPECT_NE(Find(page, "System-Güte: 6"), nullptr);
  EXPECT_NE(Find(page, "Gewinnchancen aus der amtlichen Vorlanz"), nullptr);
  EXPECT_NE(Find(page, "Tipp 4 · Vorlanz: amtliche"), nullptr);
}

TEST(TipListLayout, ChancesOfEveryRankAndThePoints) {
  const auto page = TipListPage(Sample());
  EXPECT_EQ(LineOf(page, "Rang I"), (std::vector<std::string>{"0.0063 %", "genau I", "0.00001"}));
  EXPECT_EQ(LineOf(page, "mindestens Rang II"),
            (std::vector<std::string>{"0.1200 %", "genau II", "0.00045"}));
  EXPECT_EQ(LineOf(page, "mindestens Rang III"),
            (std::vector<std::string>{"3.4500 %", "genau III", "0.01230"}));
  EXPECT_EQ(LineOf(page, "mindestens Rang IV"),
            (std::vector<std::string>{"25.000 %", "genau IV", "0.11000"}));
  EXPECT_EQ(LineOf(page, "Punkte je Ergebnisreihe"), (std::vector<std::string>{"  0.1234"}));
  EXPECT_EQ(LineOf(page, "Punkte je Runde (100)"), (std::vector<std::string>{"   12.34"}));
}

TEST(TipListLayout, EverythingFitsAPortraitA4Page) {
  TipListContent content = Sample();
  Series norm{};
  content.norm = norm;
  content.game = norm;
  for (const TipListText& text : TipListPage(content)) {
    // 180 x 267 mm within margins of 15 mm; a table cell is 2.2 mm wide.
    EXPECT_GE(text.x, 0) << text.text;
    EXPECT_LE(text.x + kTableCell * static_cast<double>(text.text.size()), 180) << text.text;
    EXPECT_LE(text.y, 250) << text.text;
  }
  EXPECT_EQ(DateText(2026, 5, 9), "09.05.2026");
  EXPECT_EQ(DateText(1999, 12, 31), "31.12.1999");
}

TEST(TipListPdf, RowsReadBackFromThePrintedPage) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "skipped: pdftotext (poppler-utils) is not installed";
  }
  testing::TempDir dir;
  platform::QtDocumentPrinter printer;
  platform::InstallDocumentPrinter(&printer);
  const std::string pdf = (dir.path() / "list.pdf").string();
  printer.PrintIntoFile(pdf);
  TipListContent content = Sample();
  Series norm{};
  norm.fill(kAwayWin);
  content.norm = norm;
  PrintTipList(content);
  platform::InstallDocumentPrinter(nullptr);

  const std::string text_file = pdf + ".txt";
  ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + text_file).c_str()), 0);
  std::ifstream in(text_file);
  std::string line;
  int matches = 0;
  bool title = false;
  while (std::getline(in, line)) {
    if (line.find("Tippliste vom 09.05.2026") != std::string::npos) title = true;
    std::istringstream words(line);
    std::string number;
    words >> number;
    if (number.size() < 2 || number.back() != '.' ||
        number.find_first_not_of("0123456789.") != std::string::npos) {
      continue;
    }
    const int m = std::stoi(number);
    SCOPED_TRACE("match " + number);
    std::vector<int> values;
    for (int value; words >> value;) values.push_back(value);
    // Three weights, twelve rows, the NORM series.
    ASSERT_EQ(values.size(), 16u);
    EXPECT_EQ(values[0], m);
    EXPECT_EQ(values[2], 80 - m);
    for (int r = 1; r <= kRowCount; ++r) EXPECT_EQ(values[2 + r], (m + r) % 3) << "row " << r;
    EXPECT_EQ(values[15], 2);
    ++matches;
  }
  EXPECT_TRUE(title);
  EXPECT_EQ(matches, kMatchCount);
}

}  // namespace
}  // namespace vorlanz
