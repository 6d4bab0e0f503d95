#include "platform/headless_document_printer.h"

#include <algorithm>

namespace vorlanz::platform {

PrintOutcome HeadlessDocumentPrinter::Print(const Document& document) {
  if (outcome_ == PrintOutcome::Printed) printed_.push_back(document);
  return outcome_;
}

PaperArea HeadlessDocumentPrinter::PrintableArea(const PrintFont& font, double page_width_mm,
                                                 double page_height_mm) {
  if (area_) return *area_;
  constexpr double kPointMm = 25.4 / 72;
  const double width = std::max(210.0, page_width_mm);
  const double height = std::max(297.0, page_height_mm);
  return {width, height, 0, 0,
          PrintArea{width, height, 0.6 * font.points * kPointMm, font.points * kPointMm}};
}

}  // namespace vorlanz::platform
