#pragma once

// The alignment values as the alignment form shows them: the stored byte
// (kNoShiftOffset = no shift, steps of 0.1 mm) and its shift in millimetres as text.

#include <optional>
#include <string>
#include <string_view>

#include "model/pool_data.h"
#include "model/settings.h"

namespace vorlanz {

// The shifts a byte can hold, in tenths of a millimetre: -12.6 to +12.9 mm.
inline constexpr int kLeastShiftTenths = -int{kNoShiftOffset};
inline constexpr int kMostShiftTenths = 255 - kNoShiftOffset;

// The shift with one decimal, right-aligned in five characters (" -2.5").
std::string MillimetreText(int alignment_byte);

// The byte of a typed shift in millimetres, rounded to the nearest tenth and
// held to -12.6 .. +12.9 mm; nothing for text that is no number. A comma
// counts as the decimal point.
std::optional<Byte> AlignmentByte(std::string_view millimetres);

}  // namespace vorlanz
