#include "shell/info_box.h"

#include "platform/platform.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

namespace {

// The box's outer top left corner from the main window's.
constexpr int kInfoLeft = 233;
constexpr int kInfoTop = 26;
constexpr int kCloseButton = 15;  // cmd15

platform::InfoBoxForm InfoForm() {
  platform::InfoBoxForm form;
  form.title = "über Vorlanz";
  form.labels = {
      {"lbl20", "Vorlanz"},
      {"lbl21", "Version 5.0"},
      {"lbl22", "für die 13er Ergebniswette"},
      {"lbl23", "Tipp-Systeme aus Ihrer Vorlanz: 12 Reihen, gewichtet gelost."},
      {"lbl24", "Zehn Karteikarten für Ihre Tipps,"},
      {"lbl25", "Optimieren: der beste von 1000 Tipps,"},
      {"lbl26", "Wettstreit und Prüfung der Tipps,"},
      {"lbl27", "Scheindruck für zwölf Bundesländer."},
      {"lbl29", "Hilfe: F1 oder Hilfe › Anleitung"},
      {"lbl38", "by Zemko"},
  };
  form.button = {"cmd15", "OK"};
  form.button_id = kCloseButton;
  return form;
}

void cmd15_Click() {
  Dialog().LeaveFlag = true;
}

void Inf_Close() {
  Dialog().LeaveFlag = true;
}

}  // namespace

void ShowInfoBox() {
  platform::Platform& os = platform::Current();
  const platform::WindowId box = os.OpenInfoBox(kInfoLeft, kInfoTop, InfoForm());
  DialogState& dialog = Dialog();
  dialog.LeaveFlag = false;
  // Keys typed into the box (F1 among them) end here, unanswered.
  while (!dialog.LeaveFlag) {
    const platform::Event event = os.WaitEvent();
    if (event.window != box) continue;
    if (event.kind == platform::EventKind::Command && event.command == kCloseButton) {
      cmd15_Click();
    } else if (event.kind == platform::EventKind::Close) {
      Inf_Close();
    }
  }
  os.CloseWindow(box);
  os.SelectWindow(platform::kMainWindow);
}

}  // namespace vorlanz
