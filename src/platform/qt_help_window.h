#pragma once

// The help viewer: a window of its own beside the program, showing the user
// guide's pages with their links. It does not block the program, and no
// dialog of the program blocks it: it lies outside the main window's family
// of windows, which those dialogs hold. Escape closes it.

#include <QKeyEvent>
#include <QTextBrowser>
#include <QWidget>
#include <string_view>

namespace vorlanz::platform {

class HelpWindow : public QWidget {
 public:
  // `owner` takes the keyboard again when the help closes.
  explicit HelpWindow(QWidget* owner);

  // Shows the page of the keyword, or the contents page when the guide has
  // none, and brings the window to the front.
  void ShowTopic(std::string_view keyword);
  // The file name of the page shown.
  QString PageShown() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape reaches the window from whichever of its parts has the focus.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Open(const QString& file);

  QWidget* owner_;
  QTextBrowser* browser_;
};

}  // namespace vorlanz::platform
