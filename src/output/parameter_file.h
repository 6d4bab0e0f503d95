#pragma once

namespace vorlanz {

inline constexpr const char* kParameterFileName = "VORL13.PAR";

// Reads "VORL13.PAR" from the current directory into the pool's settings.
// A missing file leaves them as they are.
void LoadParameters();

// Writes the settings to "VORL13.PAR", replacing the file in one step so that
// a failure never leaves a broken file behind. A failure is reported in an
// alert box; the old file then stays as it was.
void SaveParameters();

}  // namespace vorlanz
