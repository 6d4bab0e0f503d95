#include "calc/card_choice.h"

#include <string>

#include "board/main_screen.h"
#include "calc/card_preview.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"
#include "widgets/tab_row.h"

namespace vorlanz {

namespace {

constexpr const char* kCardTabs = "_0|_1|_2|_3|_4|_5|_6|_7|_8|_9|";
constexpr int kCardTabCount = 10;
constexpr int kWindowWidth = RightPanelX - 20;
// Tall enough that the separator above the buttons lies below the preview's
// bottom line.
constexpr int kWindowHeight = 392;

// Waits for the next key press or mouse press in the dialog and gives its
// dialog key: the typed character upper-cased (keypad digits as digits, F1
// as the help key of the dialog input step), "X" when the window is closed,
// or empty for a mouse press, which the input step reads from the mouse.
std::string NextDialogKey() {
  platform::Platform& os = platform::Current();
  for (;;) {
    const platform::Event event = os.WaitEvent();
    switch (event.kind) {
      case platform::EventKind::MouseDown:
        return {};
      case platform::EventKind::Close:
        return "X";
      case platform::EventKind::KeyDown:
        if (event.key == platform::vk::kF1) return KeyCharacter(event.key);
        if (const char digit = platform::KeypadDigit(event.key)) return std::string(1, digit);
        if (event.ch > 0 && event.ch < 256) return UpperKeyCharacter(event.ch);
        break;
      default:
        break;
    }
  }
}

// The card of the shown tab (tab 1 is card 0) is the one looked at last.
void ShowTabCard() {
  const int card = Dialog().CurrentTab - 1;
  Pool().LoadedCard = static_cast<std::int16_t>(card);
  ShowCard(card);
}

}  // namespace

void ChooseCard(std::string_view help_topic) {
  platform::Platform& os = platform::Current();
  PoolData& pool = Pool();
  DialogState& dialog = Dialog();

  const platform::WindowId window =
      os.OpenWindow(pool.CardPrompt, 138, 10, kWindowWidth, kWindowHeight);
  platform::Surface& surface = os.Screen();
  const int width = surface.width();
  const int height = surface.height();
  FillArea(0, 0, width, height, kLightGrey);

  dialog.CurrentTab = pool.ChosenCard + 1;
  dialog.TabIndex = dialog.CurrentTab;
  dialog.TabItems = kCardTabs;
  DrawTabDialogFrame(width, height, 12, -89, 11);
  ShowTabCard();

  do {
    dialog.HelpTopic = std::string(help_topic);
    dialog.DialogKey = NextDialogKey();
    DialogInputStep();
    if (dialog.TabIndex >= 1 && dialog.TabIndex <= kCardTabCount && dialog.TabChanged) {
      ShowTabCard();
    }
  } while (!dialog.LeaveFlag && dialog.DialogKey != "O");

  if (dialog.DialogKey == "O") {
    pool.ChosenCard = static_cast<std::int16_t>(dialog.CurrentTab - 1);
    DrawTabDialogButton(false, 1);
  } else if (dialog.DialogKey == "A" || dialog.DialogKey.empty()) {
    DrawTabDialogButton(true, 1);
  }
  os.Pause(20);
  EndTabDialog();
  os.CloseWindow(window);
  os.SelectWindow(platform::kMainWindow);
}

}  // namespace vorlanz
