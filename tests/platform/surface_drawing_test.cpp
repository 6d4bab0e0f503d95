#include <gtest/gtest.h>

#include <functional>

#include "platform/surface.h"
#include "support/screen_test.h"
#include "support/text_probe.h"

namespace vorlanz::platform {
namespace {

using vorlanz::testing::CountColour;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrey{192, 192, 192};
constexpr Rgb kRed{255, 0, 0};

TEST(SurfaceLine, LeavesOutTheEndPointAndStepsAlongTheMajorAxis) {
  Surface surface(50, 50);
  surface.SetPenColour(kBlack);
  surface.Line(5, 5, 15, 5);     // right
  surface.Line(15, 10, 5, 10);   // left
  surface.Line(20, 5, 20, 15);   // down
  surface.Line(25, 15, 25, 5);   // up
  surface.Line(0, 20, 10, 30);   // diagonal
  surface.Line(35, 35, 35, 35);  // a point: nothing
  vorlanz::testing::ExpectPixels(surface, kBlack, {5, 5, 14, 5, 15, 10, 6, 10, 20, 14, 9, 29});
  vorlanz::testing::ExpectPixels(surface, kLightGrey,
                                 {15, 5, 5, 10, 20, 15, 25, 5, 10, 30, 35, 35});
  EXPECT_EQ(CountColour(surface, kBlack, 0, 20, 10, 30), 10);
  // Steep and shallow lines have one pixel per step along the major axis.
  surface.FillRect(0, 0, 49, 49, kLightGrey);
  surface.Line(0, 0, 30, 7);
  EXPECT_EQ(CountColour(surface, kBlack, 0, 0, 49, 49), 30);
  for (int x = 0; x < 30; ++x) EXPECT_EQ(CountColour(surface, kBlack, x, 0, x, 49), 1) << x;
  surface.FillRect(0, 0, 49, 49, kLightGrey);
  surface.Line(40, 45, 33, 2);
  EXPECT_EQ(CountColour(surface, kBlack, 0, 0, 49, 49), 43);
  EXPECT_EQ(surface.Pixel(40, 45), kBlack);
}

TEST(SurfaceLine, IsClippedAtEveryEdge) {
  Surface surface(20, 10);
  surface.SetPenColour(kBlack);
  surface.Line(-50, 3, 70, 3);
  surface.Line(7, -20, 7, 40);
  surface.Line(-5, -5, 30, 30);
  EXPECT_EQ(CountColour(surface, kBlack, 0, 3, 19, 3), 20);
  EXPECT_EQ(CountColour(surface, kBlack, 7, 0, 7, 9), 10);
  EXPECT_EQ(surface.Pixel(0, 0), kBlack);
  EXPECT_EQ(surface.Pixel(9, 9), kBlack);
  // Entirely outside.
  const SavedArea before = surface.SaveArea(0, 0, 19, 9);
  surface.Line(-10, -1, 30, -1);
  surface.Line(25, 0, 25, 9);
  EXPECT_TRUE(SameArea(before, surface.SaveArea(0, 0, 19, 9)));
}

TEST(SurfacePenMode, XorTwiceRestoresAndMergeOrsThePenIn) {
  Surface surface(30, 30);
  const std::uint64_t blank = Checksum(surface);
  surface.SetPenColour(kWhite);
  surface.SetPenMode(PenMode::Xor);
  surface.RectOutline(3, 4, 12, 20);  // each corner once
  surface.RectOutline(25, 25, 25, 25);
  const Rgb dark{63, 63, 63};
  vorlanz::testing::ExpectPixels(surface, dark, {3, 4, 12, 4, 12, 20, 3, 20, 25, 25});
  EXPECT_EQ(CountColour(surface, dark, 0, 0, 29, 29), 2 * 10 + 2 * 17 - 4 + 1);
  surface.RectOutline(3, 4, 12, 20);
  surface.RectOutline(25, 25, 25, 25);
  EXPECT_EQ(Checksum(surface), blank);
  surface.FillRect(0, 0, 9, 9, Rgb{0, 0, 128});
  surface.SetPenColour(Rgb{128, 0, 1});
  surface.SetPenMode(PenMode::Merge);
  surface.Line(0, 0, 5, 0);
  EXPECT_EQ(surface.Pixel(0, 0), (Rgb{128, 0, 129}));
  EXPECT_EQ(surface.Pixel(5, 0), (Rgb{0, 0, 128}));
  surface.SetPenMode(PenMode::Copy);
  surface.Line(0, 0, 5, 0);
  EXPECT_EQ(surface.Pixel(0, 0), (Rgb{128, 0, 1}));
}

TEST(SurfaceRect, OutlineIncludesBothCorners) {
  Surface surface(20, 20);
  surface.SetPenColour(kRed);
  surface.RectOutline(12, 15, 2, 3);  // corners in any order
  EXPECT_EQ(surface.Pixel(2, 3), kRed);
  EXPECT_EQ(surface.Pixel(12, 15), kRed);
  EXPECT_EQ(surface.Pixel(13, 15), kLightGrey);
  EXPECT_EQ(surface.Pixel(12, 16), kLightGrey);
  EXPECT_EQ(surface.Pixel(7, 9), kLightGrey);  // inside stays
  EXPECT_EQ(CountColour(surface, kRed, 0, 0, 19, 19), 2 * 11 + 2 * 13 - 4);
  surface.SetPenColour(kBlack);
  surface.RectOutline(15, 5, 15, 9);  // a line with both ends
  EXPECT_EQ(CountColour(surface, kBlack, 0, 0, 19, 19), 5);
}

TEST(SurfaceRect, FillIsInclusiveAndClipped) {
  Surface surface(20, 10);
  surface.FillRect(3, 2, 5, 4, kRed);
  EXPECT_EQ(CountColour(surface, kRed, 0, 0, 19, 9), 9);
  surface.FillRect(15, -5, 40, 3, kBlack);
  EXPECT_EQ(CountColour(surface, kBlack, 0, 0, 19, 9), 5 * 4);
  surface.FillRect(-10, -10, -1, -1, kWhite);
  EXPECT_EQ(CountColour(surface, kWhite, 0, 0, 19, 9), 0);
}

TEST(SurfaceArea, RestoreBringsBackExactlyTheSavedPixels) {
  Surface surface(40, 30);
  for (int i = 0; i < 30; ++i)
    surface.FillRect(i, i, i, i, Rgb{static_cast<std::uint8_t>(i), 7, 9});
  const SavedArea area = surface.SaveArea(5, 6, 20, 25);
  EXPECT_EQ(area.width, 16);
  EXPECT_EQ(area.height, 20);
  surface.FillRect(0, 0, 39, 29, kBlack);
  surface.RestoreArea(area);
  EXPECT_EQ(surface.Pixel(4, 6), kBlack);
  EXPECT_EQ(surface.Pixel(21, 21), kBlack);
  EXPECT_EQ(surface.Pixel(10, 10), (Rgb{10, 7, 9}));
  EXPECT_TRUE(SameArea(area, surface.SaveArea(5, 6, 20, 25)));
}

TEST(SurfaceArea, PartlyOffTheSurfaceKeepsTheVisiblePart) {
  Surface surface(20, 20);
  surface.FillRect(0, 0, 3, 3, kRed);
  surface.FillRect(16, 16, 19, 19, kWhite);
  const std::uint64_t original = Checksum(surface);
  const SavedArea top_left = surface.SaveArea(-5, -5, 3, 3);
  const SavedArea bottom_right = surface.SaveArea(16, 16, 30, 30);
  EXPECT_EQ(top_left.width, 4);
  EXPECT_EQ(bottom_right.height, 4);
  surface.FillRect(0, 0, 19, 19, kBlack);
  surface.RestoreArea(top_left);
  surface.RestoreArea(bottom_right);
  surface.FillRect(4, 0, 19, 15, kLightGrey);
  surface.FillRect(0, 4, 15, 19, kLightGrey);
  EXPECT_EQ(Checksum(surface), original);
  EXPECT_EQ(surface.SaveArea(30, 30, 40, 40).pixels.size(), 0u);
  // A restore at a place that now lies partly off the surface is clipped.
  SavedArea shifted = top_left;
  shifted.x = 18;
  shifted.y = -2;
  surface.RestoreArea(shifted);
  EXPECT_EQ(surface.Pixel(19, 0), kRed);
  EXPECT_EQ(surface.Pixel(19, 1), kRed);
  EXPECT_EQ(surface.Pixel(19, 2), kLightGrey);
}

TEST(SurfaceState, EveryDrawingCallCountsAsAChangeAndOffPixelsReadBlack) {
  Surface surface(10, 10);
  const std::function<void()> calls[] = {
      [&] { surface.Line(0, 0, 5, 5); }, [&] { surface.RectOutline(0, 0, 5, 5); },
      [&] { surface.FillRect(0, 0, 5, 5, kRed); },
      [&] { surface.RestoreArea(surface.SaveArea(0, 0, 3, 3)); }, [&] { surface.Text(0, 0, "A"); }};
  for (const auto& call : calls) {
    const std::uint64_t before = surface.generation();
    call();
    EXPECT_GT(surface.generation(), before);
  }
  const std::uint64_t before = surface.generation();
  surface.SetPenColour(kRed);
  EXPECT_EQ(surface.generation(), before);
  EXPECT_EQ(surface.Pixel(-1, 2), kBlack);  // off the surface
  EXPECT_EQ(surface.Pixel(2, 10), kBlack);
  EXPECT_EQ(surface.bits()[99], 0xffc0c0c0u);
}

}  // namespace
}  // namespace vorlanz::platform
