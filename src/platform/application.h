#pragma once

// The GUI application object of the process. It must exist before any
// window is opened or any text is drawn, and lives until the program ends.

#include <memory>

namespace vorlanz::platform {

class Application {
 public:
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vorlanz::platform
