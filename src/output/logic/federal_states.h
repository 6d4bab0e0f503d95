#pragma once

// The federal states whose betting slips the program prints, in the order of
// the state list (index = Bundesland).

#include <array>
#include <string_view>

#include "model/settings.h"

namespace vorlanz {

// The states by their number, as Bundesland holds it.
enum FederalState : int {
  kBadenWuerttemberg = 0,
  kBayern = 1,
  kBerlin = 2,
  kBremen = 3,
  kHamburg = 4,
  kHessen = 5,
  kNiedersachsen = 6,
  kNordrheinWestfalen = 7,
  kRheinlandPfalz = 8,
  kSachsen = 9,
  kSchleswigHolstein = 10,
  kThueringen = 11
};

inline constexpr std::array<std::string_view, 12> kFederalStates = {
    "Baden-Württemberg",
    "Bayern",
    "Berlin",
    "Bremen",
    "Hamburg",
    "Hessen",
    "Niedersachsen",
    "Nordrhein-Westfalen",
    "Rheinland-Pfalz",
    "Sachsen",
    "Schleswig-Holstein",
    "Thüringen",
};

static_assert(kFederalStates.size() == kLastBundesland + 1, "one name per state number");
static_assert(kFederalStates[kDefaultBundesland] == "Nordrhein-Westfalen",
              "the default state is Nordrhein-Westfalen");

}  // namespace vorlanz
