#pragma once

// The main screen: status bar, the frame of the tip picture and, when
// entered, the forecast and the two series. It is rebuilt from the data on
// every call; nothing of it is kept between calls.

#include <cstdint>
#include <string_view>

namespace vorlanz {

// Reference x of the right-hand texts of the tip picture and the card choice.
inline constexpr std::int16_t RightPanelX = 450;
// A click right of HelpCornerX and below HelpCornerY, at the status line's
// "F1=HILFE", asks the screen on show for its help.
inline constexpr int HelpCornerX = 555;
inline constexpr int HelpCornerY = 400;
// Blanks that clear the running status text of the calculation.
inline constexpr std::uint8_t StatusBlankWidth = 41;

void DrawMainScreen();
void DrawStatusLine();
// Clears the main screen above the status line, redraws the status line and
// writes a full-screen view's title in font 16, black on light grey, at
// (152, 10); font 16 stays selected.
void OpenTitledScreen(std::string_view title);
// Fills the rectangle, both corners included, with the light-grey face.
void ClearArea(int x1, int y1, int x2, int y2);
// Wipes the band above the header line (y 0 to 38) from x1 to x2, both
// included, and puts back the tops of the grid lines that reach into it.
void ClearTopBand(int x1, int x2);

}  // namespace vorlanz
