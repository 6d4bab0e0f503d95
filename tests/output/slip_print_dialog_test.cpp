#include "output/slip_print_dialog.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/alignment_form.h"
#include "output/parameter_file.h"
#include "support/calculation_trace.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"
#include "widgets/logic/alert_layout.h"

namespace vorlanz {
namespace {

using namespace slip_dialog;
using Record = platform::HeadlessPlatform::DialogRecord;

class SlipPrintDialogTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    // Card 3's rows differ from each other and from the tip set before, which
    // is all away wins; row 1 starts with a home win.
    PoolData& pool = Pool();
    const char* const rows[kRowCount] = {"1021021021021", "0000000000000", "1111111111111",
                                         "1102011020110", "2010201020102", "0011220011220",
                                         "1200120012001", "0101010101010", "2211002211002",
                                         "1012101210121", "0220022002200", "1000000000001"};
    for (int r = 1; r <= kRowCount; ++r) {
      testing::SetRow(pool.CardTips[3], r, rows[r - 1]);
      testing::SetRow(pool.TipRows, r, "2222222222222");
    }
    pool.CardOccupied[3] = kTrue;
  }
  // Chooses card 3 in the card choice.
  void ChooseCardThree() { os.Key('3').Key('O'); }
  // Checks the shown dialog while the script runs.
  void Expect(std::function<void(const Record&)> check) {
    os.Then([this, check] { check(os.dialogs().back()); });
  }
  static std::vector<unsigned char> ParameterFile() {
    std::ifstream in(kParameterFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  testing::TempDir dir;
};

TEST_F(SlipPrintDialogTest, OpensWithTheStoredChoices) {
  Pool().PlaySuper6 = kTrue;
  ChooseCardThree();
  Expect([](const Record& d) {
    EXPECT_EQ(d.layout.title, "SCHEINDRUCK:");
    EXPECT_EQ((std::array{d.layout.x, d.layout.y, d.layout.client_width, d.layout.client_height}),
              (std::array{186, 56, 260, 238}));
    EXPECT_EQ(d.list_items.at(kStateList).size(), 12u);
    EXPECT_EQ(d.list_items.at(kStateList)[7], "Nordrhein-Westfalen");
    EXPECT_EQ(d.selected.at(kStateList), 7);
    EXPECT_FALSE(d.checked.at(kSpiel77Yes));
    EXPECT_TRUE(d.checked.at(kSpiel77No));
    EXPECT_TRUE(d.checked.at(kSuper6Yes));
    EXPECT_FALSE(d.checked.at(kSuper6No));
  });
  os.Command(kCancel);
  ShowSlipPrintDialog();
  EXPECT_EQ(Pool().CardPrompt, kPrintCardPrompt);
  EXPECT_FALSE(os.WindowOpen(os.dialogs().back().window));
}

TEST_F(SlipPrintDialogTest, CancelTakesTheStateWithoutWritingIt) {
  ChooseCardThree();
  os.PickListItem(kStateList, 5).Command(kCancel);
  ShowSlipPrintDialog();
  EXPECT_EQ(Pool().Bundesland, 5);
  EXPECT_TRUE(os.IsChecked(15));
  EXPECT_FALSE(os.IsChecked(17));
  EXPECT_TRUE(os.printed_pages().empty());
  EXPECT_FALSE(std::filesystem::exists(kParameterFileName));
}

TEST_F(SlipPrintDialogTest, CloseBoxChangesNothing) {
  ChooseCardThree();
  os.PickListItem(kStateList, 5).CloseDialog();
  ShowSlipPrintDialog();
  EXPECT_EQ(Pool().Bundesland, 7);
  EXPECT_FALSE(os.IsChecked(15));
  EXPECT_TRUE(os.printed_pages().empty());
}

TEST_F(SlipPrintDialogTest, CancelledCardChoiceOpensNoDialog) {
  os.Key('X');
  ShowSlipPrintDialog();
  EXPECT_TRUE(os.dialogs().empty());
}

// A free card would print a draw in every box: it is told and nothing else
// happens, the tip set included.
TEST_F(SlipPrintDialogTest, AFreeCardIsToldAndPrintsNothing) {
  Pool().TipRows[4][7] = kAwayWin;
  const RowTable tips = Pool().TipRows;
  const AlertLayout alert =
      LayOutAlert(true, 0, 0, "Diese Karteikarte ist noch frei!", "_OK", kMainWidth, kMainHeight);
  os.Key('5').Key('O').Click(alert.button_x[0] + 10, alert.button_y + 10);
  ShowSlipPrintDialog();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_TRUE(os.dialogs().empty());
  EXPECT_TRUE(os.printed_pages().empty());
  EXPECT_EQ(Pool().TipRows, tips);
}

TEST_F(SlipPrintDialogTest, PrintsTheCardWhichBecomesTheTipSet) {
  ChooseCardThree();
  os.Command(kSpiel77Yes).Command(kSuper6No).PickListItem(kStateList, 5).Command(kPrint);
  ShowSlipPrintDialog();
  EXPECT_EQ(Pool().TipRows, Pool().CardTips[3]);
  EXPECT_TRUE(IsSet(Pool().PlaySpiel77));
  EXPECT_EQ(Pool().Bundesland, 5);
  EXPECT_TRUE(os.IsChecked(15));
  ASSERT_EQ(os.printed_pages().size(), 1u);
  const auto& page = os.printed_pages()[0];
  EXPECT_EQ(std::tie(page.font.family, page.font.points, page.font.bold),
            std::make_tuple("Courier", 12, true));
  ASSERT_EQ(page.marks.size(), 12u * 13 + 2);
  EXPECT_NEAR(page.marks[0].x_mm, 28.0, 1e-6);       // Hessen, home win of field 0
  EXPECT_NEAR(page.marks.back().x_mm, 86.75, 1e-6);  // Spiel 77 JA
}

// "&?" and F1 in the dialog, and F1 in the alignment form, open the print
// help; each dialog is still there afterwards with its choices.
TEST_F(SlipPrintDialogTest, HelpAndAlignmentReturnToTheSameDialog) {
  ChooseCardThree();
  os.Command(kSuper6Yes).PickListItem(kStateList, 2).Command(kHelp).HelpKeyInDialog();
  Expect([](const Record& d) {
    EXPECT_TRUE(d.visible);
    EXPECT_TRUE(d.checked.at(kSuper6Yes));
    EXPECT_EQ(d.selected.at(kStateList), 2);
  });
  os.Command(kAlignment).HelpKeyInDialog();
  Expect([](const Record& form) {
    EXPECT_TRUE(form.open);
    EXPECT_EQ(form.layout.title, "Drucker ausrichten");
    EXPECT_EQ(form.texts.at(alignment_form::kHorizontalField), "  0.0");
    EXPECT_EQ(Pool().Bundesland, 2) << "taken before the form opens";
  });
  os.Command(alignment_form::kCancel);
  os.Then([this] {
    EXPECT_TRUE(os.dialogs().front().visible);
    EXPECT_FALSE(os.dialogs().back().open);
  });
  os.Command(kCancel);
  ShowSlipPrintDialog();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(os.help_requests(), std::vector<std::string>(3, std::string(help::kSlipPrint)));
  EXPECT_EQ(Pool().Bundesland, 2);
}

TEST_F(SlipPrintDialogTest, MarksOutsideThePrintableAreaAreReported) {
  Pool().Bundesland = 2;  // Berlin reaches 243.8 mm
  ChooseCardThree();
  os.Then([this] { os.AnswerPrinterChoice(platform::PrintArea{200, 280, 2.5, 4.2}); });
  os.Command(kPrint);
  os.Key('A');  // ABBRUCH in the alert box
  ShowSlipPrintDialog();
  EXPECT_TRUE(os.printed_pages().empty());
  EXPECT_EQ(os.printer_choices(), 1);
}

TEST_F(SlipPrintDialogTest, CancelledPrinterChoicePrintsNothing) {
  os.AnswerPrinterChoice(std::nullopt);
  ChooseCardThree();
  os.Command(kPrint);
  ShowSlipPrintDialog();
  EXPECT_TRUE(os.printed_pages().empty());
}

class AlignmentFormTest : public SlipPrintDialogTest {};

TEST_F(AlignmentFormTest, ScrollBarAndTypedValueAreStoredOnConfirm) {
  Pool().Bundesland = 1;
  os.MoveScrollBar(alignment_form::kHorizontalBar, 131);
  Expect([](const Record& form) {
    EXPECT_EQ(form.texts.at(alignment_form::kHorizontalField), "  0.5");
  });
  os.TypeIntoControl(alignment_form::kVerticalField, "-2.5");
  Expect([](const Record& form) { EXPECT_EQ(form.values.at(alignment_form::kVerticalBar), 101); });
  os.Command(alignment_form::kConfirm);
  ShowAlignmentForm();
  EXPECT_EQ(Pool().PrintOffsetA, 131);
  EXPECT_EQ(Pool().PrintOffsetB, 101);
  EXPECT_EQ(ParameterFile(), (std::vector<unsigned char>{131, 101, 1, 0}));
}

TEST_F(AlignmentFormTest, TypedValuesAreHeldToTheByteRange) {
  os.TypeIntoControl(alignment_form::kHorizontalField, "20")
      .TypeIntoControl(alignment_form::kVerticalField, "-")
      .Command(alignment_form::kConfirm);
  ShowAlignmentForm();
  EXPECT_EQ(Pool().PrintOffsetA, 255);
  EXPECT_EQ(Pool().PrintOffsetB, 126);  // no number yet: the scroll bar's value
}

TEST_F(AlignmentFormTest, CancelAndCloseBoxStoreNothing) {
  os.MoveScrollBar(alignment_form::kHorizontalBar, 200).Command(alignment_form::kCancel);
  ShowAlignmentForm();
  os.MoveScrollBar(alignment_form::kVerticalBar, 10).CloseDialog();
  ShowAlignmentForm();
  EXPECT_EQ(Pool().PrintOffsetA, 126);
  EXPECT_EQ(Pool().PrintOffsetB, 126);
  EXPECT_FALSE(std::filesystem::exists(kParameterFileName));
}

}  // namespace
}  // namespace vorlanz
