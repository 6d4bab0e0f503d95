#pragma once

// Documents through the slip's printer code (MarkPrinter): the default
// printer, the print dialog's choice, or (for tests) a PDF file.

#include <string>

#include "platform/document_printer.h"

namespace vorlanz::platform {

class QtDocumentPrinter : public DocumentPrinter {
 public:
  // From now on every print goes into this PDF file without a choice.
  void PrintIntoFile(const std::string& path) { file_ = path; }

  PrintOutcome Print(const Document& document) override;
  PaperArea PrintableArea(const PrintFont& font, double page_width_mm,
                          double page_height_mm) override;

 private:
  std::string file_;
};

}  // namespace vorlanz::platform
