// The help window and the information box of the real program.

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWheelEvent>

#include "platform/qt_platform.h"
#include "platform/qt_platform_probe.h"

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
  QtPlatformProbe probe_{platform_};
};

TEST_F(QtHelpTest, OpensTheTopicOfAKeywordAndClosesOnEscape) {
  EXPECT_EQ(probe_.HelpPageShown(), "");
  platform_.ShowHelp("Scheine auswählen");
  platform_.ShowHelp("Menupunkte");
  EXPECT_EQ(probe_.HelpPageShown(), "menupunkte.html");
  // Keys in the help window are no input of the program.
  EXPECT_TRUE(probe_.PressKeyInHelp(kQtKeyF1));
  EXPECT_EQ(probe_.HelpPageShown(), "menupunkte.html");
  EXPECT_TRUE(probe_.PressKeyInHelp(kQtKeyEscape));
  EXPECT_EQ(probe_.HelpPageShown(), "");
  EXPECT_FALSE(probe_.PressKeyInHelp(kQtKeyEscape));
  EXPECT_EQ(NextProgramEvent().kind, EventKind::None);
  // Opened again it shows the topic asked for.
  platform_.ShowHelp("Wettstreit");
  EXPECT_EQ(probe_.HelpPageShown(), "wettstreit.html");
}

QWidget* TopLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name) && widget->isVisible()) return widget;
  }
  return nullptr;
}

// A press or release as the window system delivers it.
void Press(QWidget* widget, bool down) {
  QWidget* top = widget->window();
  const QPoint at = widget->mapTo(top, widget->rect().center());
  if (down) {
    QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, at);
  } else {
    QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, at);
  }
}

// Clicks, keys and the wheel in the help window and the information box are
// theirs: the program's loops see no event and no held button, while a press
// on the main screen is the program's.
TEST_F(QtHelpTest, InputToTheHelpAndTheInfoBoxStaysThere) {
  QMainWindow* main = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<QMainWindow*>(widget)) main = window;
  }
  ASSERT_NE(main, nullptr);
  Press(main->centralWidget(), true);
  EXPECT_EQ(platform_.MouseButtons(), kLeftButton);
  Press(main->centralWidget(), false);
  EXPECT_EQ(NextProgramEvent().kind, EventKind::MouseDown);
  EXPECT_EQ(NextProgramEvent().kind, EventKind::MouseUp);

  platform_.ShowHelp("Berechnung");
  QWidget* help = TopLevel("HelpWindow");
  ASSERT_NE(help, nullptr);
  QWidget* page = help->findChild<QAbstractScrollArea*>()->viewport();
  Press(page, true);
  EXPECT_EQ(platform_.MouseButtons(), 0) << "a button held in the help";
  Press(page, false);
  QTest::keyClick(help->windowHandle(), Qt::Key_X);
  QTest::keyClick(help->windowHandle(), Qt::Key_F1);
  QWheelEvent wheel(QPointF(20, 20), page->mapToGlobal(QPointF(20, 20)), {}, {0, -120},
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(page, &wheel);
  EXPECT_EQ(NextProgramEvent().kind, EventKind::None);

  InfoBoxForm form;
  form.title = "über Vorlanz";
  form.labels = {{"lbl20", "Vorlanz"}};
  form.button = {"cmd15", "OK"};
  form.button_id = 15;
  const WindowId box = platform_.OpenInfoBox(233, 26, form);
  QWidget* info = TopLevel("Inf");
  ASSERT_NE(info, nullptr);
  QWidget* label = info->findChild<QWidget*>("lbl20");
  Press(label, true);
  EXPECT_EQ(platform_.MouseButtons(), 0) << "a button held in the information box";
  Press(label, false);
  EXPECT_EQ(NextProgramEvent().kind, EventKind::None);
  platform_.CloseWindow(box);
}

TEST_F(QtHelpTest, AnUnknownKeywordOpensTheContents) {
  platform_.ShowHelp("gibt es nicht");
  EXPECT_EQ(probe_.HelpPageShown(), "inhalt.html");
}

TEST_F(QtHelpTest, InfoBoxReportsItsButtonAndItsCloseBox) {
  InfoBoxForm form;
  form.title = "über Vorlanz";
  form.labels = {{"lbl20", "Vorlanz"}, {"lbl21", "Version 5.0"}};
  form.button = {"cmd15", "OK"};
  form.button_id = 15;
  const WindowId box = platform_.OpenInfoBox(233, 26, form);
  EXPECT_EQ(platform_.CurrentWindow(), box);
  EXPECT_FALSE(probe_.ClickDialogButton(box, "cmd16"));
  ASSERT_TRUE(probe_.ClickDialogButton(box, "cmd15"));
  Event event = NextProgramEvent();
  EXPECT_EQ(event.kind, EventKind::Command);
  EXPECT_EQ(event.command, 15);
  EXPECT_EQ(event.window, box);

  // The close box only reports; the program closes the box.
  probe_.CloseDialogByCloseBox(box);
  event = NextProgramEvent();
  EXPECT_EQ(event.kind, EventKind::Close);
  EXPECT_EQ(event.window, box);
  EXPECT_TRUE(probe_.ClickDialogButton(box, "cmd15"));
  NextProgramEvent();

  platform_.CloseWindow(box);
  platform_.SelectWindow(kMainWindow);
  EXPECT_FALSE(probe_.ClickDialogButton(box, "cmd15"));
  EXPECT_EQ(NextProgramEvent().kind, EventKind::None);
}

}  // namespace
}  // namespace vorlanz::platform
