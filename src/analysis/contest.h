#pragma once

// The contest of the stored tip sets ("Wettstreit der gespeicherten
// Tipp-Scheine"): runs of 100 drawn result series, each scoring every stored
// card, shown live as a table and a bar chart on the main window.

#include "analysis/contest_chart_view.h"
#include "analysis/logic/contest_standings.h"

namespace vorlanz {

// The whole contest: run after run until the user ends it at the wait after
// a run; then the entered GAME series is put back and the main screen drawn.
void RunContest();

// One series of the current run: drawn, scored, and its figures noted for
// the screen.
class ContestBoard {
 public:
  explicit ContestBoard(const ContestField& field) : field_(field) {}

  // The table and the chart at the start of a run.
  void StartRun();
  void PlayContestSeries();
  // Draws what is still waiting; at the end of every run.
  void Flush();

 private:
  void DrawSeries();

  const ContestField& field_;
  ContestChart chart_;
  int series_count_ = 0;
  bool waiting_ = false;
};

// One run of 100 series on the screen: the table and chart set up, the
// series played and shown live, the totals added and the cards ranked.
void PlayContestRun(ContestBoard& board);

}  // namespace vorlanz
