#include "support/file_faults.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vorlanz::testing {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  // A write past the limit then fails with EFBIG instead of ending the process.
  previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
  getrlimit(RLIMIT_FSIZE, &previous_);
  rlimit limited = previous_;
  limited.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &previous_);
  std::signal(SIGXFSZ, previous_handler_);
}

Fifo::Fifo(std::filesystem::path path) : path_(std::move(path)) {
  if (::mkfifo(path_.c_str(), 0644) != 0) ADD_FAILURE() << "no FIFO " << path_;
  unblocker_ = std::thread([this] {
    const auto start = std::chrono::steady_clock::now();
    while (!done_) {
      if (std::chrono::steady_clock::now() - start > std::chrono::seconds(2)) {
        // Succeeds only while someone waits to read.
        const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
          ::close(fd);
          ADD_FAILURE() << "a reader waited for the FIFO " << path_;
        }
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
}

Fifo::~Fifo() {
  done_ = true;
  unblocker_.join();
}

UserRun RunAsOrdinaryUser(std::string& why_not) {
  if (::geteuid() != 0) return UserRun::Here;
  if (std::system("command -v setpriv >/dev/null 2>&1") != 0) {
    why_not = "skipped: run as root, and setpriv is missing to run it as nobody";
    return UserRun::Impossible;
  }
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  const std::string output =
      (std::filesystem::temp_directory_path() / ("vorlanz-nobody-" + std::to_string(::getpid())))
          .string();
  const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups '" + self +
                              "' --gtest_filter='" + test->test_suite_name() + "." + test->name() +
                              "' >'" + output + "' 2>&1";
  const int status = std::system(command.c_str());
  std::ifstream in(output);
  std::stringstream said;
  said << in.rdbuf();
  std::filesystem::remove(output);
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (code == 126 || code == 127) {
    why_not = "skipped: the test program cannot be started as nobody";
    return UserRun::Impossible;
  }
  EXPECT_EQ(code, 0) << "run as nobody:\n" << said.str();
  return UserRun::DoneAsNobody;
}

long PeakMemory() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6) * 1024;
  }
  return 0;
}

}  // namespace vorlanz::testing
