#include "shell/main_menu.h"

#include "analysis/check.h"
#include "analysis/contest.h"
#include "analysis/win_chances_screen.h"
#include "board/main_screen.h"
#include "calc/card_choice.h"
#include "calc/card_store.h"
#include "entry/forecast_entry.h"
#include "entry/odds_entry.h"
#include "entry/series_entry.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/card_export.h"
#include "output/data_file.h"
#include "output/parameter_file.h"
#include "output/slip_print_dialog.h"
#include "platform/platform.h"
#include "shell/calculate_command.h"
#include "shell/calculation_window.h"
#include "shell/info_box.h"
#include "shell/menu_description.h"
#include "shell/optimise_command.h"
#include "shell/startup.h"
#include "shell/tip_list_command.h"
#include "widgets/alert_box.h"
#include "widgets/dialog_input.h"

namespace vorlanz {

namespace {

void ClearCards() {
  if (AlertBox(1, 0, 0, "Alle Tipps (0-9) löschen?", 3, "_JA|_NEIN") != 1) return;
  for (Flag& occupied : Pool().CardOccupied) occupied = kFalse;
}

void ShowCardCommand() {
  if (ChooseAndOpenCard()) CalculationWindow();
}

// --- Analyse ---------------------------------------------------------------

void ContestCommand() {
  if (IsSet(Pool().CardOccupied[0])) RunContest();
}

// The check's results stay on the screen until a mouse button is pressed.
void CheckCommand() {
  const PoolData& pool = Pool();
  if (IsSet(pool.OwnForecastReady) && IsSet(pool.NormReady) && IsSet(pool.GameReady)) {
    CheckCalculation();
  }
  FlushInput();
  platform::Platform& os = platform::Current();
  while (os.MouseButtons() == 0) os.WaitEvent();
}

void PrintCommand() {
  PoolData& pool = Pool();
  pool.CardPrompt = kPrintCardPrompt;
  ChooseCard();
  if (!IsSet(pool.CardOccupied[pool.ChosenCard])) return;
  ShowSlipPrintDialog();
}

void ChooseState(int id) {
  Pool().Bundesland = static_cast<std::int16_t>(id - command::kFirstState);
  MarkBundesland();
  SaveParameters();
}

void RunCommand(int id) {
  if (id >= command::kFirstState && id <= command::kLastState) {
    ChooseState(id);
    return;
  }
  switch (id) {
    case command::kNorm:
      EnterSeries(kNormTab);
      break;
    case command::kGame:
      EnterSeries(kGameTab);
      break;
    case command::kOwnForecast:
      EnterForecast(kOwnForecastTab);
      break;
    case command::kOfficialForecast:
      EnterForecast(kOfficialForecastTab);
      break;
    case command::kOddsForecast:
      EnterForecastFromOdds();
      break;
    case command::kLoad:
      LoadData();
      break;
    case command::kSave:
      SaveData();
      break;
    case command::kCalculate:
      CalculateCommand();
      break;
    case command::kShow:
      ShowCardCommand();
      break;
    case command::kClearCards:
      ClearCards();
      break;
    case command::kContest:
      ContestCommand();
      break;
    case command::kCheck:
      CheckCommand();
      break;
    case command::kPrint:
      PrintCommand();
      break;
    case command::kTipList:
      TipListCommand();
      break;
    case command::kExport:
      ExportCards();
      break;
    case command::kWinChances:
      ShowWinChances();
      break;
    case command::kOptimise:
      OptimiseCommand();
      break;
    case command::kGuide:
      platform::Current().ShowHelp(help::kMenuItems);
      break;
    case command::kAbout:
      ShowInfoBox();
      ShowHelpTopic(help::kInfo);
      break;
    case command::kQuit:
      ConfirmQuit();
      break;
    default:
      break;
  }
}

}  // namespace

void BuildMainMenu() {
  platform::Current().SetMenuBar(BuildMenuBar(MainMenuDescription()));
  MarkBundesland();
}

void Win_1_MenuEvent(int id) {
  platform::Platform& os = platform::Current();
  os.EnableMenuBar(false);
  os.ForgetPressedKeys();
  RunCommand(id);
  FlushInput();
  DrawMainScreen();
  os.EnableMenuBar(true);
}

}  // namespace vorlanz
