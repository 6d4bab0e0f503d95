#include "platform/scaled_text.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <string>
#include <unordered_map>

#include "platform/qt_text.h"
#include "platform/screen_fonts.h"

namespace vorlanz::platform {

namespace {

// Texts kept before the cache starts afresh.
constexpr std::size_t kCacheLimit = 4096;

ScaledText Render(int font_code, std::string_view utf8) {
  const QFont& font = QtScreenFont(font_code);
  const QFontMetrics metrics(font);
  const QString text = Utf8ToQString(utf8);
  ScaledText rendered;
  rendered.advance = metrics.horizontalAdvance(text);
  rendered.height = metrics.height();
  // Glyphs may reach out of the text's box: a margin of a line height round it.
  const int margin = rendered.height;
  QImage image(rendered.advance + 2 * margin, rendered.height + 2 * margin, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(margin, margin + metrics.ascent()), text);
  }
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((row[x] & 0xffffffu) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return rendered;
  rendered.left = left - margin;
  rendered.top = top - margin;
  rendered.mask_width = right - left + 1;
  rendered.mask_height = bottom - top + 1;
  rendered.mask.reserve(static_cast<std::size_t>(rendered.mask_width) * rendered.mask_height);
  for (int y = top; y <= bottom; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = left; x <= right; ++x) rendered.mask.push_back((row[x] & 0xffffffu) != 0 ? 1 : 0);
  }
  return rendered;
}

}  // namespace

const ScaledText& RenderedText(int font_code, std::string_view utf8) {
  static std::unordered_map<std::string, ScaledText> cache;
  std::string key(1, static_cast<char>(font_code));
  key.append(utf8);
  const auto found = cache.find(key);
  if (found != cache.end()) return found->second;
  if (cache.size() >= kCacheLimit) cache.clear();
  return cache.emplace(std::move(key), Render(font_code, utf8)).first->second;
}

}  // namespace vorlanz::platform
