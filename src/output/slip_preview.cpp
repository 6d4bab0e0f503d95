#include "output/slip_preview.h"

#include <string>

#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/logic/federal_states.h"
#include "output/logic/slip_geometry.h"
#include "output/logic/slip_preview.h"
#include "output/slip_print.h"
#include "platform/document_printer.h"
#include "widgets/dialog_input.h"

namespace vorlanz {

platform::PreviewPage SlipPreviewPage() {
  const PoolData& pool = Pool();
  const SlipChoice choice = ChosenSlip(pool);
  const SlipPage needed = PageForMarks(SlipMarks(pool.TipRows, pool.SlipColumn, choice));
  const platform::PaperArea paper =
      platform::CurrentDocumentPrinter().PrintableArea(kSlipMarkFont, needed.width, needed.height);
  const platform::PrintArea& area = paper.printable;
  const SlipPreview preview =
      PreviewOfSlip(pool.TipRows, pool.SlipColumn, choice,
                    {area.width_mm, area.height_mm, area.mark_width_mm, area.mark_height_mm});

  platform::PreviewPage page;
  const auto state = static_cast<std::size_t>(pool.Bundesland);
  page.title =
      "Vorschau: " + std::string(state < kFederalStates.size() ? kFederalStates[state] : "");
  page.paper_width_mm = paper.paper_width_mm;
  page.paper_height_mm = paper.paper_height_mm;
  page.printable = {paper.left_mm, paper.top_mm, area.width_mm, area.height_mm};
  for (const PreviewBox& box : preview.boxes) {
    page.boxes.push_back({box.x, box.y, box.width, box.height});
  }
  page.font = kSlipMarkFont;
  page.mark = kSlipMark;
  page.marks = PrintedMarks(preview.marks);
  page.outside = PrintedMarks(preview.outside);
  return page;
}

void ShowSlipPreview() {
  const platform::PreviewPage page = SlipPreviewPage();
  while (platform::CurrentPreview().Show(page) == platform::PreviewExit::Help) {
    ShowHelpTopic(help::kPreview);
  }
}

}  // namespace vorlanz
