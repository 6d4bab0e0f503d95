#include "platform/qt_keys.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace vorlanz::platform {
namespace {

// Qt::Key values (stable across Qt versions); the tests do not see Qt's
// headers. One key of each kind the mapping tells apart.
TEST(VirtualKeyFromQtTest, KeypadDigitsAndArithmeticKeysDifferFromTheMainKeyboard) {
  EXPECT_EQ(VirtualKeyFromQt('A', false), 'A');
  EXPECT_EQ(VirtualKeyFromQt('9', false), '9');
  EXPECT_EQ(VirtualKeyFromQt('0', true), vk::kNumpad0);
  EXPECT_EQ(VirtualKeyFromQt('9', true), vk::kNumpad0 + 9);
  EXPECT_EQ(VirtualKeyFromQt(0x2d, true), 0x6D);               // keypad minus
  EXPECT_EQ(VirtualKeyFromQt(0x2d, false), 0xBD);              // minus
  EXPECT_EQ(VirtualKeyFromQt(0x01000005, true), vk::kReturn);  // keypad Enter
  EXPECT_EQ(VirtualKeyFromQt(0x01000015, true), vk::kDown);
  EXPECT_EQ(VirtualKeyFromQt(0x01000030, false), vk::kF1);
  EXPECT_EQ(VirtualKeyFromQt(0x01000047, false), 0x87);      // F24
  EXPECT_EQ(VirtualKeyFromQt(0x01000048, false), 0);         // F25
  EXPECT_EQ(VirtualKeyFromQt(0x01000002, false), vk::kTab);  // Backtab
  for (const int unknown : {0xc4, int{'a'}, 0x01ffffff})
    EXPECT_EQ(VirtualKeyFromQt(unknown, false), 0);
}

}  // namespace
}  // namespace vorlanz::platform
