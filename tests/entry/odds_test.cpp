#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "entry/logic/odds_block.h"
#include "entry/logic/odds_conversion.h"
#include "model/pool_data.h"

namespace vorlanz {
namespace {

MatchOdds Odds3(Odds home, Odds draw, Odds away) {
  return {0, home, draw, away};
}
std::string Weights(const Table<Byte, kOutcomeCount>& w) {
  return std::to_string(w[1]) + " " + std::to_string(w[2]) + " " + std::to_string(w[3]);
}

// Shares worked out by hand: 1,85 3,40 4,20 give 50,39 27,42 22,20 of 100,
// so the one weight left over goes to the draw (the largest remainder), not
// to the home win (the largest share). 4,50 3,80 1,72 give 20,83 24,67
// 54,50: two left over, to the two largest remainders.
TEST(OddsConversion, WholeWeightsSumToOneHundredByLargestRemainders) {
  const std::pair<MatchOdds, const char*> cases[] = {
      {Odds3(1850, 3400, 4200), "50 28 22"}, {Odds3(4500, 3800, 1720), "21 25 54"},
      {Odds3(2000, 4000, 4000), "50 25 25"}, {Odds3(3000, 3000, 3000), "34 33 33"},
      {Odds3(1250, 6000, 11000), "76 16 8"}, {Odds3(1010, 1000000, 1000000), "100 0 0"},
      {Odds3(3100, 3400, 2250), "30 28 42"}, {Odds3(2700, 3250, 2600), "35 29 36"},
  };
  for (const auto& [odds, weights] : cases) EXPECT_EQ(Weights(WeightsFromOdds(odds)), weights);
}

// 1/1,85 + 1/3,40 + 1/4,20 = 1,0727; the best odds of several bookmakers,
// 2,10 3,60 4,20, give 0,9921. Three equal odds: 3/3,15 = 0,952 and
// 3/3,16 = 0,949 lie either side of -5 %, 3/2,31 = 1,299 and 3/2,30 = 1,304
// either side of 30 %.
TEST(OddsConversion, MarginIsTheChancesAboveOneAndBoundedBothWays) {
  EXPECT_EQ(MarginText(MarginPercent(Odds3(1850, 3400, 4200))), "7,3 %");
  EXPECT_EQ(MarginText(MarginPercent(Odds3(2100, 3600, 4200))), "-0,8 %");
  EXPECT_EQ(MarginText(MarginPercent(Odds3(2000, 4000, 4000))), "0,0 %");
  EXPECT_EQ(MarginFault(MarginPercent(Odds3(3150, 3150, 3150))), std::nullopt);
  EXPECT_EQ(MarginFault(MarginPercent(Odds3(3160, 3160, 3160))), OddsFault::MarginTooLow);
  EXPECT_EQ(MarginFault(MarginPercent(Odds3(2310, 2310, 2310))), std::nullopt);
  EXPECT_EQ(MarginFault(MarginPercent(Odds3(2300, 2300, 2300))), OddsFault::MarginTooHigh);
  EXPECT_EQ(MarginFault(-5.0), std::nullopt) << "the bounds are allowed";
  EXPECT_EQ(MarginFault(30.0), std::nullopt);
  EXPECT_EQ(MarginLabel({"", "1,85", "3.40", "4,2"}), "7,3 %");
  EXPECT_EQ(MarginLabel({"", "1,85", "3.40", ""}), "");
  EXPECT_EQ(MarginLabel({"", "1,10", "1,50", "2,00"}), "107,6 % !");
}

// The reading as "odds" or "odds fault" (E empty, N no number, 1 not above
// 1,00, H too high); a half of a thousandth goes to the even side.
std::string Reading(std::string_view text) {
  const OddsReading r = ReadOdds(text);
  const char* faults = "EN1H";
  return std::to_string(r.odds) + (r.fault ? std::string(" ") + faults[int(*r.fault)] : "");
}

TEST(OddsConversion, FieldTextsTable) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"1,85", "1850"},     {" 3.40 ", "3400"},  {"2", "2000"},        {"1,8", "1800"},
      {"1000", "1000000"},  {"1,2345", "1234"},  {"1,2355", "1236"},   {"1,23451", "1235"},
      {"1,0006", "1001"},   {"", "0 E"},         {" \t ", "0 E"},      {"abc", "0 N"},
      {"1,8,5", "0 N"},     {"-2,00", "0 N"},    {"1.85x", "0 N"},     {",", "0 N"},
      {"1,00", "1000 1"},   {"1", "1000 1"},     {"0,95", "950 1"},    {",5", "500 1"},
      {"1,0005", "1000 1"}, {"1000,01", "1000010 H"}, {"99999999999999999999", "0 H"}};
  // clang-format on
  for (const auto& [text, reading] : cases) EXPECT_EQ(Reading(text), reading) << '"' << text << '"';
}

SheetTexts SoundSheet() {
  SheetTexts sheet;
  for (int m = 1; m <= kMatchCount; ++m) sheet[m] = {"", "1,85", "3,40", "4,20"};
  return sheet;
}

// The first fault, match by match; within a match the fields before the
// margin. Each message names the match and the field.
TEST(OddsConversion, BadSheetsNameTheFirstFaultyMatchAndField) {
  // Where the text goes, and the column and fault named: 0 for the margin.
  struct Case {
    int match, column;
    const char* text;
    int named_column;
    OddsFault fault;
    const char* message;
  };
  // clang-format off
  const Case cases[] = {
      {4, 2, "", 2, OddsFault::Empty, "4.Spiel, Unentschieden:|Hier fehlt die Quote!"},
      {1, 1, "x", 1, OddsFault::NotANumber, "1.Spiel, Heimsieg:|Das ist keine Quote wie 1,85!"},
      {13, 3, "1,00", 3, OddsFault::NotAboveOne,
       "13.Spiel, Auswärtssieg:|Eine Quote muss über 1,00 liegen!"},
      {2, 3, "5000", 3, OddsFault::TooHigh,
       "2.Spiel, Auswärtssieg:|Quoten über 1000 gibt es nicht!"},
      {7, 1, "1,10", 0, OddsFault::MarginTooHigh,
       "7.Spiel:|Die Marge von 44,1 % ist zu hoch!|Erlaubt sind -5 % bis 30 %."},
      {7, 1, "18,5", 0, OddsFault::MarginTooLow,
       "7.Spiel:|Die Marge von -41,4 % ist zu niedrig!|Erlaubt sind -5 % bis 30 %."},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SheetTexts sheet = SoundSheet();
    sheet[c.match][c.column] = c.text;
    if (c.match < 13) sheet[c.match + 1][2] = "";  // a later fault is not the one named
    const SheetReading reading = ReadOddsSheet(sheet);
    ASSERT_TRUE(reading.problem);
    EXPECT_EQ(reading.problem->match, c.match);
    EXPECT_EQ(reading.problem->column, c.named_column);
    EXPECT_EQ(reading.problem->fault, c.fault);
    EXPECT_EQ(OddsProblemText(*reading.problem), c.message);
  }
  EXPECT_FALSE(ReadOddsSheet(SoundSheet()).problem);
  SheetTexts both = SoundSheet();
  both[7][1] = "1,10";
  both[7][3] = "";
  EXPECT_EQ(ReadOddsSheet(both).problem->column, 3);
}

std::string Line(const LineTexts& line) {
  return line[1] + "|" + line[2] + "|" + line[3];
}

// Blanks, tabs and semicolons split; a heading, blank lines, a byte order
// mark and both kinds of line end are taken in; a match number or the
// teams' names before the odds do not count.
TEST(OddsBlock, ThirteenLinesFillEveryMatch) {
  std::string block = "\xEF\xBB\xBFHeim;Remis;Gast\r\n";
  block += "1,85 3,40 4,20\r\n";
  block += "2.45\t3.30\t2.90\r\n\r\n";
  block += "3;Bayern - Hertha;1,40;4,80;7,50\n";
  for (int m = 4; m <= 12; ++m) block += std::to_string(m) + ". 2,00  3,50   3,60\n";
  block += "2,60;;3,10;2,80";  // no line end at the end
  const auto sheet = SplitOddsBlock(block);
  ASSERT_TRUE(std::holds_alternative<SheetTexts>(sheet)) << std::get<std::string>(sheet);
  const SheetTexts& texts = std::get<SheetTexts>(sheet);
  EXPECT_EQ(Line(texts[1]), "1,85|3,40|4,20");
  EXPECT_EQ(Line(texts[2]), "2.45|3.30|2.90");
  EXPECT_EQ(Line(texts[3]), "1,40|4,80|7,50");
  EXPECT_EQ(Line(texts[12]), "2,00|3,50|3,60");
  EXPECT_EQ(Line(texts[13]), "2,60|3,10|2,80");
}

TEST(OddsBlock, APasteFillsAllMatchesOrTheLineOfItsFieldOrSaysWhyNot) {
  std::string thirteen;
  for (int m = 1; m <= 13; ++m) thirteen += "2,00 3,50 3," + std::to_string(m % 10) + "\n";
  const auto all = PastedOdds(thirteen, 5);
  ASSERT_TRUE(std::holds_alternative<PastedLines>(all));
  EXPECT_EQ(std::get<PastedLines>(all).first_match, 1);
  EXPECT_EQ(Line(std::get<PastedLines>(all).lines[12]), "2,00|3,50|3,3");

  const auto one = PastedOdds("1,85\t3,40\t4,20\n", 5);
  ASSERT_TRUE(std::holds_alternative<PastedLines>(one));
  EXPECT_EQ(std::get<PastedLines>(one).first_match, 5);
  ASSERT_EQ(std::get<PastedLines>(one).lines.size(), 1u);

  EXPECT_EQ(std::get<std::string>(PastedOdds("1 2 3\n4 5 6", 5)),
            "Es sind 2 Zeilen mit Quoten;|es müssen 1 oder 13 sein!");
  EXPECT_TRUE(IsPastedBlock("1,85\t3,40") && IsPastedBlock("1,85\n"));
  std::string twelve;
  for (int m = 1; m <= 12; ++m) twelve += "2,00 3,50 3,60\n";
  EXPECT_EQ(std::get<std::string>(SplitOddsBlock(twelve)),
            "Es sind 12 Zeilen mit Quoten;|es müssen 13 sein!");
  EXPECT_EQ(std::get<std::string>(SplitOddsBlock(twelve + "2 3 4\n4 5 6\n")),
            "Es sind 14 Zeilen mit Quoten;|es müssen 13 sein!");
  // Line numbers count the skipped lines too.
  EXPECT_EQ(std::get<std::string>(SplitOddsBlock("Quoten\n\n2,00 3,50 3,60\n1,85;3,40\n")),
            "Zeile 4 hat weniger als|drei Quoten!");
  EXPECT_FALSE(IsPastedBlock("1,85 3,40"));
}

}  // namespace
}  // namespace vorlanz
