// The shared main of the test programs: the GUI application object first
// (fonts need it), drawn off screen unless the environment says otherwise.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  vorlanz::platform::Application application(argc, argv);
  return RUN_ALL_TESTS();
}
