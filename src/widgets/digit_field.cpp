#include "widgets/digit_field.h"

#include <string>

#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

// The key of the next key release, or empty for a mouse press or the close
// box of the field's window. Keys without a key code are passed over.
std::string NextFieldKey() {
  platform::Platform& os = platform::Current();
  for (;;) {
    const platform::Event event = os.WaitEvent();
    if (event.message() == platform::kMsgKeyUp && event.key != 0) return KeyCharacter(event.key);
    if (event.kind == platform::EventKind::Close) return {};
    if (os.MouseButtons() != 0) return {};
  }
}

}  // namespace

void DigitField(int& col, int& row) {
  DialogState& dialog = Dialog();
  dialog.LeaveFlag = false;
  bool done = false;
  dialog.FieldKey.clear();
  dialog.DialogKey.clear();

  const int cx = 8 * (col + 1) - 1;
  const int cy = 16 * row - 4;
  const int x = 8 * col;
  const int y = 16 * (row - 1);
  col = x;
  row = y;

  if (dialog.FieldText == "0") dialog.FieldText = " ";
  DrawText(x, y, dialog.FieldText);
  platform::Surface& screen = CurrentSurface();
  screen.Line(cx, cy, cx - 9, cy);

  for (;;) {
    dialog.FieldKey = NextFieldKey();
    dialog.DialogKey = dialog.FieldKey;
    DialogInputStep();
    if (dialog.TabChanged || dialog.OkFlag) break;

    const int code = dialog.FieldKey.size() == 1 ? static_cast<unsigned char>(dialog.FieldKey[0])
                                                 : (dialog.FieldKey.empty() ? 0 : -1);
    if (code == 0) {
      dialog.LeaveFlag = true;
    } else if (const char digit = platform::KeypadDigit(code)) {
      dialog.FieldText = std::string(1, digit);
      DrawText(x, y, dialog.FieldText);
      break;
    } else if ((code >= '0' && code <= '9') || code == 'B') {
      dialog.FieldText = dialog.FieldKey;
      DrawText(x, y, dialog.FieldText);
      break;
    } else if (code == platform::vk::kUp) {
      done = true;
    } else if (code == platform::vk::kDown) {
      dialog.FieldKey = "\r";
    }
    if (dialog.LeaveFlag || done || dialog.FieldKey == "\r" || dialog.FieldKey == "O") break;
  }

  screen.SetPenColour(PaletteColour(kLightGrey));
  screen.Line(cx, cy, cx - 9, cy);
  // The cursor runs along the bottom row of the character cell's glyphs.
  DrawText(x, y, dialog.FieldText);
  SetColours(kBlack, kLightGrey);
  // The key belongs to this field: a later dialog's input step must not take
  // a leftover "O" for its OK.
  dialog.FieldKey.clear();
}

}  // namespace vorlanz
