// A slip printed into a PDF file through the real printer code: the marks
// land where the slip geometry puts them, read back with poppler's pdftotext.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "model/pool_data.h"
#include "output/logic/slip_geometry.h"
#include "output/slip_print.h"
#include "platform/qt_platform.h"
#include "platform/qt_platform_probe.h"
#include "support/temp_dir.h"

namespace vorlanz {
namespace {

constexpr double kMmPerPoint = 25.4 / 72;

struct Box {
  double x_mm, y_mm, width_mm;
};

// The boxes of the words "x" on the page, and the page's width.
std::vector<Box> MarksInPdf(const std::string& pdf, double& page_width_mm) {
  const std::string html = pdf + ".html";
  const std::string command = "pdftotext -bbox " + pdf + " " + html + " 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream in(html);
  std::stringstream text;
  text << in.rdbuf();
  const std::string page = text.str();
  std::smatch size;
  if (std::regex_search(page, size, std::regex(R"re(<page width="([0-9.]+)")re"))) {
    page_width_mm = std::stod(size[1]) * kMmPerPoint;
  }
  const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="[0-9.]+">x</word>)re");
  std::vector<Box> boxes;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), word); it != std::sregex_iterator();
       ++it) {
    const double x = std::stod((*it)[1]);
    boxes.push_back({x * kMmPerPoint, std::stod((*it)[2]) * kMmPerPoint,
                     (std::stod((*it)[3]) - x) * kMmPerPoint});
  }
  return boxes;
}

class SlipPdfTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "skipped: pdftotext (poppler-utils) is not installed";
    }
    platform::Install(&printer_);
    ResetPool();
  }
  void TearDown() override { platform::Install(nullptr); }

  testing::TempDir dir_;
  platform::QtPlatform printer_{788, 435};
};

TEST_P(SlipPdfTest, MarksLandAtTheirMillimetres) {
  PoolData& pool = Pool();
  pool.Bundesland = static_cast<std::int16_t>(GetParam());
  pool.PrintOffsetA = 136;
  pool.PrintOffsetB = 116;
  pool.PlaySuper6 = kTrue;
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int r = 1; r <= kRowCount; ++r) pool.TipRows[m][r] = static_cast<Byte>((m + r) % 3);
  }
  const std::string pdf = (dir_.path() / "slip.pdf").string();
  platform::QtPlatformProbe(printer_).PrintIntoFile(pdf);
  PrintSlip();

  double page_width = 0;
  const std::vector<Box> printed = MarksInPdf(pdf, page_width);
  const auto expected =
      SlipMarks(pool.TipRows, pool.SlipColumn, {pool.Bundesland, 136, 116, true, false});
  ASSERT_EQ(printed.size(), expected.size());
  double rightmost = 0;
  for (const SlipMark& mark : expected) rightmost = std::max(rightmost, mark.x);
  EXPECT_GT(page_width, rightmost + 2.54);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    // pdftotext lists the words line by line, left to right: find the mark.
    double nearest = 1e9;
    for (const Box& box : printed) {
      nearest = std::min(nearest, std::hypot(box.x_mm - expected[i].x, box.y_mm - expected[i].y));
    }
    EXPECT_LT(nearest, 0.2) << "mark " << i << " at " << expected[i].x << ", " << expected[i].y;
  }
  // Courier 12 points: every "x" is 0.6 em wide.
  EXPECT_NEAR(printed.front().width_mm, 0.6 * 12 * kMmPerPoint, 0.1);
}

// Nordrhein-Westfalen, Hessen with its gaps, and Berlin beyond A4's width.
INSTANTIATE_TEST_SUITE_P(States, SlipPdfTest, ::testing::Values(7, 5, 2));

}  // namespace
}  // namespace vorlanz
