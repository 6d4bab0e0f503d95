#pragma once

// The federal states whose betting slips the program prints, in the order of
// the state list (index = Bundesland).

#include <array>
#include <string_view>

namespace vorlanz {

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

}  // namespace vorlanz
