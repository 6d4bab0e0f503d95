#pragma once

// Mouse buttons pressed outside the program's own windows. The help window,
// the information box and the other windows of their own handle their clicks
// themselves; a button held there is no button of the program's loops.

#include <QObject>
#include <QWidget>

namespace vorlanz::platform {

class ForeignPresses : public QObject {
 public:
  // The program's own windows are `main_window` and what lies inside it.
  explicit ForeignPresses(const QWidget* main_window);

  bool eventFilter(QObject* watched, QEvent* event) override;

  // The buttons of `live` (kLeftButton | kRightButton) whose press went to
  // the main window.
  int Own(int live);

 private:
  const QWidget* main_window_;
  int foreign_ = 0;  // buttons whose press went to another window
};

}  // namespace vorlanz::platform
