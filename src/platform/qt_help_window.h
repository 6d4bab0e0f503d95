#pragma once

// The help viewer: a small window beside the program naming the topic asked
// for. It does not block the program.

#include <QLabel>
#include <QWidget>
#include <string_view>

namespace vorlanz::platform {

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(QWidget* owner);

  void ShowTopic(std::string_view keyword);

 private:
  QLabel* label_;
};

}  // namespace vorlanz::platform
