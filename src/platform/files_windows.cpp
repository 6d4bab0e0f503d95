// Reading and replacing files on Windows.
#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "platform/files.h"
#include "platform/link_target.h"

namespace vorlanz::platform {

namespace {

namespace fs = std::filesystem;

// A new file of a name no one else uses, beside the target; -1 when none
// can be made.
int CreateUniqueFile(const fs::path& target, fs::path& made) {
  std::random_device seed;
  std::mt19937 pick(seed());
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    made = folder / (L"." + target.filename().wstring() + L"." + std::to_wstring(pick() % 1000000));
    int fd = -1;
    if (::_wsopen_s(&fd, made.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYRW,
                    _S_IREAD | _S_IWRITE) == 0) {
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const int n =
        ::_write(fd, bytes.data() + written, static_cast<unsigned>(bytes.size() - written));
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return ::_commit(fd) == 0;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFile(const fs::path& path, std::size_t most) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes(most);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(most));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

WriteResult WriteFileAtomic(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  using Fault = WriteResult::Fault;
  const fs::path target = LinkTarget(path);
  std::error_code error;
  const fs::file_status old = fs::status(target, error);
  const bool replacing = fs::exists(old);
  if (replacing) {
    if (!fs::is_regular_file(old)) return {Fault::Failed};
    if ((old.permissions() & fs::perms::owner_write) == fs::perms::none) return {Fault::ReadOnly};
  }
  fs::path temporary;
  const int fd = CreateUniqueFile(target, temporary);
  if (fd < 0) return {Fault::Failed};
  bool done = WriteAll(fd, bytes);
  done = ::_close(fd) == 0 && done;
  if (done) {
    fs::rename(temporary, target, error);
    done = !error;
  }
  if (!done) {
    fs::remove(temporary, error);
    return {Fault::Failed};
  }
  return {};
}

}  // namespace vorlanz::platform

#endif  // _WIN32
