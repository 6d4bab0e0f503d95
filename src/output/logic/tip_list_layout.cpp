#include "output/logic/tip_list_layout.h"

#include <cstdio>

#include "model/figure_text.h"
#include "model/row_figures.h"

namespace vorlanz {

namespace {

constexpr double kTitleY = 0;
constexpr double kAboutY = 10;
constexpr double kHeaderY = 22;
constexpr double kFirstMatchY = 29;
constexpr double kLinePitch = 5.5;
constexpr double kWeightX[] = {0, 12, 20, 28};
constexpr double kNormX = TipRowX(kRowCount) + 13;
constexpr double kGameX = kNormX + 12;
constexpr double kChanceValueX = 58;
constexpr double kRowsLabelX = 80;
constexpr double kRowsValueX = 103;

double MatchY(int match) {
  return kFirstMatchY + kLinePitch * (match - 1);
}

std::string Whole(int value, int width) {
  return FixedText(value, 0, width);
}

class Page {
 public:
  void Add(double x, double y, TipListFont font, std::string text) {
    texts_.push_back({x, y, font, std::move(text)});
  }
  // A number of up to two digits whose last digit stands at x.
  void AddRightAligned(double x, double y, int value) {
    Add(x - kTableCell, y, TipListFont::Table, Whole(value, 2));
  }
  std::vector<TipListText> Take() { return std::move(texts_); }

 private:
  std::vector<TipListText> texts_;
};

void AddTable(Page& page, const TipListContent& content) {
  constexpr auto kTable = TipListFont::Table;
  page.Add(0, kHeaderY, kTable, " #");
  page.Add(kWeightX[1], kHeaderY, kTable, "  G");
  page.Add(kWeightX[2], kHeaderY, kTable, "  U");
  page.Add(kWeightX[3], kHeaderY, kTable, "  V");
  for (int r = 1; r <= kRowCount; ++r) page.AddRightAligned(TipRowX(r), kHeaderY, r);
  if (content.norm) page.Add(kNormX - kTableCell, kHeaderY, kTable, "NORM");
  if (content.game) page.Add(kGameX - kTableCell, kHeaderY, kTable, "GAME");

  for (int m = 1; m <= kMatchCount; ++m) {
    const double y = MatchY(m);
    page.Add(0, y, kTable, Whole(m, 2) + ".");
    for (int o = 1; o <= kOutcomeCount; ++o) {
      page.Add(kWeightX[o], y, kTable, Whole(content.forecast[m][o], 3));
    }
    for (int r = 1; r <= kRowCount; ++r) {
      page.Add(TipRowX(r), y, kTable, Whole(content.rows[m][r], 1));
    }
    if (content.norm) page.Add(kNormX, y, kTable, Whole((*content.norm)[m], 1));
    if (content.game) page.Add(kGameX, y, kTable, Whole((*content.game)[m], 1));
  }
}

// Under the table, one line per figure with its label on the left.
double AddFigureLines(Page& page, const TipListContent& content) {
  double y = MatchY(kMatchCount) + 1.5 * kLinePitch;
  const auto line = [&](const char* label, auto figure) {
    page.Add(0, y, TipListFont::Table, label);
    for (int r = 1; r <= kRowCount; ++r) page.AddRightAligned(TipRowX(r), y, figure(r));
    y += kLinePitch;
  };
  const RowTable& rows = content.rows;
  if (content.norm) {
    line("Fehler NORM", [&](int r) { return ColumnDifferences(rows, r, *content.norm); });
  }
  line("Anzahl 1", [&](int r) { return CountColumn(rows, r).home; });
  line("Anzahl 0", [&](int r) { return CountColumn(rows, r).draw; });
  line("Anzahl 2", [&](int r) { return CountColumn(rows, r).away; });
  line("Güte", [&](int r) { return static_cast<int>(rows[0][r]); });
  if (content.game) {
    line("Fehler GAME", [&](int r) { return ColumnDifferences(rows, r, *content.game); });
  }
  y += kLinePitch / 2;
  page.Add(0, y, TipListFont::Text, "System-Güte: " + std::to_string(content.system_quality));
  return y + 2 * kLinePitch;
}

void AddChances(Page& page, const TipListContent& content, double y) {
  constexpr auto kTable = TipListFont::Table;
  page.Add(0, y, TipListFont::Heading,
           std::string("Gewinnchancen aus der ") + (content.official ? "amtlichen" : "eigenen") +
               " Vorlanz");
  y += 1.5 * kLinePitch;
  page.Add(kChanceValueX - 4 * kTableCell, y, kTable, "beste Reihe");
  page.Add(kRowsLabelX, y, kTable, "Reihen im Mittel");
  y += kLinePitch;
  constexpr const char* kRanks[] = {"Rang I", "mindestens Rang II", "mindestens Rang III",
                                    "mindestens Rang IV"};
  constexpr const char* kExactly[] = {"genau I", "genau II", "genau III", "genau IV"};
  for (int k = 0; k < kPrizeRanks; ++k) {
    const auto i = static_cast<std::size_t>(k);
    page.Add(0, y, kTable, kRanks[i]);
    page.Add(kChanceValueX, y, kTable, PercentText(content.best_rank_at_least[i]) + " %");
    page.Add(kRowsLabelX, y, kTable, kExactly[i]);
    page.Add(kRowsValueX, y, kTable, FixedText(content.expected_rows[i], 5, 7));
    y += kLinePitch;
  }
  y += kLinePitch / 2;
  page.Add(0, y, kTable, "Punkte je Ergebnisreihe");
  page.Add(kChanceValueX, y, kTable, FixedText(content.expected_points, 4, 8));
  y += kLinePitch;
  page.Add(0, y, kTable, "Punkte je Runde (100)");
  page.Add(kChanceValueX, y, kTable, FixedText(content.expected_points_per_run, 2, 8));
}

}  // namespace

std::vector<TipListText> TipListPage(const TipListContent& content) {
  Page page;
  page.Add(0, kTitleY, TipListFont::Title, "Tippliste vom " + content.date);
  page.Add(0, kAboutY, TipListFont::Text,
           "Tipp " + std::to_string(content.card) +
               " · Vorlanz: " + (content.official ? "amtliche" : "eigene"));
  AddTable(page, content);
  AddChances(page, content, AddFigureLines(page, content));
  return page.Take();
}

std::string DateText(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
  return text;
}

}  // namespace vorlanz
