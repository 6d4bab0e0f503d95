#pragma once

// The information box: a small dialog of labels and one button over the main
// window. The button and the close box (or Escape) only report; the program
// closes the box.

#include <QDialog>

#include "platform/platform.h"
#include "platform/qt_screen_widget.h"

namespace vorlanz::platform {

class InfoBox : public QDialog {
 public:
  InfoBox(const InfoBoxForm& form, WindowId window, EventSink sink, QWidget* owner);

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ReportClose();

  WindowId window_;
  EventSink sink_;
};

}  // namespace vorlanz::platform
