#include "widgets/screen_text.h"

#include "platform/platform.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"

namespace vorlanz {

platform::Surface& CurrentSurface() {
  return platform::Current().Screen();
}

void UseScreenText() {
  SelectFont(8);
  SetColours(kBlack, kLightGrey);
}

void SetColours(int text_index, int back_index) {
  platform::Surface& screen = CurrentSurface();
  screen.SetTextColour(PaletteColour(text_index));
  screen.SetPenColour(PaletteColour(text_index));
  screen.SetBackColour(PaletteColour(back_index));
  screen.SetPenMode(platform::PenMode::Copy);
  screen.SetOpaque(true);
}

void DrawText(int x, int y, std::string_view utf8) {
  CurrentSurface().Text(x, y, utf8);
}

void DrawLine(int x1, int y1, int x2, int y2, int colour_index) {
  platform::Surface& screen = CurrentSurface();
  screen.SetPenColour(PaletteColour(colour_index));
  screen.Line(x1, y1, x2, y2);
}

void FillArea(int x1, int y1, int x2, int y2, int colour_index) {
  CurrentSurface().FillRect(x1, y1, x2, y2, PaletteColour(colour_index));
}

}  // namespace vorlanz
