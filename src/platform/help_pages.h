#pragma once

// The pages of the user guide, shipped inside the program. Every help keyword
// has a page whose file name follows from the keyword; the contents page
// links to all of them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlanz::platform {

inline constexpr std::string_view kHelpContentsPage = "inhalt.html";

// The page of a keyword: lower case, umlauts and ß spelt out, blanks as "-",
// ".html" appended ("Scheine auswählen" -> "scheine-auswaehlen.html").
std::string HelpPageFile(std::string_view keyword);
// The HTML text of a page, or nothing when the guide has no such page.
std::optional<std::string> HelpPageText(std::string_view file);
// The file names of all pages, sorted.
std::vector<std::string> HelpPageFiles();

}  // namespace vorlanz::platform
