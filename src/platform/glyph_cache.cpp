#include "platform/glyph_cache.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <unordered_map>

namespace vorlanz::platform {
namespace {

// Bold monospace at a pixel size whose advance is exactly one cell.
constexpr int kPixelSize = 13;

class GlyphCache {
 public:
  GlyphCache() : font_("DejaVu Sans Mono"), metrics_(font_) {
    font_.setPixelSize(kPixelSize);
    font_.setWeight(QFont::Bold);
    font_.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font_.setHintingPreference(QFont::PreferFullHinting);
    font_.setFixedPitch(true);
    metrics_ = QFontMetrics(font_);
    raw_font_ = QRawFont::fromFont(font_);
    // Room for the dots of a capital umlaut above, two rows of descender below.
    baseline_ = kCellHeight - 3;
    box_ = MakeBox();
    for (char32_t c = 0; c < 256; ++c) {
      const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
      latin1_[c] = control ? box_ : Render(c);
    }
  }

  const Glyph* latin1() const { return latin1_.data(); }

  const Glyph& Extra(char32_t code_point) {
    auto found = extra_.find(code_point);
    if (found == extra_.end()) {
      found = extra_.emplace(code_point, Render(code_point)).first;
    }
    return found->second;
  }

 private:
  static Glyph MakeBox() {
    Glyph box;
    box.rows[2] = box.rows[10] = 0x7E;
    for (int row = 3; row < 10; ++row) box.rows[row] = 0x42;
    return box;
  }

  Glyph Render(char32_t code_point) const {
    // Only the font's own glyphs: a fallback font's glyph would not fit the cell.
    if (code_point != ' ' && !raw_font_.supportsCharacter(static_cast<uint>(code_point))) {
      return box_;
    }
    QImage image(kCellWidth, kCellHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::TextAntialiasing, false);
      painter.setFont(font_);
      painter.setPen(Qt::black);
      painter.drawText(QPoint(0, baseline_), QString::fromUcs4(&code_point, 1));
    }
    Glyph glyph;
    for (int row = 0; row < kCellHeight; ++row) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
      std::uint8_t bits = 0;
      for (int col = 0; col < kCellWidth; ++col) {
        if (qGray(line[col]) < 128) bits = static_cast<std::uint8_t>(bits | (0x80u >> col));
      }
      glyph.rows[static_cast<std::size_t>(row)] = bits;
    }
    return glyph;
  }

  QFont font_;
  QFontMetrics metrics_;
  QRawFont raw_font_;
  int baseline_ = 0;
  Glyph box_;
  std::array<Glyph, 256> latin1_;
  std::unordered_map<char32_t, Glyph> extra_;
};

// Built on first use and kept for the life of the process: the fonts it
// holds must not be torn down after the application object is gone.
GlyphCache& Cache() {
  static GlyphCache* cache = new GlyphCache;
  return *cache;
}

}  // namespace

const Glyph* Latin1Glyphs() {
  static const Glyph* glyphs = Cache().latin1();
  return glyphs;
}

const Glyph& ExtraGlyph(char32_t code_point) {
  return Cache().Extra(code_point);
}

}  // namespace vorlanz::platform
