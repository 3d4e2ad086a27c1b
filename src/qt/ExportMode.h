#pragma once

#include "qt/CommandLine.h"

// "--export OUT FILE.ZRV" with --size, --overlay, --curves and --scale: the test written as
// CSV, PNG, SVG or PDF without a window.
CHeadlessMode ExportMode();
