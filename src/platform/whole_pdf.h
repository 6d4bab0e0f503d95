#pragma once

// Whether a print into a PDF file left a whole document there.

#include <filesystem>

namespace vorlanz::platform {

// True when the file is a regular file that ends with the PDF end-of-file
// mark, which a file cut short by a full disk, or an empty one, lacks. A
// device such as /dev/full holds nothing.
bool IsWholePdf(const std::filesystem::path& path);

}  // namespace vorlanz::platform
