#include "calc/calculation_screen.h"

#include <string>

#include "board/main_screen.h"
#include "board/tip_picture.h"
#include "calc/calculation_inputs.h"
#include "calc/logic/tip_calculation.h"
#include "calc/system_quality_input.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "model/row_figures.h"
#include "platform/platform.h"
#include "widgets/alert_box.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kStatusX = 7;
constexpr int kDistanceX = 106;
constexpr int kPictureLeft = 160;
constexpr int kCellBottom = platform::kCellHeight - 1;

void BlackOnGrey() {
  SelectFont(8);
  SetColours(kBlack, kLightGrey);
}

}  // namespace

RefreshRate& CalculationRefresh() {
  static RefreshRate rate;
  return rate;
}

CalculationScreen::CalculationScreen(RefreshRate rate)
    : rate_(rate), countdown_(rate.candidates), nextVisit_(Clock::now() + rate.interval) {}

bool CalculationScreen::CancelRequested(int /*row*/) {
  if (--countdown_ > 0) return false;
  countdown_ = rate_.candidates;
  const Clock::time_point now = Clock::now();
  if (now < nextVisit_) return false;
  nextVisit_ = now + rate_.interval;
  // The platform may repaint while it is asked for input.
  Flush();
  return UserCancels();
}

bool CalculationScreen::UserCancels() {
  platform::Platform& os = platform::Current();
  const bool escape = os.PendingKey() == platform::vk::kEscape;
  if (!escape && os.MouseButtons() <= platform::kLeftButton) return false;
  return AlertBox(1, 0, 0, "Berechnung abbrechen?", 3, "_JA|_NEIN") == 1;
}

void CalculationScreen::Status(int normErrors) {
  status_ = normErrors;
  distanceGivenLast_ = false;
}

void CalculationScreen::QualityLowered(int workingQuality) {
  quality_ = workingQuality;
}

void CalculationScreen::Distance(int minDistance) {
  distance_ = minDistance;
  distanceGivenLast_ = true;
}

void CalculationScreen::Flush() {
  if (status_ == kNone && distance_ == kNone && quality_ == kNone) return;
  BlackOnGrey();
  const auto drawStatus = [this] {
    if (status_ == kNone) return;
    DrawText(kStatusX, kStatusY, "STATUS: F=" + Cells(status_, 1) + " ");
    status_ = kNone;
  };
  const auto drawDistance = [this] {
    if (distance_ == kNone) return;
    DrawText(kDistanceX, kStatusY, "D=" + Cells(distance_, 1) + " ");
    distance_ = kNone;
  };
  if (distanceGivenLast_) {
    drawStatus();
    drawDistance();
  } else {
    drawDistance();
    drawStatus();
  }
  if (quality_ != kNone) {
    ShowQualityFigure(quality_);
    quality_ = kNone;
  }
}

void CalculationScreen::RowAccepted(const AcceptedRow& row) {
  const PoolData& pool = Pool();
  BlackOnGrey();
  const int x = RowColumn(row.row);
  for (int match = 1; match <= kMatchCount; ++match) {
    DrawText(x, MatchLine(match), Cells(pool.TipRows[match][row.row], 1));
  }
  DrawText(x - 8, 288, Cells(row.normErrors, 2));
  const OutcomeCounts counts{row.homeCount, row.drawCount, row.awayCount};
  DrawText(x - 8, 314, CountsText(counts, 1) + " ");
  DrawText(x, 337, Cells(row.quality, 1));
  if (row.gameErrors) {
    DrawText(x - 8, 362, Cells(*row.gameErrors, 2) + " ");
    if (*row.gameErrors < 4) DrawText(x - 9, kStatusY, "Win!");
  }
}

// Wipes the match lines of rows 1 to 8 (as far as StatusBlankWidth cells
// reach), their figure lines from 288 down to the comparison at 362, and the
// status line.
void ClearTipPicture() {
  BlackOnGrey();
  const int right = kPictureLeft + platform::kCellWidth * StatusBlankWidth - 1;
  FillArea(kPictureLeft, MatchLine(1), right, MatchLine(kMatchCount) + kCellBottom, kLightGrey);
  FillArea(kPictureLeft, 280, right, 362 + kCellBottom, kLightGrey);
  FillArea(64, kStatusY, 64 + platform::kCellWidth * 71 - 1, kStatusY + kCellBottom, kLightGrey);
}

void CalculateTips() {
  DialogState& dialog = Dialog();
  if (!CalculationInputsUsable()) {
    dialog.LeaveFlag = true;
    return;
  }
  ClearTipPicture();
  ComputeQuotaAndShow();
  dialog.LeaveFlag = false;
  CalculationScreen screen;
  const CalculationResult result = CalculateTips(Pool(), ProcessRandom(), screen);
  screen.Flush();
  if (result != CalculationResult::Complete) dialog.LeaveFlag = true;
}

}  // namespace vorlanz
