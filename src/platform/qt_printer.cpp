#include "platform/qt_printer.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace vorlanz::platform {

namespace {

constexpr double kMmPerInch = 25.4;

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QPageSize PageOfSize(double width_mm, double height_mm) {
  const QPageSize a4(QPageSize::A4);
  const QSizeF a4_mm = a4.size(QPageSize::Millimeter);
  if (width_mm <= a4_mm.width() && height_mm <= a4_mm.height()) return a4;
  return QPageSize(QSizeF(width_mm, height_mm), QPageSize::Millimeter, QString(),
                   QPageSize::ExactMatch);
}

}  // namespace

std::unique_ptr<QPrinter> MarkPrinter::ChoosePrinter(const QString& document) {
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
                                            double page_width_mm, double page_height_mm) {
  const QString name = ToQString(document);
  printer_ = ChoosePrinter(name);
  if (!printer_) return std::nullopt;
  printer_->setDocName(name);
  printer_->setFullPage(false);
  printer_->setPageSize(PageOfSize(page_width_mm, page_height_mm));
  printer_->setPageOrientation(QPageLayout::Portrait);
  // The printer keeps the margins it cannot print in.
  printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

  font_ = QFont(ToQString(font.family));
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
  font_.setPointSize(font.points);
  font_.setBold(font.bold);

  const QRectF printable = printer_->pageRect(QPrinter::Millimeter);
  const QFontMetricsF metrics(font_, printer_.get());
  const double mm_per_dot = kMmPerInch / printer_->resolution();
  return PrintArea{printable.width(), printable.height(),
                   metrics.horizontalAdvance(QStringLiteral("x")) * mm_per_dot,
                   metrics.height() * mm_per_dot};
}

bool MarkPrinter::Print(std::string_view text, const std::vector<PrintMark>& marks) {
  if (!printer_) return false;
  QPainter painter;
  if (!painter.begin(printer_.get())) {
    printer_.reset();
    return false;
  }
  painter.setFont(font_);
  painter.setPen(Qt::black);
  const double dots_per_mm = printer_->resolution() / kMmPerInch;
  const double ascent = QFontMetricsF(font_, printer_.get()).ascent();
  const QString mark = ToQString(text);
  // The painter's origin is the top left of the printable area; a mark's
  // position is the top left of its text cell.
  for (const PrintMark& at : marks) {
    painter.drawText(QPointF(at.x_mm * dots_per_mm, at.y_mm * dots_per_mm + ascent), mark);
  }
  const bool done = painter.end();
  printer_.reset();
  return done;
}

}  // namespace vorlanz::platform
