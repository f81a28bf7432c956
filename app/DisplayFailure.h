#pragma once

// Qt opens the display while the application object is made, and when it cannot it prints
// several lines and aborts. Between these two calls Qt's messages are held back: if Qt gives up,
// the program prints one line that says what is missing and what to do, and ends with status 1;
// otherwise DisplayOpened() passes the held messages on as Qt would have printed them, unless
// the display has no screen, which ends the program in the same way.
void CatchDisplayFailure(int argc, char** argv);
void DisplayOpened();
