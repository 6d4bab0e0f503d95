#include "output/logic/slip_geometry.h"

#include <algorithm>
#include <array>

#include "output/logic/federal_states.h"

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

// The box column of box b (1..3) in tip field t (0..11). The slips leave one
// free column after each pair of fields, Berlin's three; some have none.
int BoxColumn(int state, int b, int t) {
  switch (state) {
    case kBerlin:
      return b + 4 * t + 3 * (t / 2) + 1;
    case kHessen:
      return b + 3 * t;
    case kBadenWuerttemberg:
    case kBayern:
    case kSachsen:
    case kThueringen:
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

SlipChoice ChosenSlip(const PoolData& pool) {
  return {pool.Bundesland, pool.PrintOffsetA, pool.PrintOffsetB, IsSet(pool.PlaySuper6),
          IsSet(pool.PlaySpiel77)};
}

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

bool MarkOutside(const SlipMark& mark, const MarkArea& area) {
  return mark.x < 0 || mark.y < 0 || mark.x + area.mark_width > area.width ||
         mark.y + area.mark_height > area.height;
}

int MarksOutside(const std::vector<SlipMark>& marks, double width, double height, double mark_width,
                 double mark_height) {
  const MarkArea area{width, height, mark_width, mark_height};
  return static_cast<int>(std::count_if(
      marks.begin(), marks.end(), [&](const SlipMark& mark) { return MarkOutside(mark, area); }));
}

double AlignmentShift(int alignment_byte) {
  return (alignment_byte - kNoShiftOffset) / 10.0;
}

namespace {

// Where the marks of one state's slip go: its geometry moved by the
// alignment, the boxes of tip fields and of the extra line.
class SlipLayout {
 public:
  explicit SlipLayout(const SlipChoice& choice)
      : state_(choice.Bundesland), g_(kGeometries[static_cast<std::size_t>(choice.Bundesland)]) {
    const double dy = AlignmentShift(choice.PrintOffsetB);
    g_.SlipLeft += AlignmentShift(choice.PrintOffsetA);
    g_.SlipTop += dy;
    g_.ExtraLineY += dy;
  }

  // Box b (1..3) of match m (1..13) in tip field t (0..11).
  SlipMark FieldBox(int b, int m, int t) const {
    const int groups = (state_ == kBadenWuerttemberg || state_ == kHessen) ? t : t / 2;
    const int c = BoxColumn(state_, b, t);
    return {g_.SlipLeft + (c - 1) * g_.BoxPitchX + groups * g_.GroupGap,
            g_.SlipTop + (m - 1) * g_.RowPitchY};
  }

  // The box of column c on the extra line.
  SlipMark ExtraBox(int c) const {
    return {g_.SlipLeft + (c - 1) * g_.BoxPitchX + ExtraLineGroups(state_, c) * g_.GroupGap,
            g_.ExtraLineY};
  }

  const std::array<int, 4>& ExtraColumns() const {
    return kExtraGameColumns[static_cast<std::size_t>(state_)];
  }

  SlipPitch Pitch() const { return {g_.BoxPitchX, g_.RowPitchY}; }

 private:
  int state_;
  Geometry g_;
};

bool KnownState(int state) {
  return state >= 0 && state < static_cast<int>(kGeometries.size());
}

}  // namespace

std::vector<SlipMark> SlipMarks(const RowTable& tips, const SlipColumns& box_of_code,
                                const SlipChoice& choice) {
  if (!KnownState(choice.Bundesland)) return {};
  const SlipLayout slip(choice);
  std::vector<SlipMark> marks;
  for (int t = 0; t < kRowCount; ++t) {
    for (int m = 1; m <= kMatchCount; ++m) {
      const Byte code = tips[static_cast<std::size_t>(m)][static_cast<std::size_t>(t + 1)];
      if (code >= box_of_code.size()) continue;
      const int b = box_of_code[code];
      if (b < 1 || b > kOutcomeCount) continue;
      marks.push_back(slip.FieldBox(b, m, t));
    }
  }
  const auto& extra = slip.ExtraColumns();
  marks.push_back(slip.ExtraBox(choice.PlaySuper6 ? extra[0] : extra[1]));
  marks.push_back(slip.ExtraBox(choice.PlaySpiel77 ? extra[2] : extra[3]));
  return marks;
}

std::vector<SlipMark> SlipBoxes(const SlipChoice& choice) {
  if (!KnownState(choice.Bundesland)) return {};
  const SlipLayout slip(choice);
  std::vector<SlipMark> boxes;
  for (int t = 0; t < kRowCount; ++t) {
    for (int m = 1; m <= kMatchCount; ++m) {
      for (int b = 1; b <= kOutcomeCount; ++b) boxes.push_back(slip.FieldBox(b, m, t));
    }
  }
  for (const int c : slip.ExtraColumns()) boxes.push_back(slip.ExtraBox(c));
  return boxes;
}

SlipPitch BoxPitch(int state) {
  if (!KnownState(state)) return {};
  return SlipLayout({state}).Pitch();
}

}  // namespace vorlanz
