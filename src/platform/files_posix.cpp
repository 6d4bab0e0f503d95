// Reading and replacing files on POSIX systems.
#ifndef _WIN32

#include "platform/files.h"
#include "platform/link_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace vorlanz::platform {

namespace {

namespace fs = std::filesystem;

// A file descriptor closed at the end of its scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now; false when the system reports an error (a delayed write
  // failure shows here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0;
}

// The permissions a new file gets: everyone may read and write, less what
// the user's file mask takes away.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFile(const fs::path& path, std::size_t most) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  // Not waiting in open: the name may have become a FIFO meanwhile.
  Descriptor in(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (in.get() < 0 || ::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(most);
  std::size_t got = 0;
  while (got < most) {
    const ssize_t n = ::read(in.get(), bytes.data() + got, most - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

WriteResult WriteFileAtomic(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  using Fault = WriteResult::Fault;
  const fs::path target = LinkTarget(path);
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing) {
    if (!S_ISREG(old.st_mode)) return {Fault::Failed};
    // Write-protected for everyone counts even for a user the system lets
    // through.
    if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
      return {Fault::ReadOnly};
    }
  }

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  Descriptor out(::mkostemp(temporary.data(), O_CLOEXEC));
  if (out.get() < 0) return {Fault::Failed};
  bool done = ::fchmod(out.get(), replacing ? (old.st_mode & 07777) : NewFileMode()) == 0;
  if (done && replacing && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
    // Only a privileged user may give the file back to its owner; the
    // group of one's own file may still be kept. Failing both, the file is
    // the writer's, as any new file would be.
    if (::fchown(out.get(), old.st_uid, old.st_gid) != 0 &&
        ::fchown(out.get(), static_cast<uid_t>(-1), old.st_gid) != 0) {
    }
    done = ::fchmod(out.get(), old.st_mode & 07777) == 0;
  }
  done = done && WriteAll(out.get(), bytes);
  done = out.Close() && done;
  done = done && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!done) {
    ::unlink(temporary.c_str());
    return {Fault::Failed};
  }
  return {};
}

}  // namespace vorlanz::platform

#endif  // _WIN32
