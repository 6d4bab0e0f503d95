#include "platform/qt_document_printer.h"

#include <QApplication>
#include <QFontMetricsF>
#include <vector>

#include "platform/qt_printer.h"
#include "platform/qt_text.h"

namespace vorlanz::platform {

namespace {

constexpr double kA4Width = 210;
constexpr double kA4Height = 297;

MarkPrinter PrinterFor(const std::string& file) {
  // The print dialog, where one is needed, opens over the active window.
  MarkPrinter printer(QApplication::activeWindow());
  if (!file.empty()) printer.PrintIntoFile(QString::fromStdString(file));
  return printer;
}

}  // namespace

PrintOutcome QtDocumentPrinter::Print(const Document& document) {
  MarkPrinter printer = PrinterFor(file_);
  const PrintFont first = document.fonts.empty() ? PrintFont{} : document.fonts.front();
  if (!printer.Begin(document.name, first, kA4Width, kA4Height, document.margin_mm)) {
    return PrintOutcome::Cancelled;
  }
  std::vector<QFont> fonts;
  for (const PrintFont& font : document.fonts) fonts.push_back(PrinterFont(font));
  const bool done = printer.Paint([&](QPainter& painter, double dots_per_mm) {
    for (const DocumentText& text : document.texts) {
      if (text.font < 0 || text.font >= static_cast<int>(fonts.size())) continue;
      const QFont& font = fonts[static_cast<std::size_t>(text.font)];
      painter.setFont(font);
      const double ascent = QFontMetricsF(font, painter.device()).ascent();
      painter.drawText(QPointF(text.x_mm * dots_per_mm, text.y_mm * dots_per_mm + ascent),
                       Utf8ToQString(text.text));
    }
  });
  return done ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PaperArea QtDocumentPrinter::PrintableArea(const PrintFont& font, double page_width_mm,
                                           double page_height_mm) {
  return PrinterFor(file_).Measure(font, page_width_mm, page_height_mm);
}

}  // namespace vorlanz::platform
