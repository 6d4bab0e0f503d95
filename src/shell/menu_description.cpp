#include "shell/menu_description.h"

#include <array>
#include <charconv>

namespace vorlanz {

namespace {

using namespace std::string_view_literals;

constexpr std::array kDescription = {
    "&Vorlanz V5.0"sv,
    ">&Bundesland"sv,
    "10:Baden-Württemberg"sv,
    "11:Bayern"sv,
    "12:Berlin"sv,
    "13:Bremen"sv,
    "14:Hamburg"sv,
    "15:Hessen"sv,
    "16:Niedersachsen"sv,
    "17:Nordrhein-Westfalen"sv,
    "18:Rheinland-Pfalz"sv,
    "19:Sachsen"sv,
    "20:Schleswig-Holstein"sv,
    "21:Thüringen"sv,
    ""sv,
    "-"sv,
    "99:&Ende"sv,
    ""sv,
    "&Eingabe"sv,
    ">&VORLANZ"sv,
    "32:&eigene"sv,
    "33:&amtliche"sv,
    ""sv,
    ">&R E I H E"sv,
    "30:&Norm"sv,
    "31:&Game"sv,
    ""sv,
    "-"sv,
    "34:&laden"sv,
    "35:&sichern"sv,
    ""sv,
    "&Scheine"sv,
    "40:&berechnen"sv,
    "41:&anzeigen"sv,
    "42:&löschen"sv,
    "43:&drucken"sv,
    ""sv,
    "&Analyse"sv,
    "50:&Wettstreit"sv,
    "51:&Prüfung"sv,
    ""sv,
    "&Hilfe"sv,
    "60:&Anleitung"sv,
    "-"sv,
    "1:über &Vorlanz..."sv,
    ""sv,
    ""sv,
};

// The text up to the end, or "" past it: a description that lacks its
// closing empty strings ends where it ends.
std::string_view Read(std::span<const std::string_view> description, std::size_t& next) {
  return next < description.size() ? description[next++] : std::string_view{};
}

}  // namespace

std::span<const std::string_view> MainMenuDescription() {
  return kDescription;
}

std::vector<platform::MenuEntry> BuildPullDown(std::span<const std::string_view> description,
                                               std::size_t& next) {
  using Kind = platform::MenuEntry::Kind;
  std::vector<platform::MenuEntry> entries;
  for (std::string_view item = Read(description, next); !item.empty();
       item = Read(description, next)) {
    if (item == "-") {
      entries.push_back({Kind::Separator, 0, "", {}});
    } else if (item.front() == '>') {
      entries.push_back(
          {Kind::Submenu, 0, std::string(item.substr(1)), BuildPullDown(description, next)});
    } else {
      const auto colon = item.find(':');
      int id = 0;
      std::from_chars(item.data(), item.data() + (colon == item.npos ? 0 : colon), id);
      const auto label = colon == item.npos ? item : item.substr(colon + 1);
      entries.push_back({Kind::Command, id, std::string(label), {}});
    }
  }
  return entries;
}

platform::MenuBar BuildMenuBar(std::span<const std::string_view> description) {
  platform::MenuBar bar;
  std::size_t next = 0;
  for (std::string_view title = Read(description, next); !title.empty();
       title = Read(description, next)) {
    bar.push_back({platform::MenuEntry::Kind::Submenu, 0, std::string(title),
                   BuildPullDown(description, next)});
  }
  return bar;
}

}  // namespace vorlanz
