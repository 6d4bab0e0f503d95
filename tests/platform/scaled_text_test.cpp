// Texts in the scaled fonts come from a cache of one-bit masks; they must
// look exactly as Qt draws them straight onto the surface.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/screen_fonts.h"
#include "platform/surface.h"

namespace vorlanz::platform {
namespace {

// Qt's own drawing: the box filled with the back colour, the text aliased.
void QtText(Surface& surface, int font_code, int x, int y, const QString& text, Rgb ink, Rgb back) {
  QImage image(reinterpret_cast<uchar*>(surface.bits()), surface.width(), surface.height(),
               static_cast<qsizetype>(surface.width()) * 4, QImage::Format_RGB32);
  QPainter painter(&image);
  const QFontMetrics metrics(QtScreenFont(font_code));
  painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(),
                   QColor(back.r, back.g, back.b));
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(QtScreenFont(font_code));
  painter.setPen(QColor(ink.r, ink.g, ink.b));
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

TEST(ScaledText, LooksAsQtDrawsIt) {
  const Rgb ink{128, 0, 0};
  const Rgb back{192, 192, 192};
  for (const int font : {6, 14, 16, 20, 24}) {
    for (const char* text : {" 100 ", "1200 %   ", "IV.:", "Wettstreit der Tipp-Scheine", "GÜTE"}) {
      SCOPED_TRACE(std::to_string(font) + " " + text);
      for (const int x : {-3, 10, 290}) {
        Surface cached(300, 60);
        Surface direct(300, 60);
        cached.SetFont(font);
        cached.SetTextColour(ink);
        cached.SetBackColour(back);
        cached.Text(x, 7, text);
        cached.Text(x, 7, text);  // the second time from the cache
        QtText(direct, font, x, 7, QString::fromUtf8(text), ink, back);
        ASSERT_TRUE(std::equal(cached.bits(), cached.bits() + 300 * 60, direct.bits()));
      }
    }
  }
}

}  // namespace
}  // namespace vorlanz::platform
