#include "output/slip_print_dialog.h"

#include "calc/card_choice.h"
#include "calc/logic/card_copy.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/alignment_form.h"
#include "output/bundesland_mark.h"
#include "output/logic/federal_states.h"
#include "output/slip_preview.h"
#include "output/slip_print.h"
#include "widgets/alert_box.h"
#include "widgets/control_layout.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

namespace {

using Kind = platform::DialogControl::Kind;
using namespace slip_dialog;

void ShowChoices(platform::WindowId dialog) {
  platform::Platform& os = platform::Current();
  const PoolData& pool = Pool();
  os.SetChecked(dialog, kSpiel77Yes, IsSet(pool.PlaySpiel77));
  os.SetChecked(dialog, kSpiel77No, !IsSet(pool.PlaySpiel77));
  os.SetChecked(dialog, kSuper6Yes, IsSet(pool.PlaySuper6));
  os.SetChecked(dialog, kSuper6No, !IsSet(pool.PlaySuper6));
}

// The state picked in the list becomes Bundesland and gets the tick.
void TakeState(platform::WindowId dialog) {
  const int picked = platform::Current().SelectedListItem(dialog, kStateList);
  if (picked < 0 || picked >= static_cast<int>(kFederalStates.size())) return;
  Pool().Bundesland = static_cast<std::int16_t>(picked);
  MarkBundesland();
}

void RunDialog(platform::WindowId dialog) {
  platform::Platform& os = platform::Current();
  PoolData& pool = Pool();
  for (;;) {
    const platform::Event event = os.WaitEvent();
    if (event.kind == platform::EventKind::Close && event.window != platform::kMainWindow) return;
    if (event.kind != platform::EventKind::Command) continue;
    switch (event.command) {
      case kSpiel77Yes:
      case kSpiel77No:
        pool.PlaySpiel77 = ToFlag(event.command == kSpiel77Yes);
        ShowChoices(dialog);
        break;
      case kSuper6Yes:
      case kSuper6No:
        pool.PlaySuper6 = ToFlag(event.command == kSuper6Yes);
        ShowChoices(dialog);
        break;
      case kHelp:
        WhileHidden(dialog, [] { ShowHelpTopic(help::kSlipPrint); });
        break;
      case kAlignment:
        TakeState(dialog);
        WhileHidden(dialog, [] { ShowAlignmentForm(); });
        break;
      case kPreview:
        TakeState(dialog);
        WhileHidden(dialog, [] { ShowSlipPreview(); });
        break;
      case kPrint:
        TakeState(dialog);
        // The printer's questions and alerts need the main window.
        os.ShowDialog(dialog, false);
        PrintSlip();
        return;
      case kCancel:
        TakeState(dialog);
        return;
      default:
        break;
    }
  }
}

}  // namespace

platform::DialogLayout SlipPrintDialogLayout() {
  platform::DialogLayout layout = DialogFrame("SCHEINDRUCK:", 186, 56, 260, 238);
  auto add = [&layout](Kind kind, int id, const char* text, int x, int y, int w, int h) {
    return &AddControl(layout, kind, id, text, x, y, w, h);
  };
  auto frame = [&add](int left, int top, int right, int bottom) {
    add(Kind::EtchedFrame, 0, "", left, top, right - left, bottom - top);
  };
  frame(10, 12, 239, 68);
  frame(10, 78, 239, 134);
  frame(10, 144, 120, 188);
  frame(129, 144, 239, 188);
  add(Kind::Label, 0, "Bundesland:", 18, 6, 84, 20);
  add(Kind::DropDownList, kStateList, "", 38, 28, 175, 125);
  add(Kind::Label, 0, "Drucker:", 18, 72, 60, 20);
  add(Kind::PushButton, kAlignment, "&Ausrichtung ändern...", 18, 92, 140, 28);
  add(Kind::PushButton, kPreview, "&Vorschau", 164, 92, 67, 28);
  add(Kind::Label, 0, "Spiel 77:", 18, 138, 60, 20);
  add(Kind::RadioButton, kSpiel77Yes, "&JA", 20, 156, 40, 24);
  add(Kind::RadioButton, kSpiel77No, "&NEIN", 62, 156, 50, 24);
  add(Kind::Label, 0, "Super 6:", 137, 138, 60, 20);
  add(Kind::RadioButton, kSuper6Yes, "J&A", 139, 156, 40, 24);
  add(Kind::RadioButton, kSuper6No, "N&EIN", 181, 156, 50, 24);
  add(Kind::PushButton, kPrint, "&Drucken", 24, 198, 80, 26)->is_default = true;
  add(Kind::PushButton, kHelp, "&?", 111, 198, 30, 26);
  add(Kind::PushButton, kCancel, "&Abbruch", 148, 198, 80, 26)->is_cancel = true;
  layout.help_command = kHelp;
  return layout;
}

void ShowSlipPrintDialog() {
  PoolData& pool = Pool();
  pool.CardPrompt = kPrintCardPrompt;
  ChooseCard();
  FlushInput();
  if (Dialog().DialogKey != "O") return;
  // A free card's zero-filled rows would mark every box of the slip.
  if (!IsSet(pool.CardOccupied[pool.ChosenCard])) {
    AlertBox(1, 0, 0, kFreeCardText, 1, "_OK");
    return;
  }
  CopyCardRows(pool, pool.LoadedCard);

  platform::Platform& os = platform::Current();
  const platform::WindowId dialog = os.OpenDialog(SlipPrintDialogLayout());
  for (const std::string_view state : kFederalStates) os.AddListItem(dialog, kStateList, state);
  ShowChoices(dialog);
  os.SelectListItem(dialog, kStateList, pool.Bundesland);
  RunDialog(dialog);
  os.CloseWindow(dialog);
  FlushInput();
}

}  // namespace vorlanz
