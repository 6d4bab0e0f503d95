#pragma once

// The GUI application object of the process. It must exist before any
// window is opened or any text is drawn, and lives until the program ends.

#include <functional>
#include <memory>

namespace vorlanz::platform {

// Whether the environment gives the program a graphical display to open its
// windows on: an X11 display (DISPLAY) or a Wayland one (WAYLAND_DISPLAY), or
// the one QT_QPA_PLATFORM names. `getenv` reads a variable; null when unset.
bool HasDisplay(const std::function<const char*(const char*)>& getenv);

// What the program says, on one line, when there is none.
inline constexpr const char* kNoDisplayMessage =
    "vorlanz: no graphical display found; the program needs X11 or Wayland "
    "(set DISPLAY or WAYLAND_DISPLAY)";

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
