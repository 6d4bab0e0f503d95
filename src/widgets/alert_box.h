#pragma once

// The program's own message box: a raised grey panel drawn into the current
// window with up to ten centred text lines and a row of push buttons. It
// blocks until a button is chosen (hot key, click, arrow keys and Return) or
// the box is cancelled (Escape or the right mouse button), then puts back
// the screen under it.

#include <string_view>

namespace vorlanz {

// Returns 1..n for button 1..n (left to right), 99 when cancelled.
// text: lines separated by "|" (at most ten are used). buttons: labels
// separated by "|", "_" before each hot-key letter. centred non-zero centres
// the box in the current window; otherwise its top left corner is (x, y).
// default_button preselects a button (1-based); a number above the buttons
// preselects none, and Return does nothing until an arrow key selects one.
// Keys are taken by their key code as a character, upper-cased: F1 answers
// like "P", the keypad digits 1..9 like "A".."I".
int AlertBox(int centred, int x, int y, std::string_view text, int default_button,
             std::string_view buttons);

// The same box, where F1 opens the help at help_topic and the box stays open
// (instead of answering like "P").
int AlertBoxWithHelp(int centred, int x, int y, std::string_view text, int default_button,
                     std::string_view buttons, std::string_view help_topic);

}  // namespace vorlanz
