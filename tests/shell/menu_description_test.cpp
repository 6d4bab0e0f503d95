#include "shell/menu_description.h"

#include <gtest/gtest.h>

#include <array>

namespace vorlanz {
namespace {

using Kind = platform::MenuEntry::Kind;

TEST(MenuDescription, MainMenuHasItsFivePullDowns) {
  const platform::MenuBar bar = BuildMenuBar(MainMenuDescription());
  ASSERT_EQ(bar.size(), 5u);
  EXPECT_EQ(bar[0].label, "&Vorlanz V5.0");
  EXPECT_EQ(bar[1].label, "&Eingabe");
  EXPECT_EQ(bar[2].label, "&Scheine");
  EXPECT_EQ(bar[3].label, "&Analyse");
  EXPECT_EQ(bar[4].label, "&Hilfe");
  for (const auto& pull_down : bar) EXPECT_EQ(pull_down.kind, Kind::Submenu);
}

TEST(MenuDescription, FederalStatesFormASubmenuBeforeSeparatorAndEnd) {
  const platform::MenuBar bar = BuildMenuBar(MainMenuDescription());
  const auto& first = bar[0].entries;
  ASSERT_EQ(first.size(), 3u);
  ASSERT_EQ(first[0].kind, Kind::Submenu);
  EXPECT_EQ(first[0].label, "&Bundesland");
  ASSERT_EQ(first[0].entries.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(first[0].entries[i].id, 10 + i);
  EXPECT_EQ(first[0].entries[0].label, "Baden-Württemberg");
  EXPECT_EQ(first[0].entries[7].label, "Nordrhein-Westfalen");
  EXPECT_EQ(first[0].entries[11].label, "Thüringen");
  EXPECT_EQ(first[1].kind, Kind::Separator);
  EXPECT_EQ(first[2].id, 99);
  EXPECT_EQ(first[2].label, "&Ende");
}

TEST(MenuDescription, EntryAndHelpMenusKeepTheirOrder) {
  const platform::MenuBar bar = BuildMenuBar(MainMenuDescription());
  const auto& input = bar[1].entries;
  ASSERT_EQ(input.size(), 5u);
  EXPECT_EQ(input[0].label, "&VORLANZ");
  EXPECT_EQ(input[0].entries[0].id, 32);
  EXPECT_EQ(input[0].entries[1].label, "&amtliche");
  EXPECT_EQ(input[1].label, "&R E I H E");
  EXPECT_EQ(input[1].entries[1].id, 31);
  EXPECT_EQ(input[2].kind, Kind::Separator);
  EXPECT_EQ(input[3].id, 34);
  EXPECT_EQ(input[4].id, 35);

  const auto& slips = bar[2].entries;
  ASSERT_EQ(slips.size(), 4u);
  EXPECT_EQ(slips[2].label, "&löschen");
  EXPECT_EQ(slips[3].id, 43);

  const auto& help = bar[4].entries;
  ASSERT_EQ(help.size(), 3u);
  EXPECT_EQ(help[0].id, 60);
  EXPECT_EQ(help[1].kind, Kind::Separator);
  EXPECT_EQ(help[2].id, 1);
  EXPECT_EQ(help[2].label, "über &Vorlanz...");
}

TEST(MenuDescription, LabelKeepsEverythingAfterTheFirstColon) {
  using namespace std::string_view_literals;
  constexpr std::array description = {"Titel"sv, "7:a:b"sv, ""sv, ""sv};
  const auto bar = BuildMenuBar(description);
  ASSERT_EQ(bar.size(), 1u);
  EXPECT_EQ(bar[0].entries[0].id, 7);
  EXPECT_EQ(bar[0].entries[0].label, "a:b");
}

TEST(MenuDescription, UnterminatedDescriptionEndsWhereItEnds) {
  using namespace std::string_view_literals;
  constexpr std::array description = {"Titel"sv, ">Unter"sv, "5:x"sv};
  const auto bar = BuildMenuBar(description);
  ASSERT_EQ(bar.size(), 1u);
  ASSERT_EQ(bar[0].entries.size(), 1u);
  EXPECT_EQ(bar[0].entries[0].entries[0].id, 5);
}

}  // namespace
}  // namespace vorlanz
