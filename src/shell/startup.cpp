#include "shell/startup.h"

#include <cstdlib>

#include "board/main_screen.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "output/parameter_file.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shell/main_menu.h"
#include "widgets/alert_box.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/primitives.h"

namespace vorlanz {

namespace {
constexpr const char* kMainTitle = "Vorlanz für die 13er Ergebniswette";
}  // namespace

void StartProgram() {
  platform::Platform& os = platform::Current();
  os.ShowMainWindow(kMainTitle);
  os.SetQuitHandler([] { QuitProgram(); });
  SelectFont(8);
  ResetPool();
  ProcessRandom();  // seeds the draws from the clock
  if (platform::FileExists(kParameterFileName)) LoadParameters();
  BuildMainMenu();
  InitTabRow();
  DrawMainScreen();
  FlushInput();
  DrawMainScreen();
  FlushInput();
}

void MainLoop() {
  platform::Platform& os = platform::Current();
  for (;;) {
    const platform::Event event = os.WaitEvent();
    if (event.kind == platform::EventKind::Command && event.window == platform::kMainWindow) {
      Win_1_MenuEvent(event.command);
    } else if (event.kind == platform::EventKind::KeyDown && event.key == platform::vk::kF1) {
      os.ShowHelp(help::kMenuItems);
    }
  }
}

void RunProgram() {
  StartProgram();
  MainLoop();
}

void ConfirmQuit() {
  if (AlertBox(1, 0, 0, "Programm beenden?", 3, "_JA|_NEIN") == 1) QuitProgram();
}

void QuitProgram() {
  platform::Current().Quit();
  std::abort();  // Quit never comes back; the compiler cannot see that through the interface.
}

}  // namespace vorlanz
