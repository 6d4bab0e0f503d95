#pragma once

// The scripted document printer for tests: it keeps every document printed
// and answers as told.

#include <optional>
#include <vector>

#include "platform/document_printer.h"

namespace vorlanz::platform {

class HeadlessDocumentPrinter : public DocumentPrinter {
 public:
  // What the next prints give; Printed keeps the document.
  void AnswerPrint(PrintOutcome outcome) { outcome_ = outcome; }
  // What PrintableArea gives from now on; unset, the whole paper asked for
  // with a cell of 0.6 x 1 em.
  void AnswerArea(const PaperArea& area) { area_ = area; }
  const std::vector<Document>& printed() const { return printed_; }

  PrintOutcome Print(const Document& document) override;
  PaperArea PrintableArea(const PrintFont& font, double page_width_mm,
                          double page_height_mm) override;

 private:
  PrintOutcome outcome_ = PrintOutcome::Printed;
  std::optional<PaperArea> area_;
  std::vector<Document> printed_;
};

}  // namespace vorlanz::platform
