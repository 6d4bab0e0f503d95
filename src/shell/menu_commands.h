#pragma once

#include "output/bundesland_mark.h"

namespace vorlanz {

// Menu command ids of the main window.
namespace command {
inline constexpr int kAbout = 1;
inline constexpr int kFirstState = kFirstStateCommand;  // federal states 10..21
inline constexpr int kLastState = 21;
inline constexpr int kNorm = 30;
inline constexpr int kGame = 31;
inline constexpr int kOwnForecast = 32;
inline constexpr int kOfficialForecast = 33;
inline constexpr int kLoad = 34;
inline constexpr int kSave = 35;
inline constexpr int kCalculate = 40;
inline constexpr int kShow = 41;
inline constexpr int kClearCards = 42;
inline constexpr int kPrint = 43;
inline constexpr int kTipList = 44;
inline constexpr int kContest = 50;
inline constexpr int kCheck = 51;
inline constexpr int kWinChances = 52;
inline constexpr int kGuide = 60;
inline constexpr int kQuit = 99;
}  // namespace command

}  // namespace vorlanz
