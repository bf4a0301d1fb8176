#pragma once
// Runs the program: command-line tasks (creating a data folder, ...) or the desktop program.
int runDomora(int argc, char *argv[]);
