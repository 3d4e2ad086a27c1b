// Feeds arbitrary bytes, exactly as long as the input, to every parser of instrument replies.

#include "link/Commands.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

void Check(bool bCondition, const char* pszWhat)
{
    if (!bCondition)
    {
        std::fprintf(stderr, "reply parsers: %s\n", pszWhat);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const char* pReply = reinterpret_cast<const char*>(pData);
    Check(ReplyText(pReply, nSize).size() <= nSize, "reply text longer than the reply");
    int nModel = IdentifyModel(pReply, nSize);
    Check(nModel >= 0 && nModel <= 2, "model");
    uint32_t nStatus = 0;
    ParseStatusWord(pReply, nSize, nStatus);
    for (int nReadingModel = 0; nReadingModel <= 2; ++nReadingModel)
    {
        CReading reading;
        if (ParseReading(pReply, nSize, nReadingModel, reading))
            Check(std::isfinite(reading.m_dWind) && std::isfinite(reading.m_dDrag) &&
                      std::isfinite(reading.m_dLift),
                  "reading not finite");
    }
    CAirInputs inputs;
    if (ParseAirInputs(pReply, nSize, inputs))
        Check(std::isfinite(inputs.m_dAltitude) && std::isfinite(inputs.m_dTemperature) &&
                  std::isfinite(inputs.m_dPressure) && std::isfinite(inputs.m_dHumidity),
              "air inputs not finite");
    return 0;
}
