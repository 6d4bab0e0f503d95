// The slip preview: the boxes and marks it is given, the way through the
// print dialog, and the picture the Qt window draws for Berlin and Hessen.

#include "output/slip_preview.h"

#include <gtest/gtest.h>

#include <string>

#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/logic/slip_preview.h"
#include "output/slip_print_dialog.h"
#include "platform/headless_document_printer.h"
#include "platform/headless_preview.h"
#include "platform/qt_preview.h"
#include "support/screen_test.h"

namespace vorlanz {
namespace {

// The box of each outcome code on every slip, as a first start has it.
constexpr SlipColumns kColumns{2, 1, 3, 0};

RowTable Filled(Byte code) {
  RowTable tips{};
  for (auto& match : tips) match.fill(code);
  return tips;
}

TEST(SlipPreviewLayout, BoxesSurroundTheirMarks) {
  RowTable tips = Filled(3);
  tips[1][1] = kDraw;  // Nordrhein-Westfalen: column 3, (14.5, 18.0)
  const MarkArea area{200, 290, 2.5, 4.0};
  const SlipPreview preview = PreviewOfSlip(tips, kColumns, {7, 126, 126, false, false}, area);
  ASSERT_EQ(preview.boxes.size(), 12u * 13u * 3u + 4u);
  ASSERT_EQ(preview.marks.size(), 3u);
  EXPECT_TRUE(preview.outside.empty());
  // Box 2 of field 0, match 1: 0.8 of the pitches 4.0 x 4.5, centred on
  // (14.5 + 1.25, 18.0 + 0.55 * 4.0).
  const PreviewBox& box = preview.boxes[1];
  EXPECT_NEAR(box.x, 14.15, 1e-6);
  EXPECT_NEAR(box.y, 18.4, 1e-6);
  EXPECT_NEAR(box.width, 3.2, 1e-6);
  EXPECT_NEAR(box.height, 3.6, 1e-6);
  // The last four are the extra line's: Super 6 JA at column 14.
  EXPECT_NEAR(preview.boxes[12 * 13 * 3].x + 1.6 - 1.25, 6.5 + 13 * 4.0, 1e-6);
  EXPECT_NEAR(preview.boxes.back().y, 94.0 + 2.2 - 1.8, 1e-6);
}

TEST(SlipPreviewLayout, MarksOutsideTheAreaGoApart) {
  // Hessen's field 11 (t = 11), away win: column 36 + 11 gaps, x = 165.45.
  RowTable tips = Filled(3);
  tips[1][12] = kAwayWin;
  tips[1][1] = kHomeWin;  // x = 28.0
  const SlipPreview preview =
      PreviewOfSlip(tips, kColumns, {5, 126, 126, false, false}, MarkArea{165, 290, 2.5, 4.0});
  ASSERT_EQ(preview.outside.size(), 1u);
  EXPECT_NEAR(preview.outside[0].x, 28.0 + 35 * 3.6 + 11 * 0.95, 1e-6);
  EXPECT_EQ(preview.marks.size(), 3u);  // the home win and both add-on marks
}

class SlipPreviewDialogTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    platform::InstallPreview(&preview);
    platform::InstallDocumentPrinter(&printer);
    PoolData& pool = Pool();
    for (auto& match : pool.CardTips[3]) match.fill(kDraw);
    pool.CardOccupied[3] = kTrue;
  }
  void TearDown() override {
    platform::InstallPreview(nullptr);
    platform::InstallDocumentPrinter(nullptr);
    ScreenTest::TearDown();
  }
  platform::HeadlessPreview preview;
  platform::HeadlessDocumentPrinter printer;
};

TEST_F(SlipPreviewDialogTest, ShowsTheChosenStateAndComesBackToTheDialog) {
  using namespace slip_dialog;
  bool dialog_hidden = false;
  preview.Answer(platform::PreviewExit::Help,
                 [&] { dialog_hidden = !os.dialogs().back().visible; });
  preview.Answer(platform::PreviewExit::Closed);
  os.Key('3').Key('O').PickListItem(kStateList, 5).Command(kSuper6Yes).Command(kPreview);
  os.Then([&] {
    EXPECT_TRUE(os.dialogs().back().visible);
    EXPECT_TRUE(os.dialogs().back().open);
  });
  os.Command(kCancel);
  ShowSlipPrintDialog();

  EXPECT_TRUE(dialog_hidden);
  ASSERT_EQ(preview.shown().size(), 2u);  // again after its help
  EXPECT_EQ(os.help_requests(), std::vector<std::string>{std::string(help::kPreview)});
  const platform::PreviewPage& page = preview.shown()[0];
  EXPECT_EQ(page.title, "Vorschau: Hessen");
  EXPECT_EQ(Pool().Bundesland, 5);
  // Hessen, all draws: box 2 of field 0 at column 2; Super 6 JA at column 10.
  ASSERT_EQ(page.marks.size(), 12u * 13u + 2u);
  EXPECT_NEAR(page.marks[0].x_mm, 28.0 + 3.6, 1e-6);
  EXPECT_NEAR(page.marks[12 * 13].x_mm, 28.0 + 9 * 3.6 + 3 * 0.95, 1e-6);
  EXPECT_EQ(page.boxes.size(), 12u * 13u * 3u + 4u);
  EXPECT_TRUE(os.printed_pages().empty());
}

// The Qt window's picture, for the two states whose slips differ most: the
// paper at 4 pixels per millimetre, the printable area 5 mm in from the
// left and 190 mm wide, so Berlin's last fields fall outside.
class SlipPreviewPictureTest : public SlipPreviewDialogTest {
 protected:
  static constexpr double kScale = 4;
  static constexpr double kLeft = 5;
  platform::PreviewPage Page(int state) {
    Pool().Bundesland = static_cast<std::int16_t>(state);
    Pool().TipRows = Filled(kHomeWin);
    printer.AnswerArea({260, 297, kLeft, 0, {190, 297, 2.54, 4.23}});
    return SlipPreviewPage();
  }
  static platform::Rgb At(const platform::Surface& s, double x_mm, double y_mm) {
    return s.Pixel(static_cast<int>((kLeft + x_mm) * kScale), static_cast<int>(y_mm * kScale));
  }
  // Whether a pixel within one of the point has the colour test.
  template <typename Test>
  static bool NearHas(const platform::Surface& s, double x_mm, double y_mm, Test test) {
    const int x = static_cast<int>((kLeft + x_mm) * kScale);
    const int y = static_cast<int>(y_mm * kScale);
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        if (test(s.Pixel(x + dx, y + dy))) return true;
      }
    }
    return false;
  }
  // Whether some pixel of the mark's cell has the colour test.
  template <typename Test>
  static bool CellHas(const platform::Surface& s, const platform::PrintMark& mark, Test test) {
    for (double dx = 0; dx < 2.54; dx += 0.25) {
      for (double dy = 0; dy < 4.23; dy += 0.25) {
        if (test(At(s, mark.x_mm + dx, mark.y_mm + dy))) return true;
      }
    }
    return false;
  }
};

bool Black(platform::Rgb c) {
  return c.r < 80 && c.g < 80 && c.b < 80;
}
bool Red(platform::Rgb c) {
  return c.r > 180 && c.g < 60 && c.b < 60;
}
bool Faint(platform::Rgb c) {
  return c.b > c.r + 20 && c.r > 120;
}

TEST_F(SlipPreviewPictureTest, BerlinAndHessen) {
  struct Case {
    int state;
    const char* name;
    std::size_t outside;
  };
  // Berlin's home-win box of field 9 is column 50, at 8.2 + 49 * 3.8 =
  // 194.4 mm, field 8's column 46 at 179.2 mm: fields 9 to 11 fall outside.
  for (const Case c : {Case{2, "preview_berlin", 39}, Case{5, "preview_hessen", 0}}) {
    SCOPED_TRACE(c.name);
    const platform::PreviewPage page = Page(c.state);
    ASSERT_EQ(page.outside.size(), c.outside);
    platform::Surface surface(static_cast<int>(260 * kScale), static_cast<int>(130 * kScale));
    platform::PaintPreview(page, surface);
    surface.SavePng(std::string(c.name) + ".png");

    // The unprintable strip on the left is grey, the area white.
    EXPECT_EQ(surface.Pixel(2, 200), (platform::Rgb{228, 228, 228}));
    EXPECT_EQ(At(surface, 1, 5), (platform::Rgb{255, 255, 255}));
    for (const platform::PrintMark& mark : page.marks) {
      ASSERT_TRUE(CellHas(surface, mark, Black)) << mark.x_mm << " " << mark.y_mm;
    }
    for (const platform::PrintMark& mark : page.outside) {
      ASSERT_TRUE(CellHas(surface, mark, Red)) << mark.x_mm << " " << mark.y_mm;
      ASSERT_FALSE(CellHas(surface, mark, Black));
    }
    // An empty box (draw, field 0, match 1) shows its faint outline and no x.
    const platform::PreviewRect& draw_box = page.boxes[1];
    EXPECT_TRUE(NearHas(surface, draw_box.x_mm + draw_box.width_mm / 2, draw_box.y_mm, Faint));
    EXPECT_TRUE(NearHas(surface, draw_box.x_mm, draw_box.y_mm + draw_box.height_mm / 2, Faint));
    EXPECT_FALSE(NearHas(surface, draw_box.x_mm + draw_box.width_mm / 2,
                         draw_box.y_mm + draw_box.height_mm / 2, Faint));
    EXPECT_FALSE(CellHas(surface, {page.boxes[1].x_mm + 0.3, page.boxes[1].y_mm - 0.4}, Black));
  }
}

}  // namespace
}  // namespace vorlanz
