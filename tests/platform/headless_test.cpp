#include <gmock/gmock.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/headless.h"
#include "support/screen_test.h"

namespace vorlanz::platform {
namespace {

class HeadlessTest : public ScreenTest {};

TEST_F(HeadlessTest, ScriptedEventsComeInOrderWithTheirMessages) {
  os.Key('A').Command(42).KeyDown(vk::kF1);
  const Event down = Current().WaitEvent();
  EXPECT_EQ(std::tuple(down.kind, down.key, down.ch, down.message()),
            std::tuple(EventKind::KeyDown, 'A', 'A', kMsgKeyDown));
  EXPECT_EQ(Current().WaitEvent().message(), kMsgKeyUp);
  const Event command = Current().WaitEvent();
  EXPECT_EQ(command.message() + command.command, kMsgCommand + 42);
  EXPECT_EQ(Current().WaitEvent().ch, 0);
  // Polling an empty script gives nothing.
  EXPECT_EQ(Current().PollEvent().message(), 0);
  os.Key('N');
  EXPECT_EQ(Current().PollEvent().kind, EventKind::None) << "answers to come are not pending";
  os.Clear();
  os.TypingAhead().Key(vk::kEscape);
  EXPECT_EQ(Current().PollEvent().key, vk::kEscape);
  EXPECT_EQ(Current().PollEvent().kind, EventKind::KeyUp);
  EXPECT_EQ(Current().PollEvent().kind, EventKind::None);
}

// A release reaches the program only after it was given the key's press,
// and not once the presses are forgotten; the waiting and the polling fetch
// pass over the others to the next event.
TEST_F(HeadlessTest, AKeyReleaseCountsOnlyAfterItsPress) {
  Platform& platform = Current();
  os.MenuPickByKey(52, 'G').Key('W');
  EXPECT_EQ(platform.WaitEvent().command, 52);
  EXPECT_EQ(platform.WaitEvent().kind, EventKind::KeyDown) << "the release of G is passed over";
  EXPECT_EQ(platform.WaitEvent().kind, EventKind::KeyUp);

  os.KeyDown('X').KeyDown('Y');
  platform.WaitEvent();
  platform.ForgetPressedKeys();
  platform.WaitEvent();  // Y goes down after the keys were forgotten
  os.KeyUp('X').KeyUp('Y').KeyUp('Y');
  const Event up = platform.WaitEvent();
  EXPECT_EQ(std::tuple(up.kind, up.key), std::tuple(EventKind::KeyUp, 'Y'));
  os.KeyDown('Z');
  EXPECT_EQ(platform.WaitEvent().key, 'Z') << "a key is let go once";

  // A press taken by PendingKey was not given by the fetches.
  os.TypingAhead().Key('Q').KeyUp(vk::kEscape).Key('R');
  EXPECT_EQ(platform.PendingKey(), 'Q');
  const Event next = platform.PollEvent();
  EXPECT_EQ(std::tuple(next.kind, next.key), std::tuple(EventKind::KeyDown, 'R'));
  EXPECT_EQ(platform.PollEvent().kind, EventKind::KeyUp);
  EXPECT_EQ(platform.PollEvent().kind, EventKind::None);
}

TEST_F(HeadlessTest, WaitingOnAnEmptyScriptThrowsAndNamesTheWindow) {
  os.ShowMainWindow("Vorlanz");
  os.OpenWindow("Eingabe der System-Güte:", 180, 120, 244, 70);
  EXPECT_THAT([] { Current().WaitEvent(); },
              ::testing::ThrowsMessage<ScriptExhausted>(::testing::AllOf(
                  ::testing::HasSubstr("used up"), ::testing::HasSubstr("System-Güte:"))));
  // A script of only silent steps is used up as well.
  int ran = 0;
  os.Then([&] { ++ran; }).TypeIntoField(3, "x");
  EXPECT_THROW(Current().WaitEvent(), ScriptExhausted);
  EXPECT_EQ(ran, 1);
}

TEST_F(HeadlessTest, PendingKeySkipsReleasesAndSilentKeys) {
  os.TypingAhead().KeyUp('X').KeyDown(vk::kLeft).Keys("jA").Key(vk::kNumpad0 + 9).Key(vk::kReturn);
  EXPECT_EQ(os.PendingKey(), 'j');  // lower case as typed
  EXPECT_EQ(os.PendingKey(), 'A');
  EXPECT_EQ(os.PendingKey(), '9');
  EXPECT_EQ(os.PendingKey(), 13);
  EXPECT_EQ(os.ScriptLeft(), 1u);  // the Return's release
  EXPECT_EQ(os.PendingKey(), 0);
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_THROW(os.Keys("1,5"), std::invalid_argument);
  os.Clear();
  // A mouse press stops it, so that the caller sees the button.
  os.TypingAhead().MouseMove(5, 6).MouseDown(10, 20, kRightButton).MouseUp().Key('N');
  EXPECT_EQ(os.PendingKey(), 0);
  EXPECT_EQ(os.MouseButtons(), kRightButton);
  EXPECT_EQ(os.MousePosition().x, 10);
  EXPECT_EQ(os.MousePosition().y, 20);
  EXPECT_EQ(os.PendingKey(), 'N');
  EXPECT_EQ(os.MouseButtons(), 0);
}

TEST_F(HeadlessTest, CloseRequestsAndTheQuitHandler) {
  const WindowId window = os.OpenWindow("Info", 0, 0, 200, 100);
  os.CloseRequest(window).CloseRequest(kMainWindow);  // no quit handler set
  for (const WindowId closed : {window, kMainWindow}) {
    const Event event = Current().WaitEvent();
    EXPECT_EQ(event.kind, EventKind::Close);
    EXPECT_EQ(event.window, closed);
  }
  // With a handler the main window's close request does not reach the caller.
  int quits = 0;
  Current().SetQuitHandler([&] { ++quits; });
  os.CloseRequest(kMainWindow).KeyDown('K');
  EXPECT_EQ(Current().WaitEvent().key, 'K');
  EXPECT_EQ(quits, 1);
  // A handler that ends the program ends the wait.
  Current().SetQuitHandler([] { Current().Quit(); });
  os.CloseRequest(kMainWindow);
  EXPECT_FALSE(os.quit_called());
  EXPECT_THROW(Current().WaitEvent(), ProgramEnded);
  EXPECT_TRUE(os.quit_called());
  os.TypingAhead().CloseRequest(kMainWindow);
  EXPECT_THROW(os.PendingKey(), ProgramEnded);
}

TEST_F(HeadlessTest, WindowsHaveClientSurfacesAndCloseWithTheirPanels) {
  EXPECT_EQ(Current().Screen().width() * Current().Screen().height(), kMainWidth * kMainHeight);
  const WindowId window = os.OpenWindow("Karte", 100, 50, 244, 70);
  EXPECT_EQ(os.CurrentWindow(), window);
  Surface& client = Current().Screen();
  EXPECT_EQ(client.width(), 244 - 2 * Platform::kFrameSide);
  EXPECT_EQ(client.height(), 70 - Platform::kFrameTop - Platform::kFrameBottom);
  EXPECT_EQ(client.Pixel(0, 0), kLightGrey);
  EXPECT_EQ(os.WindowGeometry(window).x, 100);
  EXPECT_EQ(os.WindowTitle(window), "Karte");

  const WindowId panel = os.OpenPanel(window, 4, 4, 120, 30);
  EXPECT_EQ(os.CurrentWindow(), panel);
  EXPECT_EQ(Current().Screen().width(), 120);
  os.CreateEditField(panel, 1, 0, 0, 20, 20, "a");
  os.AddAccelerator(panel, 'o', 500);
  EXPECT_EQ(os.AcceleratorCommand(panel, 'O'), 500);

  os.CloseWindow(window);
  EXPECT_FALSE(os.WindowOpen(window));
  EXPECT_FALSE(os.WindowOpen(panel));
  EXPECT_FALSE(os.FieldExists(1));
  EXPECT_EQ(os.AcceleratorCommand(panel, 'O'), 0);
  EXPECT_EQ(os.CurrentWindow(), kMainWindow);
  EXPECT_THROW(os.SelectWindow(window), std::logic_error);
  // Closing another window keeps the current one.
  const WindowId first = os.OpenWindow("Eins", 0, 0, 100, 100);
  const WindowId second = os.OpenWindow("Zwei", 0, 0, 100, 100);
  EXPECT_NE(first, second);
  os.CloseWindow(first);
  EXPECT_EQ(os.CurrentWindow(), second);
  os.SelectWindow(kMainWindow);
  os.CloseWindow(second);
  EXPECT_EQ(os.CurrentWindow(), kMainWindow);
  EXPECT_TRUE(os.WindowOpen(kMainWindow));
  // Keys go to the window that is current when they are taken.
  os.Key('A');
  EXPECT_EQ(Current().WaitEvent().window, os.OpenWindow("Drei", 0, 0, 100, 100));
}

TEST_F(HeadlessTest, AdvanceKeysGoRoundTheFieldsInCreationOrder) {
  const WindowId window = os.OpenWindow("Eingabe", 0, 0, 400, 300);
  const WindowId panel = os.OpenPanel(window, 0, 0, 300, 200);
  for (const int id : {30, 10, 20}) os.CreateEditField(panel, id, 0, 0, 20, 20, "");
  os.SetFieldAdvanceKeys(panel, {vk::kReturn});
  os.FocusField(10);
  for (const int next : {20, 30, 10}) {
    os.KeyDown(vk::kReturn);
    Current().WaitEvent();
    EXPECT_EQ(os.focused_field(), next);
  }
  os.KeyDown(vk::kDown);
  Current().WaitEvent();
  EXPECT_EQ(os.focused_field(), 10);
  os.FocusField(99);  // no such field: focus stays
  EXPECT_EQ(os.focused_field(), 10);
}

// A number field refuses, character by character, what it cannot hold.
TEST_F(HeadlessTest, NumberFieldsRefuseWhatTheyCannotHold) {
  const WindowId panel = os.OpenPanel(os.OpenWindow("Eingabe", 0, 0, 400, 300), 0, 0, 300, 200);
  os.CreateEditField(panel, 1, 0, 0, 20, 20, "");
  os.LimitFieldToNumber(1, 255);
  const std::pair<const char*, const char*> typed[] = {
      {"-3", "3"},     {"2.5", "25"},  {"abc", ""},   {"300", "30"}, {"2556", "255"},
      {"0255", "025"}, {" 7 ", " 7 "}, {"7 7", "7 "}, {"Ä1", "1"}};
  for (const auto& [text, shown] : typed) {
    os.TypeIntoField(1, text).Then([&, shown] { EXPECT_EQ(os.FieldText(1), shown); });
  }
  os.TypeIntoField(0, "12").Key(vk::kEscape);  // field 0: the focused one
  os.FocusField(1);
  while (!os.ScriptDone()) Current().WaitEvent();
  EXPECT_EQ(os.FieldText(1), "12");
  EXPECT_TRUE(FitsNumberField("2", 2) && FitsNumberField("", 2) && FitsNumberField(" 0", 2));
  EXPECT_FALSE(FitsNumberField("3", 2) || FitsNumberField("00", 2) || FitsNumberField("1 1", 9));
}

}  // namespace
}  // namespace vorlanz::platform
