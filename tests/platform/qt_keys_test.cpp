#include "platform/qt_keys.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace vorlanz::platform {
namespace {

// Qt::Key values (stable across Qt versions); the tests do not see Qt's headers.
constexpr int kQtEscape = 0x01000000;
constexpr int kQtTab = 0x01000001;
constexpr int kQtBacktab = 0x01000002;
constexpr int kQtBackspace = 0x01000003;
constexpr int kQtReturn = 0x01000004;
constexpr int kQtEnter = 0x01000005;
constexpr int kQtInsert = 0x01000006;
constexpr int kQtDelete = 0x01000007;
constexpr int kQtHome = 0x01000010;
constexpr int kQtEnd = 0x01000011;
constexpr int kQtLeft = 0x01000012;
constexpr int kQtUp = 0x01000013;
constexpr int kQtRight = 0x01000014;
constexpr int kQtDown = 0x01000015;
constexpr int kQtPageUp = 0x01000016;
constexpr int kQtPageDown = 0x01000017;
constexpr int kQtShift = 0x01000020;
constexpr int kQtF1 = 0x01000030;
constexpr int kQtF12 = 0x0100003b;
constexpr int kQtF24 = 0x01000047;
constexpr int kQtF25 = 0x01000048;
constexpr int kQtSpace = 0x20;
constexpr int kQtAsterisk = 0x2a;
constexpr int kQtPlus = 0x2b;
constexpr int kQtComma = 0x2c;
constexpr int kQtMinus = 0x2d;
constexpr int kQtSlash = 0x2f;
constexpr int kQtADiaeresis = 0xc4;

TEST(VirtualKeyFromQtTest, LettersAndDigitsKeepTheirAsciiCodes) {
  for (int letter = 'A'; letter <= 'Z'; ++letter) {
    EXPECT_EQ(VirtualKeyFromQt(letter, false), letter);
  }
  for (int digit = '0'; digit <= '9'; ++digit) {
    EXPECT_EQ(VirtualKeyFromQt(digit, false), digit);
  }
}

TEST(VirtualKeyFromQtTest, KeypadDigitsAndArithmeticKeysHaveTheirOwnCodes) {
  for (int digit = 0; digit <= 9; ++digit) {
    EXPECT_EQ(VirtualKeyFromQt('0' + digit, true), vk::kNumpad0 + digit);
  }
  EXPECT_EQ(VirtualKeyFromQt(kQtAsterisk, true), 0x6A);
  EXPECT_EQ(VirtualKeyFromQt(kQtPlus, true), 0x6B);
  EXPECT_EQ(VirtualKeyFromQt(kQtMinus, true), 0x6D);
  EXPECT_EQ(VirtualKeyFromQt(kQtComma, true), 0x6E);
  EXPECT_EQ(VirtualKeyFromQt(kQtSlash, true), 0x6F);
  // The same keys on the main keyboard.
  EXPECT_EQ(VirtualKeyFromQt(kQtPlus, false), 0xBB);
  EXPECT_EQ(VirtualKeyFromQt(kQtMinus, false), 0xBD);
  EXPECT_EQ(VirtualKeyFromQt(kQtSlash, false), 0);
}

TEST(VirtualKeyFromQtTest, KeypadFlagLeavesNavigationAndEnterAlone) {
  EXPECT_EQ(VirtualKeyFromQt(kQtEnter, true), vk::kReturn);
  EXPECT_EQ(VirtualKeyFromQt(kQtHome, true), 0x24);
  EXPECT_EQ(VirtualKeyFromQt(kQtDown, true), vk::kDown);
}

TEST(VirtualKeyFromQtTest, FunctionKeysRunOnFromF1) {
  EXPECT_EQ(VirtualKeyFromQt(kQtF1, false), vk::kF1);
  EXPECT_EQ(VirtualKeyFromQt(kQtF12, false), 0x7B);
  EXPECT_EQ(VirtualKeyFromQt(kQtF24, false), 0x87);
  EXPECT_EQ(VirtualKeyFromQt(kQtF25, false), 0);
}

TEST(VirtualKeyFromQtTest, EditingAndNavigationKeys) {
  EXPECT_EQ(VirtualKeyFromQt(kQtLeft, false), vk::kLeft);
  EXPECT_EQ(VirtualKeyFromQt(kQtUp, false), vk::kUp);
  EXPECT_EQ(VirtualKeyFromQt(kQtRight, false), vk::kRight);
  EXPECT_EQ(VirtualKeyFromQt(kQtDown, false), vk::kDown);
  EXPECT_EQ(VirtualKeyFromQt(kQtReturn, false), vk::kReturn);
  EXPECT_EQ(VirtualKeyFromQt(kQtEnter, false), vk::kReturn);
  EXPECT_EQ(VirtualKeyFromQt(kQtEscape, false), vk::kEscape);
  EXPECT_EQ(VirtualKeyFromQt(kQtTab, false), vk::kTab);
  EXPECT_EQ(VirtualKeyFromQt(kQtBacktab, false), vk::kTab);
  EXPECT_EQ(VirtualKeyFromQt(kQtBackspace, false), 0x08);
  EXPECT_EQ(VirtualKeyFromQt(kQtSpace, false), 0x20);
  EXPECT_EQ(VirtualKeyFromQt(kQtInsert, false), 0x2D);
  EXPECT_EQ(VirtualKeyFromQt(kQtDelete, false), 0x2E);
  EXPECT_EQ(VirtualKeyFromQt(kQtHome, false), 0x24);
  EXPECT_EQ(VirtualKeyFromQt(kQtEnd, false), 0x23);
  EXPECT_EQ(VirtualKeyFromQt(kQtPageUp, false), 0x21);
  EXPECT_EQ(VirtualKeyFromQt(kQtPageDown, false), 0x22);
  EXPECT_EQ(VirtualKeyFromQt(kQtShift, false), 0x10);
}

TEST(VirtualKeyFromQtTest, UnknownKeysGiveZero) {
  EXPECT_EQ(VirtualKeyFromQt(kQtADiaeresis, false), 0);
  EXPECT_EQ(VirtualKeyFromQt('a', false), 0);  // Qt reports letters upper case
  EXPECT_EQ(VirtualKeyFromQt(0, false), 0);
  EXPECT_EQ(VirtualKeyFromQt(0x01ffffff, true), 0);
}

}  // namespace
}  // namespace vorlanz::platform
