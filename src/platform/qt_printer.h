#pragma once

// One page of text marks through a QPrinter: the system's default printer,
// or the one the user picks in the print dialog, or (for tests) a PDF file.

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "platform/document_printer.h"
#include "platform/platform.h"

namespace vorlanz::platform {

// The printer's font for a print font; fixed pitch where it asks for it.
QFont PrinterFont(const PrintFont& font);

class MarkPrinter {
 public:
  explicit MarkPrinter(QWidget* owner) : owner_(owner) {}

  // From now on every print goes into this PDF file without a choice.
  void PrintIntoFile(const QString& path) { file_ = path; }

  // The printable area keeps at least margin_mm from each paper edge.
  std::optional<PrintArea> Begin(std::string_view document, const PrintFont& font,
                                 double page_width_mm, double page_height_mm, double margin_mm = 0);
  bool Print(std::string_view text, const std::vector<PrintMark>& marks);
  // Paints the page begun and ends the document: `draw` gets the painter,
  // its origin at the top left of the printable area, and the printer's
  // dots per millimetre. False when the printer failed.
  bool Paint(const std::function<void(QPainter&, double)>& draw);
  // The page a print would get now, asking nothing.
  PaperArea Measure(const PrintFont& font, double page_width_mm, double page_height_mm) const;
  void Cancel() { printer_.reset(); }

 private:
  // The file or the default printer; nothing when only the user can choose.
  std::unique_ptr<QPrinter> PrinterWithoutChoice() const;
  // The printer to use, or nothing when the user cancelled the choice.
  std::unique_ptr<QPrinter> ChoosePrinter(const QString& document);

  QWidget* owner_;
  QString file_;
  std::unique_ptr<QPrinter> printer_;
  QFont font_;
};

}  // namespace vorlanz::platform
