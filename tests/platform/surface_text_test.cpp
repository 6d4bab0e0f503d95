#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "platform/surface.h"
#include "support/screen_test.h"

namespace vorlanz::platform {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrey{192, 192, 192};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

constexpr int kCellHeight = 14;
constexpr std::size_t kCellArea = 8 * kCellHeight;

// The pixels of one 8 x 14 cell as a string, '#' for the colour.
std::string CellPicture(const Surface& surface, int x, int y, Rgb ink) {
  std::string picture;
  for (int row = 0; row < kCellHeight; ++row) {
    for (int col = 0; col < 8; ++col) picture += surface.Pixel(x + col, y + row) == ink ? '#' : '.';
  }
  return picture;
}

// The smallest rectangle holding every pixel that is not the background.
struct Extent {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};
Extent InkExtent(const Surface& surface, Rgb background) {
  Extent extent;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.Pixel(x, y) == background) continue;
      extent.left = std::min(extent.left, x);
      extent.right = std::max(extent.right, x);
      extent.top = std::min(extent.top, y);
      extent.bottom = std::max(extent.bottom, y);
    }
  }
  return extent;
}

// Crisp, whatever the pen mode: only the text and the back colour are drawn.
TEST(ScreenFont, OpaqueTextFillsWholeCellsFromTheTopLeftCorner) {
  Surface surface(100, 40);
  surface.SetPenMode(PenMode::Xor);
  surface.SetTextColour(kBlack);
  surface.SetBackColour(kWhite);
  surface.Text(10, 5, "ab");
  const Extent box = InkExtent(surface, kLightGrey);
  EXPECT_EQ((std::array{box.left, box.top, box.right, box.bottom}),
            (std::array{10, 5, 25, 5 + kCellHeight - 1}));
  std::set<std::uint32_t> colours(surface.bits(), surface.bits() + 100 * 40);
  EXPECT_EQ(colours.size(), 3u);  // text, back colour and the untouched grey
  EXPECT_NE(CellPicture(surface, 18, 5, kBlack), std::string(kCellArea, '.'));
  EXPECT_EQ(surface.TextWidth("ab"), 16);
}

TEST(ScreenFont, TransparentTextLeavesTheBackgroundAndDrawsTheSameGlyphs) {
  Surface surface(16, 14);
  surface.FillRect(0, 0, 15, 13, kRed);
  surface.SetOpaque(false);
  surface.SetTextColour(kBlack);
  surface.SetBackColour(kWhite);
  surface.Text(0, 0, "Mi");
  std::set<std::uint32_t> colours(surface.bits(), surface.bits() + 16 * 14);
  EXPECT_EQ(colours, (std::set<std::uint32_t>{0xff000000u, 0xffff0000u}));
  Surface opaque(16, 14);
  opaque.SetTextColour(kBlack);
  opaque.Text(0, 0, "Mi");
  EXPECT_EQ(CellPicture(surface, 0, 0, kBlack) + CellPicture(surface, 8, 0, kBlack),
            CellPicture(opaque, 0, 0, kBlack) + CellPicture(opaque, 8, 0, kBlack));
}

TEST(ScreenFont, AsciiAndGermanLettersHaveTheirOwnGlyphs) {
  std::vector<std::string> letters = {"Ä", "Ö", "Ü", "ä", "ö", "ü", "ß", "Ø"};
  for (char c = '!'; c <= '~'; ++c) letters.emplace_back(1, c);
  Surface surface(8, 16);
  surface.SetTextColour(kBlack);
  surface.SetBackColour(kWhite);
  std::set<std::string> pictures;
  for (const std::string& letter : letters) {
    surface.Text(0, 0, letter);
    pictures.insert(CellPicture(surface, 0, 0, kBlack));
  }
  EXPECT_EQ(pictures.size(), letters.size());
  EXPECT_EQ(pictures.count(std::string(kCellArea, '.')), 0u);
  surface.Text(0, 0, " ");
  EXPECT_EQ(CellPicture(surface, 0, 0, kBlack), std::string(kCellArea, '.'));
  // A stray Latin-1 byte draws as the letter it stands for.
  surface.Text(0, 0, "Ö");
  const std::string umlaut = CellPicture(surface, 0, 0, kBlack);
  surface.Text(0, 0, "\xD6");
  EXPECT_EQ(CellPicture(surface, 0, 0, kBlack), umlaut);
  // A character the font lacks still takes one cell and shows something.
  Surface wide(24, 16);
  wide.Text(0, 0, "\u4e2d\u2603x");
  EXPECT_EQ(wide.TextWidth("\u4e2d\u2603x"), 24);
  EXPECT_NE(CellPicture(wide, 0, 0, kBlack), std::string(kCellArea, '.'));
}

TEST(ScreenFont, CellsAcrossTheEdgesAreClipped) {
  Surface surface(20, 20);
  surface.SetTextColour(kBlack);
  surface.SetBackColour(kWhite);
  surface.Text(-4, -8, "HH");
  surface.Text(14, 10, "HH");
  // The visible parts of the first text: cells at x -4..11, rows 0..5.
  EXPECT_EQ(InkExtent(surface, kLightGrey).left, 0);
  EXPECT_EQ(surface.Pixel(11, 5) == kLightGrey, false);
  EXPECT_EQ(surface.Pixel(12, 5), kLightGrey);
  EXPECT_EQ(surface.Pixel(11, 6), kLightGrey);
  EXPECT_NE(surface.Pixel(19, 19), kLightGrey);
  EXPECT_EQ(surface.Pixel(13, 19), kLightGrey);
  // Wholly outside: nothing changes.
  const std::uint64_t before = Checksum(surface);
  surface.Text(-100, 5, "abc");
  surface.Text(0, 20, "abc");
  surface.Text(0, -16, "abc");
  surface.Text(20, 0, "abc");
  EXPECT_EQ(Checksum(surface), before);
  // A cell at the edge shows what it shows inside.
  Surface whole(40, 40);
  whole.Text(8, 8, "Q");
  Surface edge(12, 20);
  edge.Text(4, 4, "Q");  // cell x 4..11: touches the right edge
  EXPECT_EQ(CellPicture(edge, 4, 4, kBlack), CellPicture(whole, 8, 8, kBlack));
}

TEST(OtherFonts, HaveTheirSizesAndDrawInsideTheirBox) {
  struct Expected {
    int code;
    int min_height, max_height;
  };
  for (const Expected font : {Expected{6, 7, 12}, Expected{14, 9, 16}, Expected{16, 9, 16},
                              Expected{20, 15, 26}, Expected{24, 35, 60}}) {
    SCOPED_TRACE(font.code);
    Surface surface(500, 80);
    surface.SetFont(font.code);
    surface.SetTextColour(kBlack);
    surface.SetOpaque(false);
    const int width = surface.TextWidth("Hg 10 Pkte");
    EXPECT_GT(width, 10);
    surface.Text(20, 10, "Hg 10 Pkte");
    const Extent ink = InkExtent(surface, kLightGrey);
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + width);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom - ink.top + 1, font.max_height);
    EXPECT_GE(ink.bottom - ink.top + 1, font.min_height);
    // Crisp: only the text colour besides the background.
    std::set<std::uint32_t> colours(surface.bits(), surface.bits() + 500 * 80);
    EXPECT_EQ(colours.size(), 2u);
  }
}

TEST(OtherFonts, OpaqueFillsTheTextBoxWithTheBackColour) {
  Surface surface(300, 80);
  surface.SetFont(20);
  surface.SetBackColour(kWhite);
  surface.Text(5, 5, "Wettstreit");
  const Extent box = InkExtent(surface, kLightGrey);
  EXPECT_EQ(box.left, 5);
  EXPECT_EQ(box.top, 5);
  EXPECT_EQ(box.right, 5 + surface.TextWidth("Wettstreit") - 1);
  EXPECT_EQ(surface.Pixel(5, 5), kWhite);
  // The Courier code is much narrower than its height.
  surface.SetFont(24);
  EXPECT_LT(surface.TextWidth("0000"), 4 * 30);
  // Unknown codes fall back to the system font.
  surface.SetFont(16);
  const int system = surface.TextWidth("Menupunkte");
  surface.SetFont(3);
  EXPECT_EQ(surface.TextWidth("Menupunkte"), system);
}

}  // namespace
}  // namespace vorlanz::platform
