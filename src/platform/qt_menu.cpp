#include "platform/qt_menu.h"

#include <QMenu>
#include <QString>
#include <algorithm>

namespace vorlanz::platform {

QtMenu::QtMenu(QMenuBar* bar, std::function<void(int)> on_command)
    : bar_(bar), on_command_(std::move(on_command)) {}

void QtMenu::Set(const MenuBar& menu) {
  bar_->clear();
  for (QMenu* pull_down : pull_downs_) delete pull_down;
  pull_downs_.clear();
  actions_.clear();
  for (const MenuEntry& entry : menu) {
    auto* pull_down = new QMenu(QString::fromStdString(entry.label), bar_);
    pull_downs_.push_back(pull_down);
    bar_->addMenu(pull_down);
    AddEntries(pull_down, entry.entries);
  }
}

void QtMenu::AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::Kind::Separator:
        menu->addSeparator();
        break;
      case MenuEntry::Kind::Submenu:
        AddEntries(menu->addMenu(QString::fromStdString(entry.label)), entry.entries);
        break;
      case MenuEntry::Kind::Command:
        AddCommand(menu, entry);
        break;
    }
  }
}

void QtMenu::AddCommand(QMenu* menu, const MenuEntry& entry) {
  QAction* action = menu->addAction(QString::fromStdString(entry.label));
  const int id = entry.id;
  actions_.emplace(id, action);
  ShowTick(action, IsChecked(id));
  QObject::connect(action, &QAction::triggered, action, [this, action, id] {
    // Qt toggles a checkable action when it is picked; the tick only
    // follows Check().
    ShowTick(action, IsChecked(id));
    if (on_command_) on_command_(id);
  });
}

void QtMenu::Check(int id, bool checked) {
  checked_[id] = checked;
  auto [first, last] = actions_.equal_range(id);
  for (auto it = first; it != last; ++it) ShowTick(it->second, checked);
}

bool QtMenu::IsChecked(int id) const {
  auto it = checked_.find(id);
  return it != checked_.end() && it->second;
}

bool QtMenu::ShowsTick(int id) const {
  auto [first, last] = actions_.equal_range(id);
  return std::any_of(first, last, [](const auto& entry) { return entry.second->isChecked(); });
}

bool QtMenu::Pick(int id) {
  const auto found = actions_.find(id);
  if (found == actions_.end() || !bar_->isEnabled()) return false;
  found->second->trigger();
  return true;
}

void QtMenu::ShowTick(QAction* action, bool checked) {
  // Only a ticked item is checkable, so the others show no empty check box.
  action->setCheckable(checked);
  action->setChecked(checked);
}

}  // namespace vorlanz::platform
