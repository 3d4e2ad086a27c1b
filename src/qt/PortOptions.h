#pragma once

#include "qt/CommandLine.h"

#include <optional>

// The command-line options that look after serial ports and need no display:
//   --list-ports             one line per port, and whether it opens
//   --link-port COMn DEVICE  make COMn name DEVICE (its /dev/serial/by-id name when it has one)
//   --unlink-port COMn       remove that name
void AddPortOptions(QCommandLineParser& parser);

// Runs the port option given, if any: its exit status, or nothing when none was given.
std::optional<int> RunPortOptions(const QCommandLineParser& parser);

// The port options as a mode of the command line that needs no window.
CHeadlessMode PortMode();
