#pragma once

// Fixture for tests that draw or script input: a fresh headless platform of
// the main window's size, installed as the current platform, fresh pool
// tables, and the poll clock's time in the test's hands.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/headless.h"
#include "platform/headless_clipboard.h"
#include "support/poll_time.h"

namespace vorlanz {

class ScreenTest : public ::testing::Test {
 protected:
  static constexpr int kMainWidth = platform::kMainWidth;
  static constexpr int kMainHeight = platform::kMainHeight;

  void SetUp() override;
  void TearDown() override;

  // The main window's surface.
  platform::Surface& main_screen() { return os.WindowSurface(platform::kMainWindow); }
  // Writes <name>.png of the main window into the working directory.
  void SaveShot(const std::string& name);

  platform::HeadlessPlatform os{kMainWidth, kMainHeight};
  platform::HeadlessClipboard clipboard;
  // Stands still: long loops visit the screen and the input only when a test
  // moves the time.
  testing::TestPollTime poll_time;
};

bool SameArea(const platform::SavedArea& a, const platform::SavedArea& b);
// A checksum of all pixels (FNV-1a over the 0xffRRGGBB values).
std::uint64_t Checksum(const platform::Surface& surface);

}  // namespace vorlanz
