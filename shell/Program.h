#pragma once

// Runs the whole program and returns its exit status.
int RunProgram(int argc, char* argv[]);
