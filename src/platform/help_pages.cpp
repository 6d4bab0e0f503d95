#include "platform/help_pages.h"

#include <QDir>
#include <QFile>
#include <QString>

#include "platform/qt_help_resources.h"
#include "platform/qt_text.h"

namespace vorlanz::platform {

std::string HelpPageFile(std::string_view keyword) {
  std::string file;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(keyword[i]);
    // The umlauts and ß in UTF-8: 0xC3 followed by one byte.
    if (c == 0xC3 && i + 1 < keyword.size()) {
      switch (static_cast<unsigned char>(keyword[++i])) {
        case 0xA4:
        case 0x84:
          file += "ae";
          break;
        case 0xB6:
        case 0x96:
          file += "oe";
          break;
        case 0xBC:
        case 0x9C:
          file += "ue";
          break;
        case 0x9F:
          file += "ss";
          break;
        default:
          file += '_';
          break;
      }
    } else if (c == ' ') {
      file += '-';
    } else if (c >= 'A' && c <= 'Z') {
      file += static_cast<char>(c - 'A' + 'a');
    } else {
      file += static_cast<char>(c);
    }
  }
  return file + ".html";
}

std::optional<std::string> HelpPageText(std::string_view file) {
  InitHelpResources();
  QFile page(QString::fromLatin1(kHelpResourceDir) + Utf8ToQString(file));
  if (file.empty() || !page.open(QIODevice::ReadOnly)) return std::nullopt;
  return page.readAll().toStdString();
}

std::vector<std::string> HelpPageFiles() {
  InitHelpResources();
  std::vector<std::string> files;
  const QDir dir(QString::fromLatin1(kHelpResourceDir));
  for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    files.push_back(name.toStdString());
  }
  return files;
}

}  // namespace vorlanz::platform
