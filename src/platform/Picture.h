#pragma once

#include "platform/DC.h"

#include <memory>
#include <string>

enum class EPictureFormat
{
    Png, // the pixels the window's context draws
    Svg, // vector: lines are paths, text is text
    Pdf, // vector, one printed page
};

// A picture being drawn: a context to draw the graph on, then the bytes of the file.
class IPicture
{
public:
    virtual ~IPicture() = default;
    // Where exclusive-or meets a known background, a vector picture draws the colour that
    // results there. A PDF context reports itself as printing.
    virtual CDC* DC() = 0;
    // Ends the drawing and returns the file's bytes; empty when the picture could not be made.
    virtual std::string Finish() = 0;
};

// Makes pictures; the desktop installs one in g_platform.
class IPictureMaker
{
public:
    virtual ~IPictureMaker() = default;
    // A PNG or SVG of nWidth x nHeight pixels; a PDF is one page of the maker's own size.
    // Null when the device cannot be made.
    virtual std::unique_ptr<IPicture> CreatePicture(EPictureFormat eFormat, int nWidth,
                                                    int nHeight) = 0;
};
