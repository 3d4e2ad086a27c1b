#pragma once

#include <optional>
#include <span>
#include <string>

enum class EExportFormat
{
    Csv,
    Png,
    Svg,
    Pdf,
};

struct CExportFormat
{
    EExportFormat m_eFormat;
    const char* m_pszExtension; // without the dot, lower case
    const char* m_pszFilter;    // the file dialog's filter text
};

// The formats in the order the Export dialog offers them.
std::span<const CExportFormat> ExportFormats();
// The format a file name's extension names (letter case ignored); none for any other name.
std::optional<EExportFormat> ExportFormatOfPath(const std::string& strPath);
// strPath with ".<extension>" of the format appended unless it already ends in it.
std::string WithExportExtension(const std::string& strPath, EExportFormat eFormat);

// Pictures are this size in pixels unless asked otherwise; a PDF is one page whatever the size.
constexpr int DEFAULT_PICTURE_WIDTH = 1600;
constexpr int DEFAULT_PICTURE_HEIGHT = 1000;
