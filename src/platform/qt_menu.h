#pragma once

// The main window's menu bar built from a MenuBar description. Picked
// commands are reported by id; ticks are kept by id and survive a rebuild.

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <map>
#include <vector>

#include "platform/platform.h"

namespace vorlanz::platform {

class QtMenu {
 public:
  QtMenu(QMenuBar* bar, std::function<void(int)> on_command);

  void Set(const MenuBar& menu);
  void Check(int id, bool checked);
  bool IsChecked(int id) const;
  bool ShowsTick(int id) const;
  // Triggers the item as a pick would; false when the bar is disabled or
  // holds no such item.
  bool Pick(int id);

 private:
  void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
  void AddCommand(QMenu* menu, const MenuEntry& entry);
  void ShowTick(QAction* action, bool checked);

  QMenuBar* bar_;
  std::function<void(int)> on_command_;
  std::vector<QMenu*> pull_downs_;
  std::multimap<int, QAction*> actions_;
  std::map<int, bool> checked_;
};

}  // namespace vorlanz::platform
