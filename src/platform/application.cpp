#include "platform/application.h"

#include <QApplication>

namespace vorlanz::platform {

struct Application::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {}

Application::~Application() = default;

}  // namespace vorlanz::platform
