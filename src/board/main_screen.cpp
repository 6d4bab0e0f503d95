#include "board/main_screen.h"

#include "board/tip_picture.h"
#include "model/pool_data.h"
#include "platform/platform.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr const char* kHeader =
    "#    G  U  V     1    2    3    4    5    6    7    8    9   10   11   12     NORM   GAME";

struct GridLine {
  int x1, y1, x2, y2;
};
constexpr GridLine kGrid[] = {
    {16, 56, 758, 56},    // under the header
    {16, 278, 758, 278},  // under the match rows
    {52, 30, 52, 392},    // after the match numbers
    {144, 30, 144, 392},  // after the forecast columns
    {643, 30, 643, 392},  // after the tip rows
    {701, 30, 701, 392},  // between NORM and GAME
};

}  // namespace

void ClearArea(int x1, int y1, int x2, int y2) {
  SetColours(kBlack, kLightGrey);
  FillArea(x1, y1, x2, y2, kLightGrey);
}

void ClearTopBand(int x1, int x2) {
  constexpr int kBandBottom = 38;
  FillArea(x1, 0, x2, kBandBottom, kLightGrey);
  for (const GridLine& line : kGrid) {
    if (line.x1 == line.x2 && line.x1 >= x1 && line.x1 <= x2 && line.y1 <= kBandBottom) {
      DrawLine(line.x1, line.y1, line.x1, kBandBottom + 1, kBlack);
    }
  }
}

void DrawStatusLine() {
  SelectFont(8);
  BevelBox(0, 2, 0, 395, platform::kMainWidth - 1, 416);
  SetColours(kBlack, kLightGrey);
  DrawText(10, 400, "VORLANZ V5.0 by Zemko");
  DrawText(710, 400, "F1=HILFE");
}

void DrawMainScreen() {
  // Whatever the screen before it left: copy mode, opaque, a solid pen.
  SetColours(kBlack, kLightGrey);
  CurrentSurface().SetPenStyle(platform::PenStyle::Solid);
  ClearArea(0, 0, platform::kMainWidth - 1, 455);
  DrawStatusLine();

  UseScreenText();
  DrawText(32, 39, kHeader);
  for (const GridLine& line : kGrid) DrawLine(line.x1, line.y1, line.x2, line.y2, kBlack);

  const PoolData& pool = Pool();
  SetColours(kBlack, kLightGrey);
  DrawText(64, 314, "TIPP-BILD");
  DrawText(64, 337, "GÜTE:   ");
  if (pool.SystemQuality != 0) DrawText(128, 337, Cells(pool.SystemQuality, 1));
  DrawText(64, 362, "VERGLEICH");

  if (IsSet(pool.OwnForecastReady)) DrawForecastColumns();
  if (IsSet(pool.NormReady)) DrawNormColumn();
  if (IsSet(pool.GameReady)) DrawGameColumn();
}

}  // namespace vorlanz
