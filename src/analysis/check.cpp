#include "analysis/check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/logic/check_figures.h"
#include "analysis/logic/draw_weights.h"
#include "analysis/logic/rank_table_places.h"
#include "analysis/series_draw.h"
#include "board/main_screen.h"
#include "board/tip_picture.h"
#include "calc/calculation_screen.h"
#include "calc/logic/win_count.h"
#include "calc/system_quality_input.h"
#include "model/poll_clock.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kTotalsX = 662;
constexpr int kResultX = 708;
constexpr int kResultY = 14;
constexpr int kRankLines[kPrizeRanks] = {1, 10, 19, 28};
// The totals stand between the grid lines at 643 and 701, the result right of
// the second one.
constexpr int kTotalsLeft = 644;
constexpr int kTotalsRight = 698;
constexpr int kResultLeft = 702;
constexpr int kResultHeight = 12;
constexpr int kErrorsLine = 362;
// While the pointer rests right of this, the check and the test run go on.
constexpr int kGoOnX = 635;

// Figures under row r of the tip picture: its "Win!" mark starts 9 pixels
// left of the row's digits, the figures of the rank table and of the
// comparison 6 pixels left of them.
int MarkX(int row) {
  return RowColumn(row) - 9;
}
int FigureX(int row) {
  return RowColumn(row) - 6;
}

// The counts of the rank table, the totals and the result are drawn in the
// small font 6 at their places while they fit there: up to 4 digits in the
// table and the totals, up to 5 in the points. Larger ones, up to the
// counters' largest value, 2147483647 (the points up to 10 times that), are
// drawn in the narrow font 5, whose digits are 5 pixels wide instead of 8:
// table counts of up to 7 digits still under their rows, wider ones spread
// over the top of the screen (see PlaceRankTable), the totals right-aligned
// before the grid line at 701. Each is wiped by area first, as a blank is
// narrower than a digit.
constexpr int kSmallFont = 6;
constexpr int kNarrowFont = 5;

void UseFont(int font) {
  SelectFont(font);
  SetColours(kBlack, kLightGrey);
}

int TextWidth(std::string_view text) {
  return CurrentSurface().TextWidth(text);
}

// The font in which every text fits `room` pixels.
template <typename Texts>
int FontFitting(const Texts& texts, int room) {
  UseFont(kSmallFont);
  for (const std::string& text : texts) {
    if (TextWidth(text) > room) return kNarrowFont;
  }
  return kSmallFont;
}

// The check's percentage or the test run's points right of the totals.
void DrawResult(const std::string& text) {
  const int font = FontFitting(std::array{text}, platform::kMainWidth - kResultX);
  FillArea(kResultLeft, kResultY, platform::kMainWidth - 1, kResultY + kResultHeight - 1,
           kLightGrey);
  UseFont(font);
  DrawText(kResultX, kResultY, text);
}

bool PointerAtRightEdge() {
  return platform::Current().MousePosition().x >= kGoOnX;
}

// The test run's way out while the pointer keeps it going.
bool UserEndsTestRun() {
  platform::Platform& os = platform::Current();
  if (os.PendingKey() == platform::vk::kEscape) return true;
  return (os.MouseButtons() & platform::kRightButton) != 0;
}

// The figures of one random series under the tip picture.
void DrawRowErrors(const RowFigures& errors) {
  DrawGameColumn();
  ClearComparisonLines();
  SetColours(kBlack, kLightGrey);
  for (int row = 1; row <= kRowCount; ++row) {
    DrawText(MarkX(row) + 2, kErrorsLine, Cells(errors[row], 2));
    DrawText(MarkX(row), kStatusY, WinsPrize(errors[row]) ? "Win!" : Blanks(4));
  }
}

}  // namespace

void DrawWinTotals() {
  const PoolData& pool = Pool();
  const std::int32_t totals[kPrizeRanks] = {pool.WinsRank1, pool.WinsRank2, pool.WinsRank3,
                                            pool.WinsRank4};
  std::array<std::string, kPrizeRanks> texts;
  for (int rank = 0; rank < kPrizeRanks; ++rank) texts[rank] = Cells(totals[rank], 4);
  const int font = FontFitting(texts, kTotalsRight - kTotalsX);
  ClearTopBand(kTotalsLeft, kResultLeft - 2);
  UseFont(font);
  for (int rank = 0; rank < kPrizeRanks; ++rank) {
    const int x = font == kSmallFont ? kTotalsX : kTotalsRight - TextWidth(texts[rank]);
    DrawText(x, kRankLines[rank], texts[rank]);
  }
}

void CheckCalculation() {
  PoolData& pool = Pool();
  DialogState& dialog = Dialog();
  ClearWinCounts(pool);
  std::int64_t trials = 0;
  for (;;) {
    SelectFont(8);
    pool.WorkingQuality = pool.SystemQuality;
    ShowQualityFigure(pool.SystemQuality);
    CalculateTips();
    ++trials;
    DrawWinTotals();
    DrawResult(Cells(WinPercentage(pool, trials), 5) + " %   ");
    if (dialog.LeaveFlag) break;
    if (trials >= kTrialsPerCheck && !PointerAtRightEdge()) break;
  }
  DrawRankTable();
}

void TestRun() {
  PoolData& pool = Pool();
  ClearWinCounts(pool);
  const PackedTipSet tips = PackTipSet(pool.TipRows);
  PollClock clock;
  RowFigures errors{};
  for (std::int64_t series = 1;; ++series) {
    errors = PlayRandomSeries(pool, tips, ProcessRandom());
    const bool due = clock.Due();
    if (due) {
      DrawRowErrors(errors);
      DrawWinTotals();
    }
    if (series < kTrialsPerCheck) continue;
    // Exactly 100 series unless the pointer rests at the right edge; there
    // it is looked at, with the way out, only when the screen is visited.
    if (series == kTrialsPerCheck || due) {
      if (!PointerAtRightEdge() || (due && UserEndsTestRun())) break;
    }
  }
  DrawRowErrors(errors);
  DrawWinTotals();
  DrawTestRunPoints();
  DrawRankTable();
}

void TryRandomSeries() {
  PoolData& pool = Pool();
  DrawRowErrors(PlayRandomSeries(pool, PackTipSet(pool.TipRows), ProcessRandom()));
}

void DrawTestRunPoints() {
  DrawResult(Cells(PrizePointsWon(Pool()), 3) + " Pkte ");
}

void DrawRankTable() {
  const PoolData& pool = Pool();
  std::vector<std::string> counts;
  for (int rank = 0; rank < kPrizeRanks; ++rank) {
    for (int row = 1; row <= kRowCount; ++row) {
      counts.push_back(Cells(pool.RowWinTally[row][rank], 3));
    }
  }
  const int font = FontFitting(counts, kRoomUnderRow);
  UseFont(font);
  int widest = 0;
  for (const std::string& count : counts) widest = std::max(widest, TextWidth(count));
  constexpr const char* kLabels[kPrizeRanks] = {"  I.:", " II.:", "III.:", "IV.:"};
  int label_width = 0;
  for (const char* label : kLabels) label_width = std::max(label_width, TextWidth(label));
  const RankTablePlaces places = PlaceRankTable(widest, label_width);

  ClearTopBand(0, kRankTableRight);
  UseFont(font);
  for (int rank = 0; rank < kPrizeRanks; ++rank) {
    DrawText(places.label_x, kRankLines[rank], kLabels[rank]);
    for (int row = 1; row <= kRowCount; ++row) {
      DrawText(places.first_x + places.pitch * (row - 1), kRankLines[rank],
               counts[static_cast<std::size_t>(rank * kRowCount + row - 1)]);
    }
  }
  SelectFont(8);
}

void CompareWithCard() {
  if (Dialog().DialogKey != "O") return;
  const PoolData& pool = Pool();
  const RowFigures fewest = FewestDifferences(pool, pool.ChosenCard);
  UseScreenText();
  for (int row = 1; row <= kRowCount; ++row) {
    DrawText(FigureX(row), kStatusY, Cells(fewest[row], 2) + "  ");
  }
}

}  // namespace vorlanz
