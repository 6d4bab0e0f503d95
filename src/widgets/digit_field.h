#pragma once

// A one-character input field on the fixed-pitch screen: shows FieldText with
// an underline cursor and takes one digit. It reads key-up events, so a key
// counts when it is released.

namespace vorlanz {

// Runs the field at text column col (from 0) and text row row (from 1) of
// the 8 x 16 cell grid and overwrites col and row with the field's pixel
// position (8 col, 16 (row - 1)). A typed digit (main keys or keypad) or the
// B key ends the field with that character in FieldText; Return, Down, Up and
// "O" end it with the text unchanged; a mouse press ends it with LeaveFlag
// set. F1 opens the help topic (HelpTopic) and the field waits on. A "0" on
// entry is shown as a blank.
void DigitField(int& col, int& row);

}  // namespace vorlanz
