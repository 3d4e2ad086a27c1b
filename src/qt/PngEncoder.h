#pragma once

#include <QImage>

#include <string>

// The PNG file of a Format_RGB32 image, 8-bit RGB, exact. Built for speed on drawings of
// flat colours: no row filter and zlib's run-length strategy at its fastest level, which on
// such pictures compresses about as well as the slow defaults in a fraction of the time.
// Empty for an image of another format or when the encoder fails.
std::string EncodePng(const QImage& image);
