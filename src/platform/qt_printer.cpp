#include "platform/qt_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "platform/qt_text.h"
#include "platform/whole_pdf.h"

namespace vorlanz::platform {

namespace {

constexpr double kMmPerInch = 25.4;

QPageSize PageOfSize(double width_mm, double height_mm) {
  const QPageSize a4(QPageSize::A4);
  const QSizeF a4_mm = a4.size(QPageSize::Millimeter);
  if (width_mm <= a4_mm.width() && height_mm <= a4_mm.height()) return a4;
  return QPageSize(QSizeF(width_mm, height_mm), QPageSize::Millimeter, QString(),
                   QPageSize::ExactMatch);
}

void SetUpPage(QPrinter& printer, double page_width_mm, double page_height_mm, double margin_mm) {
  printer.setFullPage(false);
  printer.setPageSize(PageOfSize(page_width_mm, page_height_mm));
  printer.setPageOrientation(QPageLayout::Portrait);
  // The printer keeps the margins it cannot print in.
  printer.setPageMargins(QMarginsF(margin_mm, margin_mm, margin_mm, margin_mm),
                         QPageLayout::Millimeter);
}

PrintArea AreaOf(QPrinter& printer, const QFont& font) {
  const QRectF printable = printer.pageRect(QPrinter::Millimeter);
  const QFontMetricsF metrics(font, &printer);
  const double mm_per_dot = kMmPerInch / printer.resolution();
  return PrintArea{printable.width(), printable.height(),
                   metrics.horizontalAdvance(QStringLiteral("x")) * mm_per_dot,
                   metrics.height() * mm_per_dot};
}

}  // namespace

QFont PrinterFont(const PrintFont& font) {
  QFont printed(Utf8ToQString(font.family));
  if (font.fixed_pitch) {
    printed.setStyleHint(QFont::TypeWriter);
    printed.setFixedPitch(true);
  }
  printed.setPointSize(font.points);
  printed.setBold(font.bold);
  return printed;
}

std::unique_ptr<QPrinter> MarkPrinter::PrinterWithoutChoice() const {
  if (!file_.isEmpty()) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file_);
    return printer;
  }
  const QPrinterInfo system_default = QPrinterInfo::defaultPrinter();
  if (!system_default.isNull()) {
    return std::make_unique<QPrinter>(system_default, QPrinter::HighResolution);
  }
  return nullptr;
}

std::unique_ptr<QPrinter> MarkPrinter::ChoosePrinter(const QString& document) {
  if (auto printer = PrinterWithoutChoice()) return printer;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // Without a printer the dialog offers a PDF file in the working folder.
  printer->setOutputFileName(QDir::current().absoluteFilePath(document + QStringLiteral(".pdf")));
  QPrintDialog dialog(printer.get(), owner_);
  dialog.setWindowTitle(QStringLiteral("Drucken"));
  // Modal to the program's window alone; the help stays usable.
  dialog.setWindowModality(Qt::WindowModal);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

std::optional<PrintArea> MarkPrinter::Begin(std::string_view document, const PrintFont& font,
                                            double page_width_mm, double page_height_mm,
                                            double margin_mm) {
  const QString name = Utf8ToQString(document);
  printer_ = ChoosePrinter(name);
  if (!printer_) return std::nullopt;
  printer_->setDocName(name);
  SetUpPage(*printer_, page_width_mm, page_height_mm, margin_mm);
  font_ = PrinterFont(font);
  return AreaOf(*printer_, font_);
}

PaperArea MarkPrinter::Measure(const PrintFont& font, double page_width_mm,
                               double page_height_mm) const {
  std::unique_ptr<QPrinter> printer = PrinterWithoutChoice();
  if (!printer) {
    // Only the print dialog could tell: a PDF file's page.
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
  }
  SetUpPage(*printer, page_width_mm, page_height_mm, 0);
  const QRectF paper = printer->paperRect(QPrinter::Millimeter);
  const QRectF printable = printer->pageRect(QPrinter::Millimeter);
  return {paper.width(), paper.height(), printable.left() - paper.left(),
          printable.top() - paper.top(), AreaOf(*printer, PrinterFont(font))};
}

bool MarkPrinter::Paint(const std::function<void(QPainter&, double)>& draw) {
  if (!printer_) return false;
  QPainter painter;
  if (!painter.begin(printer_.get())) {
    printer_.reset();
    return false;
  }
  painter.setPen(Qt::black);
  // The painter's origin is the top left of the printable area.
  draw(painter, printer_->resolution() / kMmPerInch);
  return Finish(painter);
}

bool MarkPrinter::Finish(QPainter& painter) {
  const bool ended = painter.end();
  const std::unique_ptr<QPrinter> printer = std::move(printer_);
  const bool printed = ended && printer->printerState() != QPrinter::Error;
  if (printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty()) {
    return printed;
  }
  const QString file = printer->outputFileName();
  if (printed && IsWholePdf(file.toStdString())) return true;
  if (QFileInfo(file).isFile()) QFile::remove(file);
  return false;
}

bool MarkPrinter::Print(std::string_view text, const std::vector<PrintMark>& marks) {
  return Paint([&](QPainter& painter, double dots_per_mm) {
    painter.setFont(font_);
    const double ascent = QFontMetricsF(font_, painter.device()).ascent();
    const QString mark = Utf8ToQString(text);
    // A mark's position is the top left of its text cell.
    for (const PrintMark& at : marks) {
      painter.drawText(QPointF(at.x_mm * dots_per_mm, at.y_mm * dots_per_mm + ascent), mark);
    }
  });
}

}  // namespace vorlanz::platform
