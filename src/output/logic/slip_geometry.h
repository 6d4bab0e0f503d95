#pragma once

// Where the marks of a tip set land on the betting slip of a federal state:
// millimetres from the top left corner of the printable area, x to the right
// and y down. Every state's slip has a line of three boxes per match for each
// of the 12 tip fields, and one extra line with the "Super 6" and "Spiel 77"
// boxes.

#include <cstdint>
#include <vector>

#include "model/pool_data.h"
#include "model/settings.h"

namespace vorlanz {

struct SlipMark {
  double x = 0;  // top left corner of the "x"
  double y = 0;
};

struct SlipChoice {
  int Bundesland = kDefaultBundesland;
  Byte PrintOffsetA = kDefaultPrintOffset;
  Byte PrintOffsetB = kDefaultPrintOffset;
  bool PlaySuper6 = false;
  bool PlaySpiel77 = false;
};

// The box (1..3) of each outcome code, as the pool's SlipColumn holds it.
using SlipColumns = decltype(PoolData::SlipColumn);

// The slip the pool's settings choose.
SlipChoice ChosenSlip(const PoolData& pool);

// The marks for the tip rows (TipRows[match][row]): one for every row and
// match whose code has a box in `columns`, in field order, then the
// "Super 6" and the "Spiel 77" mark. A state outside 0..11 gives no marks.
std::vector<SlipMark> SlipMarks(const RowTable& tips, const SlipColumns& columns,
                                const SlipChoice& choice);

// Every box of the slip, each given by the place an "x" in it would take:
// for each tip field, match by match, the home-win, draw and away-win box;
// then the extra line's "Super 6" JA and NEIN and "Spiel 77" JA and NEIN.
// A state outside 0..11 has none.
std::vector<SlipMark> SlipBoxes(const SlipChoice& choice);

// From one box column to the next, and from one match line to the next.
struct SlipPitch {
  double x = 0;
  double y = 0;
};
SlipPitch BoxPitch(int state);

// The page a slip's marks need: at least A4 (210 x 297 mm), wider or longer
// where a mark and some room after it would not fit.
struct SlipPage {
  double width = 210;
  double height = 297;
};
SlipPage PageForMarks(const std::vector<SlipMark>& marks);

// A printable area of width x height and the cell of one mark in it.
struct MarkArea {
  double width = 0;
  double height = 0;
  double mark_width = 0;
  double mark_height = 0;
};
// Whether the mark's cell does not lie wholly inside the area.
bool MarkOutside(const SlipMark& mark, const MarkArea& area);

// How many marks, each a cell of mark_width x mark_height, do not lie wholly
// inside a printable area of width x height.
int MarksOutside(const std::vector<SlipMark>& marks, double width, double height, double mark_width,
                 double mark_height);

// The shift of an alignment byte in millimetres: (byte - kNoShiftOffset) / 10.
double AlignmentShift(int alignment_byte);

}  // namespace vorlanz
