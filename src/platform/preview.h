#pragma once

// The preview of a printed page: a window over the main window that shows
// the paper as it would come out of the printer, with faint guide boxes that
// are never printed. Beside Platform, with its Qt and headless sides.

#include <string>
#include <vector>

#include "platform/print_service.h"

namespace vorlanz::platform {

struct PreviewRect {
  double x_mm = 0, y_mm = 0, width_mm = 0, height_mm = 0;
};

// Rectangles and marks stand in millimetres from the top left of the
// printable area, as printed marks do.
struct PreviewPage {
  std::string title;
  double paper_width_mm = 210, paper_height_mm = 297;
  PreviewRect printable{0, 0, 210, 297};  // on the paper
  std::vector<PreviewRect> boxes;         // drawn faintly
  PrintFont font;
  std::string mark;
  std::vector<PrintMark> marks;    // black, as printed
  std::vector<PrintMark> outside;  // red: lost outside the printable area
};

// How the user left the preview.
enum class PreviewExit { Closed, Help };

class PagePreview {
 public:
  virtual ~PagePreview() = default;
  // Shows the page and waits until the user closes the window (its close
  // box, Escape, the close button) or asks for its help (F1, the help
  // button); the window is gone on return.
  virtual PreviewExit Show(const PreviewPage& page) = 0;
};

// The preview the program uses; installed once by main() or a test.
PagePreview& CurrentPreview();
void InstallPreview(PagePreview* preview);

}  // namespace vorlanz::platform
