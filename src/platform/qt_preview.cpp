#include "platform/qt_preview.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/qt_printer.h"
#include "platform/qt_text.h"

namespace vorlanz::platform {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;
// Large enough to see each box; the help fits beside the window.
constexpr double kPixelsPerMm = 3.0;
const QColor kPaper(255, 255, 255);
const QColor kMargin(228, 228, 228);  // paper the printer cannot reach
const QColor kGuide(176, 196, 222);   // the slip's boxes, never printed
const QColor kOutside(220, 0, 0);

void Paint(const PreviewPage& page, QPainter& painter, double scale) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QRectF paper(0, 0, page.paper_width_mm * scale, page.paper_height_mm * scale);
  painter.fillRect(paper, kMargin);
  const PreviewRect& area = page.printable;
  painter.fillRect(
      QRectF(area.x_mm * scale, area.y_mm * scale, area.width_mm * scale, area.height_mm * scale),
      kPaper);
  // Boxes and marks stand in the printable area.
  painter.translate(area.x_mm * scale, area.y_mm * scale);
  painter.setPen(QPen(kGuide, 1));
  painter.setBrush(Qt::NoBrush);
  for (const PreviewRect& box : page.boxes) {
    painter.drawRect(
        QRectF(box.x_mm * scale, box.y_mm * scale, box.width_mm * scale, box.height_mm * scale));
  }
  QFont font = PrinterFont(page.font);
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(page.font.points * kMmPerPoint * scale))));
  painter.setFont(font);
  const double ascent = QFontMetricsF(font).ascent();
  const QString mark = Utf8ToQString(page.mark);
  const auto draw = [&](const std::vector<PrintMark>& marks, const QColor& colour) {
    painter.setPen(colour);
    for (const PrintMark& at : marks) {
      painter.drawText(QPointF(at.x_mm * scale, at.y_mm * scale + ascent), mark);
    }
  };
  draw(page.marks, Qt::black);
  draw(page.outside, kOutside);
}

QImage PageImage(const PreviewPage& page, double scale) {
  QImage image(static_cast<int>(std::ceil(page.paper_width_mm * scale)),
               static_cast<int>(std::ceil(page.paper_height_mm * scale)), QImage::Format_RGB32);
  image.fill(kMargin);
  QPainter painter(&image);
  Paint(page, painter, scale);
  return image;
}

class PreviewDialog : public QDialog {
 public:
  PreviewDialog(const PreviewPage& page, QWidget* owner)
      : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    setWindowTitle(Utf8ToQString(page.title));
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap::fromImage(PageImage(page, kPixelsPerMm)));
    auto* view = new QScrollArea;
    view->setWidget(picture);
    view->setBackgroundRole(QPalette::Dark);
    auto* help = new QPushButton(QStringLiteral("&?"));
    help->setFixedWidth(40);
    close_ = new QPushButton(QStringLiteral("&Schließen"));
    auto* close = close_;
    close->setDefault(true);
    connect(help, &QPushButton::clicked, this, [this] { done(kHelp); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addLayout(buttons);
    // As large as the picture, within the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize wanted = picture->sizeHint() + QSize(40, 80);
    resize(std::min(wanted.width(), screen.width() - 40),
           std::min(wanted.height(), screen.height() - 60));
    setWindowModality(Qt::WindowModal);
  }

  static constexpr int kHelp = 2;

 protected:
  // Shown again after its help, the preview takes the keys back from the
  // help window, which stays open beside it.
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    QTimer::singleShot(200, this, [this] {
      activateWindow();
      raise();
      close_->setFocus();
    });
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_F1) {
      done(kHelp);
      return;
    }
    QDialog::keyPressEvent(event);
  }

 private:
  QPushButton* close_ = nullptr;
};

// The program's main window: the preview stays above it and keeps it from
// input, while the help window beside it stays open to the user.
QWidget* MainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<QMainWindow*>(widget) != nullptr) return widget;
  }
  return QApplication::activeWindow();
}

}  // namespace

PreviewExit QtPreview::Show(const PreviewPage& page) {
  PreviewDialog dialog(page, MainWindow());
  return dialog.exec() == PreviewDialog::kHelp ? PreviewExit::Help : PreviewExit::Closed;
}

void PaintPreview(const PreviewPage& page, Surface& surface) {
  QImage image(reinterpret_cast<uchar*>(surface.bits()), surface.width(), surface.height(),
               QImage::Format_RGB32);
  image.fill(kMargin);
  QPainter painter(&image);
  Paint(page, painter, surface.width() / page.paper_width_mm);
}

}  // namespace vorlanz::platform
