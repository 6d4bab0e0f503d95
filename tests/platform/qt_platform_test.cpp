#include "platform/qt_platform.h"
#include "platform/qt_platform_probe.h"

#include "platform/application.h"

#include <Qt>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlanz::platform {
namespace {

MenuEntry Command(int id, std::string label) {
  return {MenuEntry::Kind::Command, id, std::move(label), {}};
}
MenuEntry Submenu(std::string label, std::vector<MenuEntry> entries) {
  return {MenuEntry::Kind::Submenu, 0, std::move(label), std::move(entries)};
}

class QtPlatformTest : public ::testing::Test {
 protected:
  QtPlatformTest() { platform_.ShowMainWindow("Vorlanz"); }

  // Opens a dialog like the series entry: a window, a panel and three fields.
  WindowId OpenDialogWithFields() {
    const WindowId window = platform_.OpenWindow("Bitte Reihe eingeben", 150, 41, 194, 351);
    const WindowId panel = platform_.OpenPanel(window, 10, 36, 170, 234);
    platform_.CreateEditField(panel, 401, 108, 0, 18, 18, "1");
    platform_.CreateEditField(panel, 402, 108, 18, 18, 18, "");
    platform_.CreateEditField(panel, 403, 108, 36, 18, 18, "2");
    return window;
  }

  QtPlatform platform_{kMainWidth, kMainHeight};
  QtPlatformProbe probe_{platform_};
};

TEST_F(QtPlatformTest, WindowsHaveClientSurfacesInsideTheirFrame) {
  EXPECT_EQ(platform_.CurrentWindow(), kMainWindow);
  EXPECT_EQ(platform_.Screen().width() * platform_.Screen().height(), kMainWidth * kMainHeight);
  EXPECT_EQ(platform_.Screen().Pixel(400, 200), kLightGrey);

  const WindowId window = platform_.OpenWindow("Eingabe der System-Güte:", 180, 120, 244, 70);
  EXPECT_EQ(platform_.CurrentWindow(), window);
  EXPECT_EQ(platform_.Screen().width(), 244 - 6);
  EXPECT_EQ(platform_.Screen().height(), 70 - 37);

  const WindowId panel = platform_.OpenPanel(window, 4, 4, 50, 20);
  EXPECT_EQ(platform_.CurrentWindow(), panel);
  EXPECT_EQ(platform_.Screen().width(), 50);

  platform_.SelectWindow(window);
  EXPECT_EQ(platform_.CurrentWindow(), window);

  // Closing a window closes its panels too and hands drawing back to the
  // main window.
  platform_.CloseWindow(window);
  EXPECT_EQ(platform_.CurrentWindow(), kMainWindow);
  EXPECT_THROW(platform_.WindowSurface(panel), std::logic_error);
  EXPECT_THROW(platform_.SelectWindow(window), std::logic_error);
  platform_.CloseWindow(kMainWindow);  // not a window the program may close
  EXPECT_EQ(platform_.Screen().width(), kMainWidth);
}

TEST_F(QtPlatformTest, FieldsKeepTheirTextUntilTheirWindowCloses) {
  const WindowId window = OpenDialogWithFields();
  EXPECT_EQ(platform_.FieldText(401), "1");
  EXPECT_EQ(platform_.FieldText(402), "");
  platform_.SetFieldText(402, "Ü0");
  EXPECT_EQ(platform_.FieldText(402), "Ü0");
  EXPECT_EQ(platform_.FieldText(499), "");  // no such field

  // The dialog's first field took the focus.
  EXPECT_EQ(probe_.FocusedField(), 401);
  platform_.FocusField(403);
  EXPECT_EQ(probe_.FocusedField(), 403);
  // Remade, a field is replaced; closed with its window, it is gone.
  platform_.CreateEditField(platform_.CurrentWindow(), 402, 108, 18, 18, 18, "0");
  EXPECT_EQ(platform_.FieldText(402), "0");
  platform_.CloseWindow(window);
  EXPECT_EQ(platform_.FieldText(401), "");
  EXPECT_EQ(probe_.FocusedField(), 0);
}

// The keyboard reaches the window tree's rules through the key filter: Tab
// and Shift+Tab run through the fields of both panels, a key that moves on
// moves forward, and an accelerator of one panel works from a field of the
// other.
TEST_F(QtPlatformTest, TabAndAcceleratorsFromTheKeyboardCoverTheWholeWindow) {
  const WindowId window = OpenDialogWithFields();
  const WindowId first_panel = platform_.CurrentWindow();
  const WindowId second_panel = platform_.OpenPanel(window, 10, 280, 170, 20);
  platform_.CreateEditField(second_panel, 404, 108, 0, 18, 18, "");
  platform_.AddAccelerator(first_panel, 'g', 426);
  platform_.FocusField(401);

  std::vector<int> focused{probe_.FocusedField()};
  for (int i = 0; i < 4; ++i) {
    probe_.PressKeyInFocus(Qt::Key_Tab);
    focused.push_back(probe_.FocusedField());
  }
  probe_.PressKeyInFocus(Qt::Key_Backtab, QtPlatformProbe::Modifier::Shift);
  focused.push_back(probe_.FocusedField());
  EXPECT_EQ(focused, (std::vector<int>{401, 402, 403, 404, 401, 404}));
  platform_.SetFieldAdvanceKeys(second_panel, {vk::kNumpad0 + 1});
  probe_.PressKeyInFocus(Qt::Key_1, QtPlatformProbe::Modifier::Keypad);
  EXPECT_EQ(probe_.FocusedField(), 401);

  while (platform_.PollEvent().kind != EventKind::None) {
  }
  probe_.PressKeyInFocus(Qt::Key_G, QtPlatformProbe::Modifier::Alt);
  const Event picked = platform_.PollEvent();
  EXPECT_EQ(picked.kind, EventKind::Command);
  EXPECT_EQ(picked.command, 426);
  platform_.CloseWindow(window);
}

TEST_F(QtPlatformTest, DialogControlsTakeValuesFromTheProgramWithoutReportingThem) {
  DialogLayout layout;
  layout.title = "Wettschein";
  layout.client_width = 300;
  layout.client_height = 120;
  DialogControl list;
  list.kind = DialogControl::Kind::DropDownList;
  list.id = 10;
  list.width = 120;
  list.height = 80;
  DialogControl bar;
  bar.kind = DialogControl::Kind::ScrollBar;
  bar.id = 20;
  bar.y = 60;
  bar.width = 200;
  bar.height = 16;
  bar.maximum = 100;
  layout.controls = {list, bar};
  const WindowId dialog = platform_.OpenDialog(layout);
  for (const char* entry : {"Erste", "Zweite", "Dritte"}) platform_.AddListItem(dialog, 10, entry);
  for (const int index : {2, 0, 1}) {
    platform_.SelectListItem(dialog, 10, index);
    EXPECT_EQ(platform_.SelectedListItem(dialog, 10), index);
  }
  platform_.SetControlValue(dialog, 20, 37);
  EXPECT_EQ(platform_.ControlValue(dialog, 20), 37);
  EXPECT_EQ(platform_.PollEvent().kind, EventKind::None) << "a value set is no user's move";
  platform_.CloseWindow(dialog);
}

TEST_F(QtPlatformTest, MenuPicksBecomeCommandsAndTicksFollowTheProgram) {
  platform_.SetMenuBar({Submenu(
      "&Vorlanz V5.0",
      {Submenu("&Bundesland", {Command(16, "Niedersachsen"), Command(17, "Nordrhein-Westfalen")}),
       MenuEntry{MenuEntry::Kind::Separator, 0, "", {}}, Command(99, "&Ende")})});
  platform_.CheckMenuItem(17, true);
  EXPECT_TRUE(probe_.MenuItemTicked(17));
  EXPECT_FALSE(probe_.MenuItemTicked(16));

  // Picking an item neither ticks nor unticks it on its own.
  ASSERT_TRUE(probe_.PickMenuItem(16));
  ASSERT_TRUE(probe_.PickMenuItem(17));
  EXPECT_FALSE(probe_.MenuItemTicked(16));
  EXPECT_TRUE(probe_.MenuItemTicked(17));
  Event first = platform_.WaitEvent();
  EXPECT_EQ(first.kind, EventKind::Command);
  EXPECT_EQ(first.message(), kMsgCommand);
  EXPECT_EQ(first.command, 16);
  EXPECT_EQ(first.window, kMainWindow);
  EXPECT_EQ(platform_.WaitEvent().command, 17);

  platform_.CheckMenuItem(17, false);
  platform_.CheckMenuItem(16, true);
  EXPECT_TRUE(probe_.MenuItemTicked(16));
  EXPECT_FALSE(probe_.MenuItemTicked(17));

  // A tick given before the menu is built shows once it is.
  platform_.CheckMenuItem(99, true);
  platform_.SetMenuBar({Submenu("&Vorlanz V5.0", {Command(99, "&Ende")})});
  EXPECT_TRUE(probe_.MenuItemTicked(99));
  // A disabled menu bar takes no picks.
  platform_.EnableMenuBar(false);
  EXPECT_FALSE(probe_.PickMenuItem(99));
  platform_.EnableMenuBar(true);
  EXPECT_FALSE(probe_.PickMenuItem(51));
  EXPECT_TRUE(probe_.PickMenuItem(99));
  EXPECT_EQ(platform_.WaitEvent().command, 99);
}

TEST_F(QtPlatformTest, IdleInputGivesNothingAndPendingKeyDropsOtherInput) {
  EXPECT_EQ(platform_.PendingKey() + platform_.MouseButtons(), 0);
  platform_.Pause(5);
  EXPECT_EQ(platform_.PollEvent().kind, EventKind::None);
  platform_.SetMenuBar({Submenu("&Analyse", {Command(50, "&Wettstreit")})});
  probe_.PickMenuItem(50);
  EXPECT_EQ(platform_.PendingKey(), 0);
  EXPECT_EQ(platform_.PollEvent().kind, EventKind::None);
}

}  // namespace
}  // namespace vorlanz::platform

namespace vorlanz::platform {
namespace {

TEST(HasDisplayTest, NeedsAnX11OrWaylandDisplayOrAChosenPlatform) {
  const auto with = [](std::map<std::string, std::string> vars) {
    return HasDisplay([&vars](const char* name) -> const char* {
      const auto found = vars.find(name);
      return found == vars.end() ? nullptr : found->second.c_str();
    });
  };
  EXPECT_FALSE(with({}) || with({{"DISPLAY", ""}}) ||
               with({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}}) ||
               with({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}));
  EXPECT_TRUE(with({{"DISPLAY", ":0"}}) && with({{"WAYLAND_DISPLAY", "wayland-0"}}) &&
              with({{"QT_QPA_PLATFORM", "offscreen"}}) &&
              with({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":0"}}));
}

}  // namespace
}  // namespace vorlanz::platform
