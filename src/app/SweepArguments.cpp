#include "app/SweepArguments.h"

#include "platform/NumberText.h"
#include "run/Sweep.h"

bool ParseSweepRange(std::string_view strText, CSweepSettings& settings)
{
    double adValues[3] = {};
    for (int i = 0; i < 3; ++i)
    {
        const size_t nColon = strText.find(':');
        const bool bLast = i == 2;
        if (bLast != (nColon == std::string_view::npos))
            return false;
        if (!ParseWhole(strText.substr(0, nColon), adValues[i]))
            return false;
        if (!bLast)
            strText.remove_prefix(nColon + 1);
    }
    settings.m_dFrom = adValues[0];
    settings.m_dTo = adValues[1];
    settings.m_dStep = adValues[2];
    return true;
}

bool ParseUnitsName(std::string_view strText, int& nUnits)
{
    if (strText == "english")
        nUnits = 1;
    else if (strText == "metric")
        nUnits = 0;
    else
        return false;
    return true;
}
