#pragma once

// The keywords at which the program opens its help: every topic the help
// must have.

#include <array>
#include <string_view>

namespace vorlanz::help {

inline constexpr std::string_view kMenuItems = "Menupunkte";
inline constexpr std::string_view kInfo = "Info";
inline constexpr std::string_view kSlipPrint = "Scheindruck";
inline constexpr std::string_view kCalculation = "Berechnung";
inline constexpr std::string_view kOwnForecast = "eigene Vorlanz";
inline constexpr std::string_view kOfficialForecast = "amtliche Vorlanz";
inline constexpr std::string_view kNormSeries = "NORM-Reihe";
inline constexpr std::string_view kGameSeries = "GAME-Reihe";
inline constexpr std::string_view kContest = "Wettstreit";
inline constexpr std::string_view kCardChoice = "Scheine auswählen";
inline constexpr std::string_view kWinChances = "Gewinnchancen";
inline constexpr std::string_view kTipList = "Tippliste";
inline constexpr std::string_view kPreview = "Vorschau";
inline constexpr std::string_view kOptimise = "Optimieren";
inline constexpr std::string_view kOdds = "Quoten";
inline constexpr std::string_view kExport = "Export";

inline constexpr std::array kAllTopics = {
    kMenuItems,  kInfo,       kSlipPrint, kCalculation, kOwnForecast, kOfficialForecast,
    kNormSeries, kGameSeries, kContest,   kCardChoice,  kWinChances,  kTipList,
    kPreview,    kOptimise,   kOdds,      kExport,
};

}  // namespace vorlanz::help
