#include "platform/qt_keys.h"

#include <gtest/gtest.h>

#include <iterator>

#include "platform/platform.h"

namespace vorlanz::platform {
namespace {

// Qt::Key values (stable across Qt versions); the tests do not see Qt's headers.
TEST(VirtualKeyFromQtTest, MapsQtKeysToVirtualKeys) {
  // Rows of Qt key, keypad flag, virtual key.
  const int rows[] = {
      'A', 0, 'A', 'Z', 0, 'Z', '0', 0, '0', '9', 0, '9', '0', 1, vk::kNumpad0, '9', 1,
      vk::kNumpad0 + 9, 0x2a, 1, 0x6A, 0x2b, 1, 0x6B, 0x2d, 1, 0x6D, 0x2c, 1, 0x6E, 0x2f, 1, 0x6F,
      // The same arithmetic keys on the main keyboard.
      0x2b, 0, 0xBB, 0x2d, 0, 0xBD, 0x2f, 0, 0,
      // The keypad flag leaves Enter and navigation alone.
      0x01000005, 1, vk::kReturn, 0x01000010, 1, 0x24, 0x01000015, 1, vk::kDown,
      // F1 to F24, then nothing.
      0x01000030, 0, vk::kF1, 0x01000047, 0, 0x87, 0x01000048, 0, 0,
      // Editing and navigation keys, Enter and Backtab included.
      0x01000012, 0, vk::kLeft, 0x01000014, 0, vk::kRight, 0x01000004, 0, vk::kReturn, 0x01000005,
      0, vk::kReturn, 0x01000000, 0, vk::kEscape, 0x01000001, 0, vk::kTab, 0x01000002, 0, vk::kTab,
      0x01000003, 0, 0x08, 0x20, 0, 0x20, 0x01000006, 0, 0x2D, 0x01000007, 0, 0x2E, 0x01000011, 0,
      0x23, 0x01000017, 0, 0x22, 0x01000020, 0, 0x10,
      // Unknown keys; Qt reports letters upper case.
      0xc4, 0, 0, 'a', 0, 0, 0, 0, 0, 0x01ffffff, 1, 0};
  for (std::size_t i = 0; i + 2 < std::size(rows); i += 3) {
    EXPECT_EQ(VirtualKeyFromQt(rows[i], rows[i + 1] != 0), rows[i + 2])
        << std::hex << rows[i] << " keypad " << rows[i + 1];
  }
}

}  // namespace
}  // namespace vorlanz::platform
