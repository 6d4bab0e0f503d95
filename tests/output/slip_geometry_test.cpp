#include "output/logic/slip_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "output/logic/federal_states.h"

namespace vorlanz {
namespace {

// The box of each outcome code on every slip, as a first start has it.
constexpr SlipColumns kColumns{2, 1, 3, 0};

constexpr int kMarksPerSet = kRowCount * kMatchCount;

// Tip rows with every code `code`.
RowTable Filled(Byte code) {
  RowTable tips{};
  for (auto& match : tips) match.fill(code);
  return tips;
}

// The mark of tip field t (0..11) and match m (1..13) when every code is set.
SlipMark FieldMark(const std::vector<SlipMark>& marks, int t, int m) {
  return marks.at(static_cast<std::size_t>(t * kMatchCount + m - 1));
}

void ExpectAt(const SlipMark& mark, double x, double y) {
  EXPECT_NEAR(mark.x, x, 1e-4);
  EXPECT_NEAR(mark.y, y, 1e-4);
}

TEST(SlipGeometry, NordrheinWestfalenWorkedExample) {
  RowTable tips = Filled(3);  // no marks but the ones set below
  tips[1][1] = kDraw;
  tips[13][3] = kAwayWin;
  const auto marks = SlipMarks(tips, kColumns, {7, 126, 126, false, false});
  ASSERT_EQ(marks.size(), 4u);
  ExpectAt(marks[0], 14.5, 18.0);
  ExpectAt(marks[1], 46.5, 72.0);
  ExpectAt(marks[2], 66.5, 94.0);            // Super 6 NEIN, column 16
  ExpectAt(marks[3], 6.5 + 21 * 4.0, 94.0);  // Spiel 77 NEIN, column 22
}

TEST(SlipGeometry, HessenAddsItsGroupGap) {
  RowTable tips = Filled(3);
  tips[1][4] = kHomeWin;  // field t = 3
  const auto marks = SlipMarks(tips, kColumns, {5, 126, 126, false, true});
  ASSERT_EQ(marks.size(), 3u);
  ExpectAt(marks[0], 63.25, 11.6);
  ExpectAt(marks[1], 28.0 + 12 * 3.6 + 4 * 0.95, 78.0);  // Super 6 NEIN, column 13, k = 3
  ExpectAt(marks[2], 86.75, 78.0);                       // Spiel 77 JA, column 16
}

TEST(SlipGeometry, BerlinLeavesThreeColumnsAfterEachPair) {
  const auto marks = SlipMarks(Filled(kHomeWin), kColumns, {2, 126, 126, true, false});
  ExpectAt(FieldMark(marks, 2, 1), 8.2 + 12 * 3.8, 17.0);  // column 13
  // Field 12's away-win box: column 63, beyond an A4 page's width.
  const auto away = SlipMarks(Filled(kAwayWin), kColumns, {2, 126, 126, true, false});
  ExpectAt(FieldMark(away, 11, 13), 243.8, 17.0 + 12 * 4.7);
  ExpectAt(FieldMark(away, 10, 13), 8.2 + 58 * 3.8, 17.0 + 12 * 4.7);
  EXPECT_GT(PageForMarks(away).width, 243.8);
  EXPECT_EQ(PageForMarks(SlipMarks(Filled(kAwayWin), kColumns, {7, 126, 126, false, false})).width,
            210);
}

// Home-win box columns of fields 0, 1, 2, 3 and 11: the four numberings.
TEST(SlipGeometry, ColumnNumberingsOfEveryState) {
  struct Case {
    std::vector<int> states;
    std::array<int, 5> columns;
  };
  const Case cases[] = {
      {{3, 4, 6, 7, 8, 10}, {2, 5, 9, 12, 40}},
      {{2}, {2, 6, 13, 17, 61}},
      {{0, 1, 9, 11}, {2, 5, 8, 11, 35}},
      {{5}, {1, 4, 7, 10, 34}},
  };
  constexpr std::array kFields = {0, 1, 2, 3, 11};
  for (const Case& c : cases) {
    for (const int state : c.states) {
      SCOPED_TRACE(kFederalStates[static_cast<std::size_t>(state)]);
      const auto home = SlipMarks(Filled(kHomeWin), kColumns, {state, 126, 126, false, false});
      const auto draw = SlipMarks(Filled(kDraw), kColumns, {state, 126, 126, false, false});
      ASSERT_EQ(home.size(), kMarksPerSet + 2u);
      const double pitch = FieldMark(draw, 0, 1).x - FieldMark(home, 0, 1).x;
      const double gap = state == 5 ? 0.95 : 0;
      const double column1 = FieldMark(home, 0, 1).x - (c.columns[0] - 1) * pitch;
      for (std::size_t i = 0; i < kFields.size(); ++i) {
        const int t = kFields[i];
        EXPECT_NEAR(FieldMark(home, t, 1).x, column1 + (c.columns[i] - 1) * pitch + t * gap, 1e-4)
            << "field " << t;
      }
    }
  }
}

// The nine geometries: column 1, match lines, the extra line.
TEST(SlipGeometry, GeometryOfEveryState) {
  struct Case {
    int state;
    double left, top, pitch_x, pitch_y, extra_y;
    int super6_no;
  };
  const Case cases[] = {
      {0, 39.5, 14.5, 3.3, 4.1, 75.5, 25},   {1, 12.8, 19.7, 3.7, 4.0, 88.0, 37},
      {2, 8.2, 17.0, 3.8, 4.7, 88.2, 25},    {3, 25.7, 17.1, 3.65, 4.3, 86.0, 20},
      {4, 25.7, 17.1, 3.65, 4.3, 86.0, 20},  {6, 25.7, 17.1, 3.65, 4.3, 86.0, 20},
      {10, 25.7, 17.1, 3.65, 4.3, 86.0, 20}, {7, 6.5, 18.0, 4.0, 4.5, 94.0, 16},
      {8, 26.3, 12.0, 3.65, 4.3, 86.0, 20},  {9, 22.9, 16.5, 3.6, 3.8, 77.5, 13},
      {11, 22.9, 17.2, 3.6, 3.8, 78.0, 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(kFederalStates[static_cast<std::size_t>(c.state)]);
    const auto marks = SlipMarks(Filled(kDraw), kColumns, {c.state, 126, 126, false, false});
    const int column = c.state == 5 ? 2 : 3;  // box 2 of field 0
    ExpectAt(FieldMark(marks, 0, 1), c.left + (column - 1) * c.pitch_x, c.top);
    ExpectAt(FieldMark(marks, 0, 13), c.left + (column - 1) * c.pitch_x, c.top + 12 * c.pitch_y);
    ExpectAt(marks[kMarksPerSet], c.left + (c.super6_no - 1) * c.pitch_x, c.extra_y);
  }
}

TEST(SlipGeometry, AddOnChoicesPickTheirBoxes) {
  const RowTable none = Filled(3);
  const auto yes = SlipMarks(none, kColumns, {0, 126, 126, true, true});
  const auto no = SlipMarks(none, kColumns, {0, 126, 126, false, false});
  ASSERT_EQ(yes.size(), 2u);
  ExpectAt(yes[0], 39.5 + 19 * 3.3, 75.5);  // Super 6 JA, column 20
  ExpectAt(yes[1], 39.5 + 10 * 3.3, 75.5);  // Spiel 77 JA, column 11
  ExpectAt(no[0], 39.5 + 24 * 3.3, 75.5);
  ExpectAt(no[1], 39.5 + 15 * 3.3, 75.5);
}

TEST(SlipGeometry, CodesOutside0To2PrintNothing) {
  RowTable tips = Filled(kDraw);
  tips[5][7] = 3;
  tips[6][7] = 9;
  tips[7][7] = kNoEntry;
  EXPECT_EQ(SlipMarks(tips, kColumns, {7, 126, 126, false, false}).size(), kMarksPerSet + 2u - 3u);
  EXPECT_TRUE(SlipMarks(tips, kColumns, {12, 126, 126, false, false}).empty());
  EXPECT_TRUE(SlipMarks(tips, kColumns, {-1, 126, 126, false, false}).empty());
}

TEST(SlipGeometry, OffsetsMoveEveryMarkByAMillimetre) {
  for (int state = 0; state < 12; ++state) {
    const auto plain = SlipMarks(Filled(kAwayWin), kColumns, {state, 126, 126, true, false});
    const auto moved = SlipMarks(Filled(kAwayWin), kColumns, {state, 136, 116, true, false});
    ASSERT_EQ(plain.size(), moved.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
      ExpectAt(moved[i], plain[i].x + 1.0, plain[i].y - 1.0);
    }
  }
}

TEST(SlipGeometry, EveryBoxOfTheSlip) {
  const auto boxes = SlipBoxes({5, 126, 126, false, false});
  ASSERT_EQ(boxes.size(), 12u * 13u * 3u + 4u);
  // Field t = 3, match 1, box 1; field 0, match 13, box 3.
  ExpectAt(boxes[(3 * 13 + 0) * 3 + 0], 63.25, 11.6);
  ExpectAt(boxes[12 * 3 + 2], 28.0 + 2 * 3.6, 11.6 + 12 * 3.7);
  // The extra line: Super 6 JA (10), NEIN (13), Spiel 77 JA (16), NEIN (19).
  ExpectAt(boxes[468], 28.0 + 9 * 3.6 + 3 * 0.95, 78.0);
  ExpectAt(boxes[470], 86.75, 78.0);
  ExpectAt(boxes[471], 28.0 + 18 * 3.6 + 6 * 0.95, 78.0);
  EXPECT_TRUE(SlipBoxes({12, 126, 126, false, false}).empty());
  EXPECT_NEAR(BoxPitch(2).x, 3.8, 1e-9);
  EXPECT_NEAR(BoxPitch(2).y, 4.7, 1e-9);
}

TEST(SlipGeometry, MarksOutsideTheArea) {
  const std::vector<SlipMark> marks{{0, 0},     {197.5, 10}, {197.6, 10}, {-0.1, 5},
                                    {5, 290.1}, {5, 290},    {5, -0.1}};
  EXPECT_EQ(MarksOutside(marks, 200, 294, 2.5, 4.0), 4);
}

}  // namespace
}  // namespace vorlanz
