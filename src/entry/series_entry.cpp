#include "entry/series_entry.h"

#include "board/tip_picture.h"
#include "entry/entry_window.h"
#include "entry/logic/entry_fields.h"
#include "entry/logic/series_edit.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

namespace {

const EntryLayout& SeriesLayout() {
  static const EntryLayout layout{
      .title = "Bitte Reihe eingeben",
      .left = 150,
      .panel_height = 234,
      .tab_items = "_Norm|_Game|",
      .command_base = 420,
      .accelerators = {{'O', 420}, {'A', 422}, {'N', 424}, {'G', 426}},
      .help_topics = {help::kNormSeries, help::kGameSeries},
      .keys_move_on = true,
      .first_field = SeriesFieldId(1),
  };
  return layout;
}

void CreateSeriesFields(platform::WindowId panel, int tab) {
  platform::Platform& os = platform::Current();
  const Series& edit = SeriesEditOfTab(Pool(), tab);
  for (int m = 1; m <= kMatchCount; ++m) {
    os.CreateEditField(panel, SeriesFieldId(m), 108, 18 * (m - 1), 18, 18,
                       FormatSeriesEntry(edit[m]));
    os.LimitFieldToNumber(SeriesFieldId(m), kMaxSeriesCode);
  }
  for (int m = 1; m <= kMatchCount; ++m) DrawMatchLabel(20, 2 + 18 * (m - 1), m, ". Spiel:");
}

// A field without a valid outcome code leaves the entry as it was.
void StoreSeriesFields(int tab) {
  const platform::Platform& os = platform::Current();
  Series& edit = SeriesEditOfTab(Pool(), tab);
  for (int m = 1; m <= kMatchCount; ++m) {
    if (const auto code = ParseSeriesEntry(os.FieldText(SeriesFieldId(m)))) edit[m] = *code;
  }
}

void ShowSeriesFields(int tab) {
  platform::Platform& os = platform::Current();
  const Series& edit = SeriesEditOfTab(Pool(), tab);
  for (int m = 1; m <= kMatchCount; ++m)
    os.SetFieldText(SeriesFieldId(m), FormatSeriesEntry(edit[m]));
}

}  // namespace

void EnterSeries(int kind) {
  PoolData& pool = Pool();
  EntryWindow entry = OpenEntryWindow(SeriesLayout(), kind);
  LoadSeriesEdits(pool);
  RunEntryDialog(
      entry, SeriesLayout(),
      {.create = CreateSeriesFields, .store = StoreSeriesFields, .show = ShowSeriesFields});
  if (Dialog().OkFlag) {
    DrawOkPressed(entry);
    CommitSeriesEdits(pool);
  } else {
    DrawCancelPressed(entry);
  }
  CloseEntryWindow(entry);
  FlushInput();
  if (IsSet(pool.NormReady)) DrawNormColumn();
  if (IsSet(pool.GameReady)) DrawGameColumn();
}

}  // namespace vorlanz
