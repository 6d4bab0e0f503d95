// The help window and the information box of the real program.

#include <gtest/gtest.h>

#include "platform/qt_platform.h"

namespace vorlanz::platform {
namespace {

constexpr int kQtKeyEscape = 0x01000000;  // Qt::Key_Escape
constexpr int kQtKeyF1 = 0x01000030;      // Qt::Key_F1

class QtHelpTest : public ::testing::Test {
 protected:
  QtHelpTest() { platform_.ShowMainWindow("Vorlanz"); }

  // The next event, leaving out what the window system adds on its own.
  Event NextProgramEvent() {
    for (;;) {
      const Event event = platform_.PollEvent();
      if (event.kind != EventKind::Repaint && event.kind != EventKind::MouseMove) return event;
    }
  }

  QtPlatform platform_{788, 435};
};

TEST_F(QtHelpTest, OpensTheTopicOfAKeywordAndClosesOnEscape) {
  EXPECT_EQ(platform_.HelpPageShown(), "");
  platform_.ShowHelp("Scheine auswählen");
  platform_.ShowHelp("Menupunkte");
  EXPECT_EQ(platform_.HelpPageShown(), "menupunkte.html");
  // Keys in the help window are no input of the program.
  EXPECT_TRUE(platform_.PressKeyInHelp(kQtKeyF1));
  EXPECT_EQ(platform_.HelpPageShown(), "menupunkte.html");
  EXPECT_TRUE(platform_.PressKeyInHelp(kQtKeyEscape));
  EXPECT_EQ(platform_.HelpPageShown(), "");
  EXPECT_FALSE(platform_.PressKeyInHelp(kQtKeyEscape));
  EXPECT_EQ(NextProgramEvent().kind, EventKind::None);
  // Opened again it shows the topic asked for.
  platform_.ShowHelp("Wettstreit");
  EXPECT_EQ(platform_.HelpPageShown(), "wettstreit.html");
}

TEST_F(QtHelpTest, AnUnknownKeywordOpensTheContents) {
  platform_.ShowHelp("gibt es nicht");
  EXPECT_EQ(platform_.HelpPageShown(), "inhalt.html");
}

TEST_F(QtHelpTest, InfoBoxReportsItsButtonAndItsCloseBox) {
  InfoBoxForm form;
  form.title = "über Vorlanz";
  form.labels = {{"lbl20", "Vorlanz"}, {"lbl21", "Version 5.0"}};
  form.button = {"cmd15", "OK"};
  form.button_id = 15;
  const WindowId box = platform_.OpenInfoBox(233, 26, form);
  EXPECT_EQ(platform_.CurrentWindow(), box);
  EXPECT_FALSE(platform_.ClickDialogButton(box, "cmd16"));
  ASSERT_TRUE(platform_.ClickDialogButton(box, "cmd15"));
  Event event = NextProgramEvent();
  EXPECT_EQ(event.kind, EventKind::Command);
  EXPECT_EQ(event.command, 15);
  EXPECT_EQ(event.window, box);

  // The close box only reports; the program closes the box.
  platform_.CloseDialogByCloseBox(box);
  event = NextProgramEvent();
  EXPECT_EQ(event.kind, EventKind::Close);
  EXPECT_EQ(event.window, box);
  EXPECT_TRUE(platform_.ClickDialogButton(box, "cmd15"));
  NextProgramEvent();

  platform_.CloseWindow(box);
  platform_.SelectWindow(kMainWindow);
  EXPECT_FALSE(platform_.ClickDialogButton(box, "cmd15"));
  EXPECT_EQ(NextProgramEvent().kind, EventKind::None);
}

}  // namespace
}  // namespace vorlanz::platform
