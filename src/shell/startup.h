#pragma once

namespace vorlanz {

// Sets up the main window, the tables and the menu, draws the main screen and
// runs the main loop. Returns only when the platform ends the program by
// unwinding (the headless backend); the real program ends in QuitProgram.
void RunProgram();

// The start-up steps without the main loop: tables, parameter file, menu,
// main screen.
void StartProgram();

// Fetches events until the program ends: menu picks run their command, F1
// opens the guide.
void MainLoop();

// Asks "Programm beenden?" and quits on "JA".
void ConfirmQuit();

// Closes the main window and ends the program without saving anything.
[[noreturn]] void QuitProgram();

}  // namespace vorlanz
