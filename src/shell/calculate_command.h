#pragma once

namespace vorlanz {

// The main-menu command "berechnen": makes sure the own forecast and the
// NORM series are entered and usable, asks for the System-Güte, calculates a
// tip set and, unless the user cancelled, opens the calculation window.
void CalculateCommand();

}  // namespace vorlanz
