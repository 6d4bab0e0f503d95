#include "shell/info_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless.h"
#include "shell/main_menu.h"
#include "shell/startup.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"

namespace vorlanz {
namespace {

constexpr int kInfoButton = 15;  // cmd15

class InfoBoxTest : public ScreenTest {
 protected:
  // The window the information box opened as: the one after the main window.
  static constexpr platform::WindowId kBox = 2;

  vorlanz::testing::TempDir dir_;
};

TEST_F(InfoBoxTest, ShowsItsLabelsAndButtonBesideTheMainWindow) {
  os.Then([&] {
    const platform::InfoBoxForm* form = os.InfoBox(kBox);
    ASSERT_NE(form, nullptr);
    std::vector<std::string> names;
    for (const platform::FormControl& label : form->labels) names.push_back(label.name);
    EXPECT_EQ(names, (std::vector<std::string>{"lbl20", "lbl21", "lbl22", "lbl23", "lbl24", "lbl25",
                                               "lbl26", "lbl27", "lbl29", "lbl38"}));
    EXPECT_EQ(form->labels[0].text, "Vorlanz");
    EXPECT_EQ(form->labels[1].text, "Version 5.0");
    EXPECT_EQ(form->button.name, "cmd15");
    EXPECT_EQ(form->button_id, kInfoButton);
    EXPECT_EQ(os.WindowGeometry(kBox).x, 233);
    EXPECT_EQ(os.WindowGeometry(kBox).y, 26);
  });
  os.Command(kInfoButton);
  ShowInfoBox();
  EXPECT_TRUE(os.ScriptDone());
}

// Keys and clicks in the box do not close it; its button and its close box do,
// and the main window is current again.
TEST_F(InfoBoxTest, TheButtonEndsTheWait) {
  os.Key('O').Key(platform::vk::kReturn).Click(10, 10).Command(kInfoButton);
  ShowInfoBox();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_FALSE(os.WindowOpen(kBox));
  EXPECT_EQ(os.CurrentWindow(), platform::kMainWindow);
}

TEST_F(InfoBoxTest, TheCloseBoxEndsTheWait) {
  os.Key(platform::vk::kEscape).CloseRequest(kBox);
  ShowInfoBox();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_FALSE(os.WindowOpen(kBox));
  EXPECT_EQ(os.CurrentWindow(), platform::kMainWindow);
}

TEST_F(InfoBoxTest, AboutCommandShowsTheBoxThenTheHelpAtInfo) {
  StartProgram();
  // F1 inside the box stays there; after the box the help opens at "Info".
  os.Command(command::kAbout).Key(platform::vk::kF1).Command(kInfoButton);
  os.CloseRequest(platform::kMainWindow);
  EXPECT_THROW(MainLoop(), platform::ProgramEnded);
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"Info"}));
}

}  // namespace
}  // namespace vorlanz
