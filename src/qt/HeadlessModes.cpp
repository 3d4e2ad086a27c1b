#include "qt/CommandLine.h"

#include "qt/ExportMode.h"
#include "qt/PortOptions.h"

std::span<const CHeadlessMode> HeadlessModes()
{
    static const CHeadlessMode s_aModes[] = {
        ExportMode(),
        PortMode(),
    };
    return s_aModes;
}
