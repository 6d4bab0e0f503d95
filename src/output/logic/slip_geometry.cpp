#include "output/logic/slip_geometry.h"

#include <algorithm>
#include <array>

namespace vorlanz {

namespace {

struct Geometry {
  double SlipLeft;    // x of box column 1
  double SlipTop;     // y of the line of match 1
  double BoxPitchX;   // from one box column to the next
  double RowPitchY;   // from one match line to the next
  double GroupGap;    // added per group of box columns
  double ExtraLineY;  // y of the "Super 6" / "Spiel 77" line
};

// Per state, in the order of the state list.
constexpr std::array<Geometry, 12> kGeometries = {{
    {39.5, 14.5, 3.3, 4.1, 0, 75.5},     // Baden-Württemberg
    {12.8, 19.7, 3.7, 4.0, 0, 88.0},     // Bayern
    {8.2, 17.0, 3.8, 4.7, 0, 88.2},      // Berlin
    {25.7, 17.1, 3.65, 4.3, 0, 86.0},    // Bremen
    {25.7, 17.1, 3.65, 4.3, 0, 86.0},    // Hamburg
    {28.0, 11.6, 3.6, 3.7, 0.95, 78.0},  // Hessen
    {25.7, 17.1, 3.65, 4.3, 0, 86.0},    // Niedersachsen
    {6.5, 18.0, 4.0, 4.5, 0, 94.0},      // Nordrhein-Westfalen
    {26.3, 12.0, 3.65, 4.3, 0, 86.0},    // Rheinland-Pfalz
    {22.9, 16.5, 3.6, 3.8, 0, 77.5},     // Sachsen
    {25.7, 17.1, 3.65, 4.3, 0, 86.0},    // Schleswig-Holstein
    {22.9, 17.2, 3.6, 3.8, 0, 78.0},     // Thüringen
}};

// Box columns on the extra line, per state: "Super 6" JA and NEIN,
// "Spiel 77" JA and NEIN.
constexpr std::array<std::array<int, 4>, 12> kExtraGameColumns = {{
    {20, 25, 11, 16},
    {35, 37, 30, 32},
    {22, 25, 29, 32},
    {18, 20, 26, 28},
    {18, 20, 26, 28},
    {10, 13, 16, 19},
    {18, 20, 26, 28},
    {14, 16, 20, 22},
    {18, 20, 26, 28},
    {10, 13, 19, 22},
    {18, 20, 26, 28},
    {11, 14, 18, 21},
}};

constexpr int kBerlin = 2;
constexpr int kHessen = 5;
constexpr int kBadenWuerttemberg = 0;

// The box column of box b (1..3) in tip field t (0..11). The slips leave one
// free column after each pair of fields, Berlin's three; some have none.
int BoxColumn(int state, int b, int t) {
  switch (state) {
    case kBerlin:
      return b + 4 * t + 3 * (t / 2) + 1;
    case kHessen:
      return b + 3 * t;
    case kBadenWuerttemberg:
    case 1:
    case 9:
    case 11:
      return b + 3 * t + 1;
    default:
      return b + 3 * t + t / 2 + 1;
  }
}

// Groups of box columns before column c on the extra line.
int ExtraLineGroups(int state, int c) {
  const int k = state == kBerlin ? 10 : (state == kHessen ? 3 : 7);
  return c / k;
}

}  // namespace

SlipPage PageForMarks(const std::vector<SlipMark>& marks) {
  // Room for the mark itself and the printer's margin behind it.
  constexpr double kRoomAfterMark = 10;
  SlipPage page;
  for (const SlipMark& mark : marks) {
    page.width = std::max(page.width, mark.x + kRoomAfterMark);
    page.height = std::max(page.height, mark.y + kRoomAfterMark);
  }
  return page;
}

int MarksOutside(const std::vector<SlipMark>& marks, double width, double height, double mark_width,
                 double mark_height) {
  return static_cast<int>(std::count_if(marks.begin(), marks.end(), [&](const SlipMark& mark) {
    return mark.x < 0 || mark.y < 0 || mark.x + mark_width > width || mark.y + mark_height > height;
  }));
}

double AlignmentShift(int alignment_byte) {
  return (alignment_byte - 126) / 10.0;
}

std::vector<SlipMark> SlipMarks(const RowTable& tips, const SlipChoice& choice) {
  const int state = choice.Bundesland;
  if (state < 0 || state >= static_cast<int>(kGeometries.size())) return {};
  const auto index = static_cast<std::size_t>(state);
  Geometry g = kGeometries[index];
  const double dx = AlignmentShift(choice.PrintOffsetA);
  const double dy = AlignmentShift(choice.PrintOffsetB);
  g.SlipLeft += dx;
  g.SlipTop += dy;
  g.ExtraLineY += dy;

  const auto& box_of_code = Pool().SlipColumn;
  std::vector<SlipMark> marks;
  for (int t = 0; t < kRowCount; ++t) {
    const int groups = (state == kBadenWuerttemberg || state == kHessen) ? t : t / 2;
    for (int m = 1; m <= kMatchCount; ++m) {
      const Byte code = tips[static_cast<std::size_t>(m)][static_cast<std::size_t>(t + 1)];
      if (code >= box_of_code.size()) continue;
      const int b = box_of_code[code];
      if (b < 1 || b > kOutcomeCount) continue;
      const int c = BoxColumn(state, b, t);
      marks.push_back({g.SlipLeft + (c - 1) * g.BoxPitchX + groups * g.GroupGap,
                       g.SlipTop + (m - 1) * g.RowPitchY});
    }
  }
  const auto& extra = kExtraGameColumns[index];
  for (const int c :
       {choice.PlaySuper6 ? extra[0] : extra[1], choice.PlaySpiel77 ? extra[2] : extra[3]}) {
    marks.push_back({g.SlipLeft + (c - 1) * g.BoxPitchX + ExtraLineGroups(state, c) * g.GroupGap,
                     g.ExtraLineY});
  }
  return marks;
}

}  // namespace vorlanz
