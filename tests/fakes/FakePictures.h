#pragma once

#include "FakeViewWindow.h"

#include "platform/Picture.h"

#include <memory>
#include <string>

// Pictures that draw into a recording context; their bytes name the format and size asked
// for ("png 1600x1000"). With m_bFail set, no picture can be made.
class CFakePictureMaker : public IPictureMaker
{
public:
    std::unique_ptr<IPicture> CreatePicture(EPictureFormat eFormat, int nWidth,
                                            int nHeight) override
    {
        if (m_bFail)
            return nullptr;
        m_log.Clear();
        static const char* const apszNames[] = {"png", "svg", "pdf"};
        return std::make_unique<CFakePicture>(m_log,
                                              std::string(apszNames[int(eFormat)]) + " " +
                                                  std::to_string(nWidth) + "x" +
                                                  std::to_string(nHeight),
                                              nWidth, nHeight, eFormat == EPictureFormat::Pdf);
    }

    CDrawLog m_log; // what the last picture was drawn with
    bool m_bFail = false;

private:
    class CFakePicture : public IPicture
    {
    public:
        CFakePicture(CDrawLog& log, std::string strBytes, int nWidth, int nHeight, bool bPrinting)
            : m_dc(log, nWidth, nHeight, bPrinting), m_strBytes(std::move(strBytes))
        {
        }
        CDC* DC() override { return &m_dc; }
        std::string Finish() override { return m_strBytes; }

    private:
        CRecordingDC m_dc;
        std::string m_strBytes;
    };
};
