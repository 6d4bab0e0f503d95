#pragma once

// Printing a page of texts in several fonts and sizes through the printer
// the slip is printed with: the system's default printer, or the one the
// user picks in the print dialog, which offers a PDF file where there is no
// printer. Beside Platform, with its Qt and headless sides.

#include <string>
#include <vector>

#include "platform/print_service.h"

namespace vorlanz::platform {

struct DocumentText {
  double x_mm = 0, y_mm = 0;  // the text's top left corner in the printable area
  int font = 0;               // index into Document::fonts
  std::string text;           // UTF-8
};

// One A4 page. The printable area keeps at least `margin_mm` from each
// edge of the paper.
struct Document {
  std::string name;
  double margin_mm = 15;
  std::vector<PrintFont> fonts;
  std::vector<DocumentText> texts;
};

// The paper of a page, where its printable area lies on it, and the area
// with the cell of one text as BeginPrint gives them.
struct PaperArea {
  double paper_width_mm = 210, paper_height_mm = 297;
  double left_mm = 0, top_mm = 0;
  PrintArea printable;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

class DocumentPrinter {
 public:
  virtual ~DocumentPrinter() = default;
  virtual PrintOutcome Print(const Document& document) = 0;
  // The paper and its printable area the printer a print would use now
  // gives a page of at least that size, and the cell of one text in the
  // font; asks nothing (where only the print dialog could tell, a PDF file's
  // whole page).
  virtual PaperArea PrintableArea(const PrintFont& font, double page_width_mm,
                                  double page_height_mm) = 0;
};

// The printer the program uses; installed once by main() or a test.
DocumentPrinter& CurrentDocumentPrinter();
void InstallDocumentPrinter(DocumentPrinter* printer);

}  // namespace vorlanz::platform
