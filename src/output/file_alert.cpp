#include "output/file_alert.h"

#include <filesystem>
#include <system_error>

#include "output/logic/data_file_messages.h"
#include "widgets/alert_box.h"

namespace vorlanz {

void ReportFileProblem(const std::string& path, std::string_view reason) {
  std::error_code no_directory;
  const std::filesystem::path here = std::filesystem::current_path(no_directory);
  const std::string shown =
      platform::Utf8FromPath(platform::PathFromUtf8(path).lexically_proximate(here));
  AlertBox(1, 0, 0, FileAlertText(shown, reason), 1, "_OK");
}

std::string_view WriteFaultText(platform::WriteResult result) {
  return result.fault == platform::WriteResult::Fault::ReadOnly ? kWriteProtected : kCannotWrite;
}

}  // namespace vorlanz
