#include "calc/system_quality_input.h"

#include <string>

#include "board/main_screen.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/digit_field.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr Byte kProposedQuality = 4;

// The value of the field's text: its leading digits, 0 if there are none.
int FieldValue(const std::string& text) {
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

void ShowQualityFigure(int quality) {
  UseScreenText();
  DrawText(64, 337, "GÜTE:   " + Cells(quality, 1));
}

void AskSystemQuality() {
  platform::Platform& os = platform::Current();
  PoolData& pool = Pool();
  DialogState& dialog = Dialog();

  const platform::WindowId window = os.OpenWindow("Eingabe der System-Güte:", 180, 120, 244, 70);
  FlushInput();
  UseScreenText();
  if (pool.SystemQuality == 0) pool.SystemQuality = kProposedQuality;
  DrawText(64, 16, "System-Güte: " + Cells(pool.SystemQuality, 1));

  for (;;) {
    dialog.HelpTopic = help::kCalculation;
    dialog.FieldText = Cells(pool.SystemQuality, 1);
    int column = 21;
    int row = 2;
    DigitField(column, row);
    if (dialog.LeaveFlag || os.MouseButtons() != 0) break;
    if (FieldValue(dialog.FieldText) != 0) break;
  }
  if (!dialog.LeaveFlag) {
    const auto quality = static_cast<Byte>(FieldValue(dialog.FieldText));
    pool.SystemQuality = quality;
    pool.WorkingQuality = quality;
  }

  os.CloseWindow(window);
  os.SelectWindow(platform::kMainWindow);
  DrawMainScreen();
}

}  // namespace vorlanz
