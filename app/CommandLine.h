#pragma once

#include <optional>

// The command line, read before the application object exists so that it needs no display.
// --help and --version print to standard output; an unknown option or any other argument prints
// one line to standard error. Qt's own options (-platform, -display, -style, -reverse...) are
// accepted and left in place for the application object, which takes them out.
// Returns the exit status when the program ends here (0, or 2 for a usage error), else nothing.
std::optional<int> RunCommandLine(int argc, char* argv[]);
