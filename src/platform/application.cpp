#include "platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string_view>

namespace vorlanz::platform {

bool HasDisplay(const std::function<const char*(const char*)>& getenv) {
  const auto set = [&getenv](const char* name) {
    const char* value = getenv(name);
    return value != nullptr && *value != '\0';
  };
  const char* chosen = getenv("QT_QPA_PLATFORM");
  const std::string_view platform = chosen != nullptr ? chosen : "";
  if (platform.starts_with("xcb")) return set("DISPLAY");
  if (platform.starts_with("wayland")) return set("WAYLAND_DISPLAY");
  return !platform.empty() || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

struct Application::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {
    // Qt's own dialogs (the file selector) speak the program's German.
    if (german.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QApplication::installTranslator(&german);
    }
  }
  QApplication app;
  QTranslator german;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {}

Application::~Application() = default;

}  // namespace vorlanz::platform
