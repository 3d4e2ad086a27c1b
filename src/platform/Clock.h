#pragma once

#include <cstdint>

class IClock
{
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start, wrapping at 2^32.
    virtual uint32_t GetTickCount() = 0;
};
