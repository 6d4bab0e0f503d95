#include "shell/calculation_window.h"

#include <algorithm>
#include <string>

#include "analysis/check.h"
#include "analysis/contest.h"
#include "analysis/series_draw.h"
#include "board/main_screen.h"
#include "board/tip_picture.h"
#include "calc/calculation_screen.h"
#include "calc/card_choice.h"
#include "calc/card_store.h"
#include "calc/system_quality_input.h"
#include "entry/series_entry.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/data_file.h"
#include "output/slip_print_dialog.h"
#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/popup_menu.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kMenuY = 80;
constexpr int kMenuMaxX = 550;
// Clicks above this line leave the window; clicks on the status line
// (HelpCornerY and below) open no menu.
constexpr int kTopRows = 20;
// Pop-up results from here on mean that nothing was chosen.
constexpr int kNothingChosen = 20;
// The note stands in the status line between its name and "F1=HILFE".
constexpr int kNoteX = 192;
constexpr int kNoteY = 400;

void DrawNote(std::string_view note) {
  if (note.empty()) return;
  UseScreenText();
  DrawText(kNoteX, kNoteY, note);
}

// The working quality starts again from the System-Güte.
void ResetWorkingQuality() {
  PoolData& pool = Pool();
  pool.WorkingQuality = pool.SystemQuality;
  ShowQualityFigure(pool.WorkingQuality);
}

void Recalculate() {
  ResetWorkingQuality();
  CalculateTips();
}

void Remember() {
  Pool().CardPrompt = "In welche Ablage abspeichern?";
  ChooseCard();
  StoreCard();
  FlushInput();
  DrawMainScreen();
  DrawTipSet();
}

void OpenCard() {
  ChooseAndOpenCard();
}

void PrintCard() {
  ShowSlipPrintDialog();
  DrawMainScreen();
  DrawTipSet();
}

void EnterGame() {
  ResetWorkingQuality();
  EnterSeries(kGameTab);
}

// --- Analyse ---------------------------------------------------------------

void Compare() {
  PoolData& pool = Pool();
  pool.CardPrompt = "Mit welchem Tipp vergleichen?";
  pool.CompareMode = kTrue;
  ChooseCard();
  FlushInput();
  DrawMainScreen();
  DrawTipSet();
  if (IsSet(pool.CardOccupied[pool.ChosenCard])) CompareWithCard();
  FlushInput();
  pool.CompareMode = kFalse;
}

void DrawSeries() {
  LoadDrawWeightsAskingForecast();
  TryRandomSeries();
  if (!IsSet(Pool().GameReady)) EnterSeries(kGameTab);
}

void TestSeries() {
  LoadDrawWeightsAskingForecast();
  TestRun();
  RestoreGameSeries();
  if (IsSet(Pool().GameReady)) DrawGameColumn();
}

// Short enough for the command table.
void Check() {
  CheckCalculation();
}

// One command of the window: its hot key and what it runs.
struct Command {
  char key;
  void (*run)();
};

constexpr Command kCommands[] = {
    {'B', Recalculate},  // berechnen
    {'N', Recalculate},  // berechnen
    {'M', Remember},     // merken
    {'H', OpenCard},     // auswählen
    {'C', OpenCard},     // auswählen
    {'V', Compare},      // vergleichen
    {'D', PrintCard},    // drucken
    {'G', EnterGame},    // Game
    {'Z', DrawSeries},   // Zufall
    {'T', TestSeries},   // Testlauf
    {'A', TestSeries},   // Testlauf
    {'S', SaveData},     // sichern
    {'L', LoadData},     // laden
    {'W', RunContest},   // Wettstreit
    {'P', Check},        // Prüfung
};

void Dispatch(const std::string& calc_key) {
  if (calc_key.empty()) return;
  for (const Command& command : kCommands) {
    if (command.key != calc_key[0]) continue;
    // A command picked in the pop-up menu by its hot key's press begins
    // before the key is let go: the release is no input of the command.
    platform::Current().ForgetPressedKeys();
    command.run();
    return;
  }
}

// The key of a left click: the hot key of the command chosen from the menu,
// or nothing. A click at the bottom right opens the help first.
std::string ClickedCommand(platform::Point mouse) {
  DialogState& dialog = Dialog();
  if (mouse.y < HelpCornerY) {
    const int x = std::clamp(mouse.x - 50, 0, kMenuMaxX);
    const int chosen = PopupMenu(x, kMenuY, kCalculationMenu);
    if (chosen >= 0 && chosen < kNothingChosen) {
      return dialog.PopupHotkeys[static_cast<std::size_t>(chosen)];
    }
    return {};
  }
  if (mouse.x > HelpCornerX) ShowHelpTopic(dialog.HelpTopic);
  return {};
}

}  // namespace

void CalculationWindow(std::string_view note) {
  platform::Platform& os = platform::Current();
  DialogState& dialog = Dialog();
  // A key counts when it is released; the input discarded after every
  // command takes with it the releases of the keys that answered its
  // dialogs.
  DrawNote(note);
  for (;;) {
    // The commands' dialogs set topics of their own.
    dialog.HelpTopic = help::kCalculation;
    const platform::Event event = os.WaitEvent();
    if (event.kind == platform::EventKind::KeyDown && event.key == platform::vk::kF1) {
      ShowHelpTopic(dialog.HelpTopic);
    }
    if (event.kind == platform::EventKind::Repaint) {
      DrawMainScreen();
      DrawTipSet();
      DrawNote(note);
    }
    std::string calc_key;
    if (event.message() == platform::kMsgKeyUp && event.key != 0) {
      calc_key = std::string(1, static_cast<char>(event.key));
    }
    const int buttons = os.MouseButtons();
    if (calc_key.empty() && buttons == 0) continue;
    if (buttons != 0) {
      const platform::Point mouse = os.MousePosition();
      if (buttons > platform::kLeftButton || mouse.y < kTopRows) break;
      calc_key = ClickedCommand(mouse);
    }
    note = {};
    Dispatch(calc_key);
    FlushInput();
    if (calc_key.empty() || calc_key == "X") break;
  }
  FlushInput();
}

}  // namespace vorlanz
