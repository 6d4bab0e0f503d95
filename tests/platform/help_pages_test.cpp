#include "platform/help_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "model/help_topics.h"
#include "platform/files.h"

namespace vorlanz::platform {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadFile(path, 1 << 20);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
    found.push_back((*it)[1].str());
  }
  return found;
}

// Every keyword the program opens its help at: the constants of the keyword
// list, each keyword constant the sources name, and every text given to a
// help call or a dialog's HelpTopic directly. Fails on a constant the list
// does not define.
std::set<std::string> KeywordsOfTheProgram() {
  const fs::path src(VORLANZ_SOURCE_DIR);
  std::map<std::string, std::string> constants;
  const std::regex constant(R"re(std::string_view\s+(k\w+)\s*=\s*"([^"]*)")re");
  const std::string list = ReadText(src / "model" / "help_topics.h");
  for (std::sregex_iterator it(list.begin(), list.end(), constant), end; it != end; ++it) {
    constants[(*it)[1].str()] = (*it)[2].str();
  }
  std::set<std::string> keywords;
  for (const auto& [name, keyword] : constants) keywords.insert(keyword);

  const std::regex named(R"re(help::(k\w+))re");
  const std::regex literal(R"re((?:ShowHelp|ShowHelpTopic)\s*\(\s*"([^"]*)")re");
  const std::regex assigned(R"re(HelpTopic\s*=\s*"([^"]*)")re");
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    const std::string code = ReadText(entry.path());
    for (const std::string& name : Matches(code, named)) {
      if (name == "kAllTopics") continue;
      const auto found = constants.find(name);
      EXPECT_NE(found, constants.end()) << entry.path() << " names help::" << name;
      if (found != constants.end()) keywords.insert(found->second);
    }
    for (const std::string& keyword : Matches(code, literal)) keywords.insert(keyword);
    for (const std::string& keyword : Matches(code, assigned)) keywords.insert(keyword);
  }
  return keywords;
}

std::string PageTitle(const std::string& html) {
  const std::regex title("<title>([^<]*)</title>");
  std::smatch match;
  return std::regex_search(html, match, title) ? match[1].str() : std::string();
}

// Each keyword's page exists and carries the keyword as its title, which
// also holds the file names' spelling of umlauts and blanks.
TEST(HelpPages, EveryKeywordOfTheProgramHasItsPage) {
  EXPECT_FALSE(HelpPageText("keine-seite.html") || HelpPageText(""));
  const std::set<std::string> keywords = KeywordsOfTheProgram();
  EXPECT_GE(keywords.size(), help::kAllTopics.size());
  for (const std::string_view keyword : help::kAllTopics) {
    EXPECT_TRUE(keywords.contains(std::string(keyword))) << keyword;
  }
  for (const std::string& keyword : keywords) {
    const std::optional<std::string> page = HelpPageText(HelpPageFile(keyword));
    ASSERT_TRUE(page) << "no help page for \"" << keyword << "\"";
    EXPECT_EQ(PageTitle(*page), keyword) << HelpPageFile(keyword);
  }
}

// Every link leads to a page of the guide, and to an anchor that page has;
// every page can be reached from the contents page.
TEST(HelpPages, EveryLinkResolvesAndEveryPageIsReachable) {
  const std::vector<std::string> files = HelpPageFiles();
  ASSERT_TRUE(std::find(files.begin(), files.end(), kHelpContentsPage) != files.end());
  const std::regex link(R"re(href="([^"]*)")re");
  const std::regex anchor(R"re((?:name|id)="([^"]*)")re");
  std::map<std::string, std::vector<std::string>> links;
  for (const std::string& file : files) {
    const std::string html = *HelpPageText(file);
    EXPECT_FALSE(PageTitle(html).empty()) << file;
    for (const std::string& href : Matches(html, link)) {
      const std::size_t hash = href.find('#');
      const std::string target = hash == 0 ? file : href.substr(0, hash);
      const std::optional<std::string> page = HelpPageText(target);
      ASSERT_TRUE(page) << file << " links to " << href;
      if (hash != std::string::npos) {
        const std::vector<std::string> anchors = Matches(*page, anchor);
        EXPECT_TRUE(std::find(anchors.begin(), anchors.end(), href.substr(hash + 1)) !=
                    anchors.end())
            << file << " links to " << href;
      }
      links[file].push_back(target);
    }
  }
  std::set<std::string> reached{std::string(kHelpContentsPage)};
  std::deque<std::string> open{std::string(kHelpContentsPage)};
  while (!open.empty()) {
    for (const std::string& target : links[open.front()]) {
      if (reached.insert(target).second) open.push_back(target);
    }
    open.pop_front();
  }
  for (const std::string& file : files) EXPECT_TRUE(reached.contains(file)) << file;
}

}  // namespace
}  // namespace vorlanz::platform
