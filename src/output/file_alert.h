#pragma once

// The alert boxes that tell of a file which cannot be read or written.

#include <string>
#include <string_view>

#include "platform/files.h"

namespace vorlanz {

// "Die Datei|<path>|<reason>" in an alert box, the path shown from the
// working folder.
void ReportFileProblem(const std::string& path, std::string_view reason);

// Why a write failed, as the alert says it.
std::string_view WriteFaultText(platform::WriteResult result);

}  // namespace vorlanz
