#pragma once

// Handing the rows of stored cards to other programs: a CSV file and the
// clipboard.

namespace vorlanz {

inline constexpr const char* kExportCardPrompt = "Welcher Tipp soll exportiert werden?";

// Asks for a card or "alle", then for the file name, writes the rows of the
// occupied chosen cards as CSV and puts them on the clipboard, and says so. A
// cancel, a free card or no occupied card at all does nothing; a file that
// cannot be written is reported, and the clipboard stays as it was.
void ExportCards();

}  // namespace vorlanz
