#include "platform/headless.h"

namespace vorlanz::platform {

// The printer: every page printed is kept for the tests to see.

std::optional<PrintArea> HeadlessPlatform::BeginPrint(std::string_view document,
                                                      const PrintFont& font, double page_width_mm,
                                                      double page_height_mm) {
  ++printer_choices_;
  // Courier's cell at 12 points: 0.6 em wide, one em high.
  constexpr double kPointMm = 25.4 / 72;
  const std::optional<PrintArea> area =
      printer_answer_ ? *printer_answer_
                      : PrintArea{page_width_mm, page_height_mm, 0.6 * font.points * kPointMm,
                                  font.points * kPointMm};
  if (!area) return std::nullopt;
  begun_ = PrintedPage{std::string(document), font, page_width_mm, page_height_mm, {}, {}};
  return area;
}

bool HeadlessPlatform::PrintMarks(std::string_view text, const std::vector<PrintMark>& marks) {
  if (!begun_) throw std::logic_error("PrintMarks: no print begun");
  if (printer_broken_) {
    begun_.reset();
    return false;
  }
  begun_->text = std::string(text);
  begun_->marks = marks;
  printed_.push_back(std::move(*begun_));
  begun_.reset();
  return true;
}

void HeadlessPlatform::CancelPrint() {
  begun_.reset();
}

}  // namespace vorlanz::platform
