#pragma once

// The texts of the alert boxes that report a data file which cannot be
// written or loaded.

#include <string>
#include <string_view>

#include "output/logic/data_codec.h"

namespace vorlanz {

// Characters of a file name in a message; the box stays inside the window.
inline constexpr int kShownPathWidth = 60;

// A file name as an alert line shows it: shortened at its front if it is
// long, and a "|", which would start a new line, shown as "¦".
std::string ShownFileName(std::string_view path);

// "Die Datei|<path>|<reason>", the path as ShownFileName gives it.
std::string FileAlertText(std::string_view path, std::string_view reason);

// Why a file was not loaded, in "|"-separated lines.
std::string LoadProblemText(const DataFileProblem& problem);

inline constexpr const char* kCannotRead = "kann nicht gelesen werden!";
inline constexpr const char* kCannotWrite = "kann nicht geschrieben werden!";
inline constexpr const char* kWriteProtected = "ist schreibgeschützt!";

}  // namespace vorlanz
