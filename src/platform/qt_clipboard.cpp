#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace vorlanz::platform {

void QtClipboard::SetText(std::string_view text) {
  QGuiApplication::clipboard()->setText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string QtClipboard::Text() const {
  return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace vorlanz::platform
