#include "output/logic/tip_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/card_choice.h"
#include "model/pool_data.h"
#include "output/card_export.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"

namespace vorlanz {
namespace {

// Row r of card c: match m has code (c + r + m) mod 3.
void FillCard(PoolData& pool, int card) {
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int r = 1; r <= kRowCount; ++r) pool.CardTips[card][m][r] = Byte((card + r + m) % 3);
  }
  pool.CardOccupied[card] = kTrue;
}

// The rows a CSV text holds, read as another program would: [card][row]
// gives the 13 codes as text.
std::map<int, std::map<int, std::string>> ParseCsv(const std::string& csv, std::string& header) {
  std::map<int, std::map<int, std::string>> rows;
  std::istringstream lines(csv);
  std::getline(lines, header);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(line.ends_with('\r')) << line;
    line.pop_back();
    std::vector<std::string> cells;
    std::istringstream split(line);
    for (std::string cell; std::getline(split, cell, ';');) cells.push_back(cell);
    EXPECT_EQ(cells.size(), 15u) << line;
    std::string codes;
    for (std::size_t i = 2; i < cells.size(); ++i) codes += cells[i];
    rows[std::stoi(cells[0])][std::stoi(cells[1])] = codes;
  }
  return rows;
}

std::string CardRow(const PoolData& pool, int card, int row) {
  std::string codes;
  for (int m = 1; m <= kMatchCount; ++m) codes += char('0' + pool.CardTips[card][m][row]);
  return codes;
}

TEST(TipExport, TheCsvGivesTheCardsRowsBack) {
  PoolData pool;
  FillCard(pool, 2);
  FillCard(pool, 7);
  const std::string csv = TipCsv(pool, {2, 7});
  EXPECT_TRUE(csv.starts_with(
      "Karte;Reihe;Spiel 1;Spiel 2;Spiel 3;Spiel 4;Spiel 5;Spiel 6;Spiel 7;Spiel 8;Spiel 9;"
      "Spiel 10;Spiel 11;Spiel 12;Spiel 13\r\n"
      "2;1;1;2;0;1;2;0;1;2;0;1;2;0;1\r\n"));
  std::string header;
  const auto rows = ParseCsv(csv, header);
  ASSERT_EQ(rows.size(), 2u);
  for (const int card : {2, 7}) {
    ASSERT_EQ(rows.at(card).size(), 12u);
    for (int r = 1; r <= kRowCount; ++r) EXPECT_EQ(rows.at(card).at(r), CardRow(pool, card, r));
  }
  EXPECT_EQ(rows.at(7).at(12), "2012012012012");

  const std::string text = TipRowsText(pool, {7});
  EXPECT_TRUE(text.starts_with("0 1 2 0 1 2 0 1 2 0 1 2 0\n1 2 0 "));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);
  pool.CardOccupied[0] = pool.CardOccupied[9] = kTrue;  // the cards at both ends
  EXPECT_EQ(OccupiedCards(pool), (std::vector<int>{0, 2, 7, 9}));
}

class CardExportTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    FillCard(Pool(), 3);
    FillCard(Pool(), 5);
    clipboard.SetText("vorher");
  }
  static std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  testing::TempDir dir;
};

// One card: its 12 rows in the file and on the clipboard, and an alert that
// says where they are.
TEST_F(CardExportTest, OneCardGoesIntoTheFileAndOntoTheClipboard) {
  os.Key('5').Key('O').AnswerFileChoice("tipp.csv").KeyDown('O');
  ExportCards();
  EXPECT_TRUE(os.ScriptDone());
  ASSERT_EQ(os.file_choices().size(), 1u);
  EXPECT_EQ(os.file_choices()[0].proposed, "Tipp5.csv");
  EXPECT_EQ(os.file_choices()[0].purpose, platform::FileChoice::Purpose::Save);
  EXPECT_EQ(Pool().ChosenCard, 5);
  std::string header;
  const auto rows = ParseCsv(FileText("tipp.csv"), header);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.at(5).at(1), CardRow(Pool(), 5, 1));
  EXPECT_TRUE(clipboard.Text().starts_with("1 2 0 1 2 0 1 2 0 1 2 0 1\n2 0 1 "));
}

// "alle" (the key A) takes every occupied card, in order.
TEST_F(CardExportTest, AllTakesEveryOccupiedCard) {
  os.Key('A').Key('O').AnswerFileChoice("alle.csv").KeyDown('O');
  ExportCards();
  ASSERT_EQ(os.file_choices().size(), 1u);
  EXPECT_EQ(os.file_choices()[0].proposed, "Tipps.csv");
  EXPECT_EQ(Pool().ChosenCard, 0);
  std::string header;
  const auto rows = ParseCsv(FileText("alle.csv"), header);
  EXPECT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows.at(3).size() + rows.at(5).size(), 24u);
  const std::string text = clipboard.Text();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 24);
}

// A cancel anywhere, a free card, and no occupied card at all write nothing
// and leave the clipboard alone; a file that cannot be written is told.
TEST_F(CardExportTest, CancelsFreeCardsAndFailuresLeaveEverythingAsItWas) {
  os.Key('X');
  ExportCards();
  os.Key('1').Key('O');
  ExportCards();
  os.Key('3').Key('O').AnswerFileChoice("");
  ExportCards();
  os.Key('3').Key('O').AnswerFileChoice("kein/Ordner/tipp.csv").KeyDown('O');
  ExportCards();
  Pool().CardOccupied.fill(kFalse);
  os.Key('A').KeyDown('O');
  ExportCards();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(os.file_choices().size(), 2u);
  EXPECT_EQ(clipboard.Text(), "vorher");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace vorlanz
