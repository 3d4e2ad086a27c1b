#include "qt/CommandLine.h"

#include "qt/ExportMode.h"

std::span<const CHeadlessMode> HeadlessModes()
{
    static const CHeadlessMode s_aModes[] = {
        ExportMode(),
    };
    return s_aModes;
}
