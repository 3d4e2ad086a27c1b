#pragma once

#include "platform/DC.h"

// The graph's one face: Arial, normal weight; turned fonts read from top to bottom.
inline void CreateArialFont(CFont& font, int nHeight, bool bTurned = false)
{
    int nAngle = bTurned ? -900 : 0;
    font.CreateFont(nHeight, 0, nAngle, nAngle, FW_NORMAL, 0, 0, 0, 0, 0,
                    bTurned ? CLIP_LH_ANGLES : CLIP_DEFAULT_PRECIS, 0, FF_SWISS, "Arial");
}
