#include "output/card_export.h"

#include <string>
#include <vector>

#include "calc/card_choice.h"
#include "model/pool_data.h"
#include "output/file_alert.h"
#include "output/logic/data_file_messages.h"
#include "output/logic/data_file_name.h"
#include "output/logic/tip_export.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "widgets/alert_box.h"
#include "widgets/dialog_input.h"

namespace vorlanz {

namespace {

// The occupied cards the choice names.
std::vector<int> ChosenCards(int choice) {
  const PoolData& pool = Pool();
  if (choice == kAllCards) return OccupiedCards(pool);
  if (IsSet(pool.CardOccupied[choice])) return {choice};
  return {};
}

std::string ProposedName(int choice) {
  return choice == kAllCards ? "Tipps.csv" : "Tipp" + std::to_string(choice) + ".csv";
}

}  // namespace

void ExportCards() {
  PoolData& pool = Pool();
  pool.CardPrompt = kExportCardPrompt;
  const std::optional<int> choice = ChooseCardOrAll();
  FlushInput();
  if (!choice) return;
  const std::vector<int> cards = ChosenCards(*choice);
  if (cards.empty()) return;

  platform::Platform& os = platform::Current();
  const std::string path = os.ChooseFile({platform::FileChoice::Purpose::Save, "Tipps exportieren",
                                          "", "*.csv", ProposedName(*choice)});
  if (path.empty()) return;
  const std::string csv = TipCsv(pool, cards);
  const platform::WriteResult written = platform::WriteFileAtomic(
      platform::PathFromUtf8(path), std::vector<std::uint8_t>(csv.begin(), csv.end()));
  if (!written) {
    ReportFileProblem(path, WriteFaultText(written));
    return;
  }
  platform::CurrentClipboard().SetText(TipRowsText(pool, cards));
  const std::size_t rows = cards.size() * kRowCount;
  AlertBox(1, 0, 0,
           std::to_string(rows) + " Reihen stehen jetzt in|" + ShownFileName(NamePart(path)) +
               "|und in der Zwischenablage.",
           1, "_OK");
}

}  // namespace vorlanz
