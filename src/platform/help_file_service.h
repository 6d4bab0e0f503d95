#pragma once

// The user guide and the file selector.

#include <string>
#include <string_view>

namespace vorlanz::platform {

// What the file selector shows and proposes.
struct FileChoice {
  enum class Purpose { Open, Save };
  Purpose purpose = Purpose::Open;
  std::string title;
  std::string folder;    // relative to the working directory
  std::string pattern;   // such as "*.T13"
  std::string proposed;  // the file name put into the name field

  bool operator==(const FileChoice&) const = default;
};

class HelpFileService {
 public:
  virtual ~HelpFileService() = default;

  // --- Help ----------------------------------------------------------------
  // Opens the user guide at a keyword; does not wait for the viewer.
  virtual void ShowHelp(std::string_view keyword) = 0;

  // --- File selector -------------------------------------------------------
  // Lets the user pick a file and returns its path, or the empty string when
  // the selector is cancelled. An open choice returns only files that exist.
  // The working directory stays as it is.
  virtual std::string ChooseFile(const FileChoice& choice) = 0;
};

}  // namespace vorlanz::platform
