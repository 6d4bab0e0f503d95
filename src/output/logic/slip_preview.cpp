#include "output/logic/slip_preview.h"

namespace vorlanz {

namespace {

// The letter "x" has no ascender: in its text cell it sits low, its middle
// about 55 % of the cell's height down.
constexpr double kGlyphMiddle = 0.55;
// A box leaves a fifth of the pitch free to the next one.
constexpr double kBoxShare = 0.8;

}  // namespace

SlipPreview PreviewOfSlip(const RowTable& tips, const SlipColumns& columns,
                          const SlipChoice& choice, const MarkArea& area) {
  SlipPreview preview;
  const SlipPitch pitch = BoxPitch(choice.Bundesland);
  const double width = kBoxShare * pitch.x;
  const double height = kBoxShare * pitch.y;
  for (const SlipMark& at : SlipBoxes(choice)) {
    const double middle_x = at.x + area.mark_width / 2;
    const double middle_y = at.y + kGlyphMiddle * area.mark_height;
    preview.boxes.push_back({middle_x - width / 2, middle_y - height / 2, width, height});
  }
  for (const SlipMark& mark : SlipMarks(tips, columns, choice)) {
    (MarkOutside(mark, area) ? preview.outside : preview.marks).push_back(mark);
  }
  return preview;
}

}  // namespace vorlanz
