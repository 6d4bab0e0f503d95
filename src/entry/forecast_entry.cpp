#include "entry/forecast_entry.h"

#include "board/tip_picture.h"
#include "entry/entry_window.h"
#include "entry/logic/entry_fields.h"
#include "entry/logic/forecast_edit.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

namespace {

const EntryLayout& ForecastLayout() {
  static const EntryLayout layout{
      .title = "Bitte Vorlanz eingeben",
      .left = 153,
      .panel_height = 236,
      .tab_items = "_Eigene|_Amtliche|",
      .command_base = 450,
      .accelerators = {{'O', 450}, {'E', 454}, {'A', 456}},
      .help_topics = {help::kOwnForecast, help::kOfficialForecast},
      .keys_move_on = false,
      .first_field = WeightFieldId(1, 1),
  };
  return layout;
}

// The weights of match m stand in row m of the panel, one field per outcome.
int WeightFieldX(int column) {
  return 80 + 30 * (column - 1);
}
int WeightFieldY(int match) {
  return -1 + 18 * (match - 1);
}

void CreateWeightFields(platform::WindowId panel, int tab) {
  platform::Platform& os = platform::Current();
  const MatchTable& edit = ForecastEditOfTab(Pool(), tab);
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int o = 1; o <= kOutcomeCount; ++o) {
      os.CreateEditField(panel, WeightFieldId(m, o), WeightFieldX(o), WeightFieldY(m), 28, 18,
                         FormatWeight(edit[m][o]));
      os.LimitFieldToNumber(WeightFieldId(m, o), kMaxWeight);
    }
  }
  for (int m = 1; m <= kMatchCount; ++m) DrawMatchLabel(5, 2 + 18 * (m - 1), m, ".Spiel:");
}

void StoreWeightFields(int tab) {
  const platform::Platform& os = platform::Current();
  MatchTable& edit = ForecastEditOfTab(Pool(), tab);
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int o = 1; o <= kOutcomeCount; ++o)
      edit[m][o] = ParseWeight(os.FieldText(WeightFieldId(m, o)));
  }
}

void ShowWeightFields(int tab) {
  platform::Platform& os = platform::Current();
  const MatchTable& edit = ForecastEditOfTab(Pool(), tab);
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int o = 1; o <= kOutcomeCount; ++o)
      os.SetFieldText(WeightFieldId(m, o), FormatWeight(edit[m][o]));
  }
}

// Runs the entry on the edit copies as they are.
void RunForecastEntry(int kind) {
  PoolData& pool = Pool();
  EntryWindow entry = OpenEntryWindow(ForecastLayout(), kind);
  RunEntryDialog(
      entry, ForecastLayout(),
      {.create = CreateWeightFields, .store = StoreWeightFields, .show = ShowWeightFields});
  const bool confirmed = Dialog().DialogKey == "O";
  if (confirmed) {
    DrawOkPressed(entry);
    CommitForecastEdits(pool, Dialog().CurrentTab);
  }
  CloseEntryWindow(entry);
  if (confirmed) DrawForecastColumns();
}

}  // namespace

void EnterForecast(int kind) {
  LoadForecastEdits(Pool());
  RunForecastEntry(kind);
}

void EnterForecastFrom(const MatchTable& own) {
  PoolData& pool = Pool();
  LoadForecastEdits(pool);
  for (int m = 1; m <= kMatchCount; ++m) pool.OwnForecastEdit[m] = own[m];
  RunForecastEntry(kOwnForecastTab);
}

}  // namespace vorlanz
