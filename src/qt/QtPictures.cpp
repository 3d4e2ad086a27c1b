#include "qt/QtPictures.h"

#include "app/AboutDlg.h"
#include "qt/PngEncoder.h"
#include "qt/QtDC.h"
#include "qt/QtVectorDC.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace
{

constexpr const char* PICTURE_TITLE = "Zorvantellique test";
// An SVG's pixels are those of a screen, so that it opens at the size of the PNG.
constexpr int SVG_DPI = 96;

std::string BytesOf(const QBuffer& buffer)
{
    return std::string(buffer.data().constData(), size_t(buffer.data().size()));
}

class CPngPicture : public IPicture
{
public:
    CPngPicture(int nWidth, int nHeight)
        : m_image(nWidth, nHeight, QImage::Format_RGB32), m_dc(&m_image)
    {
        m_image.fill(Qt::white);
    }
    bool IsValid() const { return !m_image.isNull(); }
    CDC* DC() override { return &m_dc; }
    std::string Finish() override { return EncodePng(m_image); }

private:
    QImage m_image;
    CQtDC m_dc;
};

// A vector device writing into a buffer, a painter on it and the vector context on that.
class CVectorPicture : public IPicture
{
public:
    CVectorPicture() { m_buffer.open(QIODevice::WriteOnly); }
    QBuffer* Buffer() { return &m_buffer; }
    // Starts the drawing on the device, which writes into Buffer(); false when it cannot be
    // drawn on.
    bool Begin(std::unique_ptr<QPaintDevice> pDevice, int nWidth, int nHeight, bool bPrinting)
    {
        m_pDevice = std::move(pDevice);
        if (!m_painter.begin(m_pDevice.get()))
            return false;
        m_pDC = std::make_unique<CQtVectorDC>(&m_painter, nWidth, nHeight, bPrinting);
        return true;
    }
    CDC* DC() override { return m_pDC.get(); }
    std::string Finish() override
    {
        m_pDC.reset();
        return m_painter.end() ? BytesOf(m_buffer) : std::string();
    }

private:
    // Destroyed in reverse: the painter ends before its device goes, the device before the
    // buffer it writes into.
    QBuffer m_buffer;
    std::unique_ptr<QPaintDevice> m_pDevice;
    QPainter m_painter;
    std::unique_ptr<CQtVectorDC> m_pDC;
};

std::unique_ptr<IPicture> CreateSvg(int nWidth, int nHeight)
{
    auto pPicture = std::make_unique<CVectorPicture>();
    auto pGenerator = std::make_unique<QSvgGenerator>();
    pGenerator->setOutputDevice(pPicture->Buffer());
    pGenerator->setResolution(SVG_DPI);
    pGenerator->setSize(QSize(nWidth, nHeight));
    pGenerator->setViewBox(QRect(0, 0, nWidth, nHeight));
    pGenerator->setTitle(QString::fromLatin1(PICTURE_TITLE));
    if (!pPicture->Begin(std::move(pGenerator), nWidth, nHeight, false))
        return nullptr;
    return pPicture;
}

std::unique_ptr<IPicture> CreatePdf()
{
    auto pPicture = std::make_unique<CVectorPicture>();
    auto pWriter = std::make_unique<QPdfWriter>(pPicture->Buffer());
    pWriter->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                    QMarginsF(PDF_MARGIN_MM, PDF_MARGIN_MM, PDF_MARGIN_MM, PDF_MARGIN_MM),
                    QPageLayout::Millimeter));
    pWriter->setResolution(PDF_DPI);
    pWriter->setTitle(QString::fromLatin1(PICTURE_TITLE));
    pWriter->setCreator(QString::fromLatin1(VERSION_NAME));
    int nWidth = pWriter->width();
    int nHeight = pWriter->height();
    if (!pPicture->Begin(std::move(pWriter), nWidth, nHeight, true))
        return nullptr;
    return pPicture;
}

} // namespace

std::unique_ptr<IPicture> CQtPictureMaker::CreatePicture(EPictureFormat eFormat, int nWidth,
                                                         int nHeight)
{
    if (eFormat == EPictureFormat::Pdf)
        return CreatePdf();
    if (nWidth < 1 || nHeight < 1)
        return nullptr;
    if (eFormat == EPictureFormat::Svg)
        return CreateSvg(nWidth, nHeight);
    auto pPng = std::make_unique<CPngPicture>(nWidth, nHeight);
    if (!pPng->IsValid())
        return nullptr;
    return pPng;
}
