#include "platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorlanz::platform {

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
