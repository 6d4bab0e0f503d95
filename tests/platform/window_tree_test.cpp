#include <gmock/gmock.h>

#include <utility>
#include <vector>

#include "platform/window_tree.h"

namespace vorlanz::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// The main window 1 holds panel 5; window 2 (with a title bar) holds panels
// 3 and 4, and panel 4 holds panel 6. Window 7 stands alone, without fields.
class WindowTreeTest : public ::testing::Test {
 protected:
  WindowTreeTest() {
    for (const auto& [id, parent] : std::vector<std::pair<WindowId, WindowId>>{
             {1, 0}, {2, 0}, {3, 2}, {4, 2}, {5, 1}, {6, 4}, {7, 0}}) {
      tree.AddWindow(id, parent);
    }
    // Made in this order: the Tab order of window 2 is 10, 20, 11, 21, 30.
    for (const auto& [id, window] : std::vector<std::pair<int, WindowId>>{
             {10, 3}, {20, 4}, {11, 3}, {21, 4}, {30, 6}, {50, 5}}) {
      tree.AddField(id, window);
    }
  }
  WindowTree tree;
};

TEST_F(WindowTreeTest, TabCyclesTheFieldsOfTheWholeWindowInTheOrderMade) {
  struct Case {
    WindowId window;
    int from;
    bool backwards;
    int next;
  };
  for (const Case& c : std::vector<Case>{
           {3, 10, false, 20},  // into the other panel
           {4, 20, false, 11},  // and back
           {6, 30, false, 10},  // from the last to the first
           {3, 10, true, 30},   // Shift+Tab from the first to the last
           {4, 21, true, 11},
           {2, 0, false, 10},   // no field focused: the first
           {2, 0, true, 30},    // or the last
           {5, 50, false, 50},  // a lone field stays
           {7, 0, false, 0},    // a window without fields
           {99, 0, false, 0},   // a window not open
       }) {
    EXPECT_EQ(tree.NextField(c.window, c.from, c.backwards), c.next)
        << "from field " << c.from << " in window " << c.window << (c.backwards ? " back" : "");
  }
  // A field made again under its id, here in the other panel, comes last.
  tree.AddField(10, 4);
  EXPECT_EQ(tree.FieldWindow(10), 4);
  EXPECT_EQ(tree.NextField(3, 30, false), 10);
  EXPECT_EQ(tree.NextField(3, 10, true), 30);
  EXPECT_EQ(tree.NextField(3, 11, false), 21);
}

TEST_F(WindowTreeTest, AcceleratorsApplyInTheWholeWindowTheNearestFirst) {
  tree.AddAccelerator(3, 'o', 100);  // on a panel
  tree.AddAccelerator(6, 'K', 200);
  tree.AddAccelerator(2, 'k', 300);  // clashes with panel 6's
  tree.AddAccelerator(7, 'Z', 700);
  tree.AddAccelerator(4, 'b', 400);
  tree.AddAccelerator(4, 'B', 401);  // replaces the first
  tree.AddAccelerator(3, 'n', 500);
  tree.AddAccelerator(4, 'N', 600);  // clashes with panel 3's
  struct Case {
    WindowId focus;
    char letter;
    int command;
  };
  for (const Case& c : std::vector<Case>{
           {4, 'O', 100},  // from the sibling panel
           {6, 'o', 100},  // either case, from a panel inside a panel
           {2, 'O', 100},  // from the window itself
           {6, 'k', 200},  // the panel's own before its window's
           {4, 'K', 300},  // the window's before a panel beside
           {3, 'K', 300},
           {3, 'b', 401},
           {3, 'N', 500},  // each panel its own
           {4, 'n', 600},
           {6, 'N', 600},  // the panel it lies in before the one beside
           {2, 'N', 500},  // else the first registered
           {2, 'Z', 0},    // another window's
           {7, 'O', 0},
           {1, 'O', 0},  // the main window is a window of its own
       }) {
    EXPECT_EQ(tree.AcceleratorCommand(c.focus, c.letter), c.command)
        << "Alt+" << c.letter << " in window " << c.focus;
  }
}

TEST_F(WindowTreeTest, ClosingTakesEverythingInsideAndNothingElse) {
  tree.AddAccelerator(4, 'O', 100);
  tree.AddAccelerator(6, 'P', 200);
  tree.AddAccelerator(3, 'Q', 300);
  tree.AddAccelerator(2, 'R', 400);
  tree.SetAdvanceKeys(6, {13});
  tree.SetAdvanceKeys(3, {13});

  const WindowTree::Closed closed = tree.Close(4);
  EXPECT_THAT(closed.windows, ElementsAre(4, 6));
  EXPECT_THAT(closed.fields, UnorderedElementsAre(20, 21, 30));
  for (const WindowId gone : {4, 6}) EXPECT_FALSE(tree.Contains(gone)) << gone;
  for (const WindowId kept : {1, 2, 3, 5, 7}) EXPECT_TRUE(tree.Contains(kept)) << kept;
  EXPECT_EQ(tree.FieldWindow(30), 0);
  EXPECT_EQ(tree.FieldWindow(11), 3);
  EXPECT_EQ(tree.NextField(3, 10, false), 11);
  EXPECT_EQ(tree.NextField(3, 11, false), 10);
  EXPECT_EQ(tree.AcceleratorCommand(3, 'O'), 0);
  EXPECT_EQ(tree.AcceleratorCommand(3, 'P'), 0);
  EXPECT_EQ(tree.AcceleratorCommand(3, 'Q'), 300);
  EXPECT_EQ(tree.AcceleratorCommand(3, 'R'), 400);
  EXPECT_TRUE(tree.AdvancesFrom(10, 13));
  // A panel opened later under an old number starts empty.
  tree.AddWindow(6, 3);
  tree.AddField(60, 6);
  EXPECT_EQ(tree.AcceleratorCommand(6, 'P'), 0);
  EXPECT_FALSE(tree.AdvancesFrom(60, 13));

  // Closing the window takes its panels, their panels and their fields.
  tree.AddWindow(8, 6);
  tree.AddField(80, 8);
  const WindowTree::Closed whole = tree.Close(2);
  EXPECT_THAT(whole.windows, ElementsAre(2, 3, 6, 8));
  EXPECT_THAT(whole.fields, UnorderedElementsAre(10, 11, 60, 80));
  EXPECT_EQ(tree.AcceleratorCommand(2, 'R'), 0);
  EXPECT_EQ(tree.NextField(1, 50, false), 50);

  // The main window's panel goes alone; closing what is gone does nothing.
  EXPECT_THAT(tree.Close(5).windows, ElementsAre(5));
  EXPECT_TRUE(tree.Contains(1));
  EXPECT_TRUE(tree.Close(5).windows.empty());
}

}  // namespace
}  // namespace vorlanz::platform
