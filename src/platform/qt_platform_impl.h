#pragma once

// The state QtPlatform shares between the files of its services: the widgets
// of the windows and fields (the tree of windows, the Tab order and the
// accelerators are the WindowTree's), the input queue, and the Qt objects of
// the main window.

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include "model/characters.h"
#include "model/poll_clock.h"
#include "model/rounding.h"
#include "platform/event_builders.h"
#include "platform/qt_control_dialog.h"
#include "platform/qt_file_dialog.h"
#include "platform/qt_foreign_presses.h"
#include "platform/qt_help_window.h"
#include "platform/qt_info_box.h"
#include "platform/qt_input_queue.h"
#include "platform/qt_key_filter.h"
#include "platform/qt_menu.h"
#include "platform/qt_platform.h"
#include "platform/qt_printer.h"
#include "platform/qt_screen_widget.h"
#include "platform/qt_sub_window.h"
#include "platform/qt_text.h"
#include "platform/qt_window_stacking.h"
#include "platform/window_tree.h"

namespace vorlanz::platform {

using Clock = std::chrono::steady_clock;
// How often a program that polls while it computes lets the windows run: a
// loop that visits the input at every poll interval is pumped at each visit,
// one that asks in a tight loop still only now and then.
inline constexpr auto kPumpInterval = kPollInterval / 2;

// The buttons held now, wherever they were pressed.
inline int HeldAnywhere() {
  const Qt::MouseButtons held = QGuiApplication::mouseButtons();
  return ((held & Qt::LeftButton) != 0 ? kLeftButton : 0) |
         ((held & Qt::RightButton) != 0 ? kRightButton : 0);
}

class MainWindow : public QMainWindow {
 public:
  MainWindow(EventSink sink, std::function<void()> on_resize)
      : sink_(std::move(sink)), on_resize_(std::move(on_resize)) {}

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QMainWindow::resizeEvent(event);
    on_resize_();
  }

  // The close box asks the program; the window itself stays.
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    sink_(CloseRequest(kMainWindow), 0);
  }

 private:
  EventSink sink_;
  std::function<void()> on_resize_;
};

struct QtPlatform::Impl final : KeyRouter {
  struct Window {
    std::unique_ptr<Surface> surface;
    QPointer<QWidget> outer;  // the widget that closing deletes
    QPointer<ScreenWidget> screen;
  };

  Impl(int client_width, int client_height);
  ~Impl() override;

  EventSink Sink() {
    return [this](const Event& event, int button) { input.Push(event, button); };
  }

  // KeyRouter
  WindowId KeyWindow(const QWidget* focus) const override;
  int AcceleratorCommand(const QWidget* focus, int letter) const override;
  void MoveFieldFocus(const QWidget* focus, bool backwards) override;
  bool AdvancesFocus(const QWidget* focus, int virtual_key) const override;
  void Push(const Event& event) override { input.Push(event); }

  Window& At(WindowId id, const char* caller);
  QLineEdit* FieldEdit(int id) const;
  // The id of the field that is this widget; 0 for any other widget.
  int FieldOf(const QWidget* widget) const;
  QWidget* FocusWidget() const;
  // After a window closed: the focus goes to the topmost window left.
  void FocusTopWindow(WindowId preferred);
  // Centres the main window on its screen at its present size.
  void CentreMainWindow();
  void RefreshChanged();
  void Pump();
  // The buttons held now that were pressed over the program's windows.
  int LiveButtons() { return foreign_presses->Own(HeldAnywhere()); }

  std::map<WindowId, Window> windows;
  WindowTree tree;
  std::map<int, QPointer<QLineEdit>> edits;  // by field id
  InputQueue input;
  WindowId current = kMainWindow;
  WindowId next_window = 2;
  Clock::time_point last_pump{};
  // Where the main window was centred.
  std::optional<QPoint> centred_at;

  std::unique_ptr<MainWindow> main_window;
  ScreenWidget* main_screen = nullptr;
  std::unique_ptr<QtMenu> menu;
  std::unique_ptr<KeyFilter> key_filter;
  std::unique_ptr<ForeignPresses> foreign_presses;
  // A window of its own, outside the main window's: no dialog blocks it.
  std::unique_ptr<HelpWindow> help;
  // How often the help has been opened, and that count when each dialog of
  // platform controls was hidden.
  int help_openings = 0;
  std::map<WindowId, int> help_openings_at_hide;

  // Dialogs of platform controls and the printer.
  ControlDialog& DialogAt(WindowId id, const char* caller);
  std::map<WindowId, QPointer<ControlDialog>> dialogs;
  std::unique_ptr<MarkPrinter> printer;
};

}  // namespace vorlanz::platform
