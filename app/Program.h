#pragma once

// Start-up: prepares the answer sheet and the navigation state, and the application object with
// its title and fonts. Call before anything else, right after the QApplication exists.
void InitialiseProgram();

// Creates the eight windows, hidden, in their fixed order (the quiz window first, which makes it
// the main window), and destroys them again in reverse order.
void CreateWindows();
void DestroyWindows();

// The whole program: the command line, start-up, the main window shown, the event loop until it
// closes. Returns the exit status: 0, 1 when no display opens, 2 for a usage error.
int RunProgram(int argc, char* argv[]);
