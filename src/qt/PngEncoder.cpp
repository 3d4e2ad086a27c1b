#include "qt/PngEncoder.h"

#include <png.h>
#include <zlib.h>

namespace
{

void AppendBytes(png_structp pPng, png_bytep pData, png_size_t nSize)
{
    static_cast<std::string*>(png_get_io_ptr(pPng))
        ->append(reinterpret_cast<const char*>(pData), nSize);
}

void FlushNothing(png_structp) {}

// libpng reports errors by longjmp to the set-up point; nothing with a destructor may be
// created between it and the calls that can fail.
bool WriteRows(png_structp pPng, png_infop pInfo, const QImage& image, std::string* pOut)
{
    if (setjmp(png_jmpbuf(pPng)) != 0)
        return false;
    png_set_write_fn(pPng, pOut, AppendBytes, FlushNothing);
    png_set_IHDR(pPng, pInfo, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(pPng, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(pPng, 1);
    png_set_compression_strategy(pPng, Z_RLE);
    png_write_info(pPng, pInfo);
    // An RGB32 pixel is the 32-bit value 0xffRRGGBB: in memory B, G, R and the filler.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
    {
        png_set_bgr(pPng);
        png_set_filler(pPng, 0, PNG_FILLER_AFTER);
    }
    else
        png_set_filler(pPng, 0, PNG_FILLER_BEFORE);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(pPng, image.constScanLine(y));
    png_write_end(pPng, pInfo);
    return true;
}

} // namespace

std::string EncodePng(const QImage& image)
{
    if (image.format() != QImage::Format_RGB32 || image.isNull())
        return {};
    png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (pPng == nullptr)
        return {};
    png_infop pInfo = png_create_info_struct(pPng);
    std::string strPng;
    const bool bWritten = pInfo != nullptr && WriteRows(pPng, pInfo, image, &strPng);
    png_destroy_write_struct(&pPng, &pInfo);
    return bWritten ? strPng : std::string();
}
