#pragma once

// What both backends know alike about the program's windows, free of any
// window system: which window lies inside which, the edit fields of each in
// the order they were made, and the Alt+letter accelerators.
//
// A frame is a window with a title bar (or the main window) together with
// every panel inside it. Tab and Shift+Tab move through the fields of the
// whole frame, in the order they were made, from the last back to the first.
// An accelerator registered on any window of the focused window's frame
// applies; when two windows of the frame register the same letter, the one
// nearer to the focus wins: the focused window itself, then each window it
// lies in, and only then the frame's other windows in the order they
// registered.

#include <map>
#include <vector>

#include "platform/platform.h"

namespace vorlanz::platform {

class WindowTree {
 public:
  // A window with a title bar has parent 0; a panel has its host.
  void AddWindow(WindowId id, WindowId parent);
  bool Contains(WindowId id) const { return parents_.contains(id); }
  // 0 for a window with a title bar and for a window not open.
  WindowId ParentOf(WindowId id) const;
  // The window with a title bar a window lies in (itself for one).
  WindowId FrameOf(WindowId id) const;

  // What closing a window took away with it.
  struct Closed {
    std::vector<WindowId> windows;  // each before those inside it
    std::vector<int> fields;
  };
  // Closes the window and everything inside it, with their fields,
  // accelerators and advance keys. Nothing for a window not open.
  Closed Close(WindowId id);

  // A field made again under the same id counts as made last.
  void AddField(int id, WindowId window);
  bool HasField(int id) const;
  // The window of a field; 0 when there is no such field.
  WindowId FieldWindow(int id) const;
  // The field Tab (or Shift+Tab) moves to from field `from`. When `from` is
  // no field, the first (or last) field of the frame of `window`; 0 when
  // that frame has no field.
  int NextField(WindowId window, int from, bool backwards) const;

  // The keys that move the focus on from a field of the panel, as Tab does.
  void SetAdvanceKeys(WindowId panel, std::vector<int> virtual_keys);
  bool AdvancesFrom(int field, int virtual_key) const;

  // A second registration of a letter on the same window replaces the first.
  // Letters count alike in either case.
  void AddAccelerator(WindowId window, char letter, int command);
  // The command of Alt+letter with the focus in `window`; 0 when none.
  int AcceleratorCommand(WindowId window, char letter) const;

 private:
  struct Field {
    int id = 0;
    WindowId window = 0;
  };
  struct Accelerator {
    WindowId window = 0;
    char letter = 0;
    int command = 0;
  };

  std::map<WindowId, WindowId> parents_;
  std::vector<Field> fields_;              // in the order they were made
  std::vector<Accelerator> accelerators_;  // in the order they were registered
  std::map<WindowId, std::vector<int>> advance_keys_;
};

}  // namespace vorlanz::platform
