#include "support/screen_test.h"

#include "model/pool_data.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

void ScreenTest::SetUp() {
  // The member platform is fresh for every test: gtest makes a new fixture.
  platform::Install(&os);
  platform::InstallClipboard(&clipboard);
  ResetPool();
  // Process-wide widget state is reset here as well.
  ResetDialog();
}

void ScreenTest::TearDown() {
  platform::Install(nullptr);
  platform::InstallClipboard(nullptr);
}

void ScreenTest::SaveShot(const std::string& name) {
  main_screen().SavePng(name + ".png");
}

bool SameArea(const platform::SavedArea& a, const platform::SavedArea& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height &&
         a.pixels == b.pixels;
}

std::uint64_t Checksum(const platform::Surface& surface) {
  std::uint64_t hash = 14695981039346656037ull;
  const std::size_t count = static_cast<std::size_t>(surface.width()) * surface.height();
  for (std::size_t i = 0; i < count; ++i) {
    hash = (hash ^ surface.bits()[i]) * 1099511628211ull;
  }
  return hash;
}

}  // namespace vorlanz
