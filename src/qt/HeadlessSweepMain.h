#pragma once

// zorvantellique --sweep ...: the sweep without a window, on a plain event loop (no display
// needed). Returns the program's exit code.
int RunHeadlessSweep(int argc, char* argv[]);
