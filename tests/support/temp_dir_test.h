#pragma once

// A test whose files go to a fresh empty directory, named by dir_.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vorlanz::testing {

class TempDirTest : public ::testing::Test {
 protected:
  TempDir temp_;
  const std::filesystem::path dir_ = temp_.path();
};

}  // namespace vorlanz::testing
