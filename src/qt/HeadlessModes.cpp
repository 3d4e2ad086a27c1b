#include "qt/CommandLine.h"

#include "qt/ExportMode.h"
#include "qt/PortOptions.h"
#include "qt/SweepCommandLine.h"

std::span<const CHeadlessMode> HeadlessModes()
{
    static const CHeadlessMode s_aModes[] = {
        ExportMode(),
        PortMode(),
        SweepMode(),
    };
    return s_aModes;
}
