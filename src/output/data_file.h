#pragma once

// Saving and loading all forecasts, series and cards in a data file "*.T13"
// of the folder "MEMORY", picked in the file selector.

namespace vorlanz {

inline constexpr const char* kDataFolder = "MEMORY";
inline constexpr const char* kDataPattern = "*.T13";

// Asks for a file name ("Daten speichern") and writes the data file. A
// cancelled choice writes nothing; a failed write is reported and leaves the
// file as it was.
void SaveData();

// Asks for a file name ("Daten laden"), reads the file if it exists and
// redraws the main screen. A file that cannot be read, is too short or holds
// a value the program never writes is reported and changes nothing. The
// contest standings start afresh whatever happens, a cancel included.
void LoadData();

}  // namespace vorlanz
