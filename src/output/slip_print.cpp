#include "output/slip_print.h"

#include <string>

#include "model/pool_data.h"
#include "output/logic/slip_geometry.h"
#include "platform/platform.h"
#include "widgets/alert_box.h"

namespace vorlanz {

namespace {

// Asks whether to print although some marks will be missing.
bool PrintDespiteMissingMarks(int outside) {
  const std::string text = std::to_string(outside) +
                           " Kreuze liegen außerhalb|des druckbaren Bereichs!|* * *|"
                           "Trotzdem drucken?";
  return AlertBox(1, 0, 0, text, 2, "_DRUCKEN|_ABBRUCH") == 1;
}

}  // namespace

std::vector<platform::PrintMark> PrintedMarks(const std::vector<SlipMark>& marks) {
  std::vector<platform::PrintMark> at;
  at.reserve(marks.size());
  for (const SlipMark& mark : marks) at.push_back({mark.x, mark.y});
  return at;
}

void PrintSlip() {
  const PoolData& pool = Pool();
  const std::vector<SlipMark> marks = SlipMarks(pool.TipRows, pool.SlipColumn, ChosenSlip(pool));
  const SlipPage page = PageForMarks(marks);
  platform::Platform& os = platform::Current();
  const auto area = os.BeginPrint("Scheindruck", kSlipMarkFont, page.width, page.height);
  if (!area) return;
  const int outside = MarksOutside(marks, area->width_mm, area->height_mm, area->mark_width_mm,
                                   area->mark_height_mm);
  if (outside > 0 && !PrintDespiteMissingMarks(outside)) {
    os.CancelPrint();
    return;
  }
  if (!os.PrintMarks(kSlipMark, PrintedMarks(marks))) {
    AlertBox(1, 0, 0, "Der Schein konnte|nicht gedruckt werden!", 2, "_OK");
  }
}

}  // namespace vorlanz
