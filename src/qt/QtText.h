#pragma once

#include "platform/DC.h"

#include <string>

class QPainter;

// Text as a context's TextOut draws it, on any Qt paint device: the top-left of the text cell
// at pt (device pixels), an em height of nPixelHeight pixels, turned by the font's escapement,
// black, the cell filled with the background colour in OPAQUE mode. The painter's state is
// kept.
void PaintTextCell(QPainter& painter, CPoint pt, const std::string& strText, const CFont& font,
                   int nPixelHeight, const CDeviceState& state);
