#include "model/figure_text.h"

#include <cstdio>

namespace vorlanz {

namespace {

constexpr int kPercentWidth = 6;

}  // namespace

std::string FixedText(double value, int decimals, int width) {
  char text[64];
  std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
  return text;
}

std::string PercentText(double probability) {
  const double percent = 100 * probability;
  // The decimals that fit, judged after rounding: 9.99996 % is "10.000".
  for (int decimals = 4;; --decimals) {
    std::string text = FixedText(percent, decimals, kPercentWidth);
    if (decimals == 0 || static_cast<int>(text.size()) <= kPercentWidth) return text;
  }
}

}  // namespace vorlanz
