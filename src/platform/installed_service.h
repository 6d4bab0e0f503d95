#pragma once

// The one instance of a platform service, installed by main() or a test.

#include <stdexcept>
#include <string>

namespace vorlanz::platform {

template <typename Service>
class InstalledService {
 public:
  static Service& Get(const char* name) {
    if (installed_ == nullptr) throw std::logic_error(std::string("no ") + name + " installed");
    return *installed_;
  }
  static void Set(Service* service) { installed_ = service; }

 private:
  static inline Service* installed_ = nullptr;
};

}  // namespace vorlanz::platform
