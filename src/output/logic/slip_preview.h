#pragma once

// What the slip preview shows: every box of the state's slip, faintly, and
// the marks of the tip set in them, those outside the printable area apart.
// Millimetres from the top left corner of the printable area, as the marks.

#include <vector>

#include "model/pool_data.h"
#include "output/logic/slip_geometry.h"

namespace vorlanz {

struct PreviewBox {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

struct SlipPreview {
  std::vector<PreviewBox> boxes;
  std::vector<SlipMark> marks;    // printed
  std::vector<SlipMark> outside;  // lost outside the printable area
};

// The boxes are drawn around the "x" their marks would print, in the cell
// of area.mark_width x area.mark_height, and fill most of the pitch between
// neighbouring boxes.
SlipPreview PreviewOfSlip(const RowTable& tips, const SlipColumns& columns,
                          const SlipChoice& choice, const MarkArea& area);

}  // namespace vorlanz
