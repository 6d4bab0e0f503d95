#pragma once

// Translation of Qt's key codes into the virtual-key codes the program reads.

namespace vorlanz::platform {

// The virtual-key code of a Qt key (a Qt::Key value). `keypad` is true when
// the key came from the numeric keypad, which turns digits into 0x60..0x69 and
// the arithmetic keys into their keypad codes. Unknown keys give 0.
int VirtualKeyFromQt(int qt_key, bool keypad);

}  // namespace vorlanz::platform
