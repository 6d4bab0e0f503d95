#pragma once

// The program's UTF-8 texts as Qt strings.

#include <QString>
#include <string_view>

namespace vorlanz::platform {

inline QString Utf8ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace vorlanz::platform
