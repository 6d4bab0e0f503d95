#include "calc/card_choice.h"

#include <optional>
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
constexpr const char* kCardAndAllTabs = "_0|_1|_2|_3|_4|_5|_6|_7|_8|_9|_alle|";
constexpr int kCardTabCount = 10;
constexpr int kAllTab = kCardTabCount + 1;
// Beside the eleventh tab the card's number moves right.
constexpr int kNumberXBesideAll = 298;
constexpr int kWindowWidth = RightPanelX - 20;
// Tall enough that the separator above the buttons lies below the preview's
// bottom line.
constexpr int kWindowHeight = 392;
constexpr TabDialogButtons kCardChoiceButtons{
    .separator_margin = 12, .ok_from_middle = -89, .cancel_from_middle = 11};

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
void ShowTabCard(bool with_all) {
  if (Dialog().CurrentTab == kAllTab) {
    ShowAllCards(kNumberXBesideAll);
    return;
  }
  const int card = Dialog().CurrentTab - 1;
  Pool().LoadedCard = static_cast<std::int16_t>(card);
  ShowCard(card, with_all ? kNumberXBesideAll : kCardNumberX);
}

// Runs the choice; on OK the chosen tab, after a cancel 0.
int RunCardChoice(bool with_all, std::string_view help_topic) {
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
  dialog.TabItems = with_all ? kCardAndAllTabs : kCardTabs;
  DrawTabDialogFrame(width, height, kCardChoiceButtons);
  ShowTabCard(with_all);

  const int last_tab = with_all ? kAllTab : kCardTabCount;
  do {
    dialog.HelpTopic = std::string(help_topic);
    dialog.DialogKey = NextDialogKey();
    DialogInputStep();
    if (dialog.TabIndex >= 1 && dialog.TabIndex <= last_tab && dialog.TabChanged) {
      ShowTabCard(with_all);
    }
  } while (!dialog.LeaveFlag && dialog.DialogKey != "O");

  int chosen = 0;
  if (dialog.DialogKey == "O") {
    chosen = dialog.CurrentTab;
    DrawTabDialogButton(TabButton::Ok, ButtonLook::Pressed);
  } else if (dialog.DialogKey == "A" || dialog.DialogKey.empty()) {
    DrawTabDialogButton(TabButton::Cancel, ButtonLook::Pressed);
  }
  os.Pause(20);
  EndTabDialog();
  os.CloseWindow(window);
  os.SelectWindow(platform::kMainWindow);
  return chosen;
}

}  // namespace

void ChooseCard(std::string_view help_topic) {
  const int tab = RunCardChoice(false, help_topic);
  if (tab != 0) Pool().ChosenCard = static_cast<std::int16_t>(tab - 1);
}

std::optional<int> ChooseCardOrAll(std::string_view help_topic) {
  const int tab = RunCardChoice(true, help_topic);
  if (tab == 0) return std::nullopt;
  if (tab == kAllTab) return kAllCards;
  Pool().ChosenCard = static_cast<std::int16_t>(tab - 1);
  return tab - 1;
}

}  // namespace vorlanz
