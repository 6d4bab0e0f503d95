#include "shell/tip_list_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/help_topics.h"
#include "model/pool_data.h"
#include "platform/headless_document_printer.h"
#include "platform/platform.h"
#include "support/screen_test.h"

namespace vorlanz {
namespace {

class TipListCommandTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    platform::InstallDocumentPrinter(&printer);
    PoolData& pool = Pool();
    pool.OwnForecastReady = kTrue;
    for (int m = 1; m <= kMatchCount; ++m) pool.OwnForecast[m] = {0, 6, 3, 3};
    for (auto& match : pool.CardTips[3]) match.fill(kHomeWin);
    pool.CardOccupied[3] = kTrue;
    pool.CardQuality[3] = 5;
  }
  void TearDown() override {
    platform::InstallDocumentPrinter(nullptr);
    ScreenTest::TearDown();
  }
  bool Printed(const std::string& text) const {
    for (const platform::DocumentText& item : printer.printed().at(0).texts) {
      if (item.text == text) return true;
    }
    return false;
  }
  platform::HeadlessDocumentPrinter printer;
};

TEST_F(TipListCommandTest, PrintsTheChosenCard) {
  os.Key('3').Key('O');
  TipListCommand();
  EXPECT_EQ(Pool().CardPrompt, kTipListCardPrompt);
  ASSERT_EQ(printer.printed().size(), 1u);
  const platform::Document& document = printer.printed()[0];
  EXPECT_EQ(document.name, "Tippliste");
  ASSERT_EQ(document.fonts.size(), 4u);
  EXPECT_EQ(document.fonts[3].family, "Courier");
  EXPECT_TRUE(Printed("Tipp 3 · Vorlanz: eigene"));
  EXPECT_TRUE(Printed("System-Güte: 5"));
  // Every row all home wins, each with chance 1/2 per match: the best row
  // has 13 right with (1/2)^13 = 0.0122 %.
  EXPECT_TRUE(Printed("0.0122 %"));
  EXPECT_FALSE(IsSet(Pool().TipSetReady));  // the current tip set stays
}

TEST_F(TipListCommandTest, CancelFreeCardAndFailure) {
  os.Key('X');
  TipListCommand();
  EXPECT_TRUE(printer.printed().empty());

  os.Key('2').Key('O').KeyDown('O');  // a free card, its alert
  TipListCommand();
  EXPECT_TRUE(printer.printed().empty());
  EXPECT_TRUE(os.ScriptDone());

  printer.AnswerPrint(platform::PrintOutcome::Failed);
  os.Key('3').Key('O').KeyDown('O');  // the failure's alert
  TipListCommand();
  EXPECT_TRUE(os.ScriptDone());

  printer.AnswerPrint(platform::PrintOutcome::Cancelled);
  os.Key('3').KeyDown('O');  // no alert waits
  TipListCommand();
  EXPECT_TRUE(os.ScriptDone());
}

TEST_F(TipListCommandTest, HelpOfTheCardChoice) {
  os.Key(platform::vk::kF1).Key('X');  // the help, then the choice is cancelled
  TipListCommand();
  EXPECT_EQ(os.help_requests(), std::vector<std::string>{std::string(help::kTipList)});
  EXPECT_TRUE(printer.printed().empty());
}

}  // namespace
}  // namespace vorlanz
