#include "shell/tip_list_command.h"

#include <ctime>

#include "analysis/logic/draw_weights.h"
#include "analysis/logic/win_chances.h"
#include "analysis/series_draw.h"
#include "calc/card_choice.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/tip_list_print.h"
#include "widgets/alert_box.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

namespace {

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

TipListContent ContentOfCard(const PoolData& pool, int card) {
  TipListContent content;
  content.card = card;
  content.date = Today();
  content.official = DrawsFromOfficialForecast(pool);
  content.forecast = content.official ? pool.OfficialForecast : pool.OwnForecast;
  content.rows = pool.CardTips[card];
  content.system_quality = pool.CardQuality[card];
  if (IsSet(pool.NormReady)) content.norm = pool.NormSeries;
  if (IsSet(pool.GameReady)) content.game = pool.GameSeries;
  const WinChances chances =
      ComputeWinChances(pool.CardTips[card], ChancesFromWeights(pool.OutcomeQuota));
  content.best_rank_at_least = chances.best_rank_at_least;
  content.expected_rows = chances.expected_rows;
  content.expected_points = chances.expected_points;
  content.expected_points_per_run = chances.expected_points_per_run;
  return content;
}

}  // namespace

void TipListCommand() {
  PoolData& pool = Pool();
  pool.CardPrompt = kTipListCardPrompt;
  ChooseCard(help::kTipList);
  FlushInput();
  if (Dialog().DialogKey != "O") return;
  const int card = pool.ChosenCard;
  if (!IsSet(pool.CardOccupied[card])) {
    AlertBox(1, 0, 0, "Diese Karteikarte|ist noch frei!", 2, "_OK");
    return;
  }
  LoadDrawWeightsAskingForecast();
  if (!IsSet(pool.OwnForecastReady) && !IsSet(pool.OfficialForecastReady)) return;
  PrintTipList(ContentOfCard(pool, card));
}

}  // namespace vorlanz
