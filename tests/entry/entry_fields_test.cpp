#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "entry/logic/entry_fields.h"
#include "model/pool_data.h"

namespace vorlanz {
namespace {

// What reaches the reading rules despite the fields' refusal (a text set
// by the program, a field of another kind) is still read the same way.
TEST(EntryFields, ReadTheLeadingNumberRoundedAndLimited) {
  const std::pair<const char*, int> cases[] = {
      {"12abc", 12}, {"+4", 4},      {"-3", 3},
      {"   ", 0},    {"x5", 0},      {".", 0},
      {"3.6", 4},    {"2.5", 2},     {"3.5", 4},
      {"2.501", 3},  {".6", 1},      {"2.4999", 2},
      {"256", 255},  {"254.7", 255}, {"-99999999999999999999999", 255}};
  for (const auto& [text, weight] : cases) EXPECT_EQ(ParseWeight(text), weight) << text;
  for (int w = 0; w <= 255; ++w) EXPECT_EQ(ParseWeight(FormatWeight(static_cast<Byte>(w))), w);
  // A series field holds one outcome code.
  EXPECT_EQ(ParseSeriesEntry(" 2 "), std::optional<Byte>(kAwayWin));
  for (const char* text : {"", "3", "10", "1.0"}) EXPECT_EQ(ParseSeriesEntry(text), std::nullopt);
  EXPECT_EQ(FormatSeriesEntry(kNoEntry) + FormatSeriesEntry(kHomeWin), "1");
}

}  // namespace
}  // namespace vorlanz
