#include "platform/qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QString>

namespace vorlanz::platform {
namespace {

// Fits into the main window of the program.
constexpr int kWidth = 620;
constexpr int kHeight = 380;

}  // namespace

std::string RunFileDialog(QWidget* owner, const FileChoice& choice) {
  QFileDialog dialog(owner, QString::fromStdString(choice.title),
                     QDir::current().absoluteFilePath(QString::fromStdString(choice.folder)));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  const bool saving = choice.purpose == FileChoice::Purpose::Save;
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QString pattern = QString::fromStdString(choice.pattern);
  dialog.setNameFilter(pattern);
  // A name typed without its extension gets the pattern's.
  const qsizetype dot = pattern.lastIndexOf('.');
  if (dot >= 0 && !pattern.mid(dot + 1).contains('*'))
    dialog.setDefaultSuffix(pattern.mid(dot + 1));
  dialog.selectFile(QString::fromStdString(choice.proposed));
  dialog.resize(kWidth, kHeight);
  if (owner != nullptr) {
    const QWidget* window = owner->window();
    dialog.move(window->frameGeometry().center() - dialog.rect().center());
  }
  // Modal to the program's window alone; the help stays usable.
  dialog.setWindowModality(Qt::WindowModal);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::string() : chosen.front().toStdString();
}

}  // namespace vorlanz::platform
