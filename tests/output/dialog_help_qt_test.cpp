// The help window of the real program stays usable while a dialog of the
// program is open: its page scrolls and "Schließen" closes it. The input
// comes through the window system, which holds it back from a window that a
// modal dialog blocks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <functional>

#include "output/alignment_form.h"
#include "output/slip_print_dialog.h"
#include "platform/qt_platform.h"
#include "platform/qt_platform_probe.h"

namespace vorlanz {
namespace {

using platform::WindowId;

QWidget* ShownHelpWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String("HelpWindow") && widget->isVisible()) return widget;
  }
  return nullptr;
}

// The dialog the program opened last: the visible window shown over the
// main window.
QWindow* TopDialog() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && qobject_cast<QDialog*>(widget) != nullptr) {
      return widget->windowHandle();
    }
  }
  return nullptr;
}

void ClickThroughWindowSystem(QWidget* widget, QPoint at) {
  QWidget* top = widget->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
}

class DialogHelpTest : public ::testing::Test {
 protected:
  DialogHelpTest() { platform_.ShowMainWindow("Vorlanz"); }

  platform::QtPlatform platform_{platform::kMainWidth, platform::kMainHeight};
  platform::QtPlatformProbe probe_{platform_};
};

TEST_F(DialogHelpTest, TheHelpScrollsAndClosesWhileEachDialogIsOpen) {
  platform::InfoBoxForm info;
  info.title = "über Vorlanz";
  info.labels = {{"lbl20", "Vorlanz"}};
  info.button = {"cmd15", "OK"};
  info.button_id = 15;
  struct Opened {
    const char* what;
    std::function<WindowId()> open;
    int f1_command;  // what F1 in the dialog sends; 0 for nothing
  };
  const Opened dialogs[] = {
      {"SCHEINDRUCK:", [&] { return platform_.OpenDialog(SlipPrintDialogLayout()); },
       slip_dialog::kHelp},
      {"the alignment form", [&] { return platform_.OpenDialog(AlignmentFormLayout()); },
       alignment_form::kHelp},
      {"the information box", [&] { return platform_.OpenInfoBox(233, 26, info); }, 0},
  };
  for (const Opened& dialog : dialogs) {
    const WindowId window = dialog.open();
    QWindow* shown = TopDialog();
    ASSERT_NE(shown, nullptr) << dialog.what;
    QTest::keyClick(shown, Qt::Key_F1);
    platform::Event event = platform_.PollEvent();
    while (event.kind == platform::EventKind::Repaint ||
           event.kind == platform::EventKind::MouseMove) {
      event = platform_.PollEvent();
    }
    EXPECT_EQ(event.command, dialog.f1_command) << dialog.what << ": F1";
    platform_.ShowHelp("Berechnung");
    QWidget* help = ShownHelpWindow();
    ASSERT_NE(help, nullptr) << dialog.what;
    help->resize(420, 220);  // the page is longer than the window
    QApplication::processEvents();
    QScrollBar* bar = help->findChild<QTextBrowser*>()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << dialog.what;

    QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0) << dialog.what << ": Page Down";
    bar->setValue(0);
    ClickThroughWindowSystem(bar, {bar->width() / 2, bar->height() - 24});
    EXPECT_GT(bar->value(), 0) << dialog.what << ": a click below the scroll bar's handle";

    QPushButton* close = nullptr;
    for (QPushButton* button : help->findChildren<QPushButton*>()) {
      if (button->text() == QStringLiteral("&Schließen")) close = button;
    }
    ASSERT_NE(close, nullptr);
    ClickThroughWindowSystem(close, close->rect().center());
    EXPECT_EQ(probe_.HelpPageShown(), "") << dialog.what << ": closed";
    platform_.CloseWindow(window);
  }
}

}  // namespace
}  // namespace vorlanz
