#include "analysis/contest.h"

#include <cstdio>
#include <string>

#include "analysis/contest_chart_view.h"
#include "analysis/logic/contest_chart.h"
#include "analysis/series_draw.h"
#include "board/main_screen.h"
#include "model/help_topics.h"
#include "model/poll_clock.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "model/row_figures.h"
#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kHeaderY = 40;
constexpr int kSeriesCountX = 334;
constexpr int kAverageX = 552;
constexpr int kCardX = 9;
constexpr int kRunFiguresX = 25;
constexpr int kTotalX = 175;
constexpr int kSeriesX = 252;
// Pointer right of this keeps the runs coming.
constexpr int kRightEdge = 675;

int SeriesLine(int match) {
  return 48 + 19 * match;
}

void CardColours(int card) {
  SetColours(Pool().CardColour[card], kLightGrey);
}

void DrawAverage() {
  char text[32];
  std::snprintf(text, sizeof text, "%6.2f", static_cast<double>(Pool().ContestAverage));
  SetColours(kBlack, kLightGrey);
  DrawText(kAverageX, kHeaderY, std::string("Ø: ") + text);
}

void DrawTotal(int place) {
  const PoolData& pool = Pool();
  const int card = pool.ContestOrder[place];
  CardColours(card);
  DrawText(kTotalX, chart::PlaceLine(place), Cells(pool.ContestTotal[card], 7));
}

void DrawTitle() {
  SelectFont(16);
  SetColours(kBlack, kLightGrey);
  DrawText(152, 10, "Wettstreit der gespeicherten Tipp-Scheine");
  DrawChartAxisLabels();
}

enum class AfterRun { NextRun, End };

// The wait after a run. The X key, F1, the right button and closing the
// window end the contest; any other released key and a left click on the
// table start the next run, a left click at the bottom right after the help
// "Wettstreit"; with the pointer right of the chart's labels the runs keep
// coming.
AfterRun WaitAfterRun() {
  platform::Platform& os = platform::Current();
  for (;;) {
    const platform::Event event = os.WaitEvent();
    std::string key;
    if (event.message() == platform::kMsgKeyUp) key = KeyCharacter(event.key);
    if (event.kind == platform::EventKind::KeyDown && event.key == platform::vk::kF1) {
      key = "X";
      ShowHelpTopic(help::kContest);
    }
    const bool closing = event.kind == platform::EventKind::Close;
    const platform::Point mouse = os.MousePosition();
    const int buttons = os.MouseButtons();
    if (mouse.x <= kRightEdge && !closing && buttons == 0 && key.empty()) continue;

    const bool leave = closing || key == "X";
    const bool right = (buttons & platform::kRightButton) != 0;
    if (mouse.x <= kRightEdge && buttons == platform::kLeftButton && mouse.x > HelpCornerX) {
      if (mouse.y <= HelpCornerY) {
        if (!leave && key.empty()) continue;
      } else {
        ShowHelpTopic(help::kContest);
      }
    }
    if (right || leave) return AfterRun::End;
    // One click, one run.
    WaitForMouseRelease();
    return AfterRun::NextRun;
  }
}

}  // namespace

void ContestBoard::StartRun() {
  PoolData& pool = Pool();
  StartContestRun(pool);
  UseScreenText();
  DrawText(1, kHeaderY,
           "Nr. I.II.III. IV.   Punkte     ZR   Reihe:            Runde: " +
               std::to_string(pool.ContestRun));
  DrawChartDividers();
  DrawAverage();
  for (int place = 0; place <= kLastCard; ++place) {
    const int card = pool.ContestOrder[place];
    CardColours(card);
    DrawText(kCardX, chart::PlaceLine(place), std::to_string(card) + "  0  0   0   0    0");
    DrawTotal(place);
  }
  chart_.Clear();
  chart_.AverageLine(pool.ContestAverage);
  series_count_ = 0;
}

void ContestBoard::PlayContestSeries() {
  vorlanz::PlayContestSeries(Pool(), field_, ProcessRandom());
  ++series_count_;
  waiting_ = true;
}

void ContestBoard::Flush() {
  if (waiting_) DrawSeries();
  waiting_ = false;
}

void ContestBoard::DrawSeries() {
  const PoolData& pool = Pool();
  UseScreenText();
  for (int match = 1; match <= kMatchCount; ++match) {
    DrawText(kSeriesX, SeriesLine(match), Cells(pool.GameSeries[match], 1));
  }
  DrawText(236, 312, CountsText(CountSeries(pool.GameSeries), 2));
  DrawText(244, 332, Cells(SeriesDifferences(pool.GameSeries, pool.NormSeries), 2));
  for (int card = 0; card <= kLastCard; ++card) {
    if (!field_.occupied[card]) continue;
    const int place = ContestPlace(pool, card);
    CardColours(card);
    DrawText(kRunFiguresX, chart::PlaceLine(place),
             Cells(pool.ContestHits1[card], 2) + Cells(pool.ContestHits2[card], 3) +
                 Cells(pool.ContestHits3[card], 4) + Cells(pool.ContestHits4[card], 4) +
                 Cells(pool.ContestPoints[card], 5));
    chart_.Bar(place, pool.ContestPoints[card], pool.CardColour[card]);
  }
  SetColours(kBlack, kLightGrey);
  DrawText(kSeriesCountX, kHeaderY, std::to_string(series_count_));
}

void PlayContestRun(ContestBoard& board) {
  platform::Platform& os = platform::Current();
  PoolData& pool = Pool();
  board.StartRun();
  PollClock clock;
  for (int series = 1; series <= kSeriesPerRun; ++series) {
    board.PlayContestSeries();
    if (!clock.Due()) continue;
    board.Flush();
    os.MouseButtons();  // keeps the window live
  }
  board.Flush();
  AddRunPoints(pool);
  // The totals in the old order; the rows are sorted at the next run.
  for (int place = 0; place <= kLastCard; ++place) DrawTotal(place);
  RankAfterRun(pool);
  DrawAverage();
}

void RunContest() {
  const PoolData& pool = Pool();
  LoadDrawWeightsAskingForecast();
  ClearArea(0, 0, 787, 394);
  DrawStatusLine();
  DrawTitle();
  const ContestField field = PackContestField(pool);
  ContestBoard board(field);
  for (;;) {
    PlayContestRun(board);
    if (WaitAfterRun() == AfterRun::End) break;
  }
  RestoreGameSeries();
  DrawMainScreen();
}

}  // namespace vorlanz
