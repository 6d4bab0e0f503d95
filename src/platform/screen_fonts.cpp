#include "platform/screen_fonts.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <map>

namespace vorlanz::platform {
namespace {

// A font whose line height is at most line_height pixels; average_width, when
// not 0, widens or narrows the glyphs to that average character width.
QFont MakeFont(const char* family, int line_height, int average_width, QFont::Weight weight) {
  QFont font(family);
  font.setWeight(weight);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  int pixel_size = line_height;
  font.setPixelSize(pixel_size);
  while (pixel_size > 1 && QFontMetrics(font).height() > line_height) {
    font.setPixelSize(--pixel_size);
  }
  if (average_width > 0) {
    const int natural = std::max(QFontMetrics(font).averageCharWidth(), 1);
    const double stretch = std::round(100.0 * average_width / natural);
    font.setStretch(std::clamp(static_cast<int>(stretch), 1, 4000));
  }
  return font;
}

QFont FontOfCode(int code) {
  switch (code) {
    case 5:  // the narrow small font of figures too wide for font 6: digits 5 wide
      return MakeFont("DejaVu Sans", 10, 4, QFont::Normal);
    case 6:  // ARIAL, height 12, width 6
      return MakeFont("DejaVu Sans", 12, 6, QFont::Normal);
    case 14:  // the fixed-pitch system font, 8 x 16 cells
      return MakeFont("DejaVu Sans Mono", 16, 0, QFont::Normal);
    case 20:  // ARIAL, height 26, width 14
      return MakeFont("DejaVu Sans", 26, 14, QFont::Normal);
    case 24:  // COURIER, height 60, width 18, heavy
      return MakeFont("DejaVu Sans Mono", 60, 18, QFont::Bold);
    default:  // the proportional system font
      return MakeFont("DejaVu Sans", 16, 0, QFont::Bold);
  }
}

}  // namespace

const QFont& QtScreenFont(int code) {
  static auto* fonts = new std::map<int, QFont>;
  const int key = code == 5 || code == 6 || code == 14 || code == 20 || code == 24 ? code : 16;
  auto found = fonts->find(key);
  if (found == fonts->end()) found = fonts->emplace(key, FontOfCode(key)).first;
  return found->second;
}

}  // namespace vorlanz::platform
