#include "shell/menu_description.h"

#include "model/settings.h"
#include "shell/menu_commands.h"

namespace vorlanz {

namespace {

using namespace command;

constexpr MenuLine kDescription[] = {
    {"&Vorlanz V5.0"},
    {">&Bundesland"},
    {"Baden-Württemberg", kFirstState + 0},
    {"Bayern", kFirstState + 1},
    {"Berlin", kFirstState + 2},
    {"Bremen", kFirstState + 3},
    {"Hamburg", kFirstState + 4},
    {"Hessen", kFirstState + 5},
    {"Niedersachsen", kFirstState + 6},
    {"Nordrhein-Westfalen", kFirstState + 7},
    {"Rheinland-Pfalz", kFirstState + 8},
    {"Sachsen", kFirstState + 9},
    {"Schleswig-Holstein", kFirstState + 10},
    {"Thüringen", kFirstState + 11},
    {""},
    {"-"},
    {"&Ende", kQuit},
    {""},
    {"&Eingabe"},
    {">&VORLANZ"},
    {"&eigene", kOwnForecast},
    {"&amtliche", kOfficialForecast},
    {""},
    {">&R E I H E"},
    {"&Norm", kNorm},
    {"&Game", kGame},
    {""},
    {"-"},
    {"&laden", kLoad},
    {"&sichern", kSave},
    {""},
    {"&Scheine"},
    {"&berechnen", kCalculate},
    {"&anzeigen", kShow},
    {"&löschen", kClearCards},
    {"&drucken", kPrint},
    {"&Tippliste drucken", kTipList},
    {""},
    {"&Analyse"},
    {"&Wettstreit", kContest},
    {"&Prüfung", kCheck},
    {"&Gewinnchancen", kWinChances},
    {""},
    {"&Hilfe"},
    {"&Anleitung", kGuide},
    {"-"},
    {"über &Vorlanz...", kAbout},
    {""},
    {""},
};

static_assert(kLastState == kFirstState + kLastBundesland, "one item per federal state");

// The line up to the end, or an empty one past it: a description that lacks
// its closing empty lines ends where it ends.
MenuLine Read(std::span<const MenuLine> description, std::size_t& next) {
  return next < description.size() ? description[next++] : MenuLine{};
}

}  // namespace

std::span<const MenuLine> MainMenuDescription() {
  return kDescription;
}

std::vector<platform::MenuEntry> BuildPullDown(std::span<const MenuLine> description,
                                               std::size_t& next) {
  using Kind = platform::MenuEntry::Kind;
  std::vector<platform::MenuEntry> entries;
  for (MenuLine line = Read(description, next); !line.text.empty();
       line = Read(description, next)) {
    if (line.id != 0) {
      entries.push_back({Kind::Command, line.id, std::string(line.text), {}});
    } else if (line.text == "-") {
      entries.push_back({Kind::Separator, 0, "", {}});
    } else if (line.text.front() == '>') {
      entries.push_back(
          {Kind::Submenu, 0, std::string(line.text.substr(1)), BuildPullDown(description, next)});
    }
  }
  return entries;
}

platform::MenuBar BuildMenuBar(std::span<const MenuLine> description) {
  platform::MenuBar bar;
  std::size_t next = 0;
  for (MenuLine title = Read(description, next); !title.text.empty();
       title = Read(description, next)) {
    bar.push_back({platform::MenuEntry::Kind::Submenu, 0, std::string(title.text),
                   BuildPullDown(description, next)});
  }
  return bar;
}

}  // namespace vorlanz
