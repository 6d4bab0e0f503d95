#pragma once

// File system faults made on purpose: a size limit that fails every write
// past it as a full disk would, a FIFO that is opened for writing should a
// reader wait for it, and a test run again as an ordinary user where root
// would pass every permission check.

#include <sys/resource.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

namespace vorlanz::testing {

// While it lives, no file of this process grows beyond `bytes`.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previous_handler_)(int) = nullptr;
};

// Makes a FIFO. Should the code under test wait to read it, a writer comes
// after two seconds and closes at once, so the test fails instead of hanging.
class Fifo {
 public:
  explicit Fifo(std::filesystem::path path);
  ~Fifo();
  Fifo(const Fifo&) = delete;
  Fifo& operator=(const Fifo&) = delete;

 private:
  std::filesystem::path path_;
  std::atomic<bool> done_{false};
  std::thread unblocker_;
};

// Where a test of permissions runs. As root (which passes every permission
// check) the current test is run again as the user "nobody", and a failure
// there fails the test here.
enum class UserRun { Here, DoneAsNobody, Impossible };
UserRun RunAsOrdinaryUser(std::string& why_not);

// The first line of a test of permissions: as root it ends the test here,
// after running it as nobody, or skips it when that is impossible.
#define VORLANZ_AS_ORDINARY_USER()                                               \
  do {                                                                           \
    std::string why_not;                                                         \
    const auto run = ::vorlanz::testing::RunAsOrdinaryUser(why_not);             \
    if (run == ::vorlanz::testing::UserRun::Impossible) GTEST_SKIP() << why_not; \
    if (run == ::vorlanz::testing::UserRun::DoneAsNobody) return;                \
  } while (false)

// The memory this process has held at its peak, in bytes.
long PeakMemory();

}  // namespace vorlanz::testing
