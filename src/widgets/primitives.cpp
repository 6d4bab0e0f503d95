#include "widgets/primitives.h"

#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {

using platform::PenMode;

void SelectFont(int code) {
  switch (code) {
    case 5:
    case 6:
    case 8:
    case 14:
    case 20:
    case 24:
      CurrentSurface().SetFont(code);
      break;
    default:
      CurrentSurface().SetFont(16);
      break;
  }
}

void BevelBox(int sunken, int depth, int x1, int y1, int x2, int y2) {
  platform::Surface& screen = CurrentSurface();
  screen.SetPenMode(PenMode::Copy);
  // The face goes first so that none of the light edge lines is covered.
  screen.FillRect(x1 + depth, y1 + depth, x2, y2, PaletteColour(kLightGrey));

  screen.SetPenColour(PaletteColour(sunken ? kDarkGrey : kWhite));
  for (int i = 0; i <= depth - sunken; ++i) {
    screen.Line(x1 + i, y1 + i, x2, y1 + i);
    screen.Line(x1 + i, y1 + i, x1 + i, y2);
  }
  screen.SetPenColour(PaletteColour(sunken ? kWhite : kDarkGrey));
  for (int i = 0; i <= depth - sunken; ++i) {
    screen.Line(x1 + i, y2 - i, x2 + 1, y2 - i);
    screen.Line(x2 - i, y1 + i, x2 - i, y2);
  }
  screen.SetPenColour(PaletteColour(kBlack));
}

void EtchedFrame(int x1, int y1, int x2, int y2) {
  platform::Surface& screen = CurrentSurface();
  screen.SetPenMode(PenMode::Copy);
  screen.SetBackColour(PaletteColour(kLightGrey));
  screen.SetPenColour(PaletteColour(kWhite));
  screen.RectOutline(x1 + 1, y1 + 1, x2 + 1, y2 + 1);
  screen.SetPenColour(PaletteColour(kBlack));
  screen.RectOutline(x1, y1, x2, y2);
}

void EtchedLine(int x1, int y1, int x2, int y2) {
  platform::Surface& screen = CurrentSurface();
  screen.SetPenMode(PenMode::Copy);
  screen.SetPenColour(PaletteColour(kWhite));
  screen.SetBackColour(PaletteColour(kLightGrey));
  screen.Line(x1 + 1, y1 + 1, x2 + 1, y2 + 1);
  // White XOR light grey is dark grey: the groove itself.
  screen.SetBackColour(PaletteColour(kBlack));
  screen.SetPenMode(PenMode::Xor);
  screen.SetOpaque(false);
  screen.Line(x1, y1, x2, y2);
  screen.SetPenMode(PenMode::Copy);
  screen.SetOpaque(true);
}

namespace {

// The white shadow of engraved text, its top at y - 14; then the text itself
// one pixel up and left in colour, drawn transparently (the XOR pen mode set
// with it does not act on text).
void EngravedText(int font, platform::Rgb colour, int x, int y, std::string_view text) {
  platform::Surface& screen = CurrentSurface();
  SelectFont(font);
  y -= 14;
  screen.SetTextColour(PaletteColour(kWhite));
  screen.SetBackColour(PaletteColour(kLightGrey));
  screen.SetOpaque(true);
  screen.Text(x, y, text);
  screen.SetTextColour(colour);
  screen.SetBackColour(PaletteColour(kBlack));
  screen.SetPenMode(PenMode::Xor);
  screen.SetOpaque(false);
  screen.Text(x - 1, y - 1, text);
}

}  // namespace

void EmbossedText(int font, int colour, int x, int y, std::string_view text) {
  EngravedText(font, PaletteColour(colour), x, y, text);
  platform::Surface& screen = CurrentSurface();
  screen.SetPenMode(PenMode::Copy);
  screen.SetOpaque(true);
  screen.SetTextColour(PaletteColour(kBlack));
  screen.SetBackColour(PaletteColour(kLightGrey));
  SelectFont(8);
}

void ShadedLabel(int highlight, int font, int x, int y, std::string_view text) {
  EngravedText(font, PaletteColour(highlight == 1 ? kDarkRed : kDarkCyan), x, y, text);
  platform::Surface& screen = CurrentSurface();
  screen.SetPenMode(PenMode::Merge);
  screen.SetOpaque(true);
  screen.SetTextColour(PaletteColour(kBlack));
  screen.SetBackColour(PaletteColour(kLightGrey));
}

void AlertPanel(int style, int x1, int y1, int x2, int y2) {
  BevelBox(style, 3, x1, y1, x2, y2);
  EtchedFrame(x1 + 6, y1 + 7, x2 - 8, y2 - 9);
  platform::Surface& screen = CurrentSurface();
  screen.SetPenColour(PaletteColour(kBlack));
  screen.RectOutline(x1, y1, x2 - 1, y2 - 1);
}

}  // namespace vorlanz
