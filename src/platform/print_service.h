#pragma once

// Printing a slip: one text in one font at millimetre positions.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlanz::platform {

// Slip printing: marks of one text in one font at millimetre positions.
struct PrintFont {
  std::string family;
  int points = 12;
  bool bold = false;
  bool fixed_pitch = true;
};
struct PrintMark {
  double x_mm = 0, y_mm = 0;  // the text's top left corner
};
struct PrintArea {
  double width_mm = 0, height_mm = 0;            // the printable area
  double mark_width_mm = 0, mark_height_mm = 0;  // the text's cell in the font
};

class PrintService {
 public:
  virtual ~PrintService() = default;

  // --- Printing ------------------------------------------------------------
  // Makes a printer the output of one page: the system's default printer
  // when there is one, otherwise the one the user picks in the print dialog
  // (which also offers a PDF file). The page is made at least the given size
  // where the printer allows. Gives the printable area and the size of the
  // text's cell, or nothing when the user cancelled the choice.
  virtual std::optional<PrintArea> BeginPrint(std::string_view document, const PrintFont& font,
                                              double page_width_mm, double page_height_mm) = 0;
  // Prints the text at every mark (millimetres from the top left of the
  // printable area) on the page begun and ends the document; false when the
  // print was not made: the printer failed, or the file printed into is not
  // a whole document afterwards (it is then removed).
  virtual bool PrintMarks(std::string_view text, const std::vector<PrintMark>& marks) = 0;
  // Drops a begun print without printing anything.
  virtual void CancelPrint() = 0;
};

}  // namespace vorlanz::platform
