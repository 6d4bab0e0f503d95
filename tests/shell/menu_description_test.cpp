#include "shell/menu_description.h"

#include <gtest/gtest.h>

namespace vorlanz {
namespace {

using Kind = platform::MenuEntry::Kind;

// The commands the dispatch relies on: the twelve states as 10..21 in a
// submenu, the end command after a separator.
TEST(MenuDescription, MainMenuNestsTheStatesAndEndsWithEnde) {
  const platform::MenuBar bar = BuildMenuBar(MainMenuDescription());
  ASSERT_EQ(bar.size(), 5u);
  for (const auto& pull_down : bar) EXPECT_EQ(pull_down.kind, Kind::Submenu);
  const auto& first = bar[0].entries;
  ASSERT_EQ(first.size(), 3u);
  ASSERT_EQ(first[0].kind, Kind::Submenu);
  ASSERT_EQ(first[0].entries.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(first[0].entries[i].id, 10 + i);
  EXPECT_EQ(first[0].entries[11].label, "Thüringen");
  EXPECT_EQ(first[1].kind, Kind::Separator);
  EXPECT_EQ(first[2].id, 99);
  EXPECT_EQ(bar[2].entries[1].label, "&anzeigen");
  EXPECT_EQ(bar[2].entries[1].id, 41);
  EXPECT_EQ(bar[4].entries[2].label, "über &Vorlanz...");
}

TEST(MenuDescription, UnterminatedDescriptionEndsWhereItEnds) {
  constexpr MenuLine description[] = {{"Titel"}, {">Unter"}, {"x", 5}};
  const auto bar = BuildMenuBar(description);
  ASSERT_EQ(bar.size(), 1u);
  ASSERT_EQ(bar[0].entries.size(), 1u);
  EXPECT_EQ(bar[0].entries[0].entries[0].id, 5);
}

}  // namespace
}  // namespace vorlanz
