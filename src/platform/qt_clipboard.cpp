#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

#include "platform/qt_text.h"

namespace vorlanz::platform {

void QtClipboard::SetText(std::string_view text) {
  QGuiApplication::clipboard()->setText(Utf8ToQString(text));
}

std::string QtClipboard::Text() const {
  return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace vorlanz::platform
