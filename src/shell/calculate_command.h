#pragma once

namespace vorlanz {

// What "berechnen" does before it calculates: makes sure the own forecast
// and the NORM series are entered and usable, then asks for the System-Güte.
// False if the user cancelled an entry or the inputs cannot be used.
bool PrepareCalculation();

// The main-menu command "berechnen": prepares as above, calculates a tip set
// and, unless the user cancelled, opens the calculation window.
void CalculateCommand();

}  // namespace vorlanz
