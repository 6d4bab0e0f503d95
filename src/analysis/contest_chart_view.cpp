#include "analysis/contest_chart_view.h"

#include <algorithm>

#include "analysis/logic/contest_chart.h"
#include "platform/surface.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kLabelY = 376;
constexpr int kLabelX[] = {343, 414, 489, 564, 639, 714};
constexpr const char* kLabels[] = {"50", "100", "150", "200", "250", "300"};

platform::PenStyle PenOf(chart::GridPen pen) {
  switch (pen) {
    case chart::GridPen::Dashed:
      return platform::PenStyle::Dash;
    case chart::GridPen::Dotted:
      return platform::PenStyle::Dot;
    case chart::GridPen::DashDot:
      return platform::PenStyle::DashDot;
    case chart::GridPen::Solid:
      break;
  }
  return platform::PenStyle::Solid;
}

// A vertical line over the chart, its end point included.
void ChartLine(int x, int bottom, chart::GridPen pen) {
  platform::Surface& surface = CurrentSurface();
  surface.SetPenStyle(PenOf(pen));
  DrawLine(x, chart::kTop, x, bottom + 1, kBlack);
  surface.SetPenStyle(platform::PenStyle::Solid);
}

}  // namespace

void DrawChartDividers() {
  // The parting line runs from under the title bar to the bottom text line.
  constexpr int kDividerTop = 30;
  constexpr int kDividerBottom = 381;
  DrawLine(1, chart::kTop, chart::kRight + 1, chart::kTop, kBlack);
  DrawLine(chart::kLeft, kDividerTop, chart::kLeft, kDividerBottom, kBlack);
}

void DrawChartAxisLabels() {
  SelectFont(16);
  SetColours(kBlack, kLightGrey);
  for (int i = 0; i < 6; ++i) DrawText(kLabelX[i], kLabelY, kLabels[i]);
  SelectFont(8);
}

void DrawChartGrid() {
  FillArea(chart::kLeft, chart::kTop, chart::kRight, chart::kBottom, kLightGrey);
  SetColours(kBlack, kLightGrey);
  CurrentSurface().RectOutline(chart::kLeft, chart::kTop, chart::kRight, chart::kBottom);
  for (int line = 1; line <= chart::kGridLines; ++line) {
    ChartLine(chart::GridLineX(line), chart::kGridBottom, chart::GridLinePen(line));
  }
}

void DrawAverageLine(double average) {
  ChartLine(chart::AverageLineX(average), chart::kBottom, chart::GridPen::Dotted);
}

void DrawPlaceBar(int place, long points, int colour) {
  DrawChartBar(chart::PlaceLine(place), chart::BarEnd(points), colour);
}

void DrawChartBar(int y, int end, int colour) {
  FillArea(chart::kLeft, y, end, y + 9, colour);
  SetColours(kBlack, kLightGrey);
  CurrentSurface().RectOutline(chart::kLeft, y - 1, end, y + 10);
}

void ContestChart::Clear() {
  platform::Surface& surface = CurrentSurface();
  if (!clean_) {
    DrawChartGrid();
    clean_ = surface.SaveArea(chart::kLeft, chart::kTop, chart::kRight, chart::kGridBottom);
    bar_end_.fill(kNone);
    return;
  }
  for (int place = 0; place <= kLastCard; ++place) {
    if (bar_end_[place] == kNone) continue;
    const int y = chart::PlaceLine(place);
    surface.RestoreAreaPart(*clean_, chart::kLeft, y - 1, bar_end_[place], y + 10);
    bar_end_[place] = kNone;
  }
  if (average_x_ != kNone) {
    surface.RestoreAreaPart(*clean_, average_x_, chart::kTop, average_x_, chart::kBottom);
    average_x_ = kNone;
  }
}

void ContestChart::Bar(int place, long points, int colour) {
  DrawPlaceBar(place, points, colour);
  bar_end_[place] = std::max(bar_end_[place], chart::BarEnd(points));
}

void ContestChart::AverageLine(double average) {
  DrawAverageLine(average);
  average_x_ = chart::AverageLineX(average);
}

}  // namespace vorlanz
