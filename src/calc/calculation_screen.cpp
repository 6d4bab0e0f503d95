#include "calc/calculation_screen.h"

#include <string>

#include "board/figure_lines.h"
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

// Where a row accepted by the running calculation shows its figures.
constexpr FigureLayout kAcceptedRowLayout{
    .code_top = MatchLine(1),
    .code_pitch = MatchLine(2) - MatchLine(1),
    .norm_errors = {-8, 288, 2},
    .counts = {-8, 314, 1, true},
    .quality = {0, 337, 1},
    .game_errors = {-8, 362, 2, true},
    .win_dx = -9,
    .win_y = kStatusY,
};

}  // namespace

bool CalculationScreen::CancelRequested(int /*row*/) {
  if (!clock_.Due()) return false;
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

void CalculationScreen::Status(int norm_errors) {
  status_ = norm_errors;
  distance_given_last_ = false;
}

void CalculationScreen::QualityLowered(int working_quality) {
  quality_ = working_quality;
}

void CalculationScreen::Distance(int min_distance) {
  distance_ = min_distance;
  distance_given_last_ = true;
}

void CalculationScreen::Flush() {
  if (status_ == kNone && distance_ == kNone && quality_ == kNone) return;
  UseScreenText();
  const auto draw_status = [this] {
    if (status_ == kNone) return;
    DrawText(kStatusX, kStatusY, "STATUS: F=" + Cells(status_, 1) + " ");
    status_ = kNone;
  };
  const auto draw_distance = [this] {
    if (distance_ == kNone) return;
    DrawText(kDistanceX, kStatusY, "D=" + Cells(distance_, 1) + " ");
    distance_ = kNone;
  };
  if (distance_given_last_) {
    draw_status();
    draw_distance();
  } else {
    draw_distance();
    draw_status();
  }
  if (quality_ != kNone) {
    ShowQualityFigure(quality_);
    quality_ = kNone;
  }
}

void CalculationScreen::RowAccepted(const AcceptedRow& row) {
  DrawRowFigures(kAcceptedRowLayout, RowColumn(row.row), Pool().TipRows, row.row, row.quality);
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
  // Rows left from a cancel are no whole tip set.
  Pool().TipSetReady = ToFlag(result == CalculationResult::Complete);
  if (result != CalculationResult::Complete) dialog.LeaveFlag = true;
}

}  // namespace vorlanz
