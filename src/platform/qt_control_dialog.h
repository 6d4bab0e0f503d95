#pragma once

// A dialog window of Qt controls built from a DialogLayout. It does not
// block: clicks, moved scroll bars, picked list entries and typed numbers
// arrive as Command events with the control's id, the close box as a Close
// event, and the program's own loop decides what happens.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "platform/platform.h"

namespace vorlanz::platform {

class ControlDialog : public QDialog {
 public:
  ControlDialog(const DialogLayout& layout, WindowId window, std::function<void(const Event&)> sink,
                QWidget* owner);

  // The control with the id; throws when the dialog has none.
  QWidget* Control(int id) const;

  // The controls' values. Each leaves a control of another kind alone; the
  // getters then give -1 (list), 0 (scroll bar) or an empty text. Values set
  // here send no Command event.
  void AddListItem(int id, const QString& text);
  void SelectListItem(int id, int index);
  int SelectedListItem(int id) const;
  void SetChecked(int id, bool checked);
  void SetValue(int id, int value);
  int Value(int id) const;
  // The text of an edit field or of a label.
  void SetText(int id, const QString& text);
  std::string Text(int id) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape: the cancel button's command, or the close box's.
  void reject() override;
  // F1: the layout's help command.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* MakeControl(const DialogControl& control);
  void SendCommand(int id);

  WindowId window_;
  std::function<void(const Event&)> sink_;
  std::map<int, QPointer<QWidget>> controls_;
  int cancel_id_ = 0;
  int help_id_ = 0;
};

}  // namespace vorlanz::platform
