#include "output/logic/data_file_messages.h"

#include "output/logic/data_file_layout.h"
#include "output/logic/data_file_name.h"

namespace vorlanz {

std::string ShownFileName(std::string_view path) {
  std::string shown;
  for (const char c : ShortenedPath(path, kShownPathWidth)) {
    if (c == '|') {
      shown += "¦";
    } else {
      shown += c;
    }
  }
  return shown;
}

std::string FileAlertText(std::string_view path, std::string_view reason) {
  return "Die Datei|" + ShownFileName(path) + "|" + std::string(reason);
}

std::string LoadProblemText(const DataFileProblem& problem) {
  constexpr const char* kNotLoaded = "|Sie wurde nicht geladen.";
  if (problem.kind == DataFileProblem::Kind::TooShort) {
    return "ist zu kurz: " + std::to_string(problem.size) + " statt " +
           std::to_string(data_file::kReadSize) + " Bytes." + kNotLoaded;
  }
  return "enthält einen ungültigen Wert:|" + problem.field + ": Wert " +
         std::to_string(problem.value) + " (Byte " + std::to_string(problem.offset) + ")." +
         kNotLoaded;
}

}  // namespace vorlanz
