#pragma once

#include "platform/Picture.h"

// PNG through the window's own pixel context (the same pixels as on screen), SVG through
// QSvgGenerator and PDF through QPdfWriter, both vector.
class CQtPictureMaker : public IPictureMaker
{
public:
    std::unique_ptr<IPicture> CreatePicture(EPictureFormat eFormat, int nWidth,
                                            int nHeight) override;
};

// A PDF is one A4 landscape page at this resolution, with the margins of a printed page.
constexpr int PDF_DPI = 600;
constexpr double PDF_MARGIN_MM = 10.0;
