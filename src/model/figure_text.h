#pragma once

// How the program writes its figures: fixed decimals, and chances in percent.

#include <string>

namespace vorlanz {

// A figure with `decimals` decimals, right-aligned in `width` characters.
std::string FixedText(double value, int decimals, int width);

// A probability in percent in at most 6 characters, right-aligned: four
// decimals below 10 %, so that rank I's small chances still show, fewer above.
std::string PercentText(double probability);

}  // namespace vorlanz
